#include "UKelEditors.h"
#include "URutineComune.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TKelColorVariationEnum)

namespace {
QColor Pixel(QWidget *w, QPoint p) { return w->grab().toImage().pixelColor(p); }
int Latime(const QString &s)
{
    return QFontMetrics(TKelFieldBasedControl::Repository()->Cold()->Font()).horizontalAdvance(s);
}
// Left and right ends of the dark (text) pixels inside the border.
std::pair<int, int> ZonaText(QWidget *w)
{
    const QImage img = w->grab().toImage();
    int stanga = img.width(), dreapta = -1;
    for (int x = 3; x < img.width() - 3; ++x)
        for (int y = 3; y < img.height() - 3; ++y)
            if (qGray(img.pixel(x, y)) < 100) {
                stanga = qMin(stanga, x);
                dreapta = qMax(dreapta, x);
            }
    return {stanga, dreapta};
}
} // namespace

class TTestKelEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void colorVariation_data();
    void colorVariation();
    void repositoryDefaults_data();
    void repositoryDefaults();
    void paintsStyleOfState_data();
    void paintsStyleOfState();
    void typing();
    void keyboard_data();
    void keyboard();
    void clipboard_data();
    void clipboard();
    void pasteWithoutTextDoesNothing();
    void fullBoxRefusesCharacter();
    void autoSelectOnEnter();
    void mousePositioning();
    void rightAlignNonEdit();
    void enterFocusesNext();
    void setSelStart_data();
    void setSelStart();
    void hoverUntilCursorLeaves();
    void screenshot();

private:
    void Focus(TKelCustomTextEdit *e);
    std::unique_ptr<QWidget> m_gazda;
    QWidget *m_chiuveta = nullptr;
    TKelTextEdit *m_e1 = nullptr, *m_e2 = nullptr, *m_e3 = nullptr;
};

void TTestKelEditors::init()
{
    m_gazda = std::make_unique<QWidget>();
    m_gazda->setGeometry(100, 100, 300, 120);
    // Takes the focus when the window is activated, so that no edit starts focused.
    m_chiuveta = new QWidget(m_gazda.get());
    m_chiuveta->setFocusPolicy(Qt::StrongFocus);
    m_chiuveta->setGeometry(290, 110, 5, 5);
    m_e1 = new TKelTextEdit(m_gazda.get());
    m_e1->setObjectName("KelTextEdit1");
    m_e1->move(10, 10);
    m_e2 = new TKelTextEdit(m_gazda.get());
    m_e2->move(10, 50);
    m_e3 = new TKelTextEdit(m_gazda.get());
    m_e3->move(150, 50);
    // Keep the cursor away from every control.
    QCursor::setPos(900, 900);
    m_gazda->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_gazda.get()));
    m_gazda->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_gazda.get()));
    m_chiuveta->setFocus();
    QTRY_VERIFY(m_chiuveta->hasFocus());
}

void TTestKelEditors::cleanup() { m_gazda.reset(); }

void TTestKelEditors::Focus(TKelCustomTextEdit *e)
{
    QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(50, 12));
    QTRY_VERIFY(e->hasFocus());
}

void TTestKelEditors::colorVariation_data()
{
    QTest::addColumn<TKelColorVariationEnum>("variatie");
    QTest::addColumn<QColor>("culoare");
    QTest::newRow("none") << cvNoVariation << QColor(100, 150, 200);
    QTest::newRow("LiteBlue") << cvLiteBlue << QColor(80, 130, 200);
    QTest::newRow("LiteGreen") << cvLiteGreen << QColor(80, 150, 180);
    QTest::newRow("LiteRed") << cvLiteRed << QColor(100, 130, 180);
    QTest::newRow("LiteLiteBlue") << cvLiteLiteBlue << QColor(90, 140, 200);
    QTest::newRow("LiteLiteGreen") << cvLiteLiteGreen << QColor(90, 150, 190);
    QTest::newRow("LiteLiteRed") << cvLiteLiteRed << QColor(100, 140, 190);
    QTest::newRow("Lite") << cvLite << QColor(120, 170, 220);
    QTest::newRow("LiteLite") << cvLiteLite << QColor(110, 160, 210);
}

void TTestKelEditors::colorVariation()
{
    QFETCH(TKelColorVariationEnum, variatie);
    QFETCH(QColor, culoare);
    TKelTextEditStyle stil;
    QSignalSpy schimbari(&stil, &TKelTextEditStyle::Changed);
    stil.BkColor()->SetBaseColor(QColor(100, 150, 200));
    stil.BkColor()->SetVariation(variatie);
    QCOMPARE(stil.BkColor()->Color(), culoare);
    QCOMPARE(schimbari.count(), 2);
    TKelColorVariation copie;
    copie.Assign(*stil.BkColor());
    QCOMPARE(copie.Color(), culoare);
}

void TTestKelEditors::repositoryDefaults_data()
{
    QTest::addColumn<int>("stare");
    QTest::addColumn<QColor>("fundal");
    QTest::addColumn<QColor>("margine");
    QTest::addColumn<int>("latime");
    const QPalette pal = QGuiApplication::palette();
    const QColor fereastra(pal.color(QPalette::Base).rgb()), fata(pal.color(QPalette::Button).rgb()),
        umbra(pal.color(QPalette::Dark).rgb());
    QColor rece = fereastra;
    rece.setBlue((rece.blue() + 251) % 256);
    QTest::newRow("ReadOnlyCold") << 0 << ShadeLite(fata) << umbra << 1;
    QTest::newRow("ReadOnlyHover") << 1 << ShadeLiteRed(fata) << umbra << 1;
    QTest::newRow("ReadOnlyHot") << 2 << ShadeLiteLiteRed(fata) << umbra << 1;
    QTest::newRow("Cold") << 3 << rece << umbra << 1;
    QTest::newRow("Hover") << 4 << ShadeLiteGreen(fereastra) << ShadeLiteGreen(umbra) << 1;
    QTest::newRow("Hot") << 5 << ShadeLiteLiteBlue(fereastra) << QColor(Qt::black) << 2;
}

void TTestKelEditors::repositoryDefaults()
{
    QFETCH(int, stare);
    QFETCH(QColor, fundal);
    QFETCH(QColor, margine);
    QFETCH(int, latime);
    const TKelTextEditStyle *stil = m_e1->StyleForState(stare);
    QCOMPARE(stil, TKelFieldBasedControl::Repository()->Style(stare));
    QCOMPARE(stil->BkColor()->Color(), fundal);
    QCOMPARE(stil->BorderColor()->Color(), margine);
    QCOMPARE(stil->BorderWidth(), latime);
    QCOMPARE(stil->FontColor()->Color(), QColor(QGuiApplication::palette().color(QPalette::Text).rgb()));
    QCOMPARE(stil->Font().family(), QString("Arial"));
    QCOMPARE(stil->Font().pointSize(), 9);
}

void TTestKelEditors::paintsStyleOfState_data()
{
    QTest::addColumn<int>("stare");
    for (int s = 0; s < 6; ++s)
        QTest::addRow("state %d", s) << s;
}

void TTestKelEditors::paintsStyleOfState()
{
    QFETCH(int, stare);
    m_e1->SetState(stare);
    const TKelTextEditStyle *stil = m_e1->StyleForState(stare);
    QCOMPARE(Pixel(m_e1, QPoint(50, 12)), stil->BkColor()->Color());
    QCOMPARE(Pixel(m_e1, QPoint(0, 12)), stil->BorderColor()->Color());
    QCOMPARE(Pixel(m_e1, QPoint(50, 23)), stil->BorderColor()->Color());
}

void TTestKelEditors::typing()
{
    QSignalSpy schimbari(m_e1, &TKelCustomTextEdit::OnChange);
    Focus(m_e1);
    QCOMPARE(m_e1->State(), int(TKelFieldBasedControl::stHot));
    QTest::keyClicks(m_e1, "abc def");
    QCOMPARE(m_e1->Text(), QString("abc def"));
    QCOMPARE(m_e1->SelAnchor(), 8);
    QCOMPARE(schimbari.count(), 7);
    QCOMPARE(schimbari.last().at(0).value<TKelCustomTextEdit *>(), m_e1);
    // Control characters are not typed.
    QTest::keyClick(m_e1, Qt::Key_Escape);
    QTest::keyClick(m_e1, Qt::Key_Tab);
    QCOMPARE(m_e1->Text(), QString("abc def"));
    QVERIFY(m_e1->hasFocus());
    QCOMPARE(schimbari.count(), 7);
}

void TTestKelEditors::keyboard_data()
{
    QTest::addColumn<QTestEventList>("taste");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("extent");
    QTest::addColumn<QList<int>>("semnale");   // OnLeft, OnRight, OnUp, OnDown
    const Qt::KeyboardModifiers c = Qt::ControlModifier, s = Qt::ShiftModifier, cs = c | s;
    const QList<int> niciunul{0, 0, 0, 0};
    auto taste = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> l) {
        QTestEventList e;
        for (const auto &[k, m] : l)
            e.addKeyClick(k, m);
        return e;
    };
    const auto N = Qt::NoModifier;
    QTest::newRow("ctrl+right") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, c}}) << "abc def" << 4 << 0 << niciunul;
    QTest::newRow("ctrl+right twice") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, c}, {Qt::Key_Right, c}})
                                      << "abc def" << 8 << 0 << niciunul;
    QTest::newRow("ctrl+left") << taste({{Qt::Key_End, N}, {Qt::Key_Left, c}}) << "abc def" << 5 << 0 << niciunul;
    QTest::newRow("ctrl+left twice") << taste({{Qt::Key_End, N}, {Qt::Key_Left, c}, {Qt::Key_Left, c}})
                                     << "abc def" << 1 << 0 << niciunul;
    QTest::newRow("ctrl+shift+right") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}}) << "abc def" << 1 << 3
                                      << niciunul;
    QTest::newRow("ctrl+shift+right twice") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_Right, cs}})
                                            << "abc def" << 1 << 7 << niciunul;
    QTest::newRow("ctrl+shift+left") << taste({{Qt::Key_End, N}, {Qt::Key_Left, cs}}) << "abc def" << 8 << -3
                                     << niciunul;
    QTest::newRow("comma and point separate words")
        << taste({{Qt::Key_Home, N}, {Qt::Key_Right, c}, {Qt::Key_Right, c}}) << "ab,.cd" << 7 << 0 << niciunul;
    QTest::newRow("shift+end") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, N}, {Qt::Key_End, s}}) << "abc def" << 2
                               << 6 << niciunul;
    QTest::newRow("shift+home") << taste({{Qt::Key_End, N}, {Qt::Key_Home, s}}) << "abc def" << 8 << -7 << niciunul;
    QTest::newRow("shift+left stops at start") << taste({{Qt::Key_Home, N}, {Qt::Key_Left, s}}) << "abc def" << 1
                                               << 0 << niciunul;
    QTest::newRow("shift+right stops at end") << taste({{Qt::Key_End, N}, {Qt::Key_Right, s}}) << "abc def" << 8
                                              << 0 << niciunul;
    QTest::newRow("shift+left twice") << taste({{Qt::Key_End, N}, {Qt::Key_Left, s}, {Qt::Key_Left, s}})
                                      << "abc def" << 8 << -2 << niciunul;
    QTest::newRow("left only clears selection")
        << taste({{Qt::Key_Home, N}, {Qt::Key_Right, s}, {Qt::Key_Right, s}, {Qt::Key_Left, N}}) << "abc def" << 1
        << 0 << niciunul;
    QTest::newRow("left at start raises OnLeft") << taste({{Qt::Key_Home, N}, {Qt::Key_Left, N}}) << "abc def" << 1
                                                 << 0 << QList<int>{1, 0, 0, 0};
    QTest::newRow("right at end raises OnRight") << taste({{Qt::Key_End, N}, {Qt::Key_Right, N}}) << "abc def" << 8
                                                 << 0 << QList<int>{0, 1, 0, 0};
    QTest::newRow("up raises OnUp and moves left") << taste({{Qt::Key_End, N}, {Qt::Key_Up, N}}) << "abc def" << 7
                                                   << 0 << QList<int>{0, 0, 1, 0};
    QTest::newRow("down raises OnDown and moves right") << taste({{Qt::Key_Home, N}, {Qt::Key_Down, N}}) << "abc def"
                                                        << 2 << 0 << QList<int>{0, 0, 0, 1};
    QTest::newRow("backspace") << taste({{Qt::Key_End, N}, {Qt::Key_Backspace, N}}) << "abc de" << 7 << 0 << niciunul;
    QTest::newRow("backspace at start") << taste({{Qt::Key_Home, N}, {Qt::Key_Backspace, N}}) << "abc def" << 1 << 0
                                        << niciunul;
    QTest::newRow("delete") << taste({{Qt::Key_Home, N}, {Qt::Key_Delete, N}}) << "bc def" << 1 << 0 << niciunul;
    QTest::newRow("delete at end") << taste({{Qt::Key_End, N}, {Qt::Key_Delete, N}}) << "abc def" << 8 << 0
                                   << niciunul;
    QTest::newRow("delete selection") << taste({{Qt::Key_End, N}, {Qt::Key_Left, cs}, {Qt::Key_Delete, N}})
                                      << "abc " << 5 << 0 << niciunul;
    QTest::newRow("backspace selection") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_Backspace, N}})
                                         << " def" << 1 << 0 << niciunul;
    QTest::newRow("typing replaces the selection") << taste({{Qt::Key_X, N}}) << "x" << 2 << 0 << niciunul;
    QTestEventList majuscula = taste({{Qt::Key_End, N}});
    majuscula.addKeyClick('A', s);
    QTest::newRow("shift types capitals") << majuscula << "abc defA" << 9 << 0 << niciunul;
    QTest::newRow("other ctrl keys do nothing") << taste({{Qt::Key_Home, N}, {Qt::Key_A, c}, {Qt::Key_Up, cs}})
                                                << "abc def" << 1 << 0 << niciunul;
}

void TTestKelEditors::keyboard()
{
    QFETCH(QTestEventList, taste);
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, extent);
    QFETCH(QList<int>, semnale);
    const QString initial = QTest::currentDataTag() == QByteArray("comma and point separate words") ? "ab,.cd"
                                                                                                    : "abc def";
    m_e1->SetText(initial);
    Focus(m_e1);
    QSignalSpy stanga(m_e1, &TKelCustomTextEdit::OnLeft), dreapta(m_e1, &TKelCustomTextEdit::OnRight),
        sus(m_e1, &TKelCustomTextEdit::OnUp), jos(m_e1, &TKelCustomTextEdit::OnDown);
    taste.simulate(m_e1);
    QCOMPARE(m_e1->Text(), text);
    QCOMPARE(m_e1->SelAnchor(), anchor);
    QCOMPARE(m_e1->SelExtent(), extent);
    QCOMPARE((QList<int>{int(stanga.count()), int(dreapta.count()), int(sus.count()), int(jos.count())}), semnale);
}

void TTestKelEditors::clipboard_data()
{
    QTest::addColumn<QTestEventList>("taste");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboard");
    auto taste = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> l) {
        QTestEventList e;
        for (const auto &[k, m] : l)
            e.addKeyClick(k, m);
        return e;
    };
    const Qt::KeyboardModifiers c = Qt::ControlModifier, s = Qt::ShiftModifier, cs = c | s, N = Qt::NoModifier;
    QTest::newRow("ctrl+c") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_C, c}}) << "abc def" << "abc";
    QTest::newRow("ctrl+delete copies") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_Delete, c}})
                                        << "abc def" << "abc";
    QTest::newRow("ctrl+x") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_X, c}}) << " def" << "abc";
    QTest::newRow("shift+delete cuts") << taste({{Qt::Key_End, N}, {Qt::Key_Left, cs}, {Qt::Key_Delete, s}})
                                       << "abc " << "def";
    QTest::newRow("ctrl+v") << taste({{Qt::Key_End, N}, {Qt::Key_V, c}}) << "abc defZZ" << "ZZ";
    QTest::newRow("shift+insert pastes") << taste({{Qt::Key_Home, N}, {Qt::Key_Insert, s}}) << "ZZabc def" << "ZZ";
    QTest::newRow("paste replaces selection") << taste({{Qt::Key_Home, N}, {Qt::Key_Right, cs}, {Qt::Key_V, c}})
                                              << "ZZ def" << "ZZ";
    QTest::newRow("copy without selection") << taste({{Qt::Key_End, N}, {Qt::Key_C, c}}) << "abc def" << "ZZ";
}

void TTestKelEditors::clipboard()
{
    QFETCH(QTestEventList, taste);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText("ZZ");
    m_e1->SetText("abc def");
    Focus(m_e1);
    taste.simulate(m_e1);
    QCOMPARE(m_e1->Text(), text);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void TTestKelEditors::pasteWithoutTextDoesNothing()
{
    m_e1->SetText("abc");
    Focus(m_e1);
    QGuiApplication::clipboard()->clear();
    QSignalSpy schimbari(m_e1, &TKelCustomTextEdit::OnChange);
    QTest::keyClick(m_e1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_e1->Text(), QString("abc"));
    QCOMPARE(schimbari.count(), 0);
}

void TTestKelEditors::fullBoxRefusesCharacter()
{
    QCOMPARE(m_e1->width(), 100);
    Focus(m_e1);
    QSignalSpy schimbari(m_e1, &TKelCustomTextEdit::OnChange);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(m_e1, 'W');
    const QString plin = m_e1->Text();
    QVERIFY(!plin.isEmpty());
    QCOMPARE(schimbari.count(), plin.size());
    // It fits with 8 pixels to spare; one more would not.
    QVERIFY(Latime(plin) + 8 < 100);
    QVERIFY(Latime(plin + "W") > 91);
    QTest::keyClick(m_e1, 'W');
    QCOMPARE(m_e1->Text(), plin);
    QCOMPARE(schimbari.count(), plin.size());
    // SetText is refused the same way.
    m_e1->SetText(plin + "WW");
    QCOMPARE(m_e1->Text(), plin);
    QCOMPARE(schimbari.count(), plin.size());
}

void TTestKelEditors::autoSelectOnEnter()
{
    m_e1->SetText("Ion");
    m_e2->SetText("Maria");
    m_e2->SetAutoSelectOnEnter(false);
    Focus(m_e1);
    QCOMPARE(m_e1->SelectedText(), QString("Ion"));
    QTest::keyClick(m_e1, 'x');
    QCOMPARE(m_e1->Text(), QString("x"));
    Focus(m_e2);
    QCOMPARE(m_e1->State(), int(TKelFieldBasedControl::stCold));
    QCOMPARE(m_e2->SelAnchor(), 6);
    QCOMPARE(m_e2->SelExtent(), 0);
}

void TTestKelEditors::mousePositioning()
{
    m_e1->SetText("abc def");
    // The press that focuses does not position: all stays selected.
    QTest::mouseClick(m_e1, Qt::LeftButton, {}, QPoint(4 + Latime("a"), 12));
    QVERIFY(m_e1->hasFocus());
    QCOMPARE(m_e1->SelAnchor(), 1);
    QCOMPARE(m_e1->SelExtent(), 7);
    // Nearer to the end of "abc" than to the end of "ab".
    QTest::mouseClick(m_e1, Qt::LeftButton, {}, QPoint(4 + Latime("abc") - 1, 12));
    QCOMPARE(m_e1->SelAnchor(), 4);
    QCOMPARE(m_e1->SelExtent(), 0);
    QTest::mouseClick(m_e1, Qt::LeftButton, {}, QPoint(4 + Latime("a") + 1, 12));
    QCOMPARE(m_e1->SelAnchor(), 2);
    QTest::mouseClick(m_e1, Qt::LeftButton, {}, QPoint(95, 12));
    QCOMPARE(m_e1->SelAnchor(), 8);
    QTest::mouseClick(m_e1, Qt::LeftButton, {}, QPoint(2, 12));
    QCOMPARE(m_e1->SelAnchor(), 1);
    // Dragging selects from the press to the cursor.
    QTest::mousePress(m_e1, Qt::LeftButton, {}, QPoint(4 + Latime("abc "), 12));
    QTest::mouseMove(m_e1, QPoint(4 + Latime("abc de"), 12));
    QTest::mouseRelease(m_e1, Qt::LeftButton, {}, QPoint(4 + Latime("abc de"), 12));
    QCOMPARE(m_e1->SelAnchor(), 5);
    QCOMPARE(m_e1->SelExtent(), 2);
    QCOMPARE(m_e1->SelectedText(), QString("de"));
}

void TTestKelEditors::rightAlignNonEdit()
{
    m_e1->SetRightAlignNonEdit(true);
    m_e1->SetAutoSelectOnEnter(false);
    m_e1->SetText("Ab");
    auto [stanga, dreapta] = ZonaText(m_e1);
    QVERIFY2(stanga > 50 && dreapta >= 100 - 4 - 3, qPrintable(QString("%1..%2").arg(stanga).arg(dreapta)));
    Focus(m_e1);
    std::tie(stanga, dreapta) = ZonaText(m_e1);
    QVERIFY2(stanga >= 4 && stanga <= 6 && dreapta < 50, qPrintable(QString("%1..%2").arg(stanga).arg(dreapta)));
}

void TTestKelEditors::enterFocusesNext()
{
    Focus(m_e1);
    QTest::keyClick(m_e1, Qt::Key_Return);
    QVERIFY(m_e2->hasFocus());
    QTest::keyClick(m_e2, Qt::Key_Enter);
    QVERIFY(m_e3->hasFocus());
    // The last one does not wrap around.
    QTest::keyClick(m_e3, Qt::Key_Return);
    QVERIFY(m_e3->hasFocus());
}

void TTestKelEditors::setSelStart_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("anchorNou");
    QTest::addColumn<int>("extentNou");
    QTest::newRow("active end stays right") << 2 << 4 << 4 << 4 << 2;
    QTest::newRow("beyond the active end") << 2 << 2 << 6 << 6 << 0;
    QTest::newRow("clamped to the end") << 1 << 0 << 99 << 8 << 0;
    QTest::newRow("clamped to the start") << 3 << 0 << -5 << 1 << 2;
    QTest::newRow("same place") << 3 << 2 << 3 << 3 << 2;
}

void TTestKelEditors::setSelStart()
{
    QFETCH(int, anchor);
    QFETCH(int, extent);
    QFETCH(int, p);
    QFETCH(int, anchorNou);
    QFETCH(int, extentNou);
    m_e1->SetText("abc def");
    m_e1->SetSelStart(1);
    m_e1->SetSelExtent(0);
    m_e1->SetSelStart(anchor);
    m_e1->SetSelExtent(extent);
    m_e1->SetSelStart(p);
    QCOMPARE(m_e1->SelAnchor(), anchorNou);
    QCOMPARE(m_e1->SelExtent(), extentNou);
}

void TTestKelEditors::hoverUntilCursorLeaves()
{
    const TKelTextEditStyleRepository *r = TKelFieldBasedControl::Repository();
    QTest::mouseMove(m_e1, QPoint(50, 12));
    QCOMPARE(m_e1->State(), int(TKelFieldBasedControl::stHover));
    QCOMPARE(Pixel(m_e1, QPoint(50, 12)), r->Hover()->BkColor()->Color());
    // Still inside after several polls.
    QTest::qWait(300);
    QCOMPARE(m_e1->State(), int(TKelFieldBasedControl::stHover));
    QCursor::setPos(m_gazda->mapToGlobal(QPoint(600, 300)));
    QTRY_COMPARE_WITH_TIMEOUT(m_e1->State(), int(TKelFieldBasedControl::stCold), 1000);
    QCOMPARE(Pixel(m_e1, QPoint(50, 12)), r->Cold()->BkColor()->Color());
    // A focused control stays Hot under the cursor.
    Focus(m_e1);
    QTest::mouseMove(m_e1, QPoint(60, 12));
    QCOMPARE(m_e1->State(), int(TKelFieldBasedControl::stHot));
}

void TTestKelEditors::screenshot()
{
    m_gazda->resize(330, 200);
    const char *nume[] = {"ReadOnlyCold", "ReadOnlyHover", "ReadOnlyHot", "Cold", "Hover", "Hot"};
    for (int s = 0; s < 6; ++s) {
        auto *e = new TKelTextEdit(m_gazda.get());
        e->setGeometry(10 + (s / 3) * 160, 10 + (s % 3) * 30, 150, 24);
        e->show();
        e->SetText(QString("Ion %1").arg(nume[s]));
        e->SetState(s);
    }
    m_e1->setGeometry(10, 110, 150, 24);
    m_e1->SetText("Selectat si pastrat");
    m_e1->SetKeepSelection(true);
    m_e1->SetSelStart(10);
    m_e1->SetSelExtent(3);
    m_e2->setGeometry(170, 110, 150, 24);
    m_e2->SetText("Braşov, Ţară");
    Focus(m_e2);
    QTest::keyClick(m_e2, Qt::Key_End);
    QTest::keyClick(m_e2, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    m_e3->hide();
    const QString fisier = QDir::temp().filePath("certavo_keleditors.png");
    QVERIFY(m_gazda->grab().save(fisier));
    QVERIFY(QFileInfo(fisier).size() > 0);
}

QTEST_MAIN(TTestKelEditors)
#include "tst_keleditors.moc"
