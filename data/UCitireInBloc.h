#pragma once
#include "UTranzactie.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

class TDM;

// One profile row as the value lookup and the fill read it.
struct TLinieProfilCitita
{
    bool Exista = false;
    QString TipDeDate, OnorezSimilar, SimilarCu, AsociatCu;
};

// The first value row of a field owned by one record: its text and the records it links to.
struct TRandValoare
{
    bool Exista = false;
    QString Valoare;
    QHash<QString, QVariant> Legaturi;   // "IDF_<table>" -> id (null when unset)
};

// What a read-only pass remembers: the profile read in one query, every value already looked up
// and, for a pass over all students, every row of a field read in one query for all owners.
class TValoriInBloc
{
public:
    explicit TValoriInBloc(bool totiElevii) : m_totiElevii(totiElevii) {}

    const TLinieProfilCitita &LinieProfil(TDM &dm, const QString &f, const QString &p, const QString &c);
    // Null when the pass reads per value (one student): the caller queries the row itself.
    const TRandValoare *RandValoare(TDM &dm, const QString &f, const QString &p, const QString &c,
                                    const QString &tabel, int id);
    QString *Memorat(const QString &cheie) { auto it = m_valori.find(cheie); return it == m_valori.end() ? nullptr : &*it; }
    void Memoreaza(const QString &cheie, const QString &valoare) { m_valori.insert(cheie, valoare); }

    // Codes compared as the database compares them: trailing blanks do not count.
    static QString Cheie(const QString &f, const QString &p, const QString &c);

private:
    void IncarcaProfilul(TDM &dm);
    void IncarcaCampul(TDM &dm, const QString &cheie, const QString &f, const QString &p, const QString &c);

    bool m_totiElevii;
    bool m_profilIncarcat = false;
    QHash<QString, TLinieProfilCitita> m_profil;
    QHash<QString, QString> m_valori;
    // Per field: "<table>|<id>" -> the first row owned by that record; the columns of "DATE".
    QHash<QString, QHash<QString, TRandValoare>> m_randuri;
    QStringList m_coloane;
    const TRandValoare m_lipsa;
};

// A read-only pass over many values (a list reload, a fill, an export): while it lives the data
// module's value lookups read through one TValoriInBloc in one transaction. Nested passes join the
// outermost one.
class TCitireInBloc
{
public:
    enum TMod { UnElev, TotiElevii };
    TCitireInBloc(TDM &dm, TMod mod);
    ~TCitireInBloc();
    TCitireInBloc(const TCitireInBloc &) = delete;
    TCitireInBloc &operator=(const TCitireInBloc &) = delete;

private:
    TDM &m_dm;
    TCitire m_citire;
    std::unique_ptr<TValoriInBloc> m_valori;
};
