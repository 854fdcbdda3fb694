#pragma once
#include <QString>
#include <QStringList>

class TDM;

// A school-sized database for the benchmarks: students with every own profile field filled,
// schools with theirs, each student linked to one school, written through the data module.
class TBazaScolara
{
public:
    // Program folder with the build's data files; reused when it already holds `elevi` students.
    TBazaScolara(const QString &director, int elevi, int scoli = 5);

    // Starts the data module on the folder's database (also creates and fills it the first time).
    TDM &Porneste();
    void Opreste();
    ~TBazaScolara() { Opreste(); }
    int Elevi() const { return m_elevi; }
    QString Director() const { return m_director; }
    // The ids of the students, in list order.
    QList<int> IdElevi();
    QStringList Cnp();

    // The text stored for a field of that type: grades in figures with and without decimals,
    // with comma or point, and qualifiers, so that every grade path of the fill runs.
    static QString Valoare(const QString &tip, const QString &camp, int elev);
    static QString CnpElev(int elev);

private:
    void Genereaza(TDM &dm);

    QString m_director;
    int m_elevi, m_scoli;
    TDM *m_dm = nullptr;
};
