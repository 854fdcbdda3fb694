#include "UAplicatie.h"
#include "UCertavoMain.h"
#include "UEroare.h"
#include "InsertPaper.h"
#include "TemplateForm.h"
#include "UPornire.h"
#include "USplashZEZ.h"

int main(int argc, char **argv)
{
    TAplicatie app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Certavo"));
    QApplication::setApplicationVersion(QStringLiteral(CERTAVO_VERSION));
    ArataSplashPornire();
    try {
        // Without its database the program has nothing to show: the error was shown, stop here.
        if (!PornesteDatele())
            return 1;
        InregistreazaDocumentele();
        TTemplate::Tiparire = [](TFormularDePrintat *suprafata, int pagina) { PrintPage(suprafata, pagina); };
        CertavoMain = new TCertavoMain;
        CertavoMain->setAttribute(Qt::WA_DeleteOnClose);
        CertavoMain->show();
        return app.exec();
    } catch (const EOprireProces &e) {
        return e.Cod;
    }
}
