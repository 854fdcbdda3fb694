#include "UListaGenerica.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UEditeaza.h"
#include "UProfilDiploma.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TListaGenerica::TListaGenerica(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ListaGenerica"));
    setWindowTitle(QStringLiteral("Lista generica"));
    resize(784, 446);
    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setRootIsDecorated(false);
    VT->setHeaderLabels({QStringLiteral("Denumire")});
    VT->header()->resizeSection(0, 512);
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Adauga"), this);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Modifica"), this);
    RzBitBtn3 = ButonComanda(QStringLiteral("RzBitBtn3"), QStringLiteral("Sterge"), this);
    auto *jos = new QHBoxLayout;
    jos->setContentsMargins(8, 4, 8, 4);
    for (QPushButton *b : {RzBitBtn1, RzBitBtn2, RzBitBtn3}) {
        b->setFixedWidth(76);
        jos->addWidget(b);
    }
    jos->addStretch();
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(VT, 1);
    l->addLayout(jos);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn3Click);
    connect(VT, &QTreeWidget::itemDoubleClicked, this, &TListaGenerica::RzBitBtn2Click);
    CentreazaForm(this);
}

void TListaGenerica::Reincarca()
{
    VT->clear();
    Linii.clear();
    {
        TCitire citire(DM->Tr);
        const QString expresie = ProfilInregistrat()->CampuriTabel(Tabel);
        TQuery &q = DM->Q5;
        // In creation order: without an order the database may return the rows in any order.
        q.SQL(QStringLiteral("select id_%1 as \"ID\" from %1 order by id_%1").arg(Tabel));
        for (q.Open(); !q.Eof(); q.Next()) {
            const int id = q.Intreg(QStringLiteral("ID"));
            Linii.push_back({id, DM->ParseExp(expresie, -1, id)});
        }
        q.Close();
    }
    QList<QTreeWidgetItem *> randuri;
    for (const TLinieGenerica &l : Linii) {
        auto *r = new QTreeWidgetItem({l.Denumire});
        r->setData(0, Qt::UserRole, l.Id);
        randuri << r;
    }
    VT->addTopLevelItems(randuri);
}

QTreeWidgetItem *TListaGenerica::RandSelectat() const
{
    const QList<QTreeWidgetItem *> alese = VT->selectedItems();
    if (alese.isEmpty())
        UI::Mesaj(QStringLiteral("Va rog selectati o linie!"));
    return alese.isEmpty() ? nullptr : alese.first();
}

bool TListaGenerica::Editeaza(int id)
{
    TEditeaza dlg(this);
    dlg.Tabel = Tabel;
    if (id == -1)
        dlg.PregatesteAdaugare();
    else
        dlg.PregatesteModificare(id);
    return UI::Modal(&dlg) == UI::RezultatOk;
}

void TListaGenerica::RzBitBtn1Click()
{
    if (Editeaza(-1))
        Reincarca();
}

void TListaGenerica::RzBitBtn2Click()
{
    if (QTreeWidgetItem *r = RandSelectat(); r && Editeaza(r->data(0, Qt::UserRole).toInt()))
        Reincarca();
}

void TListaGenerica::RzBitBtn3Click()
{
    QTreeWidgetItem *r = RandSelectat();
    if (!r)
        return;
    // The question names the record, so the user sees what is deleted.
    if (!UI::Confirma(QStringLiteral("Doriti sa stergeti linia: ") + r->text(0)))
        return;
    const int id = r->data(0, Qt::UserRole).toInt();
    IncearcaSiArata([this, id] { DM->StergeInregistrarea(Tabel, id); });
    Reincarca();
}
