#include "UPreluareElevi.h"

#include "UCampCnp.h"
#include "UDm.h"
#include "UEroare.h"
#include "UScrieValoare.h"

#include <QMap>

TPreluareElevi::TPreluareElevi(const TListaColoaneExcel &coloane, const QString &litereCnp, QList<TSursaCamp> surse)
    : m_coloane(coloane), m_surse(std::move(surse))
{
    m_campCnp = TCampCnp::DinProfil();
    m_cnp = m_coloane.DupaLitere(litereCnp);
    if (!m_cnp)
        throw EEroare(QStringLiteral("UPS: nu pot identifica CNP-ul"));
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q2;
    q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'"));
    for (q.Open(); !q.Eof(); q.Next())
        m_campuriElev << TCod{q.Text(QStringLiteral("COD_FORMULAR")), q.Text(QStringLiteral("COD_PAGINA")),
                              q.Text(QStringLiteral("COD_CAMP"))};
    q.Close();
}

bool TPreluareElevi::ImportaRand(int rand)
{
    const QString cnp = m_cnp->at(rand);
    // A row kept for a 13-digit number in another column may have no CNP: matching it
    // would pick any student whose CNP is still empty and overwrite that student.
    if (cnp.isEmpty())
        return false;
    try {
        const TValori valori = Valori(rand, cnp);
        ScrieInTranzactie(DM->Tr, [&] {
            const int gasit = m_campCnp.Elev(cnp);
            DM->Q1.Close();
            if (gasit == -1) {
                CreeazaElev(cnp, valori);
                return;
            }
            for (const auto &[cod, text] : valori)
                ScrieText(gasit, cod, text);
        });
    } catch (const EEroare &e) {
        throw EEroare(QStringLiteral("Preluarea s-a oprit la elevul cu CNP-ul %1; datele lui nu au fost "
                                     "scrise, elevii de dinainte au fost preluati.\n%2")
                          .arg(cnp, e.Mesaj()));
    }
    return true;
}

TPreluareElevi::TValori TPreluareElevi::Valori(int rand, const QString &cnp) const
{
    TValori valori;
    for (const TSursaCamp &sursa : m_surse) {
        if (sursa.NuImport)
            continue;
        QString text = Valoare(sursa, m_coloane, rand, cnp);
        // The driver would cut a longer text to the column's size without a word.
        if (text.size() > LungimeMaxima)
            throw EEroare(QStringLiteral("Valoarea pentru %1 are %2 caractere; se pot pastra cel mult %3")
                              .arg(sursa.CodComplet)
                              .arg(text.size())
                              .arg(LungimeMaxima));
        TCod cod;
        TDM::DescompuneCod(sursa.CodComplet, cod.Formular, cod.Pagina, cod.Camp);
        valori.append({cod, std::move(text)});
    }
    return valori;
}

void TPreluareElevi::CreeazaElev(const QString &cnp, const TValori &valori)
{
    // Each row is inserted with its final text: the CNP, then what the sources give (the last
    // source of a field wins), empty for the rest.
    const auto cheie = [](const TCod &c) { return QStringList{c.Formular, c.Pagina, c.Camp}; };
    QMap<QStringList, std::pair<TCod, QString>> texte;
    const TCod campCnp{m_campCnp.Formular, m_campCnp.Pagina, m_campCnp.Camp};
    texte.insert(cheie(campCnp), {campCnp, cnp});
    for (const auto &v : valori)
        texte.insert(cheie(v.first), v);
    const int id = DM->InregistrareNoua(QStringLiteral("ELEVI"));
    TQuery &q = DM->Q3;
    for (const TCod &camp : std::as_const(m_campuriElev)) {
        q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                             "ID_ELEVI) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VALOARE_TEXT, :VALOARE_NUM, "
                             ":ID_ELEVI)"));
        q.ParamCod(camp.Formular, camp.Pagina, camp.Camp);
        q.Param(QStringLiteral("VALOARE_TEXT"), texte.take(cheie(camp)).second);
        q.Param(QStringLiteral("VALOARE_NUM"), 0);
        q.Param(QStringLiteral("ID_ELEVI"), id);
        q.ExecSQL();
    }
    q.Close();
    // A field that is not among the profile's student fields still gets its value, as a row
    // of its own, or it would be lost without a word.
    for (const auto &[cod, text] : std::as_const(texte))
        ScrieText(id, cod, text);
}

void TPreluareElevi::ScrieText(int idElev, const TCod &cod, const QString &text)
{
    // Values are written as text only: a new row gets 0 as its number, an existing one keeps its own.
    ScrieValoare(DM->Q1, QStringLiteral("ELEVI"), idElev, cod.Formular, cod.Pagina, cod.Camp,
                 {{QStringLiteral("VALOARE_TEXT"), text}}, {{QStringLiteral("VALOARE_NUM"), 0}});
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
