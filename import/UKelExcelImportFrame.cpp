#include "UKelExcelImportFrame.h"

#include "UColoaneExcel.h"
#include "UDm.h"
#include "UEditCuButon.h"
#include "UEroare.h"
#include "UExcelSelectieColoana.h"
#include "UImportExcelExpert.h"
#include "UPaginaOk.h"
#include "UPreluareElevi.h"
#include "UPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QLabel *Eticheta(const char *nume, const QString &text, QWidget *parinte, bool titlu = false)
{
    auto *l = new QLabel(text, parinte);
    l->setObjectName(QString::fromLatin1(nume));
    if (titlu) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: maroon"));
    }
    return l;
}

QLineEdit *Edit(const char *nume, QWidget *parinte)
{
    auto *e = new QLineEdit(parinte);
    e->setObjectName(QString::fromLatin1(nume));
    return e;
}
} // namespace

TKelExcelImportFrame::TKelExcelImportFrame(TImportExcelExpert *expert, QWidget *parinte)
    : QFrame(parinte), m_expert(expert)
{
    setObjectName(QStringLiteral("KelExcelImportFrame"));
    Label8 = Eticheta("Label8", QStringLiteral("Va rugam specificati coloana de pe care se va prelua:"), this, true);
    Label3 = Eticheta("Label3", {}, this, true);
    Label6 = Eticheta("Label6", {}, this, true);
    Label1 = Eticheta("Label1", QStringLiteral("Cum generez date pentru aceasta coloana:"), this);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->addItems({QStringLiteral("Preiau direct dintr-o coloana Excel"),
                           QStringLiteral("Valoare constanta pentru toate diplomele"),
                           QStringLiteral("Valoare derivata din CNP-ul elevului"),
                           QStringLiteral("Preiau prima parte a numelui din coloana Excel"),
                           QStringLiteral("Preiau a doua parte a numelui din coloana Excel")});
    RzCheckBox1 = new QCheckBox(QStringLiteral("NU import date pentru aceasta coloana"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));

    RzPageControl1 = new QStackedWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    auto pagina = [this](const char *nume) {
        auto *p = new QWidget(RzPageControl1);
        p->setObjectName(QString::fromLatin1(nume));
        RzPageControl1->addWidget(p);
        return p;
    };
    QWidget *p0 = pagina("TabSheet1");
    Label9 = Eticheta("Label9", QStringLiteral("Coloana pentru preluarea acestui camp de date:"), p0);
    RzButtonEdit1 = new TEditCuButon(QStringLiteral("RzButtonEdit1"), p0);
    auto *l0 = new QVBoxLayout(p0);
    l0->addWidget(Label9);
    l0->addWidget(RzButtonEdit1);
    l0->addStretch();
    QWidget *p1 = pagina("TabSheet2");
    Label2 = Eticheta("Label2", QStringLiteral("Ce scriu in aceasta coloana:"), p1);
    RzEdit1 = Edit("RzEdit1", p1);
    auto *l1 = new QVBoxLayout(p1);
    l1->addWidget(Label2);
    l1->addWidget(RzEdit1);
    l1->addStretch();
    QWidget *p2 = pagina("TabSheet3");
    Label4 = Eticheta("Label4", QStringLiteral("Ce scriu pentru fete (prima cifra din CNP=2)"), p2);
    RzEdit2 = Edit("RzEdit2", p2);
    Label5 = Eticheta("Label5", QStringLiteral("Ce scriu pentru baieti (prima cifra din CNP=1)"), p2);
    RzEdit3 = Edit("RzEdit3", p2);
    auto *l2 = new QVBoxLayout(p2);
    l2->addWidget(Label4);
    l2->addWidget(RzEdit2);
    l2->addWidget(Label5);
    l2->addWidget(RzEdit3);
    l2->addStretch();
    pagina("TabSheet4");

    PaginaOk = new TPaginaOk(this);
    PaginaOk->OnClick = [this] { PaginaOkClick(); };

    auto *l = new QVBoxLayout(this);
    l->addWidget(Label8);
    l->addWidget(Label3);
    l->addWidget(Label6);
    l->addSpacing(8);
    l->addWidget(Label1);
    l->addWidget(RzComboBox1);
    l->addWidget(RzCheckBox1);
    l->addWidget(RzPageControl1, 1);

    connect(RzComboBox1, &QComboBox::currentIndexChanged, this, &TKelExcelImportFrame::RzComboBox1Change);
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TKelExcelImportFrame::RzCheckBox1Click);
    connect(RzButtonEdit1, &TEditCuButon::ButtonClick, this, &TKelExcelImportFrame::RzButtonEdit1ButtonClick);
}

void TKelExcelImportFrame::Initializeaza(const QString &codComplet, const QString &eticheta)
{
    CodComplet = codComplet;
    QString pagina, camp;
    TDM::DescompuneCod(CodComplet, CodFormular, pagina, camp);
    Label3->setText(TDM::SeparaCuvinte(CodComplet));
    Label6->setText(eticheta);
    RzComboBox1->setCurrentIndex(0);
    RzPageControl1->setCurrentIndex(0);
}

void TKelExcelImportFrame::RzComboBox1Change()
{
    static const int pagini[] = {0, 1, 2, 0, 0};
    const int i = RzComboBox1->currentIndex();
    if (i >= 0 && i < 5)
        RzPageControl1->setCurrentIndex(pagini[i]);
}

void TKelExcelImportFrame::RzCheckBox1Click()
{
    BifatDeExpert = false;
    const bool bifat = RzCheckBox1->isChecked();
    RzPageControl1->setVisible(!bifat);
    RzComboBox1->setEnabled(!bifat);
}

bool TKelExcelImportFrame::NuImport() const { return RzCheckBox1->isChecked(); }

void TKelExcelImportFrame::SeteazaNuImport(bool bifat)
{
    RzCheckBox1->setChecked(bifat);
    RzCheckBox1Click();
}

void TKelExcelImportFrame::RzButtonEdit1ButtonClick()
{
    TExcelSelectieColoana *picker = m_expert ? m_expert->SelectieColoana : nullptr;
    if (!picker)
        return;
    if (UI::Modal(picker) == UI::RezultatOk)
        RzButtonEdit1->setText(picker->ColoanaSelectata);
}

void TKelExcelImportFrame::PaginaOkClick()
{
    const int i = RzComboBox1->currentIndex();
    if (!NuImport() && (i == TSursaCamp::Coloana || i == TSursaCamp::PrimaParte || i == TSursaCamp::ADouaParte)
        && RzButtonEdit1->text().isEmpty())
        throw EEroare(QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
}

TSursaCamp TKelExcelImportFrame::Sursa() const
{
    TSursaCamp s;
    s.CodComplet = CodComplet;
    s.Fel = RzComboBox1->currentIndex();
    s.Litere = RzButtonEdit1->text();
    s.TextConstant = RzEdit1->text();
    s.Fete = RzEdit2->text();
    s.Baieti = RzEdit3->text();
    s.NuImport = NuImport();
    return s;
}

QString TKelExcelImportFrame::Valoare(int Linie, const QString &CNP) const
{
    return m_expert ? TPreluareElevi::Valoare(Sursa(), m_expert->ColoaneExcel, Linie, CNP) : QString();
}
