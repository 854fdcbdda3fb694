#include "TPodele.h"
#include "UDm.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// Reads every row and column, as a step that used the data would.
int Citeste(TQuery &q)
{
    int n = 0;
    for (q.Open(); !q.Eof(); q.Next())
        n += q.Camp(0).isNull() ? 0 : 1;
    q.Close();
    return n;
}

QString Literal(const QString &s) { return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }
} // namespace

void PodeaPornire(const QString &fisier)
{
    const QString nume = QStringLiteral("podea");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), nume);
        db.setDatabaseName(fisier);
        db.setUserName(QStringLiteral("SYSDBA"));
        db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
        if (!db.open())
            qFatal("cannot open %s", qPrintable(fisier));
        db.transaction();
        for (const char *t : {"RDB$RELATIONS", "RDB$RELATION_FIELDS", "RDB$GENERATORS", "RDB$INDICES",
                              "RDB$RELATION_CONSTRAINTS", "PROFIL_DIPLOMA", "TABELE", "TIPURI_DE_DATE"}) {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.exec(QStringLiteral("SELECT * FROM ") + QLatin1String(t));
            while (q.next())
                q.value(0);
        }
        db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(nume);
}

void PodeaLista(TDM &dm, const QString &expresie)
{
    TCitire citire(dm.Tr);
    // The expression's fields and the fields they inherit from, from the profile read once.
    QHash<QString, QString> similar;
    dm.Q1.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA"));
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
        similar.insert(dm.Q1.Text(QStringLiteral("COD_FORMULAR")) + QLatin1Char('.') + dm.Q1.Text(QStringLiteral("COD_PAGINA"))
                           + QLatin1Char('.') + dm.Q1.Text(QStringLiteral("COD_CAMP")),
                       dm.Q1.Text(QStringLiteral("SIMILAR_CU")));
    dm.Q1.Close();
    QSet<QString> campuri;
    const QRegularExpression acolade(QStringLiteral("\\{([^}]*)\\}"));
    for (auto it = acolade.globalMatch(expresie); it.hasNext();)
        for (QString c = it.next().captured(1); !c.isEmpty() && !campuri.contains(c); c = similar.value(c).trimmed())
            campuri.insert(c);
    QStringList conditii;
    for (const QString &c : std::as_const(campuri)) {
        QString f, p, k;
        TDM::DescompuneCod(c, f, p, k);
        conditii << QStringLiteral("(COD_FORMULAR=%1 AND COD_PAGINA=%2 AND COD_CAMP=%3)").arg(Literal(f), Literal(p), Literal(k));
    }
    dm.Q5.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI ORDER BY ID_ELEVI"));
    Citeste(dm.Q5);
    dm.Q2.SQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE ") + conditii.join(QStringLiteral(" OR ")));
    Citeste(dm.Q2);
}

void PodeaElev(TDM &dm, int idElev)
{
    TCitire citire(dm.Tr);
    dm.Q1.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA"));
    Citeste(dm.Q1);
    dm.Q2.SQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_ELEVI=:ID"));
    dm.Q2.Param(QStringLiteral("ID"), idElev);
    Citeste(dm.Q2);
    dm.Q3.SQL(QStringLiteral("SELECT FIRST 1 IDF_SCOALA FROM \"DATE\" WHERE ID_ELEVI=:ID AND IDF_SCOALA IS NOT NULL"));
    dm.Q3.Param(QStringLiteral("ID"), idElev);
    dm.Q3.Open();
    const QVariant scoala = dm.Q3.Camp(0);
    dm.Q3.Close();
    dm.Q3.SQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_SCOALA=:ID"));
    dm.Q3.Param(QStringLiteral("ID"), scoala);
    Citeste(dm.Q3);
}

void PodeaExport(TDM &dm)
{
    TCitire citire(dm.Tr);
    dm.Q1.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA"));
    Citeste(dm.Q1);
    dm.Q2.SQL(QStringLiteral("SELECT * FROM \"DATE\""));
    Citeste(dm.Q2);
}
