#include "InsertPaper.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UAllStuffReg.h"
#include "UButonComanda.h"
#include "UCapabilitatiImprimanta.h"
#include "UCentreazaForm.h"
#include "UEroare.h"
#include "UImaginiImprimanta.h"
#include "UPrompter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *Imagine(const QPixmap &px, const QString &nume, QWidget *parinte)
{
    auto *l = new QLabel(parinte);
    l->setObjectName(nume);
    l->setPixmap(px);
    l->setFixedSize(px.size());
    return l;
}

TInsertPaperForm *g_form = nullptr;
} // namespace

TInsertPaperForm::TInsertPaperForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InsertPaperForm"));
    auto *stanga = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        ImagineCaz[i] = Imagine(ImaginiImprimanta::Alimentare(i + 1), QStringLiteral("ImagineCaz%1").arg(i + 1), this);
        stanga->addWidget(ImagineCaz[i], 0, 0);
    }
    ImagineRasturnata = Imagine(ImaginiImprimanta::Foaie(true), QStringLiteral("ImagineRasturnata"), this);
    ImagineNormala = Imagine(ImaginiImprimanta::Foaie(false), QStringLiteral("ImagineNormala"), this);
    stanga->addWidget(ImagineRasturnata, 0, 1);
    stanga->addWidget(ImagineNormala, 0, 1);

    auto *dreapta = new QVBoxLayout;
    auto *text = new QLabel(QStringLiteral("Va rog sa introduceti diploma in imprimanta, asa cum apare in imaginea "
                                           "din stanga."), this);
    text->setWordWrap(true);
    dreapta->addWidget(text);
    dreapta->addWidget(new QLabel(QStringLiteral("Margine stanga, in milimetri."), this));
    EditMargineStanga = new QLineEdit(this);
    EditMargineStanga->setObjectName(QStringLiteral("EditMargineStanga"));
    dreapta->addWidget(EditMargineStanga);
    dreapta->addWidget(new QLabel(QStringLiteral("Margine sus, in milimetri."), this));
    EditMargineSus = new QLineEdit(this);
    EditMargineSus->setObjectName(QStringLiteral("EditMargineSus"));
    dreapta->addWidget(EditMargineSus);
    CheckBoxOglinda = new QCheckBox(QStringLiteral("Tiparesc imaginea in oglinda"), this);
    CheckBoxOglinda->setObjectName(QStringLiteral("CheckBoxOglinda"));
    dreapta->addWidget(CheckBoxOglinda);
    dreapta->addStretch();
    QPushButton *ok = nullptr;
    dreapta->addLayout(RandOkRenunt(this, ok));

    auto *tot = new QHBoxLayout(this);
    tot->addLayout(stanga);
    tot->addLayout(dreapta, 1);
    setFixedSize(sizeHint().expandedTo(QSize(560, 220)));

    connect(CheckBoxOglinda, &QCheckBox::clicked, this, &TInsertPaperForm::CheckBoxOglindaClick);
    connect(ok, &QPushButton::clicked, this, &TInsertPaperForm::OkClick);
    CentreazaForm(this);
}

TInsertPaperForm &TInsertPaperForm::Instanta()
{
    if (!g_form) {
        g_form = new TInsertPaperForm;
        // Freed before the application's windows go.
        qAddPostRoutine([] {
            delete g_form;
            g_form = nullptr;
        });
    }
    return *g_form;
}

int TInsertPaperForm::AskForPaper(int pagina, bool &rotit, double &margineStanga, double &margineSus)
{
    // The one prompt is reused: no result of an earlier showing may linger.
    setResult(0);
    for (QLabel *l : ImagineCaz)
        l->hide();
    ImagineRasturnata->hide();
    ImagineNormala->hide();

    TAllStuffReg *reg = TAllStuffReg::Curent();
    const bool opusa = reg && reg->FataPeParteaOpusa;
    const int mod = reg ? reg->ModAlimentare : 0;
    struct TCaz
    {
        const char *Titlu;
        int Nerotit, Rotit;
    };
    static const TCaz Cazuri[2][2] = {{{"(1)", 3, 1}, {"(2)", 2, 4}}, {{"(3)", 2, 4}, {"(4)", 1, 3}}};
    const TCaz &c = Cazuri[pagina == 1 ? 1 : 0][opusa ? 1 : 0];
    setWindowTitle(QLatin1String(c.Titlu));
    m_cazNerotit = c.Nerotit;
    m_cazRotit = c.Rotit;

    const bool rasturnata = mod == 1 || mod == 3;
    (rasturnata ? ImagineRasturnata : ImagineNormala)->show();

    CheckBoxOglinda->setChecked(
        TAllStuffReg::Rotit(reg ? reg->MirrorSetting(pagina) : QStringLiteral("*"), pagina, mod));
    EditMargineStanga->setText(RealInText(margineStanga));
    EditMargineSus->setText(RealInText(margineSus));
    CheckBoxOglindaClick();

    const int rezultat = UI::Modal(this);

    const bool bifat = CheckBoxOglinda->isChecked();
    if (reg)
        reg->SetMirrorSetting(pagina, bifat ? QStringLiteral("D") : QStringLiteral("N"));
    rotit = bifat;
    // A cancelled prompt keeps the margins it was given: its boxes are not read.
    if (rezultat == UI::RezultatOk) {
        margineStanga = TextInReal(EditMargineStanga->text());
        margineSus = TextInReal(EditMargineSus->text());
    }
    return rezultat;
}

int TInsertPaperForm::CazAfisat() const
{
    for (int i = 0; i < 4; ++i)
        if (!ImagineCaz[i]->isHidden())
            return i + 1;
    return 0;
}

bool TInsertPaperForm::ImagineNormalaVizibila() const { return !ImagineNormala->isHidden(); }

void TInsertPaperForm::CheckBoxOglindaClick()
{
    const int caz = CheckBoxOglinda->isChecked() ? m_cazRotit : m_cazNerotit;
    for (int i = 0; i < 4; ++i)
        ImagineCaz[i]->setVisible(i + 1 == caz);
}

void TInsertPaperForm::OkClick()
{
    try {
        TextInReal(EditMargineStanga->text());
        TextInReal(EditMargineSus->text());
    } catch (const EEroare &e) {
        UI::Eroare(e.Mesaj());
        return;
    }
    done(UI::RezultatOk);
}

// ---------------------------------------------------------------- print run

QPrinter &ImprimantaCurenta()
{
    static QPrinter *imprimanta = nullptr;
    if (!imprimanta) {
        imprimanta = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete imprimanta;
            imprimanta = nullptr;
        });
    }
    return *imprimanta;
}

bool ExistaImprimante() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void PrintPage(TFormularDePrintat *suprafata, int pagina) { PrintPage(suprafata, pagina, ImprimantaCurenta()); }

std::optional<TCalibrarePagina> PregatesteTiparirea(int pagina, const QPrinter &imprimanta)
{
    {
        const TAllStuffReg reg;
        if (!reg.Configurat) {
            UI::Mesaj(QStringLiteral("Configureaza imprimanta"));
            return std::nullopt;
        }
    }
    // Without printers Qt falls back to PDF output; only a file named by the caller is a destination.
    if (imprimanta.outputFileName().isEmpty() && !ExistaImprimante()) {
        UI::Mesaj(MesajFaraImprimanta);
        return std::nullopt;
    }
    TAllStuffReg reg;
    double &stanga = pagina == 1 ? reg.MargineStangaVerso : reg.MargineStangaFata;
    double &sus = pagina == 1 ? reg.MargineSusVerso : reg.MargineSusFata;
    TCalibrarePagina c{stanga, sus, false};
    if (TInsertPaperForm::Instanta().AskForPaper(pagina, c.Rotit, c.Stanga, c.Sus) != UI::RezultatOk)
        return std::nullopt;
    stanga = c.Stanga;
    sus = c.Sus;
    return c;
}

QString TitluLucrare(int pagina)
{
    return pagina == 1 ? QStringLiteral("Diploma de examen national - verso")
                       : QStringLiteral("Diploma de examen national - fata");
}

void PrintPage(TFormularDePrintat *suprafata, int pagina, QPrinter &imprimanta,
               const std::optional<QMarginsF> &neimprimabilMm)
{
    const std::optional<TCalibrarePagina> c = PregatesteTiparirea(pagina, imprimanta);
    if (!c)
        return;
    TLucrareTiparire lucrare(imprimanta, false, TitluLucrare(pagina), neimprimabilMm);
    lucrare.Tipareste(suprafata, *c);
}
