#include "UCertavoMain.h"
#include "UAboutSplash.h"
#include "UCentreazaForm.h"
#include "UConfigurareDiploma.h"
#include "UEditorConfigGlobal.h"
#include "UImportExcelExpert.h"
#include "UListaElevi.h"
#include "UListaGenerica.h"
#include "PrintWizUnit.h"
#include "UPrompter.h"

#include <QMenuBar>

TCertavoMain *CertavoMain = nullptr;

TCertavoMain::TCertavoMain(QWidget *owner) : QMainWindow(owner)
{
    setObjectName(QStringLiteral("CertavoMain"));
    setWindowTitle(QStringLiteral("Certavo"));
    resize(870, 640);

    QMenuBar *bara = menuBar();
    bara->setObjectName(QStringLiteral("MainMenu1"));
    const auto comanda = [this](QMenu *meniu, const char *nume, const QString &text, void (TCertavoMain::*slot)()) {
        QAction *a = meniu->addAction(text, this, slot);
        a->setObjectName(QString::fromLatin1(nume));
        return a;
    };
    QMenu *configurare = bara->addMenu(QStringLiteral("Configurare"));
    configurare->setObjectName(QStringLiteral("Configurare1"));
    Configurarediploma1 = comanda(configurare, "Configurarediploma1", QStringLiteral("Configurare diploma"),
                                  &TCertavoMain::Configurarediploma1Click);
    Configurarescoala1 = comanda(configurare, "Configurarescoala1", QStringLiteral("Configurare scoala"),
                                 &TCertavoMain::Configurarescoala1Click);
    configurare->addSeparator()->setObjectName(QStringLiteral("N3"));
    Configurarenota1 = comanda(configurare, "Configurarenota1", QStringLiteral("Configurare nota"),
                               &TCertavoMain::Configurarenota1Click);
    Configurareimprimanta2 = comanda(configurare, "Configurareimprimanta2", QStringLiteral("Configurare imprimanta"),
                                     &TCertavoMain::Configurareimprimanta2Click);
    QMenu *preluare = bara->addMenu(QStringLiteral("Preluare date"));
    preluare->setObjectName(QStringLiteral("Preluaredate1"));
    ImportdinExcel1 = comanda(preluare, "ImportdinExcel1", QStringLiteral("Import din Excel"),
                              &TCertavoMain::ImportdinExcel1Click);
    QMenu *ajutor = bara->addMenu(QStringLiteral("Ajutor"));
    ajutor->setObjectName(QStringLiteral("Help1"));
    Desprenoi1 = comanda(ajutor, "Desprenoi1", QStringLiteral("Despre noi"), &TCertavoMain::Desprenoi1Click);

    FormCreate();
}

void TCertavoMain::FormCreate()
{
    CentreazaSiRedimensioneazaForm(this);
    Lista = new TListaElevi(this);
    setCentralWidget(Lista);
    Lista->Reincarca();
}

void TCertavoMain::Configurarediploma1Click()
{
    TConfigurareDiploma dlg(this);
    UI::Modal(&dlg);
}
void TCertavoMain::Configurarescoala1Click()
{
    TListaGenerica dlg(this);
    dlg.setWindowTitle(QStringLiteral("Configurare scoala"));
    dlg.Tabel = QStringLiteral("SCOALA");
    dlg.Reincarca();
    UI::Modal(&dlg);
}
void TCertavoMain::Configurarenota1Click()
{
    TEditorConfigGlobal dlg(this);
    UI::Modal(&dlg);
}
void TCertavoMain::Configurareimprimanta2Click() { ArataPrintWiz(this); }
void TCertavoMain::ImportdinExcel1Click()
{
    {
        TImportExcelExpert dlg(this);
        UI::Modal(&dlg);
    }
    // Rows written before a "Renunt" or an error stay, so the list is reloaded in every case.
    Lista->Reincarca();
    Lista->Filtreaza();
}
void TCertavoMain::Desprenoi1Click() { ArataDespre(this); }
