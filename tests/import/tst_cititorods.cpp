#include "TZipTest.h"
#include "UDeschideRegistru.h"
#include "UEroare.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::unique_ptr<TRegistru> Deschide(const QTemporaryDir &dir, const TIntrariZip &parti)
{
    const QString cale = dir.filePath(QStringLiteral("r.ods"));
    ScrieZip(cale, parti);
    return DeschideRegistru(cale);
}

QByteArray Tabel(const QByteArray &nume, const QByteArray &randuri)
{
    return "<table:table table:name=\"" + nume + "\">" + randuri + "</table:table>";
}

} // namespace

class TestCititorOds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tipuri_data()
    {
        QTest::addColumn<QByteArray>("celula");
        QTest::addColumn<QString>("text");
        QTest::newRow("text") << QByteArray("<table:table-cell office:value-type=\"string\"><text:p>Ştefan</text:p></table:table-cell>") << "Ştefan";
        QTest::newRow("paragrafe si spatii")
            << QByteArray("<table:table-cell office:value-type=\"string\"><text:p>a<text:s text:c=\"3\"/>b</text:p>"
                          "<text:p>c<text:tab/>d<text:line-break/>e</text:p></table:table-cell>")
            << "a   b\nc\td\ne";
        QTest::newRow("fara comentariu")
            << QByteArray("<table:table-cell office:value-type=\"string\"><office:annotation><text:p>nota</text:p>"
                          "</office:annotation><text:p>valoare</text:p></table:table-cell>")
            << "valoare";
        QTest::newRow("numar") << QByteArray("<table:table-cell office:value-type=\"float\" office:value=\"9.5\"><text:p>9.50</text:p></table:table-cell>") << "9,5";
        QTest::newRow("procent") << QByteArray("<table:table-cell office:value-type=\"percentage\" office:value=\"0.25\"/>") << "0,25";
        QTest::newRow("moneda") << QByteArray("<table:table-cell office:value-type=\"currency\" office:value=\"12.5\"/>") << "12,5";
        QTest::newRow("data") << QByteArray("<table:table-cell office:value-type=\"date\" office:date-value=\"2005-03-14\"/>") << "14/03/2005";
        QTest::newRow("data cu ora") << QByteArray("<table:table-cell office:value-type=\"date\" office:date-value=\"2005-03-14T13:30:00\"/>") << "14/03/2005 13:30:00";
        QTest::newRow("ora") << QByteArray("<table:table-cell office:value-type=\"time\" office:time-value=\"PT08H05M00S\"/>") << "08:05:00";
        QTest::newRow("adevarat") << QByteArray("<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>") << "True";
        QTest::newRow("fals") << QByteArray("<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\"/>") << "False";
        QTest::newRow("formula cu valoare")
            << QByteArray("<table:table-cell table:formula=\"of:=1/4\" office:value-type=\"float\" office:value=\"0.25\"/>") << "0,25";
        QTest::newRow("eroare")
            << QByteArray("<table:table-cell table:formula=\"of:=1/0\" office:value-type=\"string\" calcext:value-type=\"error\">"
                          "<text:p>#DIV/0!</text:p></table:table-cell>")
            << "#Eroare";
        QTest::newRow("goala") << QByteArray("<table:table-cell/>") << "";
    }

    void tipuri()
    {
        QFETCH(QByteArray, celula);
        QFETCH(QString, text);
        QTemporaryDir dir;
        auto r = Deschide(dir, Ods(Tabel("S", "<table:table-row>" + celula + "</table:table-row>")));
        QCOMPARE(TextCelula(r->Foaie(0)->Celula(1, 1)), text);
    }

    void foiRepetariUniri()
    {
        QTemporaryDir dir;
        auto r = Deschide(dir, Ods(Tabel("Prima", "<table:table-row><table:table-cell/></table:table-row>")
                                   + Tabel("A doua",
                                           "<table:table-column table:number-columns-repeated=\"3\"/>"
                                           "<table:table-header-rows><table:table-row>"
                                           "<table:table-cell office:value-type=\"string\" table:number-columns-spanned=\"2\" table:number-rows-spanned=\"2\"><text:p>unit</text:p></table:table-cell>"
                                           "<table:covered-table-cell/>"
                                           "<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"7\"/>"
                                           "</table:table-row></table:table-header-rows>"
                                           "<table:table-row table:number-rows-repeated=\"2\"><table:covered-table-cell table:number-columns-repeated=\"2\"/>"
                                           "<table:table-cell office:value-type=\"string\"><text:p>r</text:p></table:table-cell></table:table-row>"
                                           // Trailing empty rows, as office programs write them, use nothing.
                                           "<table:table-row table:number-rows-repeated=\"1048573\"><table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>")));
        QCOMPARE(r->NumeFoi(), (QStringList{"Prima", "A doua"}));
        QVERIFY(r->Foaie(0)->ZonaFolosita().Goala());
        auto f = r->Foaie(1);
        QCOMPARE(f->ZonaFolosita(), (TZonaFolosita{{1, 1}, {3, 4}}));
        QCOMPARE(TextCelula(f->Celula(1, 1)), QStringLiteral("unit"));
        QCOMPARE(f->Celula(1, 2).Tip, TCelula::tcGol);
        QCOMPARE(TextCelula(f->Celula(1, 3)), QStringLiteral("7"));
        QCOMPARE(TextCelula(f->Celula(1, 4)), QStringLiteral("7"));
        QCOMPARE(TextCelula(f->Celula(2, 3)), QStringLiteral("r"));
        QCOMPARE(TextCelula(f->Celula(3, 3)), QStringLiteral("r"));
    }

    // A cell repeated over a million rows and a thousand columns costs only the kept cells.
    void repetareUriasa()
    {
        QTemporaryDir dir;
        QElapsedTimer t;
        t.start();
        auto r = Deschide(dir, Ods(Tabel("S", "<table:table-row table:number-rows-repeated=\"1048576\">"
                                              "<table:table-cell table:number-columns-repeated=\"16384\" office:value-type=\"string\">"
                                              "<text:p>x</text:p></table:table-cell></table:table-row>"
                                              "<table:table-row table:number-rows-repeated=\"999999999999\">"
                                              "<table:table-cell office:value-type=\"float\" office:value=\"1\"/></table:table-row>")));
        auto f = r->Foaie(0);
        QCOMPARE(f->ZonaFolosita().De, (TAdresaCelula{1, 1}));
        QCOMPARE(f->ZonaFolosita().Pana.Coloana, 16384);
        QVERIFY(f->ZonaFolosita().Pana.Rand > 1048576);
        QCOMPARE(TextCelula(f->Celula(1000, 702)), QStringLiteral("x"));
        QCOMPARE(f->Celula(1001, 1).Tip, TCelula::tcGol);
        QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed())));
    }

    void refuzuri_data()
    {
        QTest::addColumn<QByteArray>("mimetype");
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("inMesaj");
        QTest::newRow("document text") << QByteArray("application/vnd.oasis.opendocument.text")
                                       << QByteArray("<r/>") << "nu este o foaie de calcul";
        QTest::newRow("doctype") << QByteArray("application/vnd.oasis.opendocument.spreadsheet")
                                 << QByteArray("<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><r>&e;</r>") << "DOCTYPE";
        QTest::newRow("xml stricat") << QByteArray("application/vnd.oasis.opendocument.spreadsheet")
                                     << QByteArray("<r><table:table>") << "nu este un XML valid";
    }

    void refuzuri()
    {
        QFETCH(QByteArray, mimetype);
        QFETCH(QByteArray, continut);
        QFETCH(QString, inMesaj);
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("r.ods"));
        ScrieZip(cale, {{"mimetype", mimetype}, {"content.xml", continut}});
        try {
            DeschideRegistru(cale);
            QFAIL("fisier primit");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().contains(inMesaj), qPrintable(e.Mesaj()));
        }
    }
};

QTEST_MAIN(TestCititorOds)
#include "tst_cititorods.moc"
