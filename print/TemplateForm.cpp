#include "TemplateForm.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UEditorCampNota.h"
#include "UEditorTextFormular.h"
#include "UEroare.h"
#include "UNoteInLitere.h"
#include "UPrintCertificatAbsolvireZEZ.h"
#include "UPrintCertificatCalificareProfesionalaNivel1.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

std::function<void(TFormularDePrintat *, int)> TTemplate::Tiparire;
std::function<void(TTemplate *)> TTemplate::SalvarePdf;
std::function<void(TFormularTextArea *)> TTemplate::InformatiiCamp;

TTemplate::TTemplate(const QString &fisierMacheta, QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Vizualizare inaintea imprimarii"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);
    resize(640, 429);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    Tipareste = ButonComanda(QStringLiteral("Tipareste"), QStringLiteral("Tipareste"), this);
    SalveazaPdf = ButonComanda(QStringLiteral("SalveazaPdf"), QStringLiteral("Salveaza PDF"), this);
    Mareste = ButonComanda(QStringLiteral("Mareste"), QStringLiteral("Mareste"), this);
    Micsoreaza = ButonComanda(QStringLiteral("Micsoreaza"), QStringLiteral("Micsoreaza"), this);
    Iesire = ButonComanda(QStringLiteral("Iesire"), QStringLiteral("Iesire"), this);
    PC = new QTabWidget(this);
    PC->setObjectName(QStringLiteral("PC"));

    auto *sus = new QHBoxLayout;
    sus->addWidget(Tipareste);
    sus->addWidget(SalveazaPdf);
    sus->addWidget(Mareste);
    sus->addWidget(Micsoreaza);
    sus->addStretch();
    auto *jos = new QHBoxLayout;
    jos->addStretch();
    jos->addWidget(Iesire);
    auto *l = new QVBoxLayout(this);
    l->addLayout(sus);
    l->addWidget(PC, 1);
    l->addLayout(jos);

    Macheta = IncarcaMacheta(FisierMacheta(fisierMacheta), this);
    for (const TPaginaMacheta &p : Macheta.Pagini) {
        auto *scroll = new QScrollArea;
        scroll->setWidget(p.Suprafata);
        scroll->setWidgetResizable(false);
        PC->addTab(scroll, p.Titlu);
        for (TFormularTextArea *a : p.Suprafata->TextAreas())
            connect(a, &TFormularTextArea::Apasat, this, [](TFormularTextArea *arie) {
                if (InformatiiCamp)
                    IncearcaSiArata([arie] { InformatiiCamp(arie); });
            });
    }
    connect(Tipareste, &QPushButton::clicked, this, &TTemplate::TiparesteClick);
    connect(SalveazaPdf, &QPushButton::clicked, this, &TTemplate::SalveazaPdfClick);
    connect(Mareste, &QPushButton::clicked, this, &TTemplate::MaresteClick);
    connect(Micsoreaza, &QPushButton::clicked, this, &TTemplate::MicsoreazaClick);
    connect(Iesire, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });

    // The preview opens maximised, centred on the work area when restored.
    CentreazaForm(this);
    setWindowState(Qt::WindowMaximized);
}

QList<TFormularDePrintat *> TTemplate::Suprafete() const
{
    QList<TFormularDePrintat *> s;
    for (const TPaginaMacheta &p : Macheta.Pagini)
        s << p.Suprafata;
    return s;
}

int TTemplate::PaginaActiva() const { return std::max(0, PC->currentIndex()); }

TFormularDePrintat *TTemplate::SuprafataActiva() const { return Macheta.Pagini.value(PaginaActiva()).Suprafata; }

void TTemplate::Comanda(bool instalata, const std::function<void()> &actiune)
{
    if (!instalata) {
        UI::Mesaj(QStringLiteral("Functionalitate in lucru"));
        return;
    }
    IncearcaSiArata(actiune);
}

void TTemplate::TiparesteClick()
{
    Comanda(bool(Tiparire), [this] { Tiparire(SuprafataActiva(), PaginaActiva()); });
}

void TTemplate::SalveazaPdfClick()
{
    Comanda(bool(SalvarePdf), [this] { SalvarePdf(this); });
}

void TTemplate::MaresteClick()
{
    if (TFormularDePrintat *s = SuprafataActiva())
        s->SetZoom(s->Zoom() * 1.1);
}

void TTemplate::MicsoreazaClick()
{
    if (TFormularDePrintat *s = SuprafataActiva())
        s->SetZoom(s->Zoom() * 0.9090909090909090909);
}

namespace {

QString NumeArie(const TFormularTextArea *a)
{
    return a->objectName() + QLatin1Char('.') + QString::fromLatin1(a->metaObject()->className());
}

// Signed decimal, as the layout writes box positions and lengths.
std::optional<int> Intreg(const QString &s)
{
    bool ok = false;
    const int v = s.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// The two areas of a grade field: the upper one gets the figures, the next lower one the words.
std::pair<TFormularTextArea *, TFormularTextArea *> Pereche(TFormularDePrintat *s, const TFormularTextArea *a)
{
    QList<TFormularTextArea *> pereche;
    for (TFormularTextArea *b : s->TextAreas())
        if (b->Denumire1().toUpper() == a->Denumire1().toUpper() && b->Denumire3().toUpper() == a->Denumire3().toUpper())
            pereche << b;
    std::stable_sort(pereche.begin(), pereche.end(),
                     [](const TFormularTextArea *x, const TFormularTextArea *y) { return x->y() < y->y(); });
    return {pereche.value(0), pereche.value(1)};
}

void UmpleArie(TFormularDePrintat *s, TFormularTextArea *a, int idElev)
{
    a->SetSursaText({});
    a->SetText(QString());
    QString f, p, c;
    TDM::DescompuneCod(a->Denumire1(), f, p, c);
    const QString valoare = DM->CitesteValoare(f, p, c, idElev, -1);
    QString tip = QStringLiteral("X");
    if (!f.isEmpty() || !p.isEmpty() || !c.isEmpty()) {
        const TLinieProfilCitita linie = DM->LinieProfil(f, p, c);
        tip = linie.TipDeDate;
        if (!linie.Exista)
            throw EEroare(QStringLiteral("%1 face referire la campul inexistent %2.%3.%4").arg(NumeArie(a), f, p, c));
    }
    const bool notaSauCalificativ = tip == QLatin1String("NOTA sau CALIFICATIV");
    if (tip == QLatin1String("NOTA") || (notaSauCalificativ && TEditorCampNota::EsteNotaValida(valoare))) {
        static const QStringList roluri{"NOTA_DIPLOMA", "NOTA_COTOR", "MEDIE_DIPLOMA", "MEDIE_COTOR"};
        const int rol = roluri.indexOf(a->Denumire3().trimmed().toUpper());
        if (rol < 0)
            throw EEroare(QStringLiteral("%1 specifica un camp \"NOTA\" cu Denumire3 = \"%2\"; Denumire3 ar trebui sa fie "
                                         "NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!")
                              .arg(NumeArie(a), a->Denumire3()));
        const auto [cifre, litere] = Pereche(s, a);
        std::optional<int> nota;
        if (!valoare.isEmpty())
            nota = int(TEditorCampNota::TextInNota(valoare) / 100);
        PlaceGrade(cifre, litere, nota, rol);
        return;
    }
    if (notaSauCalificativ) {
        const auto [sus, jos] = Pereche(s, a);
        if (!sus)
            return;
        sus->SalveazaGeometriaInitiala();
        if (jos) {
            jos->SalveazaGeometriaInitiala();
            jos->hide();
            sus->Set_Top((sus->TopInitial() + jos->TopInitial()) / 2);
            sus->ZoomChanged();
        }
        sus->SetText(valoare);
        return;
    }
    const QString d2 = a->Denumire2(), d3 = a->Denumire3();
    const std::optional<int> poz = Intreg(d2), lung = Intreg(d3);
    if (!d2.isEmpty() && !poz)
        throw EEroare(QStringLiteral("%1 are denumire2=\"%2\" (adica nu un numar)").arg(NumeArie(a), d2));
    if (!d3.isEmpty() && !lung)
        throw EEroare(QStringLiteral("%1 are Denumire3=\"%2\" (adica nu un numar) (%3)").arg(NumeArie(a), d3, a->Denumire1()));
    if (d2.isEmpty())
        a->SetText(valoare);
    else if (*poz < 1)
        a->SetText(QString());
    else
        a->SetText(valoare.mid(*poz - 1, d3.isEmpty() ? 1 : std::max(0, *lung)));
}

} // namespace

void UmplePagina(TFormularDePrintat *s, int idElev)
{
    // The profile is read once for the page and each value once, however many boxes show it.
    TCitireInBloc bloc(*DM, TCitireInBloc::UnElev);
    for (int n = 1; n <= s->HighestTextAreaNumber(); ++n)
        if (TFormularTextArea *a = s->FindTextArea(n))
            a->SetText(QStringLiteral("<%1>").arg(n));
    s->SetTextAreaTransparent(true);
    s->SetZoom(100);
    for (TFormularTextArea *a : s->TextAreas())
        UmpleArie(s, a, idElev);
}

void FillPreview(TTemplate *fereastra, int idElev)
{
    TCitireInBloc bloc(*DM, TCitireInBloc::UnElev);
    for (TFormularDePrintat *s : fereastra->Suprafete())
        UmplePagina(s, idElev);
}

void InregistreazaDocumentele()
{
    TListaHandlerFormularDePrintat &lista = TListaHandlerFormularDePrintat::Instanta();
    InstaleazaInformatiiCamp();
    if (lista.Count() > 0)
        return;
    lista.RegisterHandler(std::make_unique<THandlerCertificatCalificareProfesionalaNivel1>());
    lista.RegisterHandler(std::make_unique<THandlerCertificatAbsolvireZEZ>());
}
