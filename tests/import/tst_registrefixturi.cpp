#include "UCititorXls.h"
#include "UDeschideRegistru.h"
#include "UEroare.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <freexl.h>

namespace {

QString Fixtura(const QString &nume)
{
    return QStringLiteral(CERTAVO_TEST_DATA "/") + nume;
}

// The table every fixture holds, as the import reads it.
const QList<QStringList> TabelAsteptat = {
    {"Nume", "Prenume", "CNP", "Nota", "Data", "Medie", "Observatii"},
    {"Ştefănescu", "Ana-Maria", "2990101123456", "9,5", "14/03/2005", "9,75", "ĂÂÎȘȚăâîșț"},
    {"Țurcanu", "Ion Îon", "1980512123457", "9,50", "31/12/1999", "9,5", ""},
    {"Bălan", "", "2000229123458", "10", "29/02/2024", "10", "are \"ghilimele\"; și, virgule"},
};

QString MesajLaDeschidere(const QString &cale)
{
    try {
        auto registru = DeschideRegistru(cale);
        if (!registru->NumeFoi().isEmpty())
            registru->Foaie(0);
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

} // namespace

class TestRegistreFixturi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acelasiTabel_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<QStringList>("foi");
        QTest::addColumn<bool>("tipizat");
        const QStringList doua{"Elevi", "Foaia 2"};
        QTest::newRow("xls") << "tabel.xls" << doua << true;
        // Small enough for the mini stream, which FreeXL alone refuses.
        QTest::newRow("xls mic") << "tabel_mic.xls" << QStringList{"Elevi"} << true;
        // Written by LibreOffice 7.4 from tabel.xlsx ("MS Excel 97"), so the workbook checks meet a
        // real writer's records.
        QTest::newRow("xls LibreOffice") << "tabel_libreoffice.xls" << doua << true;
        QTest::newRow("xlsx") << "tabel.xlsx" << doua << true;
        QTest::newRow("ods") << "tabel.ods" << doua << true;
        QTest::newRow("csv") << "tabel.csv" << QStringList{"tabel"} << false;
    }

    void acelasiTabel()
    {
        QFETCH(QString, fisier);
        QFETCH(QStringList, foi);
        QFETCH(bool, tipizat);
        auto registru = DeschideRegistru(Fixtura(fisier));
        QCOMPARE(registru->NumeFoi(), foi);
        auto foaie = registru->Foaie(0);
        QCOMPARE(foaie->Nume(), foi.first());
        QCOMPARE(foaie->ZonaFolosita(), (TZonaFolosita{{1, 1}, {4, 7}}));
        QVERIFY(foaie->InZonaFolosita(u"A1"));
        QVERIFY(foaie->InZonaFolosita(u"G4"));
        QVERIFY(!foaie->InZonaFolosita(u"H1"));
        QVERIFY(!foaie->InZonaFolosita(u"A5"));
        for (int c = 1; c <= 7; ++c) {
            const QList<TCelula> bloc = foaie->CitesteBloc(LitereColoana(c) + QStringLiteral("1:")
                                                           + LitereColoana(c) + QStringLiteral("4"));
            QCOMPARE(bloc.size(), 4);
            for (int r = 0; r < 4; ++r)
                QCOMPARE(TextCelula(bloc.at(r)), TabelAsteptat.at(r).at(c - 1));
        }
        // The typed formats keep the types: a number, a date, a formula's cached number.
        if (tipizat) {
            QCOMPARE(foaie->Celula(2, 4).Tip, TCelula::tcNumar);
            QCOMPARE(foaie->Celula(2, 5).Tip, TCelula::tcData);
            QCOMPARE(foaie->Celula(2, 5).Data, QDateTime(QDate(2005, 3, 14), QTime(0, 0)));
            QCOMPARE(foaie->Celula(2, 6).Numar, 9.75);
            QCOMPARE(foaie->Celula(3, 7).Tip, TCelula::tcGol);
        }
    }

    void aDouaFoaie_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::newRow("xls") << "tabel.xls";
        QTest::newRow("xlsx") << "tabel.xlsx";
        QTest::newRow("ods") << "tabel.ods";
    }

    void aDouaFoaie()
    {
        QFETCH(QString, fisier);
        auto registru = DeschideRegistru(Fixtura(fisier));
        auto foaie = registru->Foaie(1);
        QCOMPARE(foaie->ZonaFolosita(), (TZonaFolosita{{1, 1}, {301, 2}}));
        QCOMPARE(TextCelula(foaie->Celula(301, 1)), QStringLiteral("rand 300"));
        QCOMPARE(TextCelula(foaie->Celula(301, 2)), QStringLiteral("300"));
        QCOMPARE(TextCelula(foaie->Celula(1, 2)), QString());
        QVERIFY_THROWS_EXCEPTION(EEroare, registru->Foaie(2));
    }

    // The content decides the format, whatever the file is called.
    void formatDupaContinut_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<QString>("numeNou");
        QTest::addColumn<int>("format");
        QTest::newRow("xls ca xlsx") << "tabel.xls" << "x.xlsx" << int(TFormatRegistru::Xls);
        QTest::newRow("xlsx ca xls") << "tabel.xlsx" << "x.xls" << int(TFormatRegistru::Xlsx);
        QTest::newRow("ods ca csv") << "tabel.ods" << "x.csv" << int(TFormatRegistru::Ods);
        QTest::newRow("csv ca xls") << "tabel.csv" << "x.xls" << int(TFormatRegistru::Csv);
        QTest::newRow("xlsx fara extensie") << "tabel.xlsx" << "x" << int(TFormatRegistru::Xlsx);
    }

    void formatDupaContinut()
    {
        QFETCH(QString, fisier);
        QFETCH(QString, numeNou);
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString cale = dir.filePath(numeNou);
        QVERIFY(QFile::copy(Fixtura(fisier), cale));
        QCOMPARE(int(FormatRegistru(cale)), format);
        auto registru = DeschideRegistru(cale);
        QCOMPARE(TextCelula(registru->Foaie(0)->Celula(2, 1)), QStringLiteral("Ştefănescu"));
    }

    void xlsMicCaXlsx()
    {
        QTemporaryDir dir;
        const QString cale = dir.filePath("mic.xlsx");
        QVERIFY(QFile::copy(Fixtura("tabel_mic.xls"), cale));
        QCOMPARE(FormatRegistru(cale), TFormatRegistru::Xls);
        QCOMPARE(TextCelula(DeschideRegistru(cale)->Foaie(0)->Celula(4, 7)),
                 QStringLiteral("are \"ghilimele\"; și, virgule"));
    }

    // Where even the padded copy cannot be read, the refusal is clear.
    void mesajMiniStream()
    {
        const QString mesaj = TCititorXls::MesajEroare(FREEXL_INVALID_MINI_STREAM);
        QVERIFY(mesaj.contains(QStringLiteral("mini stream")));
        QVERIFY(mesaj.contains(QStringLiteral(".xlsx")));
    }

    // A damaged small workbook is refused with a message, whether FreeXL or libgsf notices.
    void xlsMicDeteriorat_data()
    {
        QTest::addColumn<int>("pastrati");
        QTest::newRow("trunchiat la 3000") << 3000;
        QTest::newRow("trunchiat la 1536") << 1536;
        QTest::newRow("numai antetul") << 512;
    }

    void xlsMicDeteriorat()
    {
        QFETCH(int, pastrati);
        QFile sursa(Fixtura("tabel_mic.xls"));
        QVERIFY(sursa.open(QIODevice::ReadOnly));
        QTemporaryDir dir;
        const QString cale = dir.filePath("d.xls");
        QFile f(cale);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(sursa.read(pastrati));
        f.close();
        QVERIFY(!MesajLaDeschidere(cale).isEmpty());
    }

    // Declared cells are counted before FreeXL would allocate them.
    void xlsCuFoiUriaseRefuzat()
    {
        QElapsedTimer t;
        t.start();
        const QString mesaj = MesajLaDeschidere(Fixtura("foi_uriase.xls"));
        QVERIFY2(mesaj.contains(QStringLiteral("foi prea mari")), qPrintable(mesaj));
        QVERIFY(t.elapsed() < 5000);
    }

    // A compound file libgsf cannot read, on which FreeXL 1.0.6 reads past a buffer of its own,
    // is refused before FreeXL opens it.
    void xlsIlizibilPentruVerificariRefuzat()
    {
        const QString mesaj = MesajLaDeschidere(Fixtura("xls_deteriorat.xls"));
        QVERIFY2(mesaj.contains(QStringLiteral("XLS este deteriorat")), qPrintable(mesaj));
    }

    void fisiereRefuzate_data()
    {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("inMesaj");
        QTest::newRow("binar") << QByteArray("\x01\x02\x00\x03garbage", 11) << "nu este o foaie de calcul";
        QTest::newRow("ole trunchiat") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10) << "XLS";
        QTest::newRow("zip trunchiat") << QByteArray("PK\x03\x04\x14\0\0\0\x08\0", 10) << "ZIP";
        QTest::newRow("zip fara registru") << QByteArray() << "nu este o foaie de calcul";
    }

    void fisiereRefuzate()
    {
        QFETCH(QByteArray, continut);
        QFETCH(QString, inMesaj);
        QTemporaryDir dir;
        const QString cale = dir.filePath("f.xlsx");
        if (continut.isEmpty()) {
            // A real ZIP that holds no workbook: the ods fixture without its mimetype check passing.
            QFile sursa(Fixtura("tabel.xlsx"));
            QVERIFY(sursa.open(QIODevice::ReadOnly));
            continut = sursa.readAll();
            // Rename the workbook part in the central directory and local header alike.
            continut.replace("xl/workbook.xml", "xl/workbook.xmX");
        }
        QFile f(cale);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(continut);
        f.close();
        const QString mesaj = MesajLaDeschidere(cale);
        QVERIFY2(mesaj.contains(inMesaj), qPrintable(mesaj));
    }

    void lipsa()
    {
        const QString mesaj = MesajLaDeschidere(QStringLiteral("/nu/exista/fisier.xls"));
        QVERIFY2(mesaj.contains(QStringLiteral("nu poate fi deschis")), qPrintable(mesaj));
    }

    void filtru()
    {
        QCOMPARE(FiltruFoiDeCalcul, QStringLiteral("Foi de calcul (*.xls *.xlsx *.ods *.csv)"));
    }
};

QTEST_MAIN(TestRegistreFixturi)
#include "tst_registrefixturi.moc"
