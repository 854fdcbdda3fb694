#include "UCititorXls.h"
#include "UEroare.h"
#include "UFluxRegistruXls.h"
#include "UVerificareBiff.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <bit>

#include <QtTest>

namespace {

QByteArray Le(quint64 v, int octeti)
{
    QByteArray b;
    for (int i = 0; i < octeti; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray R(quint16 tip, const QByteArray &date)
{
    return Le(tip, 2) + Le(quint64(date.size()), 2) + date;
}

QByteArray Bof(quint16 versiune = 0x0600)
{
    return R(0x0809, Le(versiune, 2) + Le(0x0010, 2) + QByteArray(12, '\0'));
}

const QByteArray Eof = R(0x000A, {});

QByteArray Dim8(quint32 randuri, quint16 coloane)
{
    return R(0x0200, Le(0, 4) + Le(randuri, 4) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

QByteArray Dim5(quint16 randuri, quint16 coloane)
{
    return R(0x0200, Le(0, 2) + Le(randuri, 2) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

QByteArray Numar(quint16 rand, quint16 coloana)
{
    return R(0x0203, Le(rand, 2) + Le(coloana, 2) + Le(0, 2) + Le(0, 8));
}

// A BIFF8 LABEL with a one-byte-per-character text; `lungime` may lie about the text.
QByteArray Eticheta(quint16 lungime, const QByteArray &text)
{
    return R(0x0204, Le(0, 6) + Le(lungime, 2) + QByteArray(1, '\0') + text);
}

QByteArray Sst(quint32 siruri, const QByteArray &date)
{
    return R(0x00FC, Le(siruri, 4) + Le(siruri, 4) + date);
}

QByteArray Continuare(const QByteArray &date)
{
    return R(0x003C, date);
}

// A FORMULA record in A1 with the cell format `xf` and the 8-byte cached result.
QByteArray Formula(const QByteArray &rezultat, quint16 xf = 0)
{
    return R(0x0006, Le(0, 4) + Le(xf, 2) + rezultat + Le(0, 8));
}

QByteArray RezultatNumar(double v)
{
    return Le(qToLittleEndian(std::bit_cast<quint64>(v)), 8);
}

// A result that is no number: 0 a text (in the STRING after), 1 a boolean, 2 an error.
QByteArray RezultatSpecial(char fel, char valoare = 0)
{
    return QByteArray(1, fel) + '\0' + valoare + QByteArray(3, '\0') + "\xFF\xFF";
}

QByteArray Xf(quint16 format)
{
    return R(0x00E0, Le(0, 2) + Le(format, 2) + QByteArray(16, '\0'));
}

QByteArray Foaie(quint32 inceput)
{
    return R(0x0085, Le(inceput, 4) + QByteArray(2, '\0') + char(5) + '\0' + "Foaie");
}

// Globals with the given records and a BOUNDSHEET for each sheet, then the sheets' substreams.
QByteArray Registru(const QByteArray &globale, const QList<QByteArray> &foi, quint16 versiune = 0x0600)
{
    qsizetype pozitie = Bof(versiune).size() + globale.size() + foi.size() * Foaie(0).size() + Eof.size();
    QByteArray liste, subfluxuri;
    for (const QByteArray &f : foi) {
        liste += Foaie(quint32(pozitie));
        const QByteArray subflux = Bof(versiune) + f + Eof;
        subfluxuri += subflux;
        pozitie += subflux.size();
    }
    return Bof(versiune) + globale + liste + Eof + subfluxuri;
}

} // namespace

class TestVerificareBiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What FreeXL reads safely passes, with the cells it will allocate; what would make it read
    // past a record, a table of its own or allocate without bound is refused.
    void fluxuri_data()
    {
        QTest::addColumn<QByteArray>("flux");
        QTest::addColumn<qint64>("celule"); // -1: refused
        QTest::addColumn<QString>("inMesaj");
        QTest::newRow("o foaie") << Registru({}, {Dim8(4, 7) + Numar(1, 1) + Eticheta(3, "abc")}) << qint64(28) << "";
        QTest::newRow("biff5") << Registru({}, {Dim5(10, 3)}, 0x0500) << qint64(30) << "";
        QTest::newRow("doua foi") << Registru({}, {Dim8(4, 7), Dim8(2, 2)}) << qint64(32) << "";
        QTest::newRow("foaie fara dimensiune") << Registru({}, {Numar(9, 2)}) << qint64(30) << "";
        QTest::newRow("ultima foaie fara dimensiune") << Registru({}, {Dim8(2, 2), Numar(9, 2)}) << qint64(34) << "";
        // FreeXL ignores a DIMENSION outside a sheet.
        QTest::newRow("dimensiune in afara foilor") << Bof() + Dim8(65536, 256) + Eof << qint64(0) << "";
        QTest::newRow("sir impartit in continuare")
            << Registru(Sst(1, Le(10, 2) + '\0' + "abcd") + Continuare(QByteArray(1, '\0') + "efghij"), {})
            << qint64(0) << "";
        // The second half of the first string's formatting runs opens the CONTINUE record.
        QTest::newRow("formatare trecuta in continuare")
            << Registru(Sst(2, Le(3, 2) + '\x08' + Le(2, 2) + "abc" + QByteArray(4, 'r'))
                            + Continuare(QByteArray(4, 'r') + Le(2, 2) + '\0' + "xy"),
                        {})
            << qint64(0) << "";
        QTest::newRow("zerouri dupa registru") << Registru({}, {Dim8(1, 1)}) + QByteArray(300, '\0') << qint64(1) << "";
        // FreeXL stops reading there by itself, with an error of its own.
        QTest::newRow("record dupa ultimul EOF") << Bof() + Eof + R(0x1234, "x") + Eticheta(9000, "a")
                                                 << qint64(0) << "";

        const QString deteriorat = QStringLiteral("deteriorat");
        QTest::newRow("eticheta peste record") << Registru({}, {Dim8(4, 4) + Eticheta(40000, "abc")})
                                               << qint64(-1) << deteriorat;
        QTest::newRow("eticheta biff5 peste record")
            << Registru({}, {Dim5(4, 4) + R(0x0204, Le(0, 6) + Le(500, 2) + "abc")}, 0x0500) << qint64(-1)
            << deteriorat;
        QTest::newRow("eticheta de lungime zero") << Registru({}, {Dim8(4, 4) + Eticheta(0, {})}) << qint64(-1)
                                                  << deteriorat;
        QTest::newRow("sir mai lung decat continuarea")
            << Registru(Sst(1, Le(5000, 2) + '\x01' + "ab") + Continuare('\x01' + QByteArray("cdef")), {})
            << qint64(-1) << deteriorat;
        QTest::newRow("formatare peste recordul urmator")
            << Registru(Sst(2, Le(1, 2) + '\x08' + Le(60000, 2) + "a") + Continuare(Le(1, 2) + '\0' + "b"), {})
            << qint64(-1) << deteriorat;
        QTest::newRow("antet de sir peste record") << Registru(Sst(1, Le(3, 2) + '\x0C' + Le(1, 2)), {})
                                                   << qint64(-1) << deteriorat;
        QTest::newRow("sir de lungime zero") << Registru(Sst(1, Le(0, 2) + '\0'), {}) << qint64(-1) << deteriorat;
        QTest::newRow("doua milioane de siruri") << Registru(Sst(2'000'000, {}), {}) << qint64(-1) << deteriorat;
        QTest::newRow("nume de foaie peste record")
            << Registru(R(0x0085, Le(0, 4) + QByteArray(2, '\0') + char(200) + '\0' + "Elevi"), {})
            << qint64(-1) << deteriorat;
        QTest::newRow("format peste record") << Registru(R(0x041E, Le(164, 2) + Le(300, 2) + '\0' + "0.00"), {})
                                             << qint64(-1) << deteriorat;
        QByteArray formate;
        for (int i = 0; i < 8193; ++i)
            formate += R(0x00E0, QByteArray(20, '\0'));
        QTest::newRow("prea multe formate de celula") << Registru(formate, {}) << qint64(-1) << deteriorat;
        QTest::newRow("numar scurt") << Registru({}, {Dim8(1, 1) + R(0x0203, Le(0, 4))}) << qint64(-1) << deteriorat;
        QTest::newRow("record trunchiat") << Registru({}, {{}}) + Numar(1, 1).left(10) << qint64(-1) << deteriorat;
        QTest::newRow("record peste 8224 de octeti") << Bof() + R(0x00FC, QByteArray(8225, '\0')) << qint64(-1)
                                                     << deteriorat;
        QTest::newRow("octeti nenuli ramasi") << Registru({}, {{}}) + "\x01\x02" << qint64(-1) << deteriorat;
        QTest::newRow("doua dimensiuni intr-o foaie") << Registru({}, {Dim8(2, 2) + Dim8(3, 3)}) << qint64(-1)
                                                      << deteriorat;
        const QString foaieNecitita = QStringLiteral("foaie pe care nu o pot citi");
        QTest::newRow("foaie fara dimensiune inaintea alteia") << Registru({}, {Numar(1, 1), Dim8(2, 2)}) << qint64(-1)
                                                               << foaieNecitita;
        QTest::newRow("foaie listata fara subflux") << Registru(Foaie(7), {Dim8(1, 1)}) << qint64(-1) << foaieNecitita;
        QTest::newRow("foi declarate prea mari") << Registru({}, {Dim8(65536, 256)}) << qint64(-1) << "foi prea mari";
        QTest::newRow("foaie fara dimensiune, zona uriasa") << Registru({}, {Numar(65535, 255)}) << qint64(-1)
                                                            << "foi prea mari";
        QTest::newRow("versiune necunoscuta") << Bof(0x0200) + Eticheta(9000, "a") << qint64(-1) << "Excel 97-2003";
        QTest::newRow("fara BOF") << Eticheta(9000, "a") << qint64(-1) << "Excel 97-2003";
        QTest::newRow("parola") << Bof() + R(0x002F, Le(0, 4)) + Eticheta(9000, "a") << qint64(-1) << "parola";
    }

    void fluxuri()
    {
        QFETCH(QByteArray, flux);
        QFETCH(qint64, celule);
        QFETCH(QString, inMesaj);
        try {
            const TVerificareBiff verificare(flux);
            QCOMPARE(verificare.Celule(), celule);
        } catch (const EEroare &e) {
            QVERIFY2(celule < 0, qPrintable(e.Mesaj()));
            QVERIFY2(e.Mesaj().contains(inMesaj), qPrintable(e.Mesaj()));
        }
    }

    // What FreeXL leaves out (formula results) or gives as numbers (booleans, errors) is kept,
    // typed as FreeXL types a number by its cell format.
    void corectii_data()
    {
        QTest::addColumn<QByteArray>("globale");
        QTest::addColumn<QByteArray>("foaie");
        QTest::addColumn<TCelula>("asteptat");
        const QDateTime ziua(QDate(2005, 3, 14), QTime(0, 0));
        QTest::newRow("formula, numar") << QByteArray() << Formula(RezultatNumar(9.75)) << TCelula::DinNumar(9.75);
        QTest::newRow("formula, data") << Xf(14) << Formula(RezultatNumar(38425)) << TCelula::DinData(ziua);
        QTest::newRow("formula, format propriu de data")
            << R(0x041E, Le(164, 2) + Le(10, 2) + '\0' + "dd/mm/yyyy") + Xf(0) + Xf(164)
            << Formula(RezultatNumar(38425.5), 1) << TCelula::DinData(ziua);
        QTest::newRow("formula, ora") << Xf(20) << Formula(RezultatNumar(0.5))
                                      << TCelula::DinData(QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
        QTest::newRow("formula, sistemul 1904") << R(0x0022, Le(1, 2)) + Xf(14) << Formula(RezultatNumar(36963))
                                                << TCelula::DinData(ziua);
        QTest::newRow("formula, text") << QByteArray()
                                       << Formula(RezultatSpecial(0)) + R(0x0207, Le(3, 2) + '\0' + "abc")
                                       << TCelula::DinText(QStringLiteral("abc"));
        QTest::newRow("formula, text UTF-16")
            << QByteArray() << Formula(RezultatSpecial(0)) + R(0x0207, Le(2, 2) + '\x01' + Le(0x15E, 2) + Le(0x21B, 2))
            << TCelula::DinText(QStringLiteral(u"\u015E\u021B"));
        QTest::newRow("formula, boolean") << QByteArray() << Formula(RezultatSpecial(1, 1)) << TCelula::DinBoolean(true);
        QTest::newRow("formula, eroare") << QByteArray() << Formula(RezultatSpecial(2, 7)) << TCelula::DeEroare();
        QTest::newRow("boolean") << QByteArray() << R(0x0205, Le(0, 6) + '\0' + '\0') << TCelula::DinBoolean(false);
        QTest::newRow("eroare") << QByteArray() << R(0x0205, Le(0, 6) + '\x07' + '\x01') << TCelula::DeEroare();
    }

    void corectii()
    {
        QFETCH(QByteArray, globale);
        QFETCH(QByteArray, foaie);
        QFETCH(TCelula, asteptat);
        const TVerificareBiff v(Registru(globale, {Dim8(1, 1) + foaie}));
        QCOMPARE(v.Corectii().size(), 1);
        QCOMPARE(v.Corectii()[0].value(TVerificareBiff::CheieCelula(0, 0)), asteptat);
        QCOMPARE(v.Corectii()[0].size(), 1);
    }

    // Through the reader, a formula's text lands in its cell; one past the rows an import reads
    // is not kept.
    void formulaCititaDeFreeXl()
    {
        const QByteArray departe = R(0x0006, Le(5000, 2) + Le(0, 4) + RezultatNumar(1) + Le(0, 8));
        const QByteArray flux = Registru({}, {Dim8(6000, 2) + Numar(0, 1) + Formula(RezultatSpecial(0))
                                              + R(0x0207, Le(5, 2) + '\0' + "Elevi") + departe});
        QCOMPARE(TVerificareBiff(flux).Corectii()[0].size(), 1);
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("formula.xls"));
        ScrieRegistruXls(cale, flux);
        TCititorXls xls(cale);
        const auto foaie = xls.Foaie(0);
        QCOMPARE(TextCelula(foaie->Celula(1, 1)), QStringLiteral("Elevi"));
        QCOMPARE(TextCelula(foaie->Celula(1, 2)), QStringLiteral("0"));
    }

    // The workbooks our fixtures hold, written by real writers, pass.
    void registreReale_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::newRow("tabel") << "tabel.xls";
        QTest::newRow("tabel mic") << "tabel_mic.xls";
        QTest::newRow("elevi") << "elevi.xls";
        QTest::newRow("LibreOffice") << "tabel_libreoffice.xls";
    }

    void registreReale()
    {
        QFETCH(QString, fisier);
        const QByteArray flux = CitesteFluxRegistru(QStringLiteral(CERTAVO_TEST_DATA "/") + fisier);
        QVERIFY(!flux.isEmpty());
        QVERIFY(TVerificareBiff(flux).Celule() > 0);
    }

    // Through the reader: a file on which FreeXL 1.0.6 copied past its record buffer, and one on
    // which it gives up without a handle, are refused with a message.
    void refuzatLaDeschidere_data()
    {
        QTest::addColumn<QString>("cale");
        QTest::addColumn<QByteArray>("flux"); // written to `cale` when given
        QTest::addColumn<QString>("inMesaj");
        QTest::newRow("sir peste record") << QStringLiteral(CERTAVO_TEST_DATA "/xls_sir_peste_record.xls")
                                          << QByteArray() << "deteriorat";
        QTest::newRow("record intre foi") << "intre.xls" << Bof() + Eof + R(0x1234, "x") << "forma neasteptata";
        QTest::newRow("versiune necunoscuta") << "veche.xls" << Bof(0x0200) << "Excel 97-2003";
    }

    void refuzatLaDeschidere()
    {
        QFETCH(QString, cale);
        QFETCH(QByteArray, flux);
        QFETCH(QString, inMesaj);
        QTemporaryDir dir;
        if (!flux.isEmpty()) {
            cale = dir.filePath(cale);
            ScrieRegistruXls(cale, flux);
        }
        try {
            TCititorXls xls(cale);
            QFAIL("workbook accepted");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().contains(inMesaj), qPrintable(e.Mesaj()));
        }
    }
};

QTEST_MAIN(TestVerificareBiff)
#include "tst_verificarebiff.moc"
