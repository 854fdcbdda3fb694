#include "UConfigurareDiploma.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UModificaLinieProfil.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TConfigurareDiploma::TConfigurareDiploma(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigurareDiploma"));
    setWindowTitle(QStringLiteral("Configurare Diploma"));
    resize(640, 480);
    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setRootIsDecorated(false);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    VT->setHeaderLabels({QStringLiteral("Eticheta editor"), QStringLiteral("Onorez similar"), QStringLiteral("Asociat cu")});
    VT->header()->resizeSection(0, 256);
    VT->header()->resizeSection(1, 128);
    VT->header()->resizeSection(2, 128);
    RzBitBtn3 = ButonComanda(QStringLiteral("RzBitBtn3"), QStringLiteral("Modifica"), this);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TConfigurareDiploma::RzBitBtn3Click);
    connect(VT, &QTreeWidget::itemDoubleClicked, this, &TConfigurareDiploma::RzBitBtn3Click);

    auto *jos = new QHBoxLayout;
    jos->setContentsMargins(8, 4, 8, 4);
    jos->addWidget(RzBitBtn3);
    jos->addStretch();
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(5, 5, 5, 0);
    l->addWidget(VT);
    l->addLayout(jos);

    CentreazaForm(this);
    Reincarca();
}

void TConfigurareDiploma::Reincarca()
{
    VT->clear();
    Linii.clear();
    {
        TCitire citire(DM->Tr);
        TQuery &q = DM->Q1;
        q.SQL(QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR "
                             "from    PROFIL_DIPLOMA "));
        for (q.Open(); !q.Eof(); q.Next())
            Linii.push_back({q.Text(QStringLiteral("COD_FORMULAR")), q.Text(QStringLiteral("COD_PAGINA")),
                             q.Text(QStringLiteral("COD_CAMP")), q.Text(QStringLiteral("ETICHETA_EDITOR")),
                             q.Text(QStringLiteral("ONOREZ_SIMILAR")), q.Text(QStringLiteral("ASOCIAT_CU"))});
        q.Close();
    }
    QList<QTreeWidgetItem *> randuri;
    for (size_t i = 0; i < Linii.size(); ++i) {
        const TLinieProfil &l = Linii[i];
        auto *r = new QTreeWidgetItem({l.EtichetaEditor, l.OnorezSimilar, l.AsociatCu});
        r->setData(0, Qt::UserRole, qulonglong(i));
        randuri << r;
    }
    VT->addTopLevelItems(randuri);
}

void TConfigurareDiploma::RzBitBtn3Click()
{
    const QList<QTreeWidgetItem *> alese = VT->selectedItems();
    if (alese.isEmpty()) {
        UI::Mesaj(QStringLiteral("Va rog selectati o linie pentru a o modifica!"));
        return;
    }
    const TLinieProfil l = Linii.at(alese.first()->data(0, Qt::UserRole).toULongLong());
    TModificaLinieProfil dlg(this);
    dlg.IncarcaLinie(l.CodFormular, l.CodPagina, l.CodCamp);
    if (UI::Modal(&dlg) == UI::RezultatOk)
        Reincarca();
}
