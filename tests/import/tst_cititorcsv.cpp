#include "UCititorCsv.h"
#include "UDeschideRegistru.h"
#include "UEroare.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every cell of the used range, from A1, as text.
QList<QStringList> Tabel(const TFoaieDeCalcul &foaie)
{
    QList<QStringList> randuri;
    const TZonaFolosita z = foaie.ZonaFolosita();
    if (z.Goala())
        return randuri;
    for (int r = 1; r <= z.Pana.Rand; ++r) {
        QStringList rand;
        for (int c = 1; c <= z.Pana.Coloana; ++c)
            rand.append(TextCelula(foaie.Celula(r, c)));
        randuri.append(rand);
    }
    return randuri;
}

} // namespace

class TestCititorCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void citeste_data()
    {
        QTest::addColumn<QByteArray>("octeti");
        QTest::addColumn<QList<QStringList>>("tabel");
        QTest::newRow("virgula") << QByteArray("a,b,c\n1,2,3\n") << QList<QStringList>{{"a", "b", "c"}, {"1", "2", "3"}};
        QTest::newRow("punct si virgula, zecimale cu virgula")
            << QByteArray("Nume;Nota\nIon;9,50\n") << QList<QStringList>{{"Nume", "Nota"}, {"Ion", "9,50"}};
        QTest::newRow("ghilimele cu separator")
            << QByteArray("\"Pop, Ion\",x\n") << QList<QStringList>{{"Pop, Ion", "x"}};
        QTest::newRow("ghilimele dublate")
            << QByteArray("a;\"zis \"\"Nelu\"\"\"\n") << QList<QStringList>{{"a", "zis \"Nelu\""}};
        QTest::newRow("rand nou in ghilimele, CRLF")
            << QByteArray("\"linia 1\r\nlinia 2\";b\r\nc;d\r\n")
            << QList<QStringList>{{"linia 1\r\nlinia 2", "b"}, {"c", "d"}};
        QTest::newRow("campuri goale") << QByteArray("a;;c\n;e;\n") << QList<QStringList>{{"a", "", "c"}, {"", "e", ""}};
        QTest::newRow("rand gol la mijloc") << QByteArray("a\n\nb") << QList<QStringList>{{"a"}, {""}, {"b"}};
        QTest::newRow("numai CR") << QByteArray("a,b\rc,d") << QList<QStringList>{{"a", "b"}, {"c", "d"}};
        QTest::newRow("utf8 cu BOM") << QByteArray("\xEF\xBB\xBFȘȚ;ăâî\n")
                                     << QList<QStringList>{{"ȘȚ", "ăâî"}};
        QTest::newRow("utf8 fara BOM") << QByteArray("Ștefan,Țuțu\n") << QList<QStringList>{{"Ștefan", "Țuțu"}};
        QTest::newRow("windows-1250") << QByteArray("\xAA\xDE;\xBA\xFE;\xC3\xE3\xC2\xE2\xCE\xEE\n")
                                      << QList<QStringList>{{"ŞŢ", "şţ", "ĂăÂâÎî"}};
        QTest::newRow("ghilimea neinchisa") << QByteArray("a;\"b;c\nd") << QList<QStringList>{{"a", "b;c\nd"}};
        QTest::newRow("gol") << QByteArray() << QList<QStringList>{};
    }

    void citeste()
    {
        QFETCH(QByteArray, octeti);
        QFETCH(QList<QStringList>, tabel);
        TCititorCsv csv(octeti, QStringLiteral("Foaie"));
        QCOMPARE(csv.NumeFoi(), QStringList{"Foaie"});
        QCOMPARE(Tabel(*csv.Foaie(0)), tabel);
    }

    void separator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("virgula") << "a,b,c" << QChar(u',');
        QTest::newRow("punct si virgula") << "a;b;c" << QChar(u';');
        QTest::newRow("zecimale dupa antet") << "a;b\n1,5;2,5,3,4" << QChar(u';');
        QTest::newRow("virgula in ghilimele") << "\"x,y,z\";b" << QChar(u';');
        QTest::newRow("niciunul") << "a" << QChar(u',');
    }

    void separator()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QCOMPARE(TCititorCsv::Separator(text), separator);
    }

    // A long file keeps only the rows the import may ask for, but reports its whole used range.
    void marginit()
    {
        QByteArray octeti;
        for (int i = 1; i <= 5000; ++i)
            octeti += "rand" + QByteArray::number(i) + ";x\n";
        octeti += QByteArray(800, ';') + "ultima\n";
        TCititorCsv csv(octeti, QStringLiteral("Mare"));
        auto foaie = csv.Foaie(0);
        QCOMPARE(foaie->ZonaFolosita(), (TZonaFolosita{{1, 1}, {5001, 801}}));
        QCOMPARE(TextCelula(foaie->Celula(1000, 1)), QStringLiteral("rand1000"));
        QCOMPARE(foaie->Celula(1001, 1).Tip, TCelula::tcGol);
        QVERIFY_THROWS_EXCEPTION(EEroare, foaie->CitesteBloc(u"A1:A1001"));
    }

    void dinFisier()
    {
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("elevi.csv"));
        QFile f(cale);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("CNP;Nume\n2990101123456;\xBAtefan\n");
        f.close();
        auto registru = DeschideRegistru(cale);
        QCOMPARE(registru->NumeFoi(), QStringList{"elevi"});
        QCOMPARE(TextCelula(registru->Foaie(0)->Celula(2, 2)), QStringLiteral("ştefan"));
    }
};

QTEST_MAIN(TestCititorCsv)
#include "tst_cititorcsv.moc"
