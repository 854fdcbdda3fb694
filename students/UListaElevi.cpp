#include "UListaElevi.h"
#include "UAdaugaElev.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UDm.h"
#include "UHandlerFormular.h"
#include "UProfilDiploma.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QFrame *Panou(const char *nume, QWidget *parinte)
{
    auto *p = new QFrame(parinte);
    p->setObjectName(QString::fromLatin1(nume));
    return p;
}
} // namespace

std::function<void(TListaElevi *)> TListaElevi::TiparireSelectati;

QList<int> EleviInOrdine()
{
    QList<int> id;
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q5;
    // In creation order: without an order the database may return the rows in any order.
    q.SQL(QStringLiteral("select    ID_ELEVI  from    ELEVI order by ID_ELEVI"));
    for (q.Open(); !q.Eof(); q.Next())
        id << q.Intreg(QStringLiteral("ID_ELEVI"));
    q.Close();
    return id;
}

QList<QTreeWidgetItem *> RanduriSelectate(const QTreeWidget *arbore)
{
    QList<QTreeWidgetItem *> r;
    for (int i = 0, n = arbore->topLevelItemCount(); i < n; ++i)
        if (QTreeWidgetItem *t = arbore->topLevelItem(i); t->isSelected())
            r << t;
    return r;
}

TListaElevi::TListaElevi(QWidget *owner) : QFrame(owner)
{
    resize(581, 305);
    RzPanel2 = Panou("RzPanel2", this);
    RzPanel2->setFixedHeight(49);
    Panel2 = Panou("Panel2", RzPanel2);
    Panel2->setFixedWidth(89);
    Panel1 = Panou("Panel1", RzPanel2);
    RzLabel1 = new QLabel(QStringLiteral("Cauta:"), Panel1);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzEdit1 = new QLineEdit(Panel1);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setFixedWidth(257);
    auto *cautare = new QVBoxLayout(Panel1);
    cautare->setContentsMargins(3, 1, 3, 1);
    cautare->setSpacing(0);
    cautare->addWidget(RzLabel1);
    cautare->addWidget(RzEdit1);
    cautare->addStretch();
    auto *sus = new QHBoxLayout(RzPanel2);
    sus->setContentsMargins(0, 0, 0, 0);
    sus->addWidget(Panel2);
    sus->addWidget(Panel1, 1);

    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setRootIsDecorated(false);
    VT->setHeaderLabels({QStringLiteral("Nume si prenume")});
    VT->header()->resizeSection(0, 512);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several students are printed at once; a plain click still selects one.
    VT->setSelectionMode(QAbstractItemView::ExtendedSelection);

    RzPanel1 = Panou("RzPanel1", this);
    RzPanel1->setFixedHeight(30);
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Adauga"), RzPanel1);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Modifica"), RzPanel1);
    RzBitBtn3 = ButonComanda(QStringLiteral("RzBitBtn3"), QStringLiteral("Sterge"), RzPanel1);
    RzBitBtn4 = ButonComanda(QStringLiteral("RzBitBtn4"), QStringLiteral("Tipareste pentru elevii selectati"), RzPanel1);
    auto *jos = new QHBoxLayout(RzPanel1);
    jos->setContentsMargins(4, 2, 4, 2);
    for (QPushButton *b : {RzBitBtn1, RzBitBtn2, RzBitBtn3}) {
        b->setFixedWidth(76);
        jos->addWidget(b);
    }
    jos->addWidget(RzBitBtn4);
    jos->addStretch();

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(RzPanel2);
    l->addWidget(VT, 1);
    l->addWidget(RzPanel1);

    connect(RzEdit1, &QLineEdit::textChanged, this, &TListaElevi::RzEdit1Change);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TListaElevi::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TListaElevi::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TListaElevi::RzBitBtn3Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TListaElevi::RzBitBtn4Click);
    connect(VT, &QTreeWidget::itemDoubleClicked, this, &TListaElevi::RzBitBtn2Click);
    FaButoane();
}

void TListaElevi::FaButoane()
{
    int x = 4;
    const TListaHandlerFormularDePrintat &lista = TListaHandlerFormularDePrintat::Instanta();
    for (int i = 0; i < lista.Count(); ++i) {
        auto *b = new TButonFormular(lista.HandlerAt(i), VT, Panel2);
        b->setGeometry(x, 4, 128, 40);
        Butoane << b;
        x += 128 + 4;
    }
    Panel2->setFixedWidth(x + 4);
}

TButonFormular::TButonFormular(THandlerFormularDePrintat *handler, QTreeWidget *arbore, QWidget *owner)
    : QPushButton(owner), Handler(handler), Arbore(arbore)
{
    StilButonComanda(this);
    // The captions are long: they wrap inside the button.
    auto *text = new QLabel(handler->Caption, this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = text->font();
    f.setPixelSize(11);
    text->setFont(f);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(2, 0, 2, 0);
    l->addWidget(text);
    setToolTip(handler->Caption);
    setAccessibleName(handler->Caption);
    connect(this, &QPushButton::clicked, this, &TButonFormular::ButonClick);
}

QDialog *TButonFormular::Fereastra()
{
    if (!Formular)
        Formular = Handler->CreatePreview(this);
    return Formular;
}

void TButonFormular::ButonClick()
{
    const QList<QTreeWidgetItem *> alese = RanduriSelectate(Arbore);
    if (alese.isEmpty()) {
        UI::Mesaj(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    const int id = alese.first()->data(0, Qt::UserRole).toInt();
    const bool umplut = IncearcaSiArata([this, id] {
        TVariabileFormular::Din(Fereastra(), true)->IdElev = id;
        Handler->FillPreview(Formular, id);
    });
    if (umplut)
        UI::Modal(Formular);
}

void TListaElevi::Reincarca()
{
    Linii.clear();
    const QString expresie = ProfilInregistrat()->ListaCampuriElev();
    {
        const QList<int> elevi = EleviInOrdine();
        // Each field of the expression is read once for every student.
        TCitireInBloc bloc(*DM, TCitireInBloc::TotiElevii);
        for (int id : elevi)
            Linii.push_back({id, DM->ParseExp(expresie, id, -1)});
    }
    Filtreaza();
}

void TListaElevi::Filtreaza()
{
    VT->clear();
    const QString cauta = RzEdit1->text();
    const bool toti = cauta.trimmed().isEmpty();
    QList<QTreeWidgetItem *> randuri;
    for (size_t i = 0; i < Linii.size(); ++i) {
        if (!toti && !Linii[i].Nume.contains(cauta, Qt::CaseSensitive))
            continue;
        auto *r = new QTreeWidgetItem({Linii[i].Nume});
        r->setData(0, Qt::UserRole, Linii[i].IdElev);
        randuri << r;
    }
    VT->addTopLevelItems(randuri);
}

int TListaElevi::ElevSelectat() const
{
    const QList<QTreeWidgetItem *> alese = RanduriSelectate(VT);
    return alese.isEmpty() ? -1 : alese.first()->data(0, Qt::UserRole).toInt();
}

TListaLiniiElevi TListaElevi::EleviSelectati() const
{
    TListaLiniiElevi r;
    for (const QTreeWidgetItem *t : RanduriSelectate(VT))
        r.push_back({t->data(0, Qt::UserRole).toInt(), t->text(0)});
    return r;
}

void TListaElevi::RzEdit1Change() { Filtreaza(); }

bool TListaElevi::EditeazaElev(int idElev)
{
    TAdaugaElev dlg(this);
    if (idElev == -1)
        dlg.PregatesteAdaugare();
    else
        dlg.PregatesteModificare(idElev);
    return UI::Modal(&dlg) == UI::RezultatOk;
}

void TListaElevi::RzBitBtn1Click()
{
    if (EditeazaElev(-1))
        Reincarca();
}

void TListaElevi::RzBitBtn2Click()
{
    const int id = ElevSelectat();
    if (id == -1) {
        UI::Mesaj(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    if (EditeazaElev(id))
        Reincarca();
}

void TListaElevi::RzBitBtn3Click()
{
    const int id = ElevSelectat();
    if (id == -1) {
        UI::Mesaj(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    // The question names the student, so the secretary sees whom she deletes.
    if (!UI::Confirma(QStringLiteral("Doriti sa stergeti elevul: ") + RanduriSelectate(VT).first()->text(0)))
        return;
    IncearcaSiArata([id] { DM->StergeInregistrarea(QStringLiteral("ELEVI"), id); });
    Reincarca();
}

void TListaElevi::RzBitBtn4Click()
{
    if (RanduriSelectate(VT).isEmpty()) {
        UI::Mesaj(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    if (!TiparireSelectati) {
        UI::Mesaj(QStringLiteral("Functionalitate in lucru"));
        return;
    }
    IncearcaSiArata([this] { TiparireSelectati(this); });
}
