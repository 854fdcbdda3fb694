#include "TZipTest.h"
#include "UDeschideRegistru.h"
#include "UEroare.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::unique_ptr<TRegistru> Deschide(const QTemporaryDir &dir, const TIntrariZip &parti)
{
    const QString cale = dir.filePath(QStringLiteral("r.xlsx"));
    ScrieZip(cale, parti);
    return DeschideRegistru(cale);
}

QString Mesaj(const QTemporaryDir &dir, const TIntrariZip &parti)
{
    try {
        Deschide(dir, parti)->Foaie(0);
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

// Cell style 1 shows dates (built-in format 14), style 2 a custom date, style 3 a number.
const QByteArray Stiluri =
    "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"[Red]0.00;&quot;minus&quot;0\"/></numFmts>"
    "<cellXfs count=\"4\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/></cellXfs>";

} // namespace

class TestCititorXlsx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tipuri_data()
    {
        QTest::addColumn<QByteArray>("celula");
        QTest::addColumn<QString>("text");
        QTest::newRow("text comun") << QByteArray("<c r=\"A1\" t=\"s\"><v>1</v></c>") << "Ştefan";
        QTest::newRow("text comun cu formatare") << QByteArray("<c r=\"A1\" t=\"s\"><v>2</v></c>") << "Ana Maria";
        QTest::newRow("text in celula") << QByteArray("<c r=\"A1\" t=\"inlineStr\"><is><t>Țăran</t></is></c>") << "Țăran";
        QTest::newRow("numar") << QByteArray("<c r=\"A1\"><v>9.5</v></c>") << "9,5";
        QTest::newRow("numar cu format fara data") << QByteArray("<c r=\"A1\" s=\"3\"><v>9.25</v></c>") << "9,25";
        QTest::newRow("adevarat") << QByteArray("<c r=\"A1\" t=\"b\"><v>1</v></c>") << "True";
        QTest::newRow("fals") << QByteArray("<c r=\"A1\" t=\"b\"><v>0</v></c>") << "False";
        QTest::newRow("eroare") << QByteArray("<c r=\"A1\" t=\"e\"><v>#DIV/0!</v></c>") << "#Eroare";
        QTest::newRow("formula numar") << QByteArray("<c r=\"A1\"><f>1/4</f><v>0.25</v></c>") << "0,25";
        QTest::newRow("formula text") << QByteArray("<c r=\"A1\" t=\"str\"><f>\"a\"&amp;\"b\"</f><v>ab</v></c>") << "ab";
        QTest::newRow("formula fara valoare") << QByteArray("<c r=\"A1\"><f>B1</f></c>") << "";
        QTest::newRow("data incorporata") << QByteArray("<c r=\"A1\" s=\"1\"><v>38425</v></c>") << "14/03/2005";
        QTest::newRow("data cu ora") << QByteArray("<c r=\"A1\" s=\"2\"><v>38425.5625</v></c>") << "14/03/2005 13:30:00";
        QTest::newRow("data ISO") << QByteArray("<c r=\"A1\" t=\"d\"><v>2005-03-14T08:00:00</v></c>") << "14/03/2005 08:00:00";
        QTest::newRow("goala") << QByteArray("<c r=\"A1\" s=\"1\"/>") << "";
    }

    void tipuri()
    {
        QFETCH(QByteArray, celula);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QByteArray texte = "<si><t>nefolosit</t></si><si><t>Ştefan</t></si>"
                                 "<si><r><t>Ana</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\"> Maria</t></r>"
                                 "<rPh><t>fonetic</t></rPh></si>";
        auto r = Deschide(dir, Xlsx("<sheetData><row r=\"1\">" + celula + "</row></sheetData>", texte, Stiluri));
        QCOMPARE(TextCelula(r->Foaie(0)->Celula(1, 1)), text);
        QCOMPARE(r->Foaie(0)->ZonaFolosita(), (TZonaFolosita{{1, 1}, {1, 1}}));
    }

    void sistemDeDate_data()
    {
        QTest::addColumn<QByteArray>("workbookPr");
        QTest::addColumn<QString>("text");
        QTest::newRow("1900") << QByteArray() << "14/03/2005";
        QTest::newRow("1900 explicit") << QByteArray("<workbookPr date1904=\"0\"/>") << "14/03/2005";
        QTest::newRow("1904") << QByteArray("<workbookPr date1904=\"1\"/>") << "15/03/2009";
        QTest::newRow("1904 true") << QByteArray("<workbookPr date1904=\"true\"/>") << "15/03/2009";
    }

    void sistemDeDate()
    {
        QFETCH(QByteArray, workbookPr);
        QFETCH(QString, text);
        QTemporaryDir dir;
        auto r = Deschide(dir, Xlsx("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"><v>38425</v></c></row></sheetData>",
                                    {}, Stiluri, workbookPr));
        QCOMPARE(TextCelula(r->Foaie(0)->Celula(1, 1)), text);
    }

    // Cells and rows without an address follow the previous one; a merged area is used as a whole.
    void adreseSiUniri()
    {
        QTemporaryDir dir;
        auto r = Deschide(dir, Xlsx("<sheetData><row r=\"2\"><c r=\"B2\"><v>1</v></c><c><v>2</v></c></row>"
                                    "<row><c><v>3</v></c></row></sheetData>"
                                    "<mergeCells count=\"1\"><mergeCell ref=\"C3:E6\"/></mergeCells>"));
        auto f = r->Foaie(0);
        QCOMPARE(TextCelula(f->Celula(2, 2)), QStringLiteral("1"));
        QCOMPARE(TextCelula(f->Celula(2, 3)), QStringLiteral("2"));
        QCOMPARE(TextCelula(f->Celula(3, 1)), QStringLiteral("3"));
        QCOMPARE(f->ZonaFolosita(), (TZonaFolosita{{2, 1}, {6, 5}}));
        QVERIFY(!f->InZonaFolosita(u"A1"));
        QCOMPARE(f->Celula(4, 4).Tip, TCelula::tcGol);
    }

    // A cell at the far corner of the sheet widens the used range without costing memory.
    void foaieUriasa()
    {
        QTemporaryDir dir;
        QElapsedTimer t;
        t.start();
        auto r = Deschide(dir, Xlsx("<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"
                                    "<row r=\"1048576\"><c r=\"XFD1048576\"><v>2</v></c></row></sheetData>"));
        auto f = r->Foaie(0);
        QCOMPARE(f->ZonaFolosita(), (TZonaFolosita{{1, 1}, {1048576, 16384}}));
        QVERIFY(f->InZonaFolosita(u"ZZ999"));
        QCOMPARE(f->CitesteBloc(u"ZZ1:ZZ1000").size(), 1000);
        QVERIFY_THROWS_EXCEPTION(EEroare, f->CitesteBloc(u"A1:A1001"));
        QVERIFY(t.elapsed() < 5000);
    }

    void refuzuri_data()
    {
        QTest::addColumn<QByteArray>("foaie");
        QTest::addColumn<QString>("inMesaj");
        QTest::newRow("text comun inexistent")
            << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c></row></sheetData>") << "textul comun 7";
        QTest::newRow("text comun negativ")
            << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>-1</v></c></row></sheetData>") << "textul comun -1";
        QTest::newRow("numar invalid")
            << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\"><v>nouă</v></c></row></sheetData>") << "nu este valida";
        QTest::newRow("adresa invalida")
            << QByteArray("<sheetData><row r=\"1\"><c r=\"1A\"><v>1</v></c></row></sheetData>") << "nu este valida";
        QTest::newRow("rand invalid")
            << QByteArray("<sheetData><row r=\"0\"><c><v>1</v></c></row></sheetData>") << "linie invalid";
        QTest::newRow("xml trunchiat") << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\"><v>1") << "nu este un XML valid";
        QTest::newRow("entitate nedeclarata")
            << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" t=\"str\"><v>&xxe;</v></c></row></sheetData>")
            << "nu este un XML valid";
        QTest::newRow("doctype cu entitate externa")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>"
                          "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"str\"><v>&xxe;</v></c></row></sheetData></worksheet>")
            << "DOCTYPE";
        QTest::newRow("doctype cu entitati in lant")
            << QByteArray("<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]><w><sheetData><row><c t=\"str\"><v>&c;</v></c></row></sheetData></w>")
            << "DOCTYPE";
    }

    void refuzuri()
    {
        QFETCH(QByteArray, foaie);
        QFETCH(QString, inMesaj);
        QTemporaryDir dir;
        const QString mesaj = Mesaj(dir, Xlsx(foaie, "<si><t>unu</t></si>"));
        QVERIFY2(mesaj.contains(inMesaj), qPrintable(mesaj));
    }

    void doctypeInTexteComune()
    {
        QTemporaryDir dir;
        TIntrariZip parti = Xlsx("<sheetData/>");
        parti.append(TIntrariZip::value_type{"xl/sharedStrings.xml",
                      "<!DOCTYPE sst SYSTEM \"http://exemplu.invalid/x.dtd\"><sst><si><t>x</t></si></sst>"});
        const QString cale = dir.filePath(QStringLiteral("r.xlsx"));
        ScrieZip(cale, parti);
        try {
            DeschideRegistru(cale);
            QFAIL("DOCTYPE primit");
        } catch (const EEroare &e) {
            QVERIFY(e.Mesaj().contains(QStringLiteral("xl/sharedStrings.xml")));
            QVERIFY(e.Mesaj().contains(QStringLiteral("DOCTYPE")));
        }
    }

    // The stream reader alone never reads what an external entity names.
    void entitateaExternaNuSeCiteste()
    {
        QTemporaryDir dir;
        const QString secret = dir.filePath(QStringLiteral("secret.txt"));
        QFile f(secret);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("SECRET");
        f.close();
        const QByteArray xml = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e SYSTEM \"file://"
                               + QFile::encodeName(secret) + "\">]><r>&e;</r>";
        QXmlStreamReader x(xml);
        QString tot;
        while (!x.atEnd() && !x.hasError()) {
            x.readNext();
            tot += x.text();
        }
        QVERIFY(!tot.contains(QStringLiteral("SECRET")));
    }

    void faraFoi()
    {
        QTemporaryDir dir;
        TIntrariZip parti = Xlsx("<sheetData/>");
        parti[0].second = "<workbook><sheets/></workbook>";
        QCOMPARE(Mesaj(dir, parti), QStringLiteral("Fisierul nu contine nicio foaie de calcul"));
    }

    void foaiaLipsa()
    {
        QTemporaryDir dir;
        TIntrariZip parti = Xlsx("<sheetData/>");
        parti.removeIf([](const auto &p) { return p.first == QStringLiteral("xl/worksheets/foaie.xml"); });
        QVERIFY(Mesaj(dir, parti).contains(QStringLiteral("xl/worksheets/foaie.xml")));
    }
};

QTEST_MAIN(TestCititorXlsx)
#include "tst_cititorxlsx.moc"
