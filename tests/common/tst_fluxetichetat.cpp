#include "UEroare.h"
#include "UFluxEtichetat.h"

#include <QtTest>

class TstFluxEtichetat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void integers_data()
    {
        QTest::addColumn<QByteArray>("octeti");
        QTest::addColumn<int>("valoare");
        QTest::newRow("tag2 0xFF is -1") << QByteArray::fromHex("02ff") << -1;
        QTest::newRow("tag2 127") << QByteArray::fromHex("027f") << 127;
        QTest::newRow("tag3 -300") << QByteArray::fromHex("03d4fe") << -300;
        QTest::newRow("tag4 above 32767") << QByteArray::fromHex("0400800000") << 32768;
        QTest::newRow("tag4 negative") << QByteArray::fromHex("04ffffff7f") << 0x7fffffff;
    }
    void integers()
    {
        QFETCH(QByteArray, octeti);
        QFETCH(int, valoare);
        TCititorFlux r(octeti);
        QCOMPARE(r.CitesteInt(), valoare);
        QVERIFY(r.LaSfarsit());
    }

    void texts_data()
    {
        QTest::addColumn<QByteArray>("octeti");
        QTest::addColumn<QString>("text");
        QTest::newRow("tag6 cp1250 letters") << QByteArray("\x06\x05\xaa\xde\xe3\xe2\xee", 7)
                                            << QString::fromUtf8("ŞŢăâî");
        QTest::newRow("tag6 empty") << QByteArray("\x06\x00", 2) << QString();
        QTest::newRow("tag18 utf16") << QByteArray("\x12\x02\x00\x00\x00\x19\x02\x41\x00", 9) << QString::fromUtf8("șA");
        // Such a text could not be written back as it was read.
        QTest::newRow("tag18 lone surrogate") << QByteArray("\x12\x03\x00\x00\x00\x00\xd8\x41\x00\x00\xdc", 11)
                                              << QString::fromUtf8("\xef\xbf\xbd" "A" "\xef\xbf\xbd");
        QTest::newRow("tag18 surrogate pair") << QByteArray("\x12\x02\x00\x00\x00\x3d\xd8\x00\xde", 9)
                                              << QString::fromUtf8("\xf0\x9f\x98\x80");
        QTest::newRow("tag20 utf8") << (QByteArray("\x14\x04\x00\x00\x00", 5) + QString::fromUtf8("țș").toUtf8())
                                    << QString::fromUtf8("țș");
    }
    void texts()
    {
        QFETCH(QByteArray, octeti);
        QFETCH(QString, text);
        TCititorFlux r(octeti);
        QCOMPARE(r.CitesteText(), text);
        QVERIFY(r.LaSfarsit());
    }

    // What the writer produces the reader gives back, with the smallest tag that fits.
    void roundTrip()
    {
        TScriitorFlux w;
        const QString lung(300, QLatin1Char('x'));
        w.ScrieInt(-1);
        w.ScrieInt(40000);
        w.ScrieText(lung);
        w.ScrieText(QString::fromUtf8("Ştefan Ţurcanu"));
        w.ScrieText(QString::fromUtf8("Ștefan €"));      // comma-below: not in the code page
        const QByteArray b = w.Date();
        QCOMPARE(quint8(b[0]), quint8(Flux::Int8));
        QCOMPARE(quint8(b[2]), quint8(Flux::Int32));
        QCOMPARE(quint8(b[7]), quint8(Flux::TextLung));
        TCititorFlux r(b);
        QCOMPARE(r.CitesteInt(), -1);
        QCOMPARE(r.CitesteInt(), 40000);
        QCOMPARE(r.CitesteText(), lung);
        QCOMPARE(r.CitesteText(), QString::fromUtf8("Ştefan Ţurcanu"));
        QCOMPARE(r.CitesteText(), QString::fromUtf8("Ștefan €"));
        QVERIFY(r.LaSfarsit());
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("octeti");
        QTest::addColumn<bool>("text");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text tag where integer expected") << QByteArray("\x06\x00", 2) << false;
        QTest::newRow("integer tag where text expected") << QByteArray("\x02\x00", 2) << true;
        QTest::newRow("unknown tag") << QByteArray("\x07\x00", 2) << true;
        QTest::newRow("truncated int32") << QByteArray("\x04\x01\x02", 3) << false;
        QTest::newRow("length past end") << QByteArray("\x06\x09\x41", 3) << true;
        QTest::newRow("2 billion utf16 units") << QByteArray("\x12\x00\x00\x00\x80", 5) << true;
        QTest::newRow("4 GiB text") << QByteArray("\x0c\xff\xff\xff\xff", 5) << true;
    }
    void badInput()
    {
        QFETCH(QByteArray, octeti);
        QFETCH(bool, text);
        TCititorFlux r(octeti);
        try {
            if (text)
                r.CitesteText();
            else
                r.CitesteInt();
            QFAIL("no error raised");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().startsWith(QStringLiteral("Fisier deteriorat")), qPrintable(e.Mesaj()));
        }
    }
};

QTEST_GUILESS_MAIN(TstFluxEtichetat)
#include "tst_fluxetichetat.moc"
