#include "UEroare.h"
#include "UFluxRegistruXls.h"

#include <QTemporaryDir>

#include <QtTest>

class TestFluxRegistruXls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
