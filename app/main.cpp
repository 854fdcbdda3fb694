#include "UAplicatie.h"
#include "UCertavoMain.h"
#include "UEroare.h"
#include "TemplateForm.h"
#include "UInstalareTiparire.h"
#include "ULinieComanda.h"
#include "UPornire.h"
#include "USplashZEZ.h"

int main(int argc, char **argv)
{
    const bool exportPdf = LinieComanda::CereExportPdf(argc, argv);
    // A scripted export shows no window, so it needs no display.
    if (exportPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicatie app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Certavo"));
    QApplication::setApplicationVersion(QStringLiteral(CERTAVO_VERSION));
    try {
        if (exportPdf)
            return LinieComanda::ExportaPdf(QApplication::arguments());
        ArataSplashPornire();
        // Without its database the program has nothing to show: the error was shown, stop here.
        if (!PornesteDatele())
            return 1;
        InregistreazaDocumentele();
        InstaleazaTiparirea();
        CertavoMain = new TCertavoMain;
        CertavoMain->setAttribute(Qt::WA_DeleteOnClose);
        CertavoMain->show();
        return app.exec();
    } catch (const EOprireProces &e) {
        return e.Cod;
    }
}
