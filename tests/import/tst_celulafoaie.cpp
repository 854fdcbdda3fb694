#include "UAdresaA1.h"
#include "UCelulaFoaie.h"
#include "UEroare.h"
#include "UFoaieDeCalcul.h"

#include <QtTest>

Q_DECLARE_METATYPE(TCelula)

class TestCelulaFoaie : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numarInText_data()
    {
        QTest::addColumn<double>("numar");
        QTest::addColumn<QString>("text");
        QTest::newRow("zecimale") << 9.5 << "9,5";
        QTest::newRow("intreg") << 10.0 << "10";
        QTest::newRow("negativ") << -0.25 << "-0,25";
        QTest::newRow("zero negativ") << -0.0 << "0";
        QTest::newRow("cnp ca numar") << 2990101123456.0 << "2990101123456";
        QTest::newRow("15 cifre") << 0.1 + 0.2 << "0,3";
        QTest::newRow("fara separator de mii") << 1234567.891 << "1234567,891";
        QTest::newRow("exponent mare") << 1e20 << "1E20";
        QTest::newRow("exponent mic") << 1.5e-7 << "1,5E-7";
    }

    void numarInText()
    {
        QFETCH(double, numar);
        QFETCH(QString, text);
        QCOMPARE(NumarInText(numar), text);
        QCOMPARE(TextCelula(TCelula::DinNumar(numar)), text);
    }

    void dataDinSerial_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<bool>("sistem1904");
        QTest::addColumn<QDateTime>("data");
        QTest::newRow("2005") << 38425.0 << false << QDateTime(QDate(2005, 3, 14), QTime(0, 0));
        QTest::newRow("1904") << 36963.0 << true << QDateTime(QDate(2005, 3, 14), QTime(0, 0));
        QTest::newRow("1904 zero") << 0.0 << true << QDateTime(QDate(1904, 1, 1), QTime(0, 0));
        QTest::newRow("prima zi") << 1.0 << false << QDateTime(QDate(1900, 1, 1), QTime(0, 0));
        QTest::newRow("inainte de 29 feb") << 59.0 << false << QDateTime(QDate(1900, 2, 28), QTime(0, 0));
        QTest::newRow("29 feb 1900 fictiv") << 60.0 << false << QDateTime(QDate(1900, 2, 28), QTime(0, 0));
        QTest::newRow("dupa 29 feb") << 61.0 << false << QDateTime(QDate(1900, 3, 1), QTime(0, 0));
        QTest::newRow("ora") << 38425.5625 << false << QDateTime(QDate(2005, 3, 14), QTime(13, 30));
        QTest::newRow("numai ora") << 0.5 << false << QDateTime(QDate(1899, 12, 30), QTime(12, 0));
        QTest::newRow("negativ") << -1.0 << false << QDateTime();
        QTest::newRow("dupa anul 9999") << 1e9 << false << QDateTime();
    }

    void dataDinSerial()
    {
        QFETCH(double, serial);
        QFETCH(bool, sistem1904);
        QFETCH(QDateTime, data);
        QCOMPARE(DataDinSerial(serial, sistem1904), data);
    }

    void dataIso_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("data");
        QTest::newRow("zi") << "2005-03-14" << QDateTime(QDate(2005, 3, 14), QTime(0, 0));
        QTest::newRow("cu ora") << "2005-03-14T13:30:05" << QDateTime(QDate(2005, 3, 14), QTime(13, 30, 5));
        QTest::newRow("UTC, ms") << "2005-03-14T00:00:00.000Z" << QDateTime(QDate(2005, 3, 14), QTime(0, 0));
        QTest::newRow("alt fus ramane cum e scris") << "2005-03-14T23:00:00+02:00"
                                                    << QDateTime(QDate(2005, 3, 14), QTime(23, 0));
        QTest::newRow("invalida") << "14/03/2005" << QDateTime();
        QTest::newRow("goala") << "" << QDateTime();
    }

    void dataIso()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, data);
        QCOMPARE(DataIso(text), data);
    }

    void textCelula_data()
    {
        QTest::addColumn<TCelula>("celula");
        QTest::addColumn<QString>("text");
        QTest::newRow("goala") << TCelula() << "";
        QTest::newRow("eroare") << TCelula::DeEroare() << "#Eroare";
        QTest::newRow("text") << TCelula::DinText(" Ăla ") << " Ăla ";
        QTest::newRow("adevarat") << TCelula::DinBoolean(true) << "True";
        QTest::newRow("fals") << TCelula::DinBoolean(false) << "False";
        QTest::newRow("data") << TCelula::DinData(QDateTime(QDate(2005, 3, 4), QTime(0, 0))) << "04/03/2005";
        QTest::newRow("data si ora") << TCelula::DinData(QDateTime(QDate(2005, 3, 4), QTime(13, 30, 5)))
                                     << "04/03/2005 13:30:05";
        QTest::newRow("numai ora") << TCelula::DinData(QDateTime(QDate(1899, 12, 30), QTime(8, 5)))
                                   << "08:05:00";
        QTest::newRow("numar infinit") << TCelula::DinNumar(qInf()) << "#Eroare";
        QTest::newRow("data invalida") << TCelula::DinData(QDateTime()) << "#Eroare";
    }

    void textCelula()
    {
        QFETCH(TCelula, celula);
        QFETCH(QString, text);
        QCOMPARE(TextCelula(celula), text);
    }

    void litere_data()
    {
        QTest::addColumn<int>("coloana");
        QTest::addColumn<QString>("litere");
        QTest::newRow("A") << 1 << "A";
        QTest::newRow("Z") << 26 << "Z";
        QTest::newRow("AA") << 27 << "AA";
        QTest::newRow("AZ") << 52 << "AZ";
        QTest::newRow("BA") << 53 << "BA";
        QTest::newRow("ZZ") << 702 << "ZZ";
        QTest::newRow("AAA") << 703 << "AAA";
    }

    void litere()
    {
        QFETCH(int, coloana);
        QFETCH(QString, litere);
        QCOMPARE(LitereColoana(coloana), litere);
        QCOMPARE(ColoanaDinLitere(litere), coloana);
        QCOMPARE(ColoanaDinLitere(litere.toLower()), coloana);
    }

    void adrese_data()
    {
        QTest::addColumn<QString>("adresa");
        QTest::addColumn<int>("rand1");
        QTest::addColumn<int>("col1");
        QTest::addColumn<int>("rand2");
        QTest::addColumn<int>("col2");
        QTest::newRow("celula") << "A17" << 17 << 1 << 17 << 1;
        QTest::newRow("bloc") << "C1:C57" << 1 << 3 << 57 << 3;
        QTest::newRow("ultima") << "ZZ999" << 999 << 702 << 999 << 702;
        QTest::newRow("absolut") << "$B$2:$D$9" << 2 << 2 << 9 << 4;
        QTest::newRow("colturi inversate") << "D9:B2" << 2 << 2 << 9 << 4;
    }

    void adrese()
    {
        QFETCH(QString, adresa);
        QFETCH(int, rand1);
        QFETCH(int, col1);
        QFETCH(int, rand2);
        QFETCH(int, col2);
        QCOMPARE(CitesteBlocCelule(adresa), (TBlocCelule{{rand1, col1}, {rand2, col2}}));
    }

    void adreseGresite_data()
    {
        QTest::addColumn<QString>("adresa");
        for (const char *a : {"", "1A", "A0", "A", "AAAAA1", "A-1", "A+1", "Ă1", "A1:", "A1:B", "A99999999999"})
            QTest::newRow(a[0] ? a : "gol") << QString::fromUtf8(a);
    }

    void adreseGresite()
    {
        QFETCH(QString, adresa);
        try {
            CitesteBlocCelule(adresa);
            QFAIL("adresa a fost primita");
        } catch (const EEroare &e) {
            QVERIFY(e.Mesaj().contains(QStringLiteral("nu este valida")));
        }
    }

    // Cells past the kept rows and columns only widen the used range; asking for them is refused.
    void foaieLimitata()
    {
        TFoaieDeCalcul foaie(QStringLiteral("F"));
        QVERIFY(foaie.ZonaFolosita().Goala());
        QVERIFY(!foaie.InZonaFolosita(1, 1));
        foaie.Pune(3, 2, TCelula::DinText(QStringLiteral("b3")));
        QCOMPARE(foaie.ZonaFolosita(), (TZonaFolosita{{3, 2}, {3, 2}}));
        QVERIFY(!foaie.InZonaFolosita(u"A1"));
        foaie.Pune(5000, 800, TCelula::DinText(QStringLiteral("departe")));
        QCOMPARE(foaie.ZonaFolosita(), (TZonaFolosita{{3, 2}, {5000, 800}}));
        QVERIFY(foaie.InZonaFolosita(u"ZZ999"));
        QCOMPARE(foaie.Celula(5000, 800).Tip, TCelula::tcGol);
        const QList<TCelula> bloc = foaie.CitesteBloc(u"B1:B1000");
        QCOMPARE(bloc.size(), 1000);
        QCOMPARE(TextCelula(bloc.at(2)), QStringLiteral("b3"));
        QVERIFY_THROWS_EXCEPTION(EEroare, foaie.CitesteBloc(u"B1:B1001"));
        QVERIFY_THROWS_EXCEPTION(EEroare, foaie.CitesteBloc(u"AAA1:AAA2"));
        QVERIFY_THROWS_EXCEPTION(EEroare, foaie.CitesteBloc(u"A1:B2"));
    }
};

QTEST_MAIN(TestCelulaFoaie)
#include "tst_celulafoaie.moc"
