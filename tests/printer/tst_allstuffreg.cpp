#include "TMesajEroare.h"
#include "TDirectorTest.h"
#include "UAllStuffReg.h"
#include "UEroare.h"
#include "UKelQuickRegStuff.h"

#include <QSettings>
#include <QtTest>
#include <memory>

namespace {
QVariant Stocat(const QString &nume) { return DeschideCheie(TAllStuffReg::Cheie)->value(nume); }
void Stocheaza(const QString &nume, const QString &v) { DeschideCheie(TAllStuffReg::Cheie)->setValue(nume, v); }

constexpr auto Eroare = &MesajEroare;
} // namespace

class TstAllStuffReg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void implicitSiCreareaCheii()
    {
        TDirectorTest dir;
        QVERIFY(!DeschideCheie(TAllStuffReg::Cheie)->contains(QStringLiteral("all")));
        {
            TAllStuffReg r;
            QVERIFY(!r.Configurat);
            QCOMPARE(r.MargineStangaFata, 0.0);
            QCOMPARE(r.MargineSusVerso, 0.0);
            QCOMPARE(r.MirrorSetting(0), QStringLiteral("*"));
            QCOMPARE(r.MirrorSetting(1), QStringLiteral("*"));
        }
        QCOMPARE(Stocat(QStringLiteral("all")).toString(), QStringLiteral("0,0,0,0,0,0,0,0,0,0,,0"));
        QCOMPARE(Stocat(QStringLiteral("OglindescFata")).toString(), QStringLiteral("*"));
        QCOMPARE(Stocat(QStringLiteral("OglindescVerso")).toString(), QStringLiteral("*"));
    }

    void scrieSiCiteste()
    {
        TDirectorTest dir;
        {
            TAllStuffReg r;
            r.Configurat = true;
            r.LinieOrizontalaJos = true;
            r.ModAlimentare = 3;
            r.MargineStangaFata = 12.5;
            r.MargineSusFata = -1.25;
            r.MargineStangaVerso = 2;
            r.NumeImprimanta = QStringLiteral("HP \"Laser\", birou");
            r.IndexImprimanta = 4;
            r.SetMirrorSetting(0, QStringLiteral("D"));
            r.SetMirrorSetting(1, QStringLiteral("N"));
        }
        QCOMPARE(Stocat(QStringLiteral("all")).toString(),
                 QStringLiteral("0,1,0,0,1,3,\"12,5\",\"-1,25\",2,0,\"HP \"\"Laser\"\", birou\",4"));
        TAllStuffReg r;
        QVERIFY(r.Configurat && !r.FataPeParteaOpusa && !r.LinieVerticalaDreapta && r.LinieOrizontalaJos);
        QCOMPARE(r.ModAlimentare, 3);
        QCOMPARE(r.MargineStangaFata, 12.5);
        QCOMPARE(r.MargineSusFata, -1.25);
        QCOMPARE(r.MargineStangaVerso, 2.0);
        QCOMPARE(r.NumeImprimanta, QStringLiteral("HP \"Laser\", birou"));
        QCOMPARE(r.IndexImprimanta, 4);
        QCOMPARE(r.MirrorSetting(0), QStringLiteral("D"));
        QCOMPARE(r.MirrorSetting(1), QStringLiteral("N"));
    }

    void oglindireAltaPagina()
    {
        TDirectorTest dir;
        TAllStuffReg r;
        r.SetMirrorSetting(2, QStringLiteral("D"));
        r.SetMirrorSetting(-1, QStringLiteral("D"));
        QCOMPARE(r.MirrorSetting(2), QStringLiteral("*"));
        QCOMPARE(r.OglindescFata, QStringLiteral("*"));
        QCOMPARE(r.OglindescVerso, QStringLiteral("*"));
    }

    void instantaCurenta()
    {
        TDirectorTest dir;
        QVERIFY(!TAllStuffReg::Curent());
        auto a = std::make_unique<TAllStuffReg>();
        QCOMPARE(TAllStuffReg::Curent(), a.get());
        auto b = std::make_unique<TAllStuffReg>();
        QCOMPARE(TAllStuffReg::Curent(), a.get());
        a.reset();
        QVERIFY(!TAllStuffReg::Curent());
        auto c = std::make_unique<TAllStuffReg>();
        QCOMPARE(TAllStuffReg::Curent(), c.get());
        b.reset();
        QCOMPARE(TAllStuffReg::Curent(), c.get());
    }

    void listaStricata_data()
    {
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("scurta") << "0,1,0,0,0,1,0,0,0,0,HP" << "Indice de lista in afara limitelor (11)";
        QTest::newRow("goala") << "" << "Indice de lista in afara limitelor (0)";
        QTest::newRow("mod") << "0,1,0,0,0,x,0,0,0,0,HP,0" << "'x' nu este o valoare intreaga valida";
        QTest::newRow("punct") << "0,1,0,0,0,1,2.5,0,0,0,HP,0" << "'2.5' nu este o valoare reala valida";
        QTest::newRow("index") << "0,1,0,0,0,1,0,0,0,0,HP,doi" << "'doi' nu este o valoare intreaga valida";
    }
    void listaStricata()
    {
        QFETCH(QString, all);
        QFETCH(QString, mesaj);
        TDirectorTest dir;
        Stocheaza(QStringLiteral("all"), all);
        Stocheaza(QStringLiteral("OglindescFata"), QStringLiteral("D"));
        QCOMPARE(Eroare([] { TAllStuffReg r; }), mesaj);
        // The failure writes nothing back and leaves no current instance behind.
        QCOMPARE(Stocat(QStringLiteral("all")).toString(), all);
        QCOMPARE(Stocat(QStringLiteral("OglindescFata")).toString(), QStringLiteral("D"));
        QVERIFY(!DeschideCheie(TAllStuffReg::Cheie)->contains(QStringLiteral("OglindescVerso")));
        QVERIFY(!TAllStuffReg::Curent());
    }

    void listaVirgule_data()
    {
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QString>("text");
        QTest::newRow("simple") << QStringList{"0", "1", "abc"} << "0,1,abc";
        QTest::newRow("goale") << QStringList{"a", "", "b", ""} << "a,,b,";
        QTest::newRow("virgula") << QStringList{"12,5", "0"} << "\"12,5\",0";
        QTest::newRow("blanc") << QStringList{"HP Laser", "x"} << "\"HP Laser\",x";
        QTest::newRow("ghilimele") << QStringList{"a\"b"} << "\"a\"\"b\"";
        QTest::newRow("unul gol") << QStringList{""} << "\"\"";
    }
    void listaVirgule()
    {
        QFETCH(QStringList, lista);
        QFETCH(QString, text);
        QCOMPARE(TextDinLista(lista), text);
        QCOMPARE(ListaDinText(text), lista);
    }

    void blanculSeparaLaCitire()
    {
        QCOMPARE(ListaDinText(QStringLiteral("  a b,c ,  \"d e\"")), (QStringList{"a", "b", "c", "d e"}));
    }

    void numere_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("2,5") << 2.5 << "2,5";
        QTest::newRow("negativ") << -0.75 << "-0,75";
        QTest::newRow("15 cifre") << 1.0 / 3 << "0,333333333333333";
    }
    void numere()
    {
        QFETCH(double, v);
        QFETCH(QString, text);
        QCOMPARE(RealInText(v), text);
        QCOMPARE(TextInReal(text), text == QLatin1String("0,333333333333333") ? 0.333333333333333 : v);
    }

    void numereGresite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("gol") << "";
        QTest::newRow("litere") << "abc";
        QTest::newRow("punct") << "1.5";
        QTest::newRow("doua virgule") << "1,5,2";
        QTest::newRow("infinit") << "inf";
    }
    void numereGresite()
    {
        QFETCH(QString, text);
        QCOMPARE(Eroare([&] { TextInReal(text); }), QStringLiteral("'%1' nu este o valoare reala valida").arg(text));
    }
};

QTEST_MAIN(TstAllStuffReg)
#include "tst_allstuffreg.moc"
