#include "UPreluareElevi.h"

#include "UCampCnp.h"
#include "UDm.h"
#include "UEroare.h"
#include "UScrieValoare.h"

TPreluareElevi::TPreluareElevi(const TListaColoaneExcel &coloane, const QString &litereCnp, QList<TSursaCamp> surse)
    : m_coloane(coloane), m_surse(std::move(surse))
{
    m_campCnp = TCampCnp::DinProfil();
    m_cnp = m_coloane.DupaLitere(litereCnp);
    if (!m_cnp)
        throw EEroare(QStringLiteral("UPS: nu pot identifica CNP-ul"));
}

bool TPreluareElevi::ImportaRand(int rand)
{
    const QString cnp = m_cnp->at(rand);
    // A row kept for a 13-digit number in another column may have no CNP: matching it
    // would pick any student whose CNP is still empty and overwrite that student.
    if (cnp.isEmpty())
        return false;
    try {
        ScrieInTranzactie(DM->Tr, [&] {
            const int idElev = GasesteSauCreeazaElev(cnp);
            DM->Q1.Close();
            for (const TSursaCamp &s : std::as_const(m_surse))
                ScrieCamp(s, rand, idElev, cnp);
        });
    } catch (const EEroare &e) {
        throw EEroare(QStringLiteral("Preluarea s-a oprit la elevul cu CNP-ul %1; datele lui nu au fost "
                                     "scrise, elevii de dinainte au fost preluati.\n%2")
                          .arg(cnp, e.Mesaj()));
    }
    return true;
}

int TPreluareElevi::GasesteSauCreeazaElev(const QString &cnp)
{
    if (const int gasit = m_campCnp.Elev(cnp); gasit != -1)
        return gasit;
    TQuery &q2 = DM->Q2, &q3 = DM->Q3;
    const int id = DM->InregistrareNoua(QStringLiteral("ELEVI"));
    q2.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'"));
    for (q2.Open(); !q2.Eof(); q2.Next()) {
        q3.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                              "ID_ELEVI) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VALOARE_TEXT, :VALOARE_NUM, "
                              ":ID_ELEVI)"));
        q3.ParamCod(q2.Text(QStringLiteral("COD_FORMULAR")), q2.Text(QStringLiteral("COD_PAGINA")), q2.Text(QStringLiteral("COD_CAMP")));
        q3.Param(QStringLiteral("VALOARE_TEXT"), QString());
        q3.Param(QStringLiteral("VALOARE_NUM"), 0);
        q3.Param(QStringLiteral("ID_ELEVI"), id);
        q3.ExecSQL();
    }
    q2.Close();
    ScrieValoare(q3, QStringLiteral("ELEVI"), id, m_campCnp.Formular, m_campCnp.Pagina, m_campCnp.Camp,
                 {{QStringLiteral("VALOARE_TEXT"), cnp}}, {{QStringLiteral("VALOARE_NUM"), 0}});
    return id;
}

bool TPreluareElevi::EsteBaiat(const QString &cnp)
{
    // Boys born since 2000 start with 5 (3 and 7 for other centuries and residents), not 1.
    return !cnp.isEmpty() && QStringLiteral("1357").contains(cnp[0]);
}

QString TPreluareElevi::ParteNume(const QString &text, bool primaParte)
{
    const QString t = text.trimmed();
    const qsizetype blanc = t.indexOf(QLatin1Char(' '));
    if (blanc < 0)
        return primaParte ? t : QString();
    return (primaParte ? t.left(blanc) : t.mid(blanc + 1)).trimmed();
}

QString TPreluareElevi::Valoare(const TSursaCamp &sursa, const TListaColoaneExcel &coloane, int rand,
                                const QString &cnp)
{
    switch (sursa.Fel) {
    case TSursaCamp::Coloana:
    case TSursaCamp::PrimaParte:
    case TSursaCamp::ADouaParte: {
        const TColoanaExcel *c = coloane.DupaLitere(sursa.Litere);
        const QString text = c ? c->value(rand) : QString();
        return sursa.Fel == TSursaCamp::Coloana ? text : ParteNume(text, sursa.Fel == TSursaCamp::PrimaParte);
    }
    case TSursaCamp::Constanta:
        return sursa.TextConstant;
    case TSursaCamp::Sex:
        return EsteBaiat(cnp) ? sursa.Baieti : sursa.Fete;
    default:
        return {};
    }
}

void TPreluareElevi::ScrieCamp(const TSursaCamp &sursa, int rand, int idElev, const QString &cnp)
{
    if (sursa.NuImport)
        return;
    const QString text = Valoare(sursa, m_coloane, rand, cnp);
    // The driver would cut a longer text to the column's size without a word.
    if (text.size() > LungimeMaxima)
        throw EEroare(QStringLiteral("Valoarea pentru %1 are %2 caractere; se pot pastra cel mult %3")
                          .arg(sursa.CodComplet)
                          .arg(text.size())
                          .arg(LungimeMaxima));
    QString formular, pagina, camp;
    TDM::DescompuneCod(sursa.CodComplet, formular, pagina, camp);
    // A student stored before the field joined the profile has no row for it: the row is
    // added, or the value would be lost without a word.
    ScrieValoare(DM->Q1, QStringLiteral("ELEVI"), idElev, formular, pagina, camp,
                 {{QStringLiteral("VALOARE_TEXT"), text}}, {{QStringLiteral("VALOARE_NUM"), 0}});
}
