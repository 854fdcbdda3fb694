#include "UEditorCampLista.h"
#include "UDm.h"
#include "UEroare.h"
#include "UProfilDiploma.h"
#include "UScrieValoare.h"

#include <QComboBox>

TEditorCampLista::TEditorCampLista(QWidget *Owner) : TEditorGeneric(Owner)
{
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->addItem(FaraSelectie());
    RzComboBox1->setCurrentIndex(0);
    PuneControl(RzComboBox1);
}

void TEditorCampLista::IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                                   const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    Q_UNUSED(CodFormular);
    Q_UNUSED(CodPagina);
    Q_UNUSED(CodCamp);
    Q_UNUSED(IdInregistrare);
    TabelLegat = AsociatCu;
    int selectat = -1;
    {
        TCitire citire(DM->Tr);
        TQuery &q7 = DM->Q7;
        TInchide inchide(q7);
        int ales = -1;
        q7.SQL(QStringLiteral("select * from \"DATE\" d, PROFIL_DIPLOMA p where (d.id_elevi = :id) and (p.cod_formular = "
                              "d.cod_formular) and (p.cod_pagina = d.cod_pagina) and (p.cod_camp = d.cod_camp) and "
                              "(p.asociat_cu = :asociat_cu)"));
        q7.Param(QStringLiteral("ASOCIAT_CU"), TabelLegat);
        q7.Param(QStringLiteral("ID"), IdElev);
        q7.Open();
        if (!q7.Eof() && !q7.EsteNul(QStringLiteral("IDF_") + TabelLegat))
            ales = q7.Intreg(QStringLiteral("IDF_") + TabelLegat);
        q7.Close();

        const TClasaProfil *profil = ProfilInregistrat();
        const QString expresie = profil ? profil->CampuriTabel(TabelLegat) : QString();

        // In creation order: without an order the database may return the rows in any order.
        q7.SQL(QStringLiteral("select id_%1 as \"ID\" from %1 order by id_%1").arg(TabelLegat));
        for (q7.Open(); !q7.Eof(); q7.Next()) {
            const int id = q7.Intreg(QStringLiteral("ID"));
            ListaId << QString::number(id);
            RzComboBox1->addItem(CurataDenumirea(DM->ParseExp(expresie, -1, id)));
            if (id == ales)
                selectat = RzComboBox1->count() - 1;
        }
    }
    // A new student gets the only row there is.
    if (selectat == -1 && IdElev == -1 && ListaId.size() == 1)
        selectat = 1;
    if (selectat == -1)
        selectat = 0;
    RzComboBox1->setCurrentIndex(selectat);
}

void TEditorCampLista::SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    Q_UNUSED(IdInregistrare);
    Q_UNUSED(AsociatCu);
    if (!DM->Tr.Active())
        throw EEroare(QStringLiteral("Nu am tranzactia deschisa!"));
    const int ales = RzComboBox1->currentIndex();
    const QVariant nou = ales <= 0 ? IdNul() : QVariant(ListaId.at(ales - 1).toInt());
    const QString coloana = QStringLiteral("IDF_") + TabelLegat;

    TQuery &q7 = DM->Q7;
    TQuery &q8 = DM->Q8;
    TInchide inchide7(q7);
    TInchide inchide8(q8);
    q7.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = :AS"));
    q7.Param(QStringLiteral("AS"), TabelLegat);
    for (q7.Open(); !q7.Eof(); q7.Next())
        ScrieValoare(q8, QStringLiteral("ELEVI"), IdElev, q7.Text(QStringLiteral("COD_FORMULAR")),
                     q7.Text(QStringLiteral("COD_PAGINA")), q7.Text(QStringLiteral("COD_CAMP")), {{coloana, nou}},
                     {{QStringLiteral("VALOARE_TEXT"), QStringLiteral("")}, {QStringLiteral("VALOARE_NUM"), 0}});
}

void TEditorCampLista::Goleste()
{
    RzComboBox1->clear();
    ListaId.clear();
    RzComboBox1->addItem(FaraSelectie());
    RzComboBox1->setCurrentIndex(0);
}

QString TEditorCampLista::CurataDenumirea(const QString &Text)
{
    QString t = Text;
    while (!t.isEmpty() && (t.endsWith(QLatin1Char(' ')) || t.endsWith(QLatin1Char(';'))))
        t.chop(1);
    for (qsizetype i = t.indexOf(QLatin1String("; ;")); i >= 0; i = t.indexOf(QLatin1String("; ;")))
        t.remove(i, 2);
    return t;
}
