#include "TZipTest.h"
#include "UArhivaZip.h"
#include "UDeschideRegistru.h"
#include "UEroare.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString MesajLaDeschidere(const QString &cale)
{
    try {
        auto r = DeschideRegistru(cale);
        r->Foaie(0);
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

QByteArray Citeste(const QString &cale)
{
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Scrie(const QString &cale, const QByteArray &date)
{
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(date);
}

} // namespace

class TestArhivaZip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void citesteIntrari()
    {
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("a.zip"));
        ScrieZip(cale, {{"unu.txt", "primul"}, {"dir/doi.xml", QByteArray(100000, 'x')}});
        TArhivaZip zip(cale);
        QVERIFY(zip.Contine(QStringLiteral("unu.txt")));
        QVERIFY(zip.Contine(QStringLiteral("DIR/DOI.XML")));
        QVERIFY(!zip.Contine(QStringLiteral("trei")));
        QCOMPARE(zip.Citeste(QStringLiteral("unu.txt")), QByteArray("primul"));
        QCOMPARE(zip.Citeste(QStringLiteral("dir/doi.xml")).size(), 100000);
        QVERIFY_THROWS_EXCEPTION(EEroare, zip.Citeste(QStringLiteral("trei")));
    }

    // A sheet part that inflates far past the bound is refused, not read.
    void bombaZip()
    {
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("bomba.xlsx"));
        QByteArray uriasa = "<worksheet><sheetData>";
        uriasa += QByteArray(TArhivaZip::LimitaDezarhivare + 1024, ' ');
        uriasa += "</sheetData></worksheet>";
        ScrieZip(cale, Xlsx(uriasa));
        uriasa.clear();
        QVERIFY(QFileInfo(cale).size() < 1024 * 1024);
        const QString mesaj = MesajLaDeschidere(cale);
        QVERIFY2(mesaj.contains(QStringLiteral("64 MiB")), qPrintable(mesaj));
    }

    // An archive that understates an entry's size is refused too: libzip stops at the declared size
    // and the checksum then fails; the inflated bytes are counted besides.
    void dimensiuneDeclarataFalsa()
    {
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("mincinos.zip"));
        const qint64 marime = TArhivaZip::LimitaDezarhivare + 4096;
        ScrieZip(cale, {{"x.bin", QByteArray(marime, 'a')}});
        QByteArray date = Citeste(cale);
        // Rewrite the 4-byte size fields (local header at 22, central directory entry at 24).
        const QByteArray real(reinterpret_cast<const char *>(&marime), 4);
        const QByteArray mic("\x10\0\0\0", 4);
        QCOMPARE(date.count(real), 2);
        date.replace(real, mic);
        Scrie(cale, date);
        try {
            TArhivaZip zip(cale);
            zip.Citeste(QStringLiteral("x.bin"));
            QFAIL("intrarea a fost citita");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().contains(QStringLiteral("64 MiB")) || e.Mesaj().contains(QStringLiteral("ZIP")),
                     qPrintable(e.Mesaj()));
        }
    }

    void arhiveStricate_data()
    {
        QTest::addColumn<QString>("stricaciune");
        QTest::newRow("trunchiata") << "trunchiata";
        QTest::newRow("date deteriorate") << "date";
        QTest::newRow("director central sters") << "director";
    }

    void arhiveStricate()
    {
        QFETCH(QString, stricaciune);
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("s.xlsx"));
        QByteArray foaie = "<sheetData>";
        for (int i = 1; i <= 2000; ++i)
            foaie += "<row r=\"" + QByteArray::number(i) + "\"><c t=\"inlineStr\"><is><t>rand " + QByteArray::number(i * 7919) + "</t></is></c></row>";
        ScrieZip(cale, Xlsx(foaie + "</sheetData>"));
        QByteArray date = Citeste(cale);
        if (stricaciune == u"trunchiata") {
            date.truncate(date.size() / 2);
        } else if (stricaciune == u"date") {
            // Flip bytes inside the sheet's compressed data, past its local header.
            const qsizetype i = date.indexOf("xl/worksheets/foaie.xml") + 200;
            for (qsizetype k = i; k < i + 64; ++k)
                date[k] = char(date[k] ^ 0x5A);
        } else {
            date.truncate(date.lastIndexOf("PK\x01\x02"));
        }
        Scrie(cale, date);
        const QString mesaj = MesajLaDeschidere(cale);
        QVERIFY2(mesaj.contains(QStringLiteral("ZIP")) || mesaj.contains(QStringLiteral("XML")), qPrintable(mesaj));
    }
};

QTEST_MAIN(TestArhivaZip)
#include "tst_arhivazip.moc"
