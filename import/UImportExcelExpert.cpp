#include "UImportExcelExpert.h"

#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDeschideRegistru.h"
#include "UDm.h"
#include "UEditCuButon.h"
#include "UEroare.h"
#include "UExcelSelectieColoana.h"
#include "UKelExcelImportFrame.h"
#include "UPaginaOk.h"
#include "UPreluareElevi.h"
#include "UPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {
const QString TitluExpert = QStringLiteral("Formular pentru preluarea datelor dintr-o foaie de calcul Excel");

QLabel *Titlu(const QString &text, QWidget *parinte)
{
    auto *l = new QLabel(text, parinte);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: maroon"));
    l->setWordWrap(true);
    return l;
}

QLabel *Text(const QString &text, QWidget *parinte)
{
    auto *l = new QLabel(text, parinte);
    l->setWordWrap(true);
    return l;
}

// The reader's message says what is wrong, this one which file it is about.
[[noreturn]] void EroareFisier(const QString &cale, const EEroare &e)
{
    if (e.Mesaj().contains(cale))
        throw e;
    throw EEroare(QStringLiteral("Nu pot prelua date din fisierul \"%1\":\n%2").arg(cale, e.Mesaj()));
}

// Restores the cursor also when the reading fails.
struct TCursorAsteptare
{
    TCursorAsteptare() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursorAsteptare() { QApplication::restoreOverrideCursor(); }
};
} // namespace

TImportExcelExpert::TImportExcelExpert(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ImportExcelExpert"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(665, 453);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    auto *antet = new QWidget(this);
    antet->setObjectName(QStringLiteral("Panel1"));
    antet->setAutoFillBackground(true);
    QPalette pa = antet->palette();
    pa.setColor(QPalette::Window, Qt::white);
    antet->setPalette(pa);
    auto *icon = new QLabel(antet);
    icon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32, 32));
    auto *titluAntet = new QLabel(TitluExpert, antet);
    titluAntet->setObjectName(QStringLiteral("Label1"));
    QFont fa = titluAntet->font();
    fa.setBold(true);
    titluAntet->setFont(fa);
    titluAntet->setStyleSheet(QStringLiteral("color: navy"));
    auto *la = new QHBoxLayout(antet);
    la->addWidget(icon);
    la->addWidget(titluAntet, 1);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto pagina = [this](const char *nume) {
        auto *p = new QWidget(PageControl1);
        p->setObjectName(QString::fromLatin1(nume));
        PageControl1->addWidget(p);
        return p;
    };

    TabSheet1 = pagina("TabSheet1");
    auto *l1 = new QVBoxLayout(TabSheet1);
    l1->addWidget(Titlu(TitluExpert, TabSheet1));
    l1->addWidget(Text(QStringLiteral(
        "Acesta este un formular (sau expert) pentru preluarea datelor dintr-o foaie de calcul Excel. Preluarea "
        "datelor este un proces care necesita un minim de cunostinte de specialitate si se poate face cu "
        "inlocuirea datelor existente sau in completare."), TabSheet1));
    l1->addWidget(Text(QStringLiteral(
        "Pentru inceput va rugam apasati butonul \"Inainte\" pentru a trece la pagina pentru selectia fisierului "
        "XLS din care se face importul si pentru selectia foii de calcul din respectivul fisier."), TabSheet1));
    l1->addStretch();

    TabSheet2 = pagina("TabSheet2");
    RzEdit1 = new QLineEdit(TabSheet2);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setReadOnly(true);
    RzBitBtn4 = ButonComanda(QStringLiteral("RzBitBtn4"), QStringLiteral("Cauta ..."), TabSheet2);
    RzComboBox1 = new QComboBox(TabSheet2);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEnabled(false);
    auto *l2 = new QVBoxLayout(TabSheet2);
    l2->addWidget(Titlu(QStringLiteral("Va rugam specificati numele fisierului din care se va face preluarea:"),
                        TabSheet2));
    l2->addWidget(Text(QStringLiteral("Numele fisierului:"), TabSheet2));
    auto *rand = new QHBoxLayout;
    rand->addWidget(RzEdit1, 1);
    rand->addWidget(RzBitBtn4);
    l2->addLayout(rand);
    l2->addWidget(Text(QStringLiteral("Numele foii de calcul de pe care se va face preluarea:"), TabSheet2));
    l2->addWidget(RzComboBox1);
    l2->addStretch();

    TabSheet3 = pagina("TabSheet3");
    RzButtonEdit1 = new TEditCuButon(QStringLiteral("RzButtonEdit1"), TabSheet3);
    PaginaOk = new TPaginaOk(TabSheet3);
    PaginaOk->OnClick = [this] { PaginaOkClick(); };
    auto *l3 = new QVBoxLayout(TabSheet3);
    l3->addWidget(Titlu(QStringLiteral("Va rugam specificati coloana de pe care se va prelua CNP-ul"), TabSheet3));
    l3->addWidget(Text(QStringLiteral("Coloana pentru selectia CNP:"), TabSheet3));
    l3->addWidget(RzButtonEdit1);
    l3->addStretch();

    TabSheet4 = pagina("TabSheet4");
    ProgressBar1 = new QProgressBar(TabSheet4);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFormat(QStringLiteral("%v din %m"));
    ProgressBar1->hide();
    LabelProgres = Text({}, TabSheet4);
    LabelProgres->setObjectName(QStringLiteral("LabelProgres"));
    auto *l4 = new QVBoxLayout(TabSheet4);
    l4->addWidget(Titlu(QStringLiteral("Toate datele necesare au fost identificate"), TabSheet4));
    l4->addStretch();
    l4->addWidget(LabelProgres);
    l4->addWidget(ProgressBar1);

    TabSheet5 = pagina("TabSheet5");
    RzCheckList1 = new QListWidget(TabSheet5);
    RzCheckList1->setObjectName(QStringLiteral("RzCheckList1"));
    auto *l5 = new QVBoxLayout(TabSheet5);
    l5->addWidget(Titlu(QStringLiteral("Bifati formularele (diplomele) pentru care preluati date"), TabSheet5));
    l5->addWidget(Text(QStringLiteral(
        "Acest program este capabil sa tipareasca mai multe formate de diplome. Va rugam bifati in lista de mai jos "
        "numai diplomele pentru care doriti sa preluati efectiv date!"), TabSheet5));
    l5->addWidget(RzCheckList1, 1);

    auto *jos = new QWidget(this);
    jos->setObjectName(QStringLiteral("Panel2"));
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Inapoi"), jos);
    RzBitBtn1->setEnabled(false);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Inainte"), jos);
    RzBitBtn3 = ButonComanda(QStringLiteral("RzBitBtn3"), QStringLiteral("Renunt"), jos);
    auto *lj = new QHBoxLayout(jos);
    lj->addStretch();
    lj->addWidget(RzBitBtn1);
    lj->addWidget(RzBitBtn2);
    lj->addSpacing(12);
    lj->addWidget(RzBitBtn3);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(antet);
    l->addWidget(PageControl1, 1);
    l->addWidget(jos);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TImportExcelExpert::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TImportExcelExpert::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TImportExcelExpert::RzBitBtn3Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TImportExcelExpert::RzBitBtn4Click);
    connect(RzButtonEdit1, &TEditCuButon::ButtonClick, this, &TImportExcelExpert::RzButtonEdit1ButtonClick);

    FormCreate();
}

TImportExcelExpert::~TImportExcelExpert() = default;

QString TImportExcelExpert::EtichetaFaraParanteze(const QString &eticheta)
{
    QString rez;
    int adancime = 1;
    for (const QChar c : eticheta) {
        if (c == u'[' || c == u'{')
            ++adancime;
        else if (c == u']' || c == u'}')
            --adancime;
        else if (adancime == 1)
            rez += c;
    }
    return rez;
}

void TImportExcelExpert::FormCreate()
{
    CentreazaForm(this);
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q1;
    q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = 'ELEVI') AND (SIMILAR_CU = '') "
                         "ORDER BY ORDINE"));
    for (q.Open(); !q.Eof(); q.Next()) {
        if (q.Text(QStringLiteral("TIP_DE_DATE")) == QLatin1String("CNP"))
            continue;
        const QString eticheta = EtichetaFaraParanteze(q.Text(QStringLiteral("ETICHETA_EDITOR")));
        const QString formular = q.Text(QStringLiteral("COD_FORMULAR")).trimmed();
        const QString cod = formular + QLatin1Char('.') + q.Text(QStringLiteral("COD_PAGINA")).trimmed()
                            + QLatin1Char('.') + q.Text(QStringLiteral("COD_CAMP")).trimmed();
        auto *tab = new QWidget(PageControl1);
        tab->setObjectName(QStringLiteral("TabSheetCamp%1").arg(PaginiCampuri.size() + 1));
        tab->setWindowTitle(eticheta);
        auto *frame = new TKelExcelImportFrame(this, tab);
        auto *lt = new QVBoxLayout(tab);
        lt->setContentsMargins(0, 0, 0, 0);
        lt->addWidget(frame);
        frame->Initializeaza(cod, eticheta);
        PageControl1->addWidget(tab);
        PaginiCampuri << frame;
        if (!CoduriFormulare.contains(formular)) {
            CoduriFormulare << formular;
            auto *linie = new QListWidgetItem(TDM::SeparaCuvinte(formular), RzCheckList1);
            linie->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            linie->setCheckState(Qt::Unchecked);
        }
    }
    q.Close();
    PageControl1->setCurrentIndex(0);
}

TKelExcelImportFrame *TImportExcelExpert::PaginaCamp(int index) const
{
    return index >= 5 ? PaginiCampuri.value(index - 5) : nullptr;
}

bool TImportExcelExpert::PaginaAfisata(int index) const
{
    const TKelExcelImportFrame *f = PaginaCamp(index);
    return f && FormulareSelectate.contains(f->CodFormular);
}

void TImportExcelExpert::RzBitBtn2Click()
{
    if (m_importInCurs)
        return;
    if (!VerificaPagina(PageControl1->currentWidget()))
        return;
    Inainte();
    RzBitBtn1->setEnabled(PageControl1->currentIndex() > 2);
}

void TImportExcelExpert::Inainte()
{
    const int index = PageControl1->currentIndex();
    switch (index) {
    case 0:
        PageControl1->setCurrentIndex(4);
        break;
    case 4: {
        QStringList bifate;
        for (int i = 0; i < RzCheckList1->count(); ++i)
            if (RzCheckList1->item(i)->checkState() == Qt::Checked)
                bifate << CoduriFormulare.value(i);
        if (bifate.isEmpty()) {
            UI::Mesaj(QStringLiteral("Va rugam bifati cel putin un formular"));
            return;
        }
        bifate.sort();
        FormulareSelectate = bifate;
        PageControl1->setCurrentIndex(1);
        break;
    }
    case 1:
        if (!Workbook || RzComboBox1->currentIndex() < 0) {
            UI::Mesaj(QStringLiteral("Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care se va "
                                     "face importul"));
            return;
        }
        if (!IncearcaSiArata([this] { CitesteFoaia(); }))
            return;
        PageControl1->setCurrentIndex(2);
        break;
    case 2:
        if (PageControl1->count() > 5)
            IntraInPagina(5);
        else
            PageControl1->setCurrentIndex(3);
        break;
    case 3:
        IncearcaSiArata([this] { Importa(); });
        break;
    default:
        if (index == PageControl1->count() - 1)
            PageControl1->setCurrentIndex(3);
        else
            IntraInPagina(index + 1);
        break;
    }
}

void TImportExcelExpert::IntraInPagina(int index)
{
    PageControl1->setCurrentIndex(index);
    TKelExcelImportFrame *f = PaginaCamp(index);
    if (!f)
        return;
    if (FormulareSelectate.contains(f->CodFormular)) {
        // Chosen again after the wizard passed over it: the field is imported after all.
        if (f->BifatDeExpert) {
            f->SeteazaNuImport(false);
        }
        return;
    }
    if (!f->NuImport()) {
        f->SeteazaNuImport(true);
        f->BifatDeExpert = true;
    }
    Inainte();
}

void TImportExcelExpert::RzBitBtn1Click()
{
    if (m_importInCurs)
        return;
    const int index = PageControl1->currentIndex();
    // Back retraces the pages Next showed, passing over the field pages it passed over.
    const auto ultimaAfisataInainte = [this](int pana) {
        for (int i = pana; i >= 5; --i)
            if (PaginaAfisata(i))
                return i;
        return 2;
    };
    switch (index) {
    case 0:
        return;
    case 1:
        PageControl1->setCurrentIndex(4);
        break;
    case 2:
        PageControl1->setCurrentIndex(1);
        break;
    case 3:
        PageControl1->setCurrentIndex(ultimaAfisataInainte(PageControl1->count() - 1));
        break;
    case 4:
        PageControl1->setCurrentIndex(0);
        break;
    default:
        PageControl1->setCurrentIndex(ultimaAfisataInainte(index - 1));
        break;
    }
}

void TImportExcelExpert::RzBitBtn3Click()
{
    if (m_importInCurs) {
        m_opreste = true;
        return;
    }
    done(UI::RezultatRenunt);
}

void TImportExcelExpert::reject() { RzBitBtn3Click(); }

void TImportExcelExpert::RzBitBtn4Click()
{
    const QString cale = UI::FisierDeDeschis(QStringLiteral("Deschide"), FiltruFoiDeCalcul);
    if (cale.isEmpty())
        return;
    Workbook.reset();
    Worksheet.reset();
    RzEdit1->clear();
    RzComboBox1->clear();
    RzComboBox1->setEnabled(false);
    IncearcaSiArata([&] {
        try {
            Workbook = DeschideRegistru(cale);
        } catch (const EEroare &e) {
            EroareFisier(cale, e);
        }
        RzEdit1->setText(cale);
        RzComboBox1->addItems(Workbook->NumeFoi());
        RzComboBox1->setCurrentIndex(-1);
        RzComboBox1->setEnabled(true);
    });
}

void TImportExcelExpert::CitesteFoaia()
{
    TCursorAsteptare cursor;
    try {
        Worksheet = Workbook->Foaie(RzComboBox1->currentIndex());
    } catch (const EEroare &e) {
        EroareFisier(RzEdit1->text(), e);
    }
    const bool trunchiat = CitesteColoaneExcel(*Worksheet, ColoaneExcel);
    if (trunchiat)
        UI::Mesaj(QStringLiteral("Fisierul Excel din care se face import pare sa aiba mai mult de 1000 de linii de "
                                 "date. Nu se vor prelua date decat din primele 999 de linii!"));
    PastreazaRandurileCuCnp(ColoaneExcel);
    delete SelectieColoana;
    SelectieColoana = new TExcelSelectieColoana(this);
    SelectieColoana->Incarca(&ColoaneExcel);
}

void TImportExcelExpert::RzButtonEdit1ButtonClick()
{
    if (SelectieColoana && UI::Modal(SelectieColoana) == UI::RezultatOk)
        RzButtonEdit1->setText(SelectieColoana->ColoanaSelectata);
}

void TImportExcelExpert::PaginaOkClick()
{
    if (RzButtonEdit1->text().isEmpty())
        throw EEroare(QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
}

void TImportExcelExpert::Importa()
{
    QList<TSursaCamp> surse;
    for (const TKelExcelImportFrame *f : std::as_const(PaginiCampuri))
        surse << f->Sursa();
    TPreluareElevi preluare(ColoaneExcel, RzButtonEdit1->text(), surse);

    const int total = ColoaneExcel.NrRanduri();
    int faraCnp = 0;
    m_importInCurs = true;
    m_opreste = false;
    RzBitBtn1->setEnabled(false);
    RzBitBtn2->setEnabled(false);
    ProgressBar1->setRange(0, total);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    struct TSfarsit
    {
        TImportExcelExpert *w;
        ~TSfarsit()
        {
            w->m_importInCurs = false;
            w->RzBitBtn1->setEnabled(true);
            w->RzBitBtn2->setEnabled(true);
        }
    } sfarsit{this};

    int i = 0;
    for (; i < total && !m_opreste; ++i) {
        LabelProgres->setText(QStringLiteral("Se preiau datele: randul %1 din %2").arg(i + 1).arg(total));
        if (!preluare.ImportaRand(i))
            ++faraCnp;
        ProgressBar1->setValue(i + 1);
        Q_EMIT RandImportat(i + 1, total);
        // Lets "Renunt" through between rows.
        QCoreApplication::processEvents();
    }
    if (faraCnp > 0)
        UI::Avertizare(QStringLiteral("%1 randuri fara CNP in coloana %2 nu au fost preluate")
                           .arg(faraCnp)
                           .arg(preluare.ColoanaCnp().Litere));
    if (i < total) {
        UI::Mesaj(QStringLiteral("Preluarea a fost oprita: au fost preluate %1 din %2 randuri").arg(i).arg(total));
        done(UI::RezultatRenunt);
        return;
    }
    LabelProgres->setText(QStringLiteral("Au fost preluate %1 randuri").arg(total));
    UI::Mesaj(QStringLiteral("Am finalizat preluarea din Excel cu succes"));
    done(UI::RezultatOk);
}
