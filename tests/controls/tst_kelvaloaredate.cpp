#include "TMesajEroare.h"
#include "KelValoareDate.h"
#include "UEroare.h"

#include <QtTest>
#include <functional>

namespace {
using TSetter = std::function<void(TKelValoareDate &)>;
using TGetter = std::function<QVariant(const TKelValoareDate &)>;

const QDate Data(2008, 3, 5);

TSetter Setter(const QString &tip)
{
    static const QHash<QString, TSetter> s = {
        {"Currency", [](TKelValoareDate &v) { v.SetCurrency(12345678910); }},
        {"Integer", [](TKelValoareDate &v) { v.SetInteger(1234); }},
        {"Integer2Z", [](TKelValoareDate &v) { v.SetIntegerDouaZecimale(1234); }},
        {"String", [](TKelValoareDate &v) { v.SetString("abc"); }},
        {"DataCalendar1", [](TKelValoareDate &v) { v.SetDataScurtFaraAn(Data); }},
        {"DataCalendar2", [](TKelValoareDate &v) { v.SetDataScurtCuAn(Data); }},
        {"DataCalendar3", [](TKelValoareDate &v) { v.SetDataLung(Data); }},
        {"Auto", [](TKelValoareDate &) {}},
    };
    return s.value(tip);
}

TGetter Getter(const QString &tip)
{
    static const QHash<QString, TGetter> g = {
        {"Currency", [](const TKelValoareDate &v) { return QVariant(v.Currency()); }},
        {"#9", [](const TKelValoareDate &v) { return QVariant(v.Currency4Zecimale()); }},
        {"Integer", [](const TKelValoareDate &v) { return QVariant(v.Integer()); }},
        {"Integer2Z", [](const TKelValoareDate &v) { return QVariant(v.IntegerDouaZecimale()); }},
        {"String", [](const TKelValoareDate &v) { return QVariant(v.String()); }},
        {"DataCalendar1", [](const TKelValoareDate &v) { return QVariant(v.DataScurtFaraAn()); }},
        {"DataCalendar2", [](const TKelValoareDate &v) { return QVariant(v.DataScurtCuAn()); }},
        {"DataCalendar3", [](const TKelValoareDate &v) { return QVariant(v.DataLung()); }},
    };
    return g.value(tip);
}

constexpr auto Mesaj = &MesajEroare;
} // namespace

class TTestKelValoareDate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWithoutValue();
    void typeNames_data();
    void typeNames();
    void getters_data();
    void getters();
    void cellText_data();
    void cellText();
    void numbers_data();
    void numbers();
};

void TTestKelValoareDate::startsWithoutValue()
{
    TKelValoareDate v;
    QCOMPARE(v.Tip(), atAuto);
    QVERIFY(!v.AreValoare());
    QCOMPARE(TextCelula(atString, "Nume", v), QString("!NoData!"));
}

void TTestKelValoareDate::typeNames_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<QString>("nume");
    const char *nume[] = {"Currency", "Integer", "Integer2Z", "String", "DataCalendar1", "DataCalendar2",
                          "DataCalendar3", "Auto", "Ask", "#9"};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%d", i) << i << QString(nume[i]);
    QTest::newRow("unknown") << 42 << "#42";
    QTest::newRow("negative") << -1 << "#-1";
}

void TTestKelValoareDate::typeNames()
{
    QFETCH(int, tip);
    QFETCH(QString, nume);
    QCOMPARE(NumeTipValoare(tip), nume);
}

void TTestKelValoareDate::getters_data()
{
    QTest::addColumn<QString>("stocat");
    QTest::addColumn<QString>("cerut");
    QTest::addColumn<QVariant>("valoare");   // invalid: the read fails
    QTest::newRow("currency") << "Currency" << "Currency" << QVariant(qint64(12345678910));
    QTest::newRow("currency as 4 decimals") << "Currency" << "#9" << QVariant(qint64(12345678910));
    QTest::newRow("integer") << "Integer" << "Integer" << QVariant(qint64(1234));
    QTest::newRow("hundredths") << "Integer2Z" << "Integer2Z" << QVariant(qint64(1234));
    QTest::newRow("string") << "String" << "String" << QVariant(QString("abc"));
    QTest::newRow("date 1 as 3") << "DataCalendar1" << "DataCalendar3" << QVariant(Data);
    QTest::newRow("date 3 as 2") << "DataCalendar3" << "DataCalendar2" << QVariant(Data);
    QTest::newRow("date 2 as 1") << "DataCalendar2" << "DataCalendar1" << QVariant(Data);
    QTest::newRow("integer as currency") << "Integer" << "Currency" << QVariant();
    QTest::newRow("hundredths as integer") << "Integer2Z" << "Integer" << QVariant();
    QTest::newRow("string as currency") << "String" << "Currency" << QVariant();
    QTest::newRow("currency as string") << "Currency" << "String" << QVariant();
    QTest::newRow("date as string") << "DataCalendar2" << "String" << QVariant();
    QTest::newRow("nothing as string") << "Auto" << "String" << QVariant();
    QTest::newRow("nothing as 4 decimals") << "Auto" << "#9" << QVariant();
}

void TTestKelValoareDate::getters()
{
    QFETCH(QString, stocat);
    QFETCH(QString, cerut);
    QFETCH(QVariant, valoare);
    TKelValoareDate v;
    Setter(stocat)(v);
    QCOMPARE(NumeTipValoare(v.Tip()), stocat);
    if (valoare.isValid()) {
        QCOMPARE(Getter(cerut)(v), valoare);
        return;
    }
    QCOMPARE(Mesaj([&] { Getter(cerut)(v); }),
             QString("Tip incorect: Am date de tipul %1 - nu pot citi cu tipul %2").arg(stocat, cerut));
}

void TTestKelValoareDate::cellText_data()
{
    QTest::addColumn<int>("coloana");
    QTest::addColumn<QString>("stocat");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("eroare");
    const QString nepotrivire = "Nepotrivire de date cand citesc coloana Suma: Am primit %1, asteptam %2";
    QTest::newRow("currency") << int(atCurrency) << "Currency" << "1.234.567,89" << "";
    QTest::newRow("currency column, text") << int(atCurrency) << "String" << "abc" << "";
    QTest::newRow("string column, currency") << int(atString) << "Currency" << "1.234.567,89" << "";
    QTest::newRow("string") << int(atString) << "String" << "abc" << "";
    QTest::newRow("integer") << int(atInteger) << "Integer" << "1234" << "";
    QTest::newRow("hundredths") << int(atIntegerDouaZecimale) << "Integer2Z" << "12,34" << "";
    QTest::newRow("day month") << int(atDataScurtFaraAn) << "DataCalendar1" << "05/03" << "";
    QTest::newRow("short date") << int(atDataScurtCuAn) << "DataCalendar2" << "05/03/08" << "";
    QTest::newRow("long date") << int(atDataLung) << "DataCalendar3" << "5 martie 2008" << "";
    QTest::newRow("4 decimals") << int(atCurrency4Zecimale) << "Currency" << "1.234.567,8910" << "";
    QTest::newRow("auto uses the value's type") << int(atAuto) << "Integer2Z" << "12,34" << "";
    QTest::newRow("ask uses the value's type") << int(atAsk) << "DataCalendar3" << "5 martie 2008" << "";
    QTest::newRow("no value") << int(atInteger) << "Auto" << "!NoData!" << "";
    QTest::newRow("integer column, text") << int(atInteger) << "String" << "" << nepotrivire.arg("String", "Integer");
    QTest::newRow("date column, other date")
        << int(atDataLung) << "DataCalendar2" << "" << nepotrivire.arg("DataCalendar2", "DataCalendar3");
    QTest::newRow("4 decimals column, text")
        << int(atCurrency4Zecimale) << "String" << "" << nepotrivire.arg("String", "atCurrency4Zecimale");
    QTest::newRow("hundredths column, integer")
        << int(atIntegerDouaZecimale) << "Integer" << "" << nepotrivire.arg("Integer", "Integer2Z");
}

void TTestKelValoareDate::cellText()
{
    QFETCH(int, coloana);
    QFETCH(QString, stocat);
    QFETCH(QString, text);
    QFETCH(QString, eroare);
    TKelValoareDate v;
    Setter(stocat)(v);
    QString obtinut;
    QCOMPARE(Mesaj([&] { obtinut = TextCelula(TKelTipDeDateColoana(coloana), "Suma", v); }), eroare);
    QCOMPARE(obtinut, text);
}

void TTestKelValoareDate::numbers_data()
{
    QTest::addColumn<int>("coloana");
    QTest::addColumn<qint64>("valoare");
    QTest::addColumn<QString>("text");
    QTest::newRow("hundredths 1234") << int(atIntegerDouaZecimale) << qint64(1234) << "12,34";
    QTest::newRow("hundredths 123456, no thousands") << int(atIntegerDouaZecimale) << qint64(123456) << "1234,56";
    QTest::newRow("hundredths -5") << int(atIntegerDouaZecimale) << qint64(-5) << "-0,05";
    QTest::newRow("hundredths 0") << int(atIntegerDouaZecimale) << qint64(0) << "0,00";
    QTest::newRow("integer negative") << int(atInteger) << qint64(-1234567) << "-1234567";
    QTest::newRow("currency cut, not rounded") << int(atCurrency) << qint64(19999) << "1,99";
    QTest::newRow("currency negative") << int(atCurrency) << qint64(-12345678910) << "-1.234.567,89";
}

void TTestKelValoareDate::numbers()
{
    QFETCH(int, coloana);
    QFETCH(qint64, valoare);
    TKelValoareDate v;
    if (coloana == atIntegerDouaZecimale)
        v.SetIntegerDouaZecimale(valoare);
    else if (coloana == atInteger)
        v.SetInteger(valoare);
    else
        v.SetCurrency(valoare);
    QTEST(TextCelula(TKelTipDeDateColoana(coloana), "N", v), "text");
}

QTEST_MAIN(TTestKelValoareDate)
#include "tst_kelvaloaredate.moc"
