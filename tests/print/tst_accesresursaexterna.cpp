#include "TDirectorTest.h"
#include "UAccesResursaExterna.h"
#include "UEroare.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using ResursaExterna::TIntrare;

namespace {

void Scrie(const QString &cale, const QByteArray &date)
{
    QDir().mkpath(QFileInfo(cale).absolutePath());
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(date), date.size());
}

QByteArray Container(const QList<TIntrare> &intrari) { return ResursaExterna::ConstruiesteContainer(intrari); }

QString MesajDe(const QString &indicativ)
{
    try {
        OpenExternalResource(indicativ);
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

const QString MesajForma = QStringLiteral(
    "Indicativul pentru resursa externa trebuie sa fie format din numele fisierului + \":\" + numele resursei!");

} // namespace

class TestAccesResursaExterna : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void citesteResursa()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("X.re"), Container({{"Unu", "primul", ResursaExterna::Bmp},
                                           {"Doi", "al doilea", ResursaExterna::Jpeg},
                                           {"Trei", "al treilea, la sfarsit", ResursaExterna::Png}}));
        const TResursaExterna r2 = OpenExternalResource(dir.Cale("X.re") + ":Doi");
        QCOMPARE(r2.Date, QByteArray("al doilea"));
        QCOMPARE(r2.Tip, uint8_t(ResursaExterna::Jpeg));
        // The last entry ends exactly at the end of the file.
        const TResursaExterna r3 = OpenExternalResource(dir.Cale("X.re") + ":Trei");
        QCOMPARE(r3.Date, QByteArray("al treilea, la sfarsit"));
        QCOMPARE(r3.Tip, uint8_t(ResursaExterna::Png));
    }

    void formaIndicativului_data()
    {
        QTest::addColumn<QString>("indicativ");
        QTest::newRow("fara doua puncte") << "Comun.re About";
        QTest::newRow("primul caracter") << ":About";
        QTest::newRow("al doilea caracter") << "C:About";
        QTest::newRow("gol") << "";
    }
    void formaIndicativului()
    {
        TDirectorTest dir;
        QFETCH(QString, indicativ);
        QCOMPARE(MesajDe(indicativ), MesajForma);
    }

    // Folders may contain ":" (like a drive letter): the separator is the last one.
    void separaLaUltimeleDouaPuncte()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("d:x/Comun.re"), Container({{"About", "despre", ResursaExterna::Png}}));
        QCOMPARE(OpenExternalResource(dir.Cale("d:x/Comun.re") + ":About").Date, QByteArray("despre"));
        QCOMPARE(OpenExternalResource(" " + dir.Cale("d:x/Comun.re") + " : About ").Date, QByteArray("despre"));
    }

    void ordineaCautarii_data()
    {
        QTest::addColumn<bool>("laCale");
        QTest::addColumn<bool>("inProgram");
        QTest::addColumn<bool>("inER");
        QTest::addColumn<bool>("caleWindows");
        QTest::addColumn<QString>("asteptat");
        QTest::newRow("toate: calea data") << true << true << true << false << "cale";
        QTest::newRow("lipsa la cale: programul") << false << true << true << false << "program";
        QTest::newRow("doar in ER") << false << false << true << false << "er";
        QTest::newRow("nicaieri") << false << false << false << false << "";
        QTest::newRow("cale Windows: programul") << false << true << true << true << "program";
        QTest::newRow("cale Windows: ER") << false << false << true << true << "er";
    }
    void ordineaCautarii()
    {
        QFETCH(bool, laCale);
        QFETCH(bool, inProgram);
        QFETCH(bool, inER);
        QFETCH(bool, caleWindows);
        QFETCH(QString, asteptat);
        TDirectorTest dir;
        QTemporaryDir altundeva;
        const QString cale = altundeva.filePath("sub/Poze.re");
        if (laCale)
            Scrie(cale, Container({{"R", "cale", 1}}));
        if (inProgram)
            Scrie(dir.Cale("Poze.re"), Container({{"R", "program", 1}}));
        if (inER)
            Scrie(dir.Cale("ER/Poze.re"), Container({{"R", "er", 1}}));
        const QString fisier = caleWindows ? QStringLiteral("C:\\Program Files\\Certavo\\Poze.re") : cale;
        if (asteptat.isEmpty())
            QCOMPARE(MesajDe(fisier + ":R"), QStringLiteral("NU gasesc resursa externa ") + fisier);
        else
            QCOMPARE(OpenExternalResource(fisier + ":R").Date, asteptat.toLatin1());
    }

    void numeFaraMajusculeSiSpatii_data()
    {
        QTest::addColumn<QString>("nume");
        QTest::addColumn<QByteArray>("asteptat");
        QTest::newRow("exact") << "About" << QByteArray("1");
        QTest::newRow("majuscule") << "ABOUT" << QByteArray("1");
        QTest::newRow("spatii") << "   about  " << QByteArray("1");
        QTest::newRow("al doilea") << "login" << QByteArray("3");
    }
    void numeFaraMajusculeSiSpatii()
    {
        QFETCH(QString, nume);
        QFETCH(QByteArray, asteptat);
        TDirectorTest dir;
        // The first of two matching entries wins.
        Scrie(dir.Cale("C.re"), Container({{" About ", "1", 3}, {"aBOUT", "2", 3}, {"Login", "3", 3}}));
        QCOMPARE(OpenExternalResource("C.re:" + nume).Date, asteptat);
    }

    void resursaLipsa()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("C.re"), Container({{"About", "1", 3}}));
        QCOMPARE(MesajDe("C.re: Splash"),
                 QStringLiteral("Nu am gasit resursa \"Splash\" in fisierul\n") + dir.Cale("C.re"));
        Scrie(dir.Cale("Gol.re"), Container({}));
        QVERIFY(MesajDe("Gol.re:About").startsWith("Nu am gasit resursa \"About\""));
    }

    void fisierDeteriorat_data()
    {
        QTest::addColumn<int>("ofs");      // where to patch (-1: cut the file)
        QTest::addColumn<qint32>("val");   // new 32-bit value, or the length to keep
        QTest::addColumn<bool>("octet");   // patch one byte instead
        const int e1 = 4 + 138;            // second entry
        QTest::newRow("numar negativ") << 0 << qint32(-1) << false;
        QTest::newRow("numar urias") << 0 << qint32(0x7fffffff) << false;
        QTest::newRow("numar peste sfarsit") << 0 << qint32(3) << false;
        QTest::newRow("fisier de 2 octeti") << -1 << qint32(2) << false;
        QTest::newRow("director taiat") << -1 << qint32(200) << false;
        QTest::newRow("marime negativa") << e1 + 129 << qint32(-5) << false;
        QTest::newRow("marime urias") << e1 + 129 << qint32(0x7fffffff) << false;
        QTest::newRow("pozitie negativa") << e1 + 133 << qint32(-1) << false;
        QTest::newRow("pozitie peste sfarsit") << e1 + 133 << qint32(100000) << false;
        QTest::newRow("date taiate cu un octet") << -2 << qint32(1) << false;
        QTest::newRow("nume prea lung") << e1 << qint32(200) << true;
    }
    void fisierDeteriorat()
    {
        QFETCH(int, ofs);
        QFETCH(qint32, val);
        QFETCH(bool, octet);
        TDirectorTest dir;
        QByteArray c = Container({{"Unu", "aaaa", 3}, {"Doi", "bbbbbbbb", 3}});
        if (ofs == -1)
            c.truncate(val);
        else if (ofs == -2)
            c.chop(val);
        else if (octet)
            c[ofs] = char(val);
        else
            qToLittleEndian<qint32>(val, c.data() + ofs);
        Scrie(dir.Cale("Rau.re"), c);
        const QString m = MesajDe("Rau.re:Doi");
        QVERIFY2(m.startsWith(QStringLiteral("Fisierul de resurse externe \"") + dir.Cale("Rau.re") +
                              "\" este deteriorat: "),
                 qPrintable(m));
    }
};

QTEST_MAIN(TestAccesResursaExterna)
#include "tst_accesresursaexterna.moc"
