#include "UScrieValoare.h"
#include "UQuery.h"

namespace {
void Cheie(TQuery &q, int id, const QString &formular, const QString &pagina, const QString &camp)
{
    q.ParamCod(formular, pagina, camp);
    q.Param(QStringLiteral("ID"), id);
}

void Valori(TQuery &q, const TColoaneValoare &coloane, int primul)
{
    for (int i = 0; i < coloane.size(); ++i)
        q.Param(QStringLiteral("V%1").arg(primul + i), coloane[i].second);
}
} // namespace

void ScrieValoare(TQuery &q, const QString &tabel, int id, const QString &formular, const QString &pagina,
                  const QString &camp, const TColoaneValoare &coloane, const TColoaneValoare &laInserare)
{
    // The update comes first: it is what almost every save does, and it takes the row's
    // lock at once instead of after a read.
    QStringList seturi;
    for (int i = 0; i < coloane.size(); ++i)
        seturi << QStringLiteral("%1 = :V%2").arg(coloane[i].first).arg(i);
    q.SQL(QStringLiteral("UPDATE \"DATE\" SET %1 WHERE (ID_%2=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND "
                         "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)")
              .arg(seturi.join(QStringLiteral(", ")), tabel));
    Valori(q, coloane, 0);
    Cheie(q, id, formular, pagina, camp);
    q.ExecSQL();
    const bool actualizat = q.RanduriAfectate() > 0;
    q.Close();
    if (actualizat)
        return;
    const TColoaneValoare toate = coloane + laInserare;
    QStringList nume, valori;
    for (int i = 0; i < toate.size(); ++i) {
        nume << toate[i].first;
        valori << QStringLiteral(":V%1").arg(i);
    }
    q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, %2) VALUES (:COD_FORMULAR, "
                         ":COD_PAGINA, :COD_CAMP, :ID, %3)")
              .arg(tabel, nume.join(QStringLiteral(", ")), valori.join(QStringLiteral(", "))));
    Valori(q, toate, 0);
    Cheie(q, id, formular, pagina, camp);
    q.ExecSQL();
    q.Close();
}
