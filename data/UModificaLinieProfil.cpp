#include "UModificaLinieProfil.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UPrompter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TModificaLinieProfil::TModificaLinieProfil(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ModificaLinieProfil"));
    setWindowTitle(QStringLiteral("Modifica linie profil"));
    setFixedSize(310, 129);
    RzLabel1 = new QLabel(QStringLiteral("Onorez similar"), this);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->move(16, 8);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setGeometry(32, 24, 257, 21);
    RzComboBox1->addItems({QStringLiteral("DA"), QStringLiteral("SELECTIV"), QStringLiteral("NU")});
    RzLabel2 = new QLabel(QStringLiteral("Asociat cu"), this);
    RzLabel2->setObjectName(QStringLiteral("RzLabel2"));
    RzLabel2->move(16, 56);
    RzComboBox2 = new QComboBox(this);
    RzComboBox2->setObjectName(QStringLiteral("RzComboBox2"));
    RzComboBox2->setGeometry(32, 72, 257, 21);
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Ok"), this);
    RzBitBtn1->setGeometry(152, 99, 75, 25);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Renunt"), this);
    RzBitBtn2->setGeometry(232, 99, 75, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TModificaLinieProfil::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });
    FormCreate();
}

void TModificaLinieProfil::FormCreate()
{
    CentreazaForm(this);
    TCitire citire(DM->Tr);
    DM->Q1.SQL(QStringLiteral("select NUME_TABEL from TABELE"));
    for (DM->Q1.Open(); !DM->Q1.Eof(); DM->Q1.Next())
        RzComboBox2->addItem(DM->Q1.Text(QStringLiteral("NUME_TABEL")));
    DM->Q1.Close();
}

void TModificaLinieProfil::IncarcaLinie(const QString &codFormular, const QString &codPagina, const QString &codCamp)
{
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q1;
    q.SQL(QStringLiteral("select    ONOREZ_SIMILAR, ASOCIAT_CU from    PROFIL_DIPLOMA where    (COD_FORMULAR = "
                         ":COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    q.ParamCod(codFormular, codPagina, codCamp);
    q.Open();
    const QString os = q.Text(QStringLiteral("ONOREZ_SIMILAR"));
    m_asociatCu = q.Text(QStringLiteral("ASOCIAT_CU"));
    q.Close();
    RzComboBox1->setCurrentIndex(os == QLatin1String("DA") ? 0 : os == QLatin1String("SELECTIV") ? 1 : 2);
    int ales = -1;
    for (int i = 0; i < RzComboBox2->count(); ++i) {
        if (RzComboBox2->itemText(i) == m_asociatCu)
            ales = i;
    }
    RzComboBox2->setCurrentIndex(ales);
}

void TModificaLinieProfil::RzBitBtn1Click()
{
    static const char *const valori[] = {"DA", "SELECTIV", "NU"};
    const int i = RzComboBox1->currentIndex();
    // No table chosen (the stored one is not a record table): the stored owner stays.
    const QString asociat = RzComboBox2->currentIndex() >= 0 ? RzComboBox2->currentText() : m_asociatCu;
    const bool salvat = IncearcaSiArata([&] {
        ScrieInTranzactie(DM->Tr, [&] {
            TQuery &q = DM->Q1;
            q.SQL(QStringLiteral("update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = "
                                 ":ASOCIAT_CU where    (COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = "
                                 ":COD_PAGINA)    and    (COD_CAMP = :COD_CAMP)"));
            q.Param(QStringLiteral("ONOREZ_SIMILAR"), QString::fromLatin1(valori[i >= 0 && i < 2 ? i : 2]));
            q.Param(QStringLiteral("ASOCIAT_CU"), asociat);
            q.ParamCod(CodFormular, CodPagina, CodCamp);
            q.ExecSQL();
        });
    });
    if (salvat)
        done(UI::RezultatOk);
}
