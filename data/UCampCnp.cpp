#include "UCampCnp.h"
#include "UDm.h"
#include "UEroare.h"

TCampCnp TCampCnp::DinProfil()
{
    TCampCnp c;
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q1;
    q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE TIP_DE_DATE = 'CNP'"));
    q.Open();
    if (q.Eof())
        throw EEroare(QStringLiteral("NU exista CNP in profil diploma!"));
    // The rows come in no set order, and a CNP field that inherits its value is never
    // written by the record editor: the student's own CNP field is the one to match.
    bool ales = false;
    for (; !q.Eof(); q.Next()) {
        const bool propriu = q.Text(QStringLiteral("ASOCIAT_CU")) == QLatin1String("ELEVI")
                             && q.Text(QStringLiteral("SIMILAR_CU")).trimmed().isEmpty();
        if (!ales || propriu) {
            c = {q.Text(QStringLiteral("COD_FORMULAR")), q.Text(QStringLiteral("COD_PAGINA")),
                 q.Text(QStringLiteral("COD_CAMP"))};
            ales = true;
            if (propriu)
                break;
        }
    }
    q.Close();
    return c;
}

int TCampCnp::Elev(const QString &cnp) const
{
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q1;
    q.SQL(QStringLiteral("SELECT ID_ELEVI FROM \"DATE\" WHERE (VALOARE_TEXT=:CNP) AND (COD_FORMULAR=:FORMULAR) AND "
                         "(COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)"));
    q.Param(QStringLiteral("CNP"), cnp);
    q.Param(QStringLiteral("FORMULAR"), Formular);
    q.Param(QStringLiteral("PAGINA"), Pagina);
    q.Param(QStringLiteral("CAMP"), Camp);
    q.Open();
    const int id = q.Eof() ? -1 : q.Intreg(QStringLiteral("ID_ELEVI"));
    q.Close();
    return id;
}
