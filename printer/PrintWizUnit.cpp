#include "PrintWizUnit.h"
#include "InsertPaper.h"
#include "UAllStuffReg.h"
#include "UButonComanda.h"
#include "UCapabilitatiImprimanta.h"
#include "UCentreazaForm.h"
#include "UEroare.h"
#include "UImaginiImprimanta.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QLabel *Text(const QString &t, QWidget *parinte)
{
    auto *l = new QLabel(t, parinte);
    l->setWordWrap(true);
    return l;
}

QLabel *Imagine(const QPixmap &px, QWidget *parinte, const QString &nume = {})
{
    auto *l = new QLabel(parinte);
    l->setObjectName(nume);
    l->setPixmap(px);
    return l;
}

// A choice with its explanation and picture beside it.
QRadioButton *Alegere(QVBoxLayout *lista, const QString &nume, const QString &text, const QString &explicatie,
                      const QPixmap &px)
{
    QWidget *pagina = lista->parentWidget();
    auto *rand = new QHBoxLayout;
    auto *stanga = new QVBoxLayout;
    auto *b = new QRadioButton(text, pagina);
    b->setObjectName(nume);
    stanga->addWidget(b);
    if (!explicatie.isEmpty())
        stanga->addWidget(Text(explicatie, pagina));
    stanga->addStretch();
    rand->addLayout(stanga, 1);
    rand->addWidget(Imagine(px, pagina));
    lista->addLayout(rand);
    return b;
}

const QString TitluManevrare = QStringLiteral("Stabilirea modului de manevrare a hartiei.");
} // namespace

TPrintWiz::TPrintWiz(QWidget *parent, const QStringList &imprimante, QPrinter *imprimanta)
    : QDialog(parent), m_imprimante(imprimante), m_imprimanta(imprimanta ? imprimanta : &ImprimantaCurenta())
{
    setObjectName(QStringLiteral("PrintWiz"));
    setWindowTitle(QStringLiteral("Formular pentru pregatirea imprimantei"));
    auto *tot = new QVBoxLayout(this);
    auto *antet = new QLabel(QStringLiteral("Formular pentru configurarea imprimantei"), this);
    antet->setObjectName(QStringLiteral("Antet"));
    QFont f = antet->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    antet->setFont(f);
    tot->addWidget(antet);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->tabBar()->hide();
    tot->addWidget(PageControl1, 1);

    QWidget *p = Pagina(0, QStringLiteral("Selectati imprimanta"));
    ListaImprimante = new QTreeWidget(p);
    ListaImprimante->setObjectName(QStringLiteral("ListaImprimante"));
    ListaImprimante->setHeaderLabels({QStringLiteral("Denumire")});
    ListaImprimante->setRootIsDecorated(false);
    p->layout()->addWidget(ListaImprimante);

    p = Pagina(1, QStringLiteral("Selectati modul de alimentare cu hartie:"));
    auto *l = static_cast<QVBoxLayout *>(p->layout());
    AlimentareSus = Alegere(l, QStringLiteral("AlimentareSus"), QStringLiteral("Alimentarea prin partea de sus"),
                            QStringLiteral("Coala se aseaza in tava din partea de sus a imprimantei si iese prin "
                                           "fata."), ImaginiImprimanta::Alimentare(1));
    AlimentareFrontala = Alegere(l, QStringLiteral("AlimentareFrontala"), QStringLiteral("Alimentare frontala"),
                                 QStringLiteral("Coala se introduce prin fata imprimantei."),
                                 ImaginiImprimanta::Alimentare(2));
    AlimentareCaseta = Alegere(l, QStringLiteral("AlimentareCaseta"),
                               QStringLiteral("Alimentare cu caseta interna sau alte modalitati"),
                               QStringLiteral("Coala se pune in caseta imprimantei sau se introduce altfel."),
                               ImaginiImprimanta::Alimentare(4));
    AlimentareSus->setChecked(true);

    p = Pagina(2, QStringLiteral("Ati selectat alimentare cu caseta frontala."));
    p->layout()->addWidget(Text(QStringLiteral("Deschideti clapeta din spatele imprimantei, astfel incat coala sa "
                                               "treaca drept prin imprimanta, fara sa fie intoarsa."), p));

    p = Pagina(3, QStringLiteral("Ati selectat alimentare cu caseta interna."));
    p->layout()->addWidget(Text(QStringLiteral("Daca imprimanta permite, folositi alimentarea manuala, coala cu "
                                               "coala, pentru diplome."), p));

    p = Pagina(4, QStringLiteral("Reprezentarea vizuala a modului de alimentare cu hartie"));
    l = static_cast<QVBoxLayout *>(p->layout());
    HartieNormala = Alegere(l, QStringLiteral("HartieNormala"), QStringLiteral("Hartie in pozitia normala."), {},
                            ImaginiImprimanta::Foaie(false));
    HartieRasturnata = Alegere(l, QStringLiteral("HartieRasturnata"), QStringLiteral("Hartie rasturnata."), {},
                               ImaginiImprimanta::Foaie(true));
    HartieNormala->setChecked(true);

    p = Pagina(5, TitluManevrare);
    p->layout()->addWidget(Text(QStringLiteral("Introduceti in imprimanta o coala de hartie alba, nescrisa. Apasati "
                                               "\"Inainte\" cand imprimanta este pregatita."), p));

    p = Pagina(6, TitluManevrare);
    p->layout()->addWidget(Text(QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata pe partea "
                                               "vizibila a paginii, asa cum se vede in imaginea alaturata."), p));
    ImagineAlimentare6 = Imagine({}, p, QStringLiteral("ImagineAlimentare6"));
    p->layout()->addWidget(ImagineAlimentare6);

    p = Pagina(7, QStringLiteral("Sageata hasurata a fost tiparita pe aceeasi parte cu prima sageata, sau a fost "
                                 "tiparita pe partea opusa?"));
    PeAceeasiParte = new QRadioButton(QStringLiteral("Pe aceeasi parte"), p);
    PeAceeasiParte->setObjectName(QStringLiteral("PeAceeasiParte"));
    PeParteaOpusa = new QRadioButton(QStringLiteral("Pe partea opusa"), p);
    PeParteaOpusa->setObjectName(QStringLiteral("PeParteaOpusa"));
    p->layout()->addWidget(PeAceeasiParte);
    p->layout()->addWidget(PeParteaOpusa);
    PeAceeasiParte->setChecked(true);

    p = Pagina(8, TitluManevrare);
    TextReintroducere8 = Text({}, p);
    TextReintroducere8->setObjectName(QStringLiteral("TextReintroducere8"));
    ImagineAlimentare8 = Imagine({}, p, QStringLiteral("ImagineAlimentare8"));
    p->layout()->addWidget(TextReintroducere8);
    p->layout()->addWidget(ImagineAlimentare8);

    p = Pagina(9, QStringLiteral("Cum arata imaginea obtinuta?"));
    l = static_cast<QVBoxLayout *>(p->layout());
    LiniiSusStanga = Alegere(l, QStringLiteral("LiniiSusStanga"),
                             QStringLiteral("Linie orizontala sus si linie verticala la stanga"), {},
                             ImaginiImprimanta::Linii(false, false));
    LiniiSusDreapta = Alegere(l, QStringLiteral("LiniiSusDreapta"),
                              QStringLiteral("Linie orizontala sus si linie verticala la dreapta"), {},
                              ImaginiImprimanta::Linii(false, true));
    LiniiJosDreapta = Alegere(l, QStringLiteral("LiniiJosDreapta"),
                              QStringLiteral("Linie orizontala jos si linie verticala la dreapta"), {},
                              ImaginiImprimanta::Linii(true, true));
    LiniiJosStanga = Alegere(l, QStringLiteral("LiniiJosStanga"),
                             QStringLiteral("Linie orizontala jos si linie verticala la stanga"), {},
                             ImaginiImprimanta::Linii(true, false));
    LiniiSusStanga->setChecked(true);

    p = Pagina(13, QStringLiteral("Am finalizat"));
    p->layout()->addWidget(Text(QStringLiteral("Toate informatiile necesare au fost obtinute. Ramane la aprecierea "
                                               "dumneavoastra daca precizia imprimantei este suficienta pentru a "
                                               "tipari diplome."), p));

    auto *butoane = new QHBoxLayout;
    ButonInapoi = ButonComanda(QStringLiteral("ButonInapoi"), QStringLiteral("Inapoi"), this);
    ButonInainte = ButonComanda(QStringLiteral("ButonInainte"), QStringLiteral("Inainte"), this);
    ButonRenunt = ButonComanda(QStringLiteral("ButonRenunt"), QStringLiteral("Renunt"), this);
    butoane->addStretch();
    butoane->addWidget(ButonInapoi);
    butoane->addWidget(ButonInainte);
    butoane->addWidget(ButonRenunt);
    tot->addLayout(butoane);
    connect(ButonInainte, &QPushButton::clicked, this, &TPrintWiz::InainteClick);
    connect(ButonInapoi, &QPushButton::clicked, this, &TPrintWiz::InapoiClick);
    connect(ButonRenunt, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });

    const QString curenta = m_imprimanta->printerName();
    for (const QString &n : m_imprimante) {
        auto *it = new QTreeWidgetItem(ListaImprimante, {n});
        if (n == curenta)
            ListaImprimante->setCurrentItem(it);
    }
    if (!ListaImprimante->currentItem() && ListaImprimante->topLevelItemCount() > 0)
        ListaImprimante->setCurrentItem(ListaImprimante->topLevelItem(0));
    resize(640, 520);
    CentreazaForm(this);
    ArataPagina(0);
}

QStringList TPrintWiz::NumeImprimante() { return QPrinterInfo::availablePrinterNames(); }

QWidget *TPrintWiz::Pagina(int numar, const QString &titlu)
{
    auto *p = new QWidget(PageControl1);
    p->setObjectName(QStringLiteral("TabSheet%1").arg(numar));
    auto *l = new QVBoxLayout(p);
    auto *t = new QLabel(titlu, p);
    t->setObjectName(QStringLiteral("Titlu%1").arg(numar));
    t->setWordWrap(true);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    l->addWidget(t);
    PageControl1->addTab(p, QString::number(numar));
    m_pagini.insert(numar, p);
    return p;
}

int TPrintWiz::PaginaCurenta() const { return m_pagini.key(PageControl1->currentWidget(), -1); }

void TPrintWiz::ArataPagina(int numar)
{
    PageControl1->setCurrentWidget(m_pagini.value(numar));
    ButonInapoi->setEnabled(m_venitDin.contains(numar));
}

void TPrintWiz::MergiLa(int numar)
{
    m_venitDin.insert(numar, PaginaCurenta());
    ArataPagina(numar);
}

int TPrintWiz::ShowModal()
{
    m_terminat = false;
    m_venitDin.clear();
    ArataPagina(0);
    const int rezultat = UI::Modal(this);
    if (rezultat == UI::RezultatOk && m_terminat) {
        TAllStuffReg reg;
        reg.Configurat = true;
        reg.FataPeParteaOpusa = FataPeParteaOpusa;
        reg.LinieVerticalaDreapta = LinieVerticalaDreapta;
        reg.LinieOrizontalaJos = LinieOrizontalaJos;
        reg.ModAlimentare = ModAlimentare;
        QTreeWidgetItem *it = ListaImprimante->currentItem();
        reg.IndexImprimanta = it ? ListaImprimante->indexOfTopLevelItem(it) : 0;
        reg.NumeImprimanta = it ? it->text(0) : QString();
    }
    return rezultat;
}

QRect TPrintWiz::DreptunghiDesen(QSize d, int pw, int ph)
{
    const QSize t = ImaginiImprimanta::PaginaReferinta;
    const double x = double(pw) * ((t.width() - d.width()) / 2) / t.width();
    const double y = double(ph) * ((t.height() - d.height()) / 2) / t.height();
    const double w = double(pw) * d.width() / t.width();
    const double h = double(ph) * d.height() / t.height();
    return QRect(QPoint(int(x), int(y)), QPoint(int(x + w), int(y + h)));
}

void TPrintWiz::TiparesteTest(const QString &titlu, void (*desen)(QPainter &), QSize marime)
{
    const QTreeWidgetItem *it = ListaImprimante->currentItem();
    // A PDF printer (tests) keeps its file: naming a printer would switch it to the system's.
    if (it && m_imprimanta->outputFileName().isEmpty())
        m_imprimanta->setPrinterName(it->text(0));
    TiparesteLucrare(*m_imprimanta, true, titlu, [&](TContextImprimanta &dc) {
        const QRect r = DreptunghiDesen(marime, dc.Cap.HORZRES, dc.Cap.VERTRES);
        TZonaImprimabila zona(dc);
        dc.Painter.translate(r.topLeft());
        // The QRect's right edge is the drawing's, so the stretch uses the corner points.
        dc.Painter.scale(double(r.right() - r.left()) / marime.width(), double(r.bottom() - r.top()) / marime.height());
        desen(dc.Painter);
    }, MarginiNeimprimabile);
}

void TPrintWiz::InainteClick()
{
    try {
        switch (PaginaCurenta()) {
        case 0:
            if (!ListaImprimante->currentItem()) {
                UI::Mesaj(MesajFaraImprimanta);
                return;
            }
            MergiLa(1);
            break;
        case 1: MergiLa(AlimentareSus->isChecked() ? 5 : AlimentareFrontala->isChecked() ? 2 : 3); break;
        case 2: MergiLa(5); break;
        case 3: MergiLa(4); break;
        case 4: MergiLa(5); break;
        case 5:
            ModAlimentare = AlimentareSus->isChecked()        ? 1
                            : AlimentareFrontala->isChecked() ? 2
                            : HartieNormala->isChecked()      ? 4
                                                              : 3;
            ImagineAlimentare6->setPixmap(ImaginiImprimanta::Alimentare(ModAlimentare));
            TiparesteTest(QStringLiteral("Prima sageata"), ImaginiImprimanta::DesenPrimaSageata,
                          ImaginiImprimanta::MarimePrimaSageata);
            MergiLa(6);
            break;
        case 6:
            TiparesteTest(QStringLiteral("A doua sageata"), ImaginiImprimanta::DesenSageataHasurata,
                          ImaginiImprimanta::MarimeSageataHasurata);
            MergiLa(7);
            break;
        case 7:
            ImagineAlimentare8->setPixmap(ImaginiImprimanta::Alimentare(ModAlimentare));
            TextReintroducere8->setText(
                PeAceeasiParte->isChecked()
                    ? QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe partea vizibila a "
                                     "paginii, asa cum se vede in imaginea alaturata.")
                    : QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata HASURATA pe partea "
                                     "vizibila a paginii, asa cum se vede in imaginea alaturata."));
            FataPeParteaOpusa = PeParteaOpusa->isChecked();
            MergiLa(8);
            break;
        case 8:
            TiparesteTest(QStringLiteral("Liniile orizonala si verticala"), ImaginiImprimanta::DesenLinii,
                          ImaginiImprimanta::MarimeLinii);
            MergiLa(9);
            break;
        case 9:
            LinieVerticalaDreapta = LiniiSusDreapta->isChecked() || LiniiJosDreapta->isChecked();
            LinieOrizontalaJos = LiniiJosDreapta->isChecked() || LiniiJosStanga->isChecked();
            MergiLa(13);
            break;
        case 13:
            m_terminat = true;
            done(UI::RezultatOk);
            break;
        default: break;
        }
    } catch (const EEroare &e) {
        // A failed test print leaves the wizard where it was.
        UI::Eroare(e.Mesaj());
    }
}

void TPrintWiz::InapoiClick()
{
    const int p = PaginaCurenta();
    if (m_venitDin.contains(p))
        ArataPagina(m_venitDin.value(p));
}

void ArataPrintWiz(QWidget *owner)
{
    if (!ExistaImprimante()) {
        UI::Mesaj(MesajFaraImprimanta);
        return;
    }
    TPrintWiz wiz(owner);
    wiz.ShowModal();
}
