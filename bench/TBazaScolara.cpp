#include "TBazaScolara.h"
#include "UDirectorProgram.h"
#include "UDm.h"
#include "UProfilDiploma.h"
#include "UProfilZEZ.h"
#include "UScrieValoare.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTextStream>

namespace {
const char *const kFisiere[] = {"BLANK.FDB", "DOZ2009.binprof", "ZEZ.BIN", "CCPN1-FATA.BIN", "CCPN1-SPATE.BIN",
                                "Comun.re", "GenericSplashForm.re", "zez.re"};
const char *const kNume[] = {"Popescu", "Ionescu", "Popa", "Dumitrescu", "Stan", "Stoica", "Gheorghe", "Matei",
                             "Constantin", "Marin", "Munteanu", "Tudor", "Radu", "Florea", "Dinu", "Serban"};
const char *const kPrenume[] = {"Ana", "Maria", "Elena", "Ioana", "Andrei", "Mihai", "Alexandru", "Ion",
                                "Cristina", "Gabriel", "Florin", "Daniela", "Vasile", "Adriana", "Bogdan"};
const char *const kNote[] = {"10", "9,50", "8.25", "7", "6,75", "9"};

struct TCamp
{
    QString f, p, c, tip, tabel;
};

QList<TCamp> Campuri(TDM &dm)
{
    QList<TCamp> rez;
    TCitire citire(dm.Tr);
    dm.Q1.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, TIP_DE_DATE, ASOCIAT_CU FROM PROFIL_DIPLOMA"));
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
        rez << TCamp{dm.Q1.Text(QStringLiteral("COD_FORMULAR")), dm.Q1.Text(QStringLiteral("COD_PAGINA")),
                     dm.Q1.Text(QStringLiteral("COD_CAMP")), dm.Q1.Text(QStringLiteral("TIP_DE_DATE")),
                     dm.Q1.Text(QStringLiteral("ASOCIAT_CU"))};
    dm.Q1.Close();
    return rez;
}

// Written as the field editors write: a value row of its owner, and a student's link row to a school.
void ScrieCamp(TDM &dm, const TCamp &c, const QString &tabel, int id, const QString &valoare)
{
    ScrieValoare(dm.Q2, tabel, id, c.f, c.p, c.c,
                 {{QStringLiteral("VALOARE_TEXT"), valoare}, {QStringLiteral("VALOARE_NUM"), 0}});
}

void ScrieLegatura(TDM &dm, const TCamp &c, int idElev, int idScoala)
{
    ScrieValoare(dm.Q8, QStringLiteral("ELEVI"), idElev, c.f, c.p, c.c, {{QStringLiteral("IDF_SCOALA"), idScoala}},
                 {{QStringLiteral("VALOARE_TEXT"), QStringLiteral("")}, {QStringLiteral("VALOARE_NUM"), 0}});
}
} // namespace

TBazaScolara::TBazaScolara(const QString &director, int elevi, int scoli)
    : m_director(QDir(director).absolutePath() + QLatin1Char('/')), m_elevi(elevi), m_scoli(scoli)
{
    QDir().mkpath(m_director);
    SeteazaDirectorProgram(m_director);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_director + QStringLiteral("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_director + QStringLiteral("settings"));
    const QDir build(QStringLiteral(CERTAVO_BIN_DIR));
    QStringList fisiere;
    for (const char *f : kFisiere)
        fisiere << QLatin1String(f);
    QDir().mkpath(m_director + QStringLiteral("layouts"));
    for (const QString &f : QDir(build.filePath(QStringLiteral("layouts"))).entryList({QStringLiteral("*.json")}, QDir::Files))
        fisiere << QStringLiteral("layouts/") + f;
    for (const QString &f : std::as_const(fisiere)) {
        const QString dest = m_director + f;
        if (!QFile::exists(dest))
            QFile::copy(build.filePath(f), dest);
        QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner);
    }
    if (!ProfilInregistrat())
        InregistreazaClaseleZEZ();
}

void TBazaScolara::Opreste()
{
    delete m_dm;
    m_dm = nullptr;
}

TDM &TBazaScolara::Porneste()
{
    Opreste();
    m_dm = new TDM;
    m_dm->DataModuleCreate();
    const int existenti = [this] {
        TCitire citire(m_dm->Tr);
        m_dm->Q1.SQL(QStringLiteral("SELECT COUNT(*) FROM ELEVI"));
        m_dm->Q1.Open();
        const int n = m_dm->Q1.Camp(0).toInt();
        m_dm->Q1.Close();
        return n;
    }();
    if (existenti == 0 && m_elevi > 0) {
        QElapsedTimer t;
        t.start();
        Genereaza(*m_dm);
        QTextStream(stdout) << QStringLiteral("generated %1 students and %2 schools in %3 s\n")
                                   .arg(m_elevi)
                                   .arg(m_scoli)
                                   .arg(t.elapsed() / 1000.0, 0, 'f', 1);
    } else if (existenti != m_elevi) {
        QTextStream(stderr) << QStringLiteral("%1 holds %2 students, not %3: use another folder\n")
                                   .arg(m_director)
                                   .arg(existenti)
                                   .arg(m_elevi);
        std::exit(2);
    }
    return *m_dm;
}

QString TBazaScolara::CnpElev(int elev)
{
    // Sex digit, birth date, county, serial; the control digit as the civil register computes it.
    static const int kCheie[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    const QString baza = QStringLiteral("%1%2%3%4%5%6")
                             .arg(elev % 2 ? 5 : 6)
                             .arg(8 + elev % 2, 2, 10, QLatin1Char('0'))
                             .arg(1 + elev % 12, 2, 10, QLatin1Char('0'))
                             .arg(1 + elev % 28, 2, 10, QLatin1Char('0'))
                             .arg(1 + elev % 40, 2, 10, QLatin1Char('0'))
                             .arg(elev % 1000, 3, 10, QLatin1Char('0'));
    int s = 0;
    for (int i = 0; i < 12; ++i)
        s += baza[i].digitValue() * kCheie[i];
    const int control = s % 11 == 10 ? 1 : s % 11;
    return baza + QString::number(control);
}

QString TBazaScolara::Valoare(const QString &tip, const QString &camp, int elev)
{
    if (tip == QLatin1String("CNP"))
        return CnpElev(elev);
    if (tip == QLatin1String("SIRUES"))
        return QStringLiteral("%1").arg(100000 + elev * 7 % 900000);
    if (tip == QLatin1String("NOTA") || tip.startsWith(QLatin1String("NOTA sau")))
        return QString::fromLatin1(kNote[(elev + camp.size()) % std::size(kNote)]);
    if (tip == QLatin1String("CALIFICATIV"))
        return elev % 2 ? QStringLiteral("Admis") : QStringLiteral("Foarte bine");
    if (camp.contains(QLatin1String("NUME")))
        return QStringLiteral("%1 %2 %3")
            .arg(QLatin1String(kNume[elev % std::size(kNume)]))
            .arg(QLatin1String(kPrenume[elev / 7 % std::size(kPrenume)]))
            .arg(QChar(u'A' + elev % 26));
    if (camp.contains(QLatin1String("ANUL")))
        return QStringLiteral("2026");
    if (camp.contains(QLatin1String("LUNA")))
        return QStringLiteral("iunie");
    if (camp.contains(QLatin1String("ZIUA")) || camp.contains(QLatin1String("NR")))
        return QString::number(1 + elev % 28);
    return QStringLiteral("%1 %2").arg(camp.toLower().replace(QLatin1Char('_'), QLatin1Char(' '))).arg(elev % 50);
}

void TBazaScolara::Genereaza(TDM &dm)
{
    const QList<TCamp> campuri = Campuri(dm);
    QList<int> scoli;
    for (int s = 0; s < m_scoli; ++s) {
        TScriere scriere(dm.Tr);
        const int id = dm.InregistrareNoua(QStringLiteral("SCOALA"));
        for (const TCamp &c : campuri)
            if (c.tabel == QLatin1String("SCOALA"))
                ScrieCamp(dm, c, QStringLiteral("SCOALA"), id, Valoare(c.tip, c.c, s + 1));
        scriere.Commit();
        scoli << id;
    }
    // One transaction a student, as the record editor saves.
    for (int e = 1; e <= m_elevi; ++e) {
        TScriere scriere(dm.Tr);
        const int id = dm.InregistrareNoua(QStringLiteral("ELEVI"));
        for (const TCamp &c : campuri) {
            if (c.tabel == QLatin1String("ELEVI"))
                ScrieCamp(dm, c, QStringLiteral("ELEVI"), id, Valoare(c.tip, c.c, e));
            else
                ScrieLegatura(dm, c, id, scoli[e % scoli.size()]);
        }
        scriere.Commit();
    }
}

QList<int> TBazaScolara::IdElevi()
{
    QList<int> rez;
    TCitire citire(m_dm->Tr);
    m_dm->Q1.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI ORDER BY ID_ELEVI"));
    for (m_dm->Q1.Open(); !m_dm->Q1.Eof(); m_dm->Q1.Next())
        rez << m_dm->Q1.Camp(0).toInt();
    m_dm->Q1.Close();
    return rez;
}

QStringList TBazaScolara::Cnp()
{
    QStringList rez;
    for (int e = 1; e <= m_elevi; ++e)
        rez << CnpElev(e);
    return rez;
}
