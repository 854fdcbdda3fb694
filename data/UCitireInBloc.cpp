#include "UCitireInBloc.h"
#include "UDm.h"
#include "UEroare.h"

namespace {
QString FaraBlancFinal(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}
} // namespace

QString TValoriInBloc::Cheie(const QString &f, const QString &p, const QString &c)
{
    return FaraBlancFinal(f) + QLatin1Char('\x1f') + FaraBlancFinal(p) + QLatin1Char('\x1f') + FaraBlancFinal(c);
}

void TValoriInBloc::IncarcaProfilul(TDM &dm)
{
    TQuery &q = dm.Q1;
    q.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, TIP_DE_DATE, ONOREZ_SIMILAR, SIMILAR_CU, ASOCIAT_CU "
                         "FROM PROFIL_DIPLOMA"));
    for (q.Open(); !q.Eof(); q.Next()) {
        // A null code never equals a looked-up code.
        if (q.EsteNul(QStringLiteral("COD_FORMULAR")) || q.EsteNul(QStringLiteral("COD_PAGINA"))
            || q.EsteNul(QStringLiteral("COD_CAMP")))
            continue;
        const QString cheie = Cheie(q.Text(QStringLiteral("COD_FORMULAR")), q.Text(QStringLiteral("COD_PAGINA")),
                                    q.Text(QStringLiteral("COD_CAMP")));
        // The first row, as a lookup standing on its first result.
        if (!m_profil.contains(cheie))
            m_profil.insert(cheie, {true, q.Text(QStringLiteral("TIP_DE_DATE")), q.Text(QStringLiteral("ONOREZ_SIMILAR")),
                                    q.Text(QStringLiteral("SIMILAR_CU")), q.Text(QStringLiteral("ASOCIAT_CU"))});
    }
    q.Close();
    m_profilIncarcat = true;
}

const TLinieProfilCitita &TValoriInBloc::LinieProfil(TDM &dm, const QString &f, const QString &p, const QString &c)
{
    if (!m_profilIncarcat)
        IncarcaProfilul(dm);
    static const TLinieProfilCitita lipsa;
    const auto it = m_profil.constFind(Cheie(f, p, c));
    return it == m_profil.cend() ? lipsa : *it;
}

void TValoriInBloc::IncarcaCampul(TDM &dm, const QString &cheie, const QString &f, const QString &p, const QString &c)
{
    QHash<QString, TRandValoare> &randuri = m_randuri[cheie];
    TQuery &q = dm.Q3;
    q.SQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                         "(COD_CAMP=:COD_CAMP)"));
    q.ParamCod(f, p, c);
    q.Open();
    if (m_coloane.isEmpty())
        m_coloane = q.Coloane();
    for (; !q.Eof(); q.Next()) {
        TRandValoare rand{true, q.Text(QStringLiteral("VALOARE_TEXT")), {}};
        QStringList proprietari;
        for (int i = 0; i < m_coloane.size(); ++i) {
            const QString &col = m_coloane[i];
            if (col.startsWith(QLatin1String("IDF_")))
                rand.Legaturi.insert(col, q.Camp(i));
            else if (col.startsWith(QLatin1String("ID_")) && !q.Camp(i).isNull())
                proprietari << col.mid(3) + QLatin1Char('|') + QString::number(q.Camp(i).toLongLong());
        }
        for (const QString &pr : std::as_const(proprietari))
            if (!randuri.contains(pr))
                randuri.insert(pr, rand);
    }
    q.Close();
}

const TRandValoare *TValoriInBloc::RandValoare(TDM &dm, const QString &f, const QString &p, const QString &c,
                                               const QString &tabel, int id)
{
    if (!m_totiElevii)
        return nullptr;
    const QString cheie = Cheie(f, p, c);
    if (!m_randuri.contains(cheie))
        IncarcaCampul(dm, cheie, f, p, c);
    if (!m_coloane.isEmpty() && !m_coloane.contains(QStringLiteral("ID_") + tabel))
        throw EEroare(QStringLiteral("Campul ID_%1 nu exista in tabelul \"DATE\".").arg(tabel));
    const QHash<QString, TRandValoare> &randuri = m_randuri[cheie];
    const auto it = randuri.constFind(tabel + QLatin1Char('|') + QString::number(id));
    return it == randuri.cend() ? &m_lipsa : &*it;
}

TCitireInBloc::TCitireInBloc(TDM &dm, TMod mod) : m_dm(dm), m_citire(dm.Tr)
{
    if (!m_dm.Bloc) {
        m_valori = std::make_unique<TValoriInBloc>(mod == TotiElevii);
        m_dm.Bloc = m_valori.get();
    }
}

TCitireInBloc::~TCitireInBloc()
{
    if (m_valori)
        m_dm.Bloc = nullptr;
}
