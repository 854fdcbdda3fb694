#include "UEroare.h"
#include "UKelNumEdit.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {
enum class TCuloare { Rosu, Albastru };
bool Are(const QColor &c, TCuloare culoare)
{
    return culoare == TCuloare::Rosu ? c.red() > 180 && c.green() < 90 && c.blue() < 90
                                     : c.blue() > 180 && c.red() < 90 && c.green() < 90;
}
// The runs of neighbouring columns that hold a pixel of the colour.
QList<std::pair<int, int>> Coloane(QWidget *w, TCuloare culoare)
{
    const QImage img = w->grab().toImage();
    QList<std::pair<int, int>> rulari;
    for (int x = 0; x < img.width(); ++x) {
        bool are = false;
        for (int y = 0; y < img.height() && !are; ++y)
            are = Are(img.pixelColor(x, y), culoare);
        if (!are)
            continue;
        if (!rulari.isEmpty() && rulari.last().second == x - 1)
            rulari.last().second = x;
        else
            rulari << std::pair{x, x};
    }
    return rulari;
}
} // namespace

class TTestKelNumEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void createdRightAligned();
    void typing_data();
    void typing();
    void pasteFilter_data();
    void pasteFilter();
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void currencyRoundTrip();
    void overflowRaisesError_data();
    void overflowRaisesError();
    void negativeIsRed();
    void thousandsTicks_data();
    void thousandsTicks();
    void hoverUntilCursorLeaves();
    void screenshot();

private:
    std::unique_ptr<QWidget> m_gazda;
    QWidget *m_chiuveta = nullptr;
    TKelNumEdit *m_n = nullptr;
};

void TTestKelNumEdit::init()
{
    m_gazda = std::make_unique<QWidget>();
    m_gazda->setGeometry(100, 100, 340, 60);
    m_chiuveta = new QWidget(m_gazda.get());
    m_chiuveta->setFocusPolicy(Qt::StrongFocus);
    m_chiuveta->setGeometry(330, 50, 5, 5);
    m_n = new TKelNumEdit(m_gazda.get());
    m_n->setObjectName("KelNumEdit1");
    m_n->setGeometry(10, 10, 300, 24);
    QCursor::setPos(900, 900);
    m_gazda->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_gazda.get()));
    m_gazda->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_gazda.get()));
    m_chiuveta->setFocus();
    QTRY_VERIFY(m_chiuveta->hasFocus());
}

void TTestKelNumEdit::cleanup() { m_gazda.reset(); }

void TTestKelNumEdit::createdRightAligned()
{
    const TKelNumEdit n;
    QVERIFY(n.RightAlignNonEdit());
    QVERIFY(!n.NoDots());
    QCOMPARE(n.NrCifreDupaVirgula(), 2);
    QVERIFY(n.AutoSelectOnEnter());
}

void TTestKelNumEdit::typing_data()
{
    QTest::addColumn<int>("zecimale");
    QTest::addColumn<QString>("tastat");
    QTest::addColumn<QString>("text");
    QTest::newRow("point becomes comma") << 2 << "9.5" << "9,5";
    QTest::newRow("third decimal refused") << 2 << "9,555" << "9,55";
    QTest::newRow("negative") << 2 << "-12.5" << "-12,5";
    QTest::newRow("second minus refused") << 2 << "--1" << "-1";
    QTest::newRow("minus inside refused") << 2 << "1-2" << "12";
    QTest::newRow("second separator refused") << 2 << "1,2.3" << "1,23";
    QTest::newRow("letters refused") << 2 << "a1b2 " << "12";
    QTest::newRow("four decimals") << 4 << "1.23456" << "1,2345";
    QTest::newRow("no decimals: the separator only") << 0 << "7.5" << "7,";
    QTest::newRow("at most 17 digits") << 2 << "12345678901234567890" << "12345678901234567";
    QTest::newRow("the minus counts in the 17") << 2 << "-1234567890123456,78" << "-1234567890123456,";
}

void TTestKelNumEdit::typing()
{
    QFETCH(int, zecimale);
    QFETCH(QString, tastat);
    QFETCH(QString, text);
    m_n->SetNrCifreDupaVirgula(zecimale);
    QTest::mouseClick(m_n, Qt::LeftButton);
    QTRY_VERIFY(m_n->hasFocus());
    QSignalSpy schimbari(m_n, &TKelCustomTextEdit::OnChange);
    QTest::keyClicks(m_n, tastat);
    QCOMPARE(m_n->Text(), text);
    QCOMPARE(schimbari.count(), text.size());
}

void TTestKelNumEdit::pasteFilter_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("number with point") << "7.25" << "7,25";
    QTest::newRow("letter") << "12a" << "";
    QTest::newRow("line break") << "1\n2" << "";
    QTest::newRow("tab") << "\t5" << "";
    QTest::newRow("blank") << "1 000" << "";
    QTest::newRow("too many decimals") << "1,234" << "";
}

void TTestKelNumEdit::pasteFilter()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::mouseClick(m_n, Qt::LeftButton);
    QTRY_VERIFY(m_n->hasFocus());
    QSignalSpy schimbari(m_n, &TKelCustomTextEdit::OnChange);
    QTest::keyClick(m_n, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_n->Text(), text);
    QCOMPARE(schimbari.count(), text.isEmpty() ? 0 : 1);
}

void TTestKelNumEdit::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("currency");
    QTest::addColumn<qint64>("doua");
    QTest::addColumn<qint64>("patru");
    QTest::addColumn<qint64>("doiPatru");
    QTest::addColumn<qint64>("fara");
    QTest::newRow("9,5") << "9,5" << qint64(95000) << qint64(950) << qint64(95000) << qint64(95000) << qint64(9);
    QTest::newRow("-0,05") << "-0,05" << qint64(-500) << qint64(-5) << qint64(-500) << qint64(-500) << qint64(0);
    QTest::newRow("-9,5") << "-9,5" << qint64(-95000) << qint64(-950) << qint64(-95000) << qint64(-95000)
                          << qint64(-9);
    QTest::newRow("12") << "12" << qint64(120000) << qint64(1200) << qint64(120000) << qint64(120000) << qint64(12);
    QTest::newRow("empty") << "" << qint64(0) << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("minus only") << "-" << qint64(0) << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("no integer part") << ",5" << qint64(5000) << qint64(50) << qint64(5000) << qint64(5000)
                                     << qint64(0);
    QTest::newRow("four decimals") << "1,2345" << qint64(12345) << qint64(123) << qint64(12345) << qint64(12300)
                                   << qint64(1);
    QTest::newRow("comma at end") << "3," << qint64(30000) << qint64(300) << qint64(30000) << qint64(30000)
                                  << qint64(3);
}

void TTestKelNumEdit::reading()
{
    QFETCH(QString, text);
    m_n->SetNrCifreDupaVirgula(4);
    m_n->SetText(text);
    QCOMPARE(m_n->Text(), text);
    QTEST(m_n->AsCurrency(), "currency");
    QTEST(m_n->CuDouaZecimale(), "doua");
    QTEST(m_n->CuPatruZecimale(), "patru");
    QTEST(m_n->CuDoiPatruZecimale(), "doiPatru");
    QTEST(m_n->FaraZecimale(), "fara");
}

void TTestKelNumEdit::writing_data()
{
    QTest::addColumn<QString>("accesor");
    QTest::addColumn<qint64>("valoare");
    QTest::addColumn<int>("zecimale");
    QTest::addColumn<QString>("text");
    QTest::newRow("AsCurrency 9.5") << "AsCurrency" << qint64(95000) << 2 << "9,50";
    QTest::newRow("AsCurrency cut") << "AsCurrency" << qint64(123456) << 2 << "12,34";
    QTest::newRow("AsCurrency 0.05") << "AsCurrency" << qint64(500) << 2 << "0,05";
    QTest::newRow("AsCurrency -3.1") << "AsCurrency" << qint64(-31000) << 2 << "-3,10";
    QTest::newRow("AsCurrency 7") << "AsCurrency" << qint64(70000) << 2 << "7,00";
    QTest::newRow("CuDouaZecimale 950") << "CuDouaZecimale" << qint64(950) << 2 << "9,50";
    QTest::newRow("CuDouaZecimale 905") << "CuDouaZecimale" << qint64(905) << 2 << "9,05";
    QTest::newRow("CuDouaZecimale 900") << "CuDouaZecimale" << qint64(900) << 2 << "9";
    QTest::newRow("CuDouaZecimale -950") << "CuDouaZecimale" << qint64(-950) << 2 << "-9,50";
    QTest::newRow("CuDouaZecimale -5") << "CuDouaZecimale" << qint64(-5) << 2 << "-0,05";
    QTest::newRow("CuPatruZecimale refused") << "CuPatruZecimale" << qint64(95000) << 2 << "1";
    QTest::newRow("CuPatruZecimale 4 decimals") << "CuPatruZecimale" << qint64(95000) << 4 << "9,5000";
    QTest::newRow("CuPatruZecimale 90000") << "CuPatruZecimale" << qint64(90000) << 2 << "9";
    QTest::newRow("CuDoiPatruZecimale") << "CuDoiPatruZecimale" << qint64(95099) << 2 << "9,50";
    QTest::newRow("CuDoiPatruZecimale negative") << "CuDoiPatruZecimale" << qint64(-95099) << 2 << "-9,50";
    QTest::newRow("FaraZecimale") << "FaraZecimale" << qint64(-42) << 2 << "-42";
    QTest::newRow("too wide is refused") << "FaraZecimale" << qint64(9999999999999999) << 2 << "1";
}

void TTestKelNumEdit::writing()
{
    QFETCH(QString, accesor);
    QFETCH(qint64, valoare);
    QFETCH(int, zecimale);
    QFETCH(QString, text);
    m_n->resize(accesor == "FaraZecimale" && text == "1" ? 60 : 300, 24);
    m_n->SetText("1");
    m_n->SetNrCifreDupaVirgula(zecimale);
    const QHash<QString, void (TKelNumEdit::*)(qint64)> setari{
        {"AsCurrency", &TKelNumEdit::SetAsCurrency},
        {"CuDouaZecimale", &TKelNumEdit::SetCuDouaZecimale},
        {"CuPatruZecimale", &TKelNumEdit::SetCuPatruZecimale},
        {"CuDoiPatruZecimale", &TKelNumEdit::SetCuDoiPatruZecimale},
        {"FaraZecimale", &TKelNumEdit::SetFaraZecimale}};
    QVERIFY(setari.contains(accesor));
    (m_n->*setari.value(accesor))(valoare);
    QCOMPARE(m_n->Text(), text);
}

void TTestKelNumEdit::currencyRoundTrip()
{
    m_n->SetAsCurrency(70000);
    QCOMPARE(m_n->Text(), QString("7,00"));
    QCOMPARE(m_n->CuDouaZecimale(), qint64(700));
    QCOMPARE(m_n->FaraZecimale(), qint64(7));
    QCOMPARE(m_n->AsCurrency(), qint64(70000));
}

void TTestKelNumEdit::overflowRaisesError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accesor");
    const QString cifre17 = "99999999999999999";
    QTest::newRow("AsCurrency") << cifre17 << "AsCurrency";
    QTest::newRow("AsCurrency negative") << "-" + cifre17.left(16) << "AsCurrency";
    QTest::newRow("CuPatruZecimale") << cifre17 << "CuPatruZecimale";
    QTest::newRow("CuDouaZecimale") << cifre17 << "CuDouaZecimale";
    QTest::newRow("CuDoiPatruZecimale") << "999999999999999" << "CuDoiPatruZecimale";
}

void TTestKelNumEdit::overflowRaisesError()
{
    QFETCH(QString, text);
    QFETCH(QString, accesor);
    m_n->SetText(text);
    QCOMPARE(m_n->Text(), text);
    const QHash<QString, qint64 (TKelNumEdit::*)() const> citiri{
        {"AsCurrency", &TKelNumEdit::AsCurrency},
        {"CuDouaZecimale", &TKelNumEdit::CuDouaZecimale},
        {"CuPatruZecimale", &TKelNumEdit::CuPatruZecimale},
        {"CuDoiPatruZecimale", &TKelNumEdit::CuDoiPatruZecimale}};
    QVERIFY(citiri.contains(accesor));
    try {
        (m_n->*citiri.value(accesor))();
        QFAIL("no error for a number beyond 64 bits");
    } catch (const EEroare &e) {
        QVERIFY2(e.Mesaj().contains("prea mare") && e.Mesaj().contains(text), qPrintable(e.Mesaj()));
    }
    // The integer part alone always fits.
    QCOMPARE(m_n->FaraZecimale(), text.section(',', 0, 0).toLongLong());
}

void TTestKelNumEdit::negativeIsRed()
{
    m_n->SetNoDots(true);
    m_n->SetText("12,5");
    QVERIFY(Coloane(m_n, TCuloare::Rosu).isEmpty());
    QTest::mouseClick(m_n, Qt::LeftButton);
    QTRY_VERIFY(m_n->hasFocus());
    QTest::keyClick(m_n, Qt::Key_Home);
    QTest::keyClick(m_n, '-');
    QCOMPARE(m_n->Text(), QString("-12,5"));
    QVERIFY(!Coloane(m_n, TCuloare::Rosu).isEmpty());
    // The selected part keeps the highlight colour: all selected, nothing red.
    QTest::keyClick(m_n, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(m_n, Qt::Key_Home);
    QTest::keyClick(m_n, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(Coloane(m_n, TCuloare::Rosu).isEmpty());
}

void TTestKelNumEdit::thousandsTicks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noDots");
    QTest::addColumn<int>("bife");
    QTest::addColumn<bool>("virgula");
    QTest::newRow("1000") << "1000" << false << 1 << false;
    QTest::newRow("-100") << "-100" << false << 0 << false;
    QTest::newRow("-1000") << "-1000" << false << 1 << false;
    QTest::newRow("999") << "999" << false << 0 << false;
    QTest::newRow("1234567,89") << "1234567,89" << false << 2 << true;
    QTest::newRow("NoDots") << "1234567,89" << true << 0 << false;
}

void TTestKelNumEdit::thousandsTicks()
{
    QFETCH(QString, text);
    QFETCH(bool, noDots);
    QFETCH(int, bife);
    QFETCH(bool, virgula);
    m_n->SetNoDots(noDots);
    m_n->SetText(text);
    QCOMPARE(Coloane(m_n, TCuloare::Albastru).size(), bife);
    // Negatives are red too; the comma mark is the red column right after the comma.
    const int start = m_n->width() - QFontMetrics(m_n->StyleForState(m_n->State())->Font()).horizontalAdvance(text) - 4;
    const int xVirgula =
        start + QFontMetrics(m_n->StyleForState(m_n->State())->Font()).horizontalAdvance(text.section(',', 0, 0) + ",") - 2;
    bool semn = false;
    for (const auto &[de, la] : Coloane(m_n, TCuloare::Rosu))
        semn = semn || (de <= xVirgula && xVirgula <= la);
    QCOMPARE(semn, virgula);
}

void TTestKelNumEdit::hoverUntilCursorLeaves()
{
    m_n->SetText("-9,5");
    QTest::mouseMove(m_n, QPoint(100, 12));
    QCOMPARE(m_n->State(), int(TKelFieldBasedControl::stHover));
    QCOMPARE(m_n->grab().toImage().pixelColor(20, 12), m_n->Repository()->Hover()->BkColor()->Color());
    QCursor::setPos(m_gazda->mapToGlobal(QPoint(10, 300)));
    QTRY_COMPARE_WITH_TIMEOUT(m_n->State(), int(TKelFieldBasedControl::stCold), 1000);
    QCOMPARE(m_n->grab().toImage().pixelColor(20, 12), m_n->Repository()->Cold()->BkColor()->Color());
}

void TTestKelNumEdit::screenshot()
{
    m_gazda->resize(340, 130);
    const QStringList texte{"1234567,89", "-1000", "9,5"};
    for (int i = 0; i < texte.size(); ++i) {
        auto *n = new TKelNumEdit(m_gazda.get());
        n->setGeometry(10, 40 + i * 28, 150, 24);
        n->show();
        n->SetText(texte[i]);
    }
    m_n->setGeometry(10, 10, 150, 24);
    m_n->SetText("-12345,5");
    QTest::mouseClick(m_n, Qt::LeftButton);
    QTRY_VERIFY(m_n->hasFocus());
    QTest::keyClick(m_n, Qt::Key_End);
    QTest::keyClick(m_n, Qt::Key_Left, Qt::ShiftModifier);
    const QString fisier = QDir::temp().filePath("certavo_kelnumedit.png");
    QVERIFY(m_gazda->grab().save(fisier));
    QVERIFY(QFileInfo(fisier).size() > 0);
}

QTEST_MAIN(TTestKelNumEdit)
#include "tst_kelnumedit.moc"
