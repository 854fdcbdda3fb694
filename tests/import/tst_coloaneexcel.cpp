#include "UAdresaA1.h"
#include "UColoaneExcel.h"
#include "UDeschideRegistru.h"
#include "URutineComune.h"

#include <QtTest>

namespace {
QString Fixtura(const QString &nume) { return QStringLiteral(CERTAVO_TEST_DATA "/") + nume; }

TFoaieDeCalcul FoaieCu(const QList<std::tuple<int, int, QString>> &celule)
{
    TFoaieDeCalcul f(QStringLiteral("F"));
    for (const auto &[r, c, t] : celule)
        f.Pune(r, c, TCelula::DinText(t));
    return f;
}
const QString Cnp = QStringLiteral("5050314400116");
} // namespace

class TestColoaneExcel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coloanaUrmatoare_data()
    {
        QTest::addColumn<QString>("litere");
        QTest::addColumn<QString>("urmatoarea");
        QTest::newRow("A") << "A" << "B";
        QTest::newRow("Y") << "Y" << "Z";
        QTest::newRow("Z") << "Z" << "AA";
        QTest::newRow("AA") << "AA" << "AB";
        QTest::newRow("AZ") << "AZ" << "BA";
        QTest::newRow("ZY") << "ZY" << "ZZ";
        QTest::newRow("ZZ") << "ZZ" << "AAA";
    }
    void coloanaUrmatoare()
    {
        QFETCH(QString, litere);
        QFETCH(QString, urmatoarea);
        QCOMPARE(ColoanaUrmatoare(litere), urmatoarea);
    }

    // Every name from "A" to "ZZ" follows its predecessor, 702 in all.
    void toateColoanele()
    {
        QString l = QStringLiteral("A");
        int n = 1;
        for (; l.size() <= 2; l = ColoanaUrmatoare(l), ++n)
            QCOMPARE(ColoanaDinLitere(l), n);
        QCOMPARE(n - 1, UltimaColoanaCitita);
    }

    void limite_data()
    {
        QTest::addColumn<int>("randuri");
        QTest::addColumn<int>("coloana");
        QTest::addColumn<int>("randuriCitite");
        QTest::addColumn<int>("coloaneCitite");
        QTest::addColumn<bool>("trunchiat");
        QTest::newRow("un rand") << 1 << 2 << 1 << 2 << false;
        QTest::newRow("998") << 998 << 3 << 998 << 3 << false;
        // Exactly 999 rows: nothing is left out, so nothing is said.
        QTest::newRow("999") << 999 << 3 << 999 << 3 << false;
        QTest::newRow("1000") << 1000 << 3 << 999 << 3 << true;
        QTest::newRow("5000") << 5000 << 3 << 999 << 3 << true;
        QTest::newRow("Z") << 2 << 26 << 2 << 26 << false;
        QTest::newRow("ZZ") << 2 << 702 << 2 << 702 << false;
        QTest::newRow("dincolo de ZZ") << 2 << 900 << 2 << 702 << false;
    }
    void limite()
    {
        QFETCH(int, randuri);
        QFETCH(int, coloana);
        QFETCH(int, randuriCitite);
        QFETCH(int, coloaneCitite);
        QFETCH(bool, trunchiat);
        TFoaieDeCalcul f = FoaieCu({{1, 1, QStringLiteral("antet")}, {randuri, coloana, QStringLiteral("ultima")}});
        TListaColoaneExcel c;
        QCOMPARE(CitesteColoaneExcel(f, c), trunchiat);
        QCOMPARE(c.Count(), coloaneCitite);
        QCOMPARE(c.NrRanduri(), randuriCitite);
        for (int i = 0; i < c.Count(); ++i) {
            QCOMPARE(c.Item(i).Litere, LitereColoana(i + 1));
            QCOMPARE(c.Item(i).size(), randuriCitite);
        }
        QCOMPARE(c.Item(0).at(0), QStringLiteral("antet"));
        if (randuri <= 999 && coloana <= 702)
            QCOMPARE(c.Item(coloana - 1).at(randuri - 1), QStringLiteral("ultima"));
    }

    // A sheet whose first row and column are blank still gives its data (cells before the used
    // range read as empty), and a one-row sheet is read as values, not as errors.
    void zonaFaraA1()
    {
        TFoaieDeCalcul f = FoaieCu({{3, 2, QStringLiteral(" Pop Ion ")}, {3, 3, Cnp}});
        TListaColoaneExcel c;
        QVERIFY(!CitesteColoaneExcel(f, c));
        QCOMPARE(c.Count(), 3);
        QCOMPARE(c.NrRanduri(), 3);
        PastreazaRandurileCuCnp(c);
        QCOMPARE(c.NrRanduri(), 1);
        QCOMPARE(c.Item(0).at(0), QString());
        QCOMPARE(c.Item(1).at(0), QStringLiteral("Pop Ion"));
        QCOMPARE(c.Item(2).at(0), Cnp);

        TListaColoaneExcel unRand;
        CitesteColoaneExcel(FoaieCu({{1, 1, Cnp}}), unRand);
        PastreazaRandurileCuCnp(unRand);
        QCOMPARE(unRand.Item(0), QStringList{Cnp});
    }

    void foaieGoala()
    {
        TListaColoaneExcel c;
        c.Adauga(QStringLiteral("X")) << QStringLiteral("vechi");
        QVERIFY(!CitesteColoaneExcel(TFoaieDeCalcul(), c));
        QCOMPARE(c.Count(), 0);
        QCOMPARE(c.NrRanduri(), 0);
    }

    void arataCaUnCnp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cnp");
        QTest::newRow("13 cifre") << "1234567890123" << true;
        QTest::newRow("12 cifre") << "123456789012" << false;
        QTest::newRow("14 cifre") << "12345678901234" << false;
        QTest::newRow("litera") << "123456789012a" << false;
        QTest::newRow("cu blanc") << "123456789012 " << false;
        QTest::newRow("zecimal") << "123456789012,5" << false;
        QTest::newRow("cifre arabe-indiene") << QString::fromUtf8("١٢٣٤٥٦٧٨٩٠١٢٣") << false;
        QTest::newRow("gol") << "" << false;
    }
    void arataCaUnCnp()
    {
        QFETCH(QString, text);
        QFETCH(bool, cnp);
        QCOMPARE(ArataCaUnCnp(text), cnp);
    }

    // Rows with a 13-digit text in any column stay, in order; the others go from every column.
    void pastreazaRandurileCuCnp()
    {
        TListaColoaneExcel c;
        c.Adauga(QStringLiteral("A")) << "Nume" << "" << "Pop" << "Total" << "Fara" << "Ion";
        c.Adauga(QStringLiteral("B")) << "CNP" << "" << Cnp << "" << "" << "2980101014411";
        c.Adauga(QStringLiteral("C")) << "Tel" << "" << "" << "" << "0721000000123" << "";
        PastreazaRandurileCuCnp(c);
        QCOMPARE(c.Item(0), (QStringList{"Pop", "Fara", "Ion"}));
        QCOMPARE(c.Item(1), (QStringList{Cnp, "", "2980101014411"}));
        QCOMPARE(c.Item(2), (QStringList{"", "0721000000123", ""}));
        QVERIFY(c.DupaLitere(QStringLiteral("B")) == &c.Item(1));
        QVERIFY(!c.DupaLitere(QStringLiteral("D")));
    }

    // The fixture written by SheetJS, in every format: title, blank and totals rows go, typed
    // cells become the import's texts, the 30th column is read.
    void registruElevi_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::newRow("xls") << "elevi.xls";
        QTest::newRow("xlsx") << "elevi.xlsx";
        QTest::newRow("ods") << "elevi.ods";
    }
    void registruElevi()
    {
        QFETCH(QString, fisier);
        auto registru = DeschideRegistru(Fixtura(fisier));
        QCOMPARE(registru->NumeFoi(), (QStringList{"Elevi", "Lung", "Fara CNP"}));
        TListaColoaneExcel c;
        QVERIFY(!CitesteColoaneExcel(*registru->Foaie(0), c));
        QCOMPARE(c.Count(), 30);
        QCOMPARE(c.Item(29).Litere, QStringLiteral("AD"));
        QCOMPARE(c.NrRanduri(), 11);
        PastreazaRandurileCuCnp(c);
        QCOMPARE(c.NrRanduri(), 5);
        const TColoanaExcel &cnp = *c.DupaLitere(QStringLiteral("C"));
        for (const QString &s : cnp)
            QVERIFY2(CnpValid(s), qPrintable(s));
        QCOMPARE(cnp.at(2), QStringLiteral("1991231050330")); // stored as a number
        QCOMPARE(*c.DupaLitere(QStringLiteral("A")), (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(*c.DupaLitere(QStringLiteral("B")),
                 (QStringList{"Popescu Ion Marius", "Ionescu   Maria", "Georgescu Andrei", "Dumitru Elena-Ioana",
                              "Stan"}));
        QCOMPARE(*c.DupaLitere(QStringLiteral("D")), (QStringList{"9,75", "10", "8,5", "9,25", ""}));
        QCOMPARE(*c.DupaLitere(QStringLiteral("E")),
                 (QStringList{"14/03/2005", "29/02/2004", "31/12/1999", "01/01/1998", ""}));
        QCOMPARE(*c.DupaLitere(QStringLiteral("K")), (QStringList{"k1", "", "k3", "", "k5"}));
        QCOMPARE(*c.DupaLitere(QStringLiteral("AD")),
                 (QStringList{"Mecanic auto", "Coafor", "Sudor", "", "Ospatar"}));
    }
};

QTEST_MAIN(TestColoaneExcel)
#include "tst_coloaneexcel.moc"
