#include "UEroare.h"
#include "UFluxRegistruXls.h"

#include <QTemporaryDir>

#include <QtTest>

namespace {

QByteArray Record(quint16 tip, const QByteArray &date)
{
    QByteArray r;
    r.append(char(tip & 0xFF)).append(char(tip >> 8));
    r.append(char(date.size() & 0xFF)).append(char(date.size() >> 8));
    return r + date;
}

QByteArray Le(quint64 v, int octeti)
{
    QByteArray b;
    for (int i = 0; i < octeti; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray Biff8(quint32 randuri, quint16 coloane)
{
    return Record(0x0200, Le(0, 4) + Le(randuri, 4) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

QByteArray Biff5(quint16 randuri, quint16 coloane)
{
    return Record(0x0200, Le(0, 2) + Le(randuri, 2) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

} // namespace

class TestFluxRegistruXls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void celuleDeclarate_data()
    {
        QTest::addColumn<QByteArray>("flux");
        QTest::addColumn<qint64>("celule");
        const QByteArray bof = Record(0x0809, QByteArray(16, '\0'));
        const QByteArray eof = Record(0x000A, {});
        QTest::newRow("biff8") << bof + Biff8(4, 7) + eof << qint64(28);
        QTest::newRow("biff5") << bof + Biff5(10, 3) + eof << qint64(30);
        QTest::newRow("doua foi") << bof + Biff8(4, 7) + eof + bof + Biff8(65536, 256) + eof
                                  << qint64(28 + 65536LL * 256);
        QTest::newRow("record scurt") << bof + Record(0x0200, "abc") << qint64(0);
        QTest::newRow("trunchiat") << bof + Biff8(1000, 10).left(10) << qint64(0);
        QTest::newRow("gol") << QByteArray() << qint64(0);
    }

    void celuleDeclarate()
    {
        QFETCH(QByteArray, flux);
        QFETCH(qint64, celule);
        QCOMPARE(CeluleDeclarate(flux), celule);
        if (celule > LimitaCeluleXls)
            QVERIFY_THROWS_EXCEPTION(EEroare, VerificaMarimeFoi(flux));
        else
            VerificaMarimeFoi(flux);
    }

    // The copy holds the same stream, padded past the mini stream.
    void copieCuFluxMarit()
    {
        const QByteArray flux = CitesteFluxRegistru(QStringLiteral(CERTAVO_TEST_DATA "/tabel_mic.xls"));
        QVERIFY(flux.size() > 1000 && flux.size() < 4096);
        QVERIFY(flux.startsWith(QByteArray("\x09\x08", 2))); // BOF
        QTemporaryDir dir;
        const QString copie = dir.filePath(QStringLiteral("copie.xls"));
        ScrieRegistruXls(copie, flux);
        const QByteArray citit = CitesteFluxRegistru(copie);
        QCOMPARE(citit.size(), 4096);
        QVERIFY(citit.startsWith(flux));
        QCOMPARE(citit.mid(flux.size()), QByteArray(4096 - flux.size(), '\0'));
    }

    void faraFlux_data()
    {
        QTest::addColumn<QString>("cale");
        QTest::newRow("lipsa") << QStringLiteral("/nu/exista.xls");
        QTest::newRow("nu e fisier compus") << QStringLiteral(CERTAVO_TEST_DATA "/tabel.csv");
        QTest::newRow("zip") << QStringLiteral(CERTAVO_TEST_DATA "/tabel.xlsx");
    }

    void faraFlux()
    {
        QFETCH(QString, cale);
        QVERIFY(CitesteFluxRegistru(cale).isEmpty());
    }
};

QTEST_MAIN(TestFluxRegistruXls)
#include "tst_fluxregistruxls.moc"
