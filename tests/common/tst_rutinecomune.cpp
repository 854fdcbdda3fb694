#include "URutineComune.h"

#include <QDir>
#include <QtTest>

class TTestRutineComune : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatNumber_data();
    void formatNumber();
    void dates_data();
    void dates();
    void decodeDiacritics_data();
    void decodeDiacritics();
    void romanianCase_data();
    void romanianCase();
    void textHelpers();
    void normalizePath_data();
    void normalizePath();
    void tempFolder();
    void shadeColor_data();
    void shadeColor();
    void hsvRoundTrip_data();
    void hsvRoundTrip();
    void colorGradient();
    void cnpValid_data();
    void cnpValid();
};

void TTestRutineComune::formatNumber_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("9,63") << 2 << qint64(96300) << "9,63";
    QTest::newRow("thousands") << 2 << qint64(12345000) << "1.234,50";
    QTest::newRow("millions, no decimals") << 0 << qint64(12345670000) << "1.234.567";
    QTest::newRow("three digits") << 0 << qint64(9630000) << "963";
    QTest::newRow("123456") << 1 << qint64(1234560000) << "123.456,0";
    QTest::newRow("cut, not rounded") << 2 << qint64(99990) << "9,99";
    QTest::newRow("negative below one") << 2 << qint64(-5000) << "-0,50";
    QTest::newRow("four decimals") << 4 << qint64(5) << "0,0005";
    QTest::newRow("more than four decimals") << 6 << qint64(12345) << "1,2345";
    QTest::newRow("zero") << 2 << qint64(0) << "0,00";
    QTest::newRow("most negative") << 4 << std::numeric_limits<qint64>::min() << "-922.337.203.685.477,5808";
}

void TTestRutineComune::formatNumber()
{
    QFETCH(int, decimals);
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(FormatNumber(decimals, value), text);
}

void TTestRutineComune::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("lung");
    QTest::addColumn<QString>("ziLuna");
    QTest::addColumn<QString>("scurt");
    QTest::newRow("5 March 2008") << QDate(2008, 3, 5) << "5 martie 2008" << "05/03" << "05/03/08";
    QTest::newRow("January") << QDate(1999, 1, 31) << "31 ianuarie 1999" << "31/01" << "31/01/99";
    QTest::newRow("December") << QDate(2010, 12, 1) << "1 decembrie 2010" << "01/12" << "01/12/10";
    QTest::newRow("short year padded") << QDate(7, 9, 15) << "15 septembrie 7" << "15/09" << "15/09/??";
    QTest::newRow("invalid") << QDate() << "" << "" << "";
}

void TTestRutineComune::dates()
{
    QFETCH(QDate, date);
    QFETCH(QString, lung);
    QFETCH(QString, ziLuna);
    QFETCH(QString, scurt);
    QCOMPARE(DateLong(date), lung);
    QCOMPARE(DateDayMonth(date), ziLuna);
    QCOMPARE(DateShort(date), scurt);
}

void TTestRutineComune::decodeDiacritics_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("every letter") << "@a@h@i@s@t@A@H@I@S@T" << "ăâîşţĂÂÎŞŢ";
    QTest::newRow("Brasov") << "Bra@sov" << "Braşov";
    QTest::newRow("mixed escapes") << "@S@t@@x@q" << "Şţ@x";
    QTest::newRow("unknown escape dropped") << "a@zb" << "ab";
    QTest::newRow("lone final at sign") << "abc@" << "abc";
    QTest::newRow("no escape") << "Ion Pop" << "Ion Pop";
    QTest::newRow("second pass changes again") << DecodeDiacritics("@@s") << "ş";
}

void TTestRutineComune::decodeDiacritics()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(DecodeDiacritics(in), out);
}

void TTestRutineComune::romanianCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mic");
    QTest::addColumn<QString>("mare");
    QTest::newRow("ascii") << "Ion Pop 12" << "ion pop 12" << "ION POP 12";
    QTest::newRow("cedilla") << "ŞŢĂ şţă" << "şţă şţă" << "ŞŢĂ ŞŢĂ";
    QTest::newRow("comma below") << "ȘȚ șț" << "șț șț" << "ȘȚ ȘȚ";
    QTest::newRow("circumflex kept") << "ÂÎ âî" << "ÂÎ âî" << "ÂÎ âî";
    QTest::newRow("other letters kept") << "Éé" << "Éé" << "Éé";
}

void TTestRutineComune::romanianCase()
{
    QFETCH(QString, text);
    QFETCH(QString, mic);
    QFETCH(QString, mare);
    QCOMPARE(LowerRomanian(text), mic);
    QCOMPARE(UpperRomanian(text), mare);
}

void TTestRutineComune::textHelpers()
{
    QCOMPARE(DigitsOnly("a1-2 3,4x"), QString("1234"));
    QCOMPARE(DigitsOnly("abc"), QString());
    QCOMPARE(PadRight("ab", 5, '*'), QString("ab***"));
    QCOMPARE(PadRight("abcdef", 3, '*'), QString("abcdef"));
    QVERIFY(NearlyEqual(1.0, 1.0009));
    QVERIFY(!NearlyEqual(1.0, 1.002));
    QVERIFY(NearlyEqual(-2.0, -2.0));
}

void TTestRutineComune::normalizePath_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("slashes") << "C:/a/b" << "C:\\a\\b";
    QTest::newRow("doubled") << "C:\\\\a\\\\\\b" << "C:\\a\\b";
    QTest::newRow("mixed doubled") << "C:/\\a//b" << "C:\\a\\b";
    QTest::newRow("unc kept") << "\\\\server\\\\share/x" << "\\\\server\\share\\x";
    QTest::newRow("unc then slash") << "\\\\\\server" << "\\\\\\server";
}

void TTestRutineComune::normalizePath()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(NormalizePath(in), out);
}

void TTestRutineComune::tempFolder()
{
    QVERIFY(TempFolder().endsWith(QDir::separator()));
    QVERIFY(QDir(TempFolder()).exists());
    QCOMPARE(TempFolder(), TempFolder());
}

void TTestRutineComune::shadeColor_data()
{
    QTest::addColumn<QColor>("rezultat");
    QTest::addColumn<QColor>("asteptat");
    const QColor c(100, 150, 200);
    QTest::newRow("deltas") << ShadeColor(5, -5, 10, c) << QColor(105, 145, 210);
    QTest::newRow("clamped") << ShadeColor(-200, 200, 100, c) << QColor(0, 255, 255);
    QTest::newRow("LiteBlue") << ShadeLiteBlue(c) << QColor(80, 130, 200);
    QTest::newRow("LiteLiteRed") << ShadeLiteLiteRed(c) << QColor(100, 140, 190);
    QTest::newRow("Lite") << ShadeLite(c) << QColor(120, 170, 220);
    QTest::newRow("LiteLite") << ShadeLiteLite(c) << QColor(110, 160, 210);
    QTest::newRow("LiteLiteGreen") << ShadeLiteLiteGreen(c) << QColor(90, 150, 190);
    QTest::newRow("LiteLiteBlue") << ShadeLiteLiteBlue(c) << QColor(90, 140, 200);
    QTest::newRow("LiteRed") << ShadeLiteRed(c) << QColor(100, 130, 180);
    QTest::newRow("LiteGreen") << ShadeLiteGreen(c) << QColor(80, 150, 180);
    QTest::newRow("black stays") << ShadeLiteBlue(Qt::black) << QColor(0, 0, 0);
}

void TTestRutineComune::shadeColor()
{
    QFETCH(QColor, rezultat);
    QFETCH(QColor, asteptat);
    QCOMPARE(rezultat, asteptat);
}

void TTestRutineComune::hsvRoundTrip_data()
{
    QTest::addColumn<QColor>("culoare");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");
    QTest::newRow("red") << QColor(255, 0, 0) << 0.0 << 1.0 << 1.0;
    QTest::newRow("green") << QColor(0, 255, 0) << 1.0 / 3 << 1.0 << 1.0;
    QTest::newRow("blue") << QColor(0, 0, 255) << 2.0 / 3 << 1.0 << 1.0;
    QTest::newRow("magenta wraps") << QColor(255, 0, 255) << 5.0 / 6 << 1.0 << 1.0;
    QTest::newRow("black") << QColor(0, 0, 0) << 0.0 << 0.0 << 0.0;
    QTest::newRow("white") << QColor(255, 255, 255) << 0.0 << 0.0 << 1.0;
}

void TTestRutineComune::hsvRoundTrip()
{
    QFETCH(QColor, culoare);
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, v);
    const THsv hsv = RgbToHsv(culoare);
    QVERIFY2(NearlyEqual(hsv.H, h), qPrintable(QString::number(hsv.H)));
    QVERIFY(NearlyEqual(hsv.S, s));
    QVERIFY(NearlyEqual(hsv.V, v));
    QCOMPARE(HsvToRgb(hsv), culoare);
}

void TTestRutineComune::colorGradient()
{
    // Black to white: value steps by 1/(n+1), never reaching white.
    const QList<QColor> g = ColorGradient(Qt::black, Qt::white, 1);
    QCOMPARE(g.size(), 2);
    QCOMPARE(g[0], QColor(0, 0, 0));
    QCOMPARE(g[1], QColor(127, 127, 127));
    const QList<QColor> g9 = ColorGradient(QColor(255, 0, 0), QColor(255, 0, 0), 9);
    QCOMPARE(g9.size(), 10);
    for (const QColor &c : g9)
        QCOMPARE(c, QColor(255, 0, 0));
    QCOMPARE(ColorGradient(Qt::red, Qt::blue, 0), QList<QColor>{QColor(255, 0, 0)});
    QVERIFY(ColorGradient(Qt::red, Qt::blue, -1).isEmpty());
}

void TTestRutineComune::cnpValid_data()
{
    QTest::addColumn<QString>("cnp");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "2991231123453" << true;
    QTest::newRow("control digit 10 gives 1") << "1980510123451" << true;
    QTest::newRow("control 10 taken as 0") << "1980510123450" << false;
    QTest::newRow("wrong control digit") << "2991231123454" << false;
    QTest::newRow("first digit 5") << "5991231123459" << true;
    QTest::newRow("first digit 3") << "3980510123453" << false;
    QTest::newRow("first digit 7") << "7980510123450" << false;
    QTest::newRow("29 Feb 2000 (year digits 00)") << "5000229123453" << true;
    QTest::newRow("29 Feb 2004 (year digits 04)") << "5040229123456" << true;
    QTest::newRow("29 Feb 1905 (year digits 05)") << "1050229123457" << false;
    QTest::newRow("29 Feb 2003") << "1030229123450" << false;
    QTest::newRow("29 Feb 1996") << "2960229123454" << true;
    QTest::newRow("day 32") << "2981232123458" << false;
    QTest::newRow("month 13") << "2981301123452" << false;
    QTest::newRow("month 00") << "2980001123450" << false;
    QTest::newRow("day 00") << "2981200123456" << false;
    QTest::newRow("12 characters") << "299123112345" << false;
    QTest::newRow("blank in front") << " 2991231123453" << false;
    QTest::newRow("letter") << "29912311234a3" << false;
    QTest::newRow("empty") << "" << false;
}

void TTestRutineComune::cnpValid()
{
    QFETCH(QString, cnp);
    QFETCH(bool, valid);
    QCOMPARE(CnpValid(cnp), valid);
}

QTEST_MAIN(TTestRutineComune)
#include "tst_rutinecomune.moc"
