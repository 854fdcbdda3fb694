#include "KelTickTackThread.h"
#include "KelVirtualGrid.h"
#include "TPrompterScriptat.h"
#include "UEroare.h"
#include "URutineComune.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
// A line holding its texts and merge ids, one per column.
class TLinieTest : public TKelVirtualGridLine
{
public:
    QStringList Valori, Merge;
};

QString Mesaj(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

// Counts the paints of a widget.
class TNumarPicturi : public QObject
{
public:
    int Picturi = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++Picturi;
        return false;
    }
};

// Counts the ticks a grid receives.
class TNumarTicuri : public QObject
{
public:
    std::atomic<int> Ticuri = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == TKelTickEvent::Tip())
            ++Ticuri;
        return false;
    }
};

using TMerge = QList<QStringList>;
} // namespace

class TTestKelVirtualGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void headerHeight();
    void noDataWithoutEvent();
    void columnDisplayName();
    void styleNumbersChecked();
    void styleChoice_data();
    void styleChoice();
    void formatCellOnlyForNonSelected();
    void colourSubstitution();
    void mismatchReportedOnceWhilePainting();
    void mergedBlock_data();
    void mergedBlock();
    void mergedBlockPaintedAsOne();
    void keyboard_data();
    void keyboard();
    void editKeysAskPotEdita_data();
    void editKeysAskPotEdita();
    void clickSelectsCell();
    void selectCellMayRefuse();
    void clickOnHeader();
    void draggedWidthSurvives();
    void highlightFades_data();
    void highlightFades();
    void highlightCoversRow();
    void updateBatching();
    void endUpdateWithoutBegin();
    void columnAddRelayoutsTwice();
    void tickThreadPostsWhileOn();
    void threadEndsWithGrid();
    void screenshot();

private:
    void Umple(int Coloane, int Linii, const TMerge &Merge = {});
    void Tick()
    {
        TKelTickEvent tick;
        QCoreApplication::sendEvent(m_g.get(), &tick);
    }
    QPoint Centru(int Col, int Row) const { return m_g->CellRect(Col, Row).center(); }

    std::unique_ptr<TKelVirtualGrid> m_g;
    std::unique_ptr<TPrompterScriptat> m_prompter;
};

void TTestKelVirtualGrid::init()
{
    m_prompter = std::make_unique<TPrompterScriptat>();
    m_g = std::make_unique<TKelVirtualGrid>();
    m_g->setObjectName("G");
    m_g->setGeometry(50, 50, 640, 360);
    // Ticks come only from the tests, so fading is counted exactly.
    m_g->TickTack()->SetIntervalMs(3600 * 1000);
    m_g->OnGetCellValue = [](TKelVirtualGridLine *Obj, int Coloana, TKelValoareDate &V) {
        auto *l = static_cast<TLinieTest *>(Obj);
        if (Coloana < l->Valori.size())
            V.SetString(l->Valori[Coloana]);
    };
    m_g->OnGetMergeID = [](TKelVirtualGridLine *Obj, int Coloana, QString &Id) {
        Id = static_cast<TLinieTest *>(Obj)->Merge.value(Coloana);
    };
    m_g->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_g.get()));
}

void TTestKelVirtualGrid::cleanup()
{
    m_g.reset();
    m_prompter.reset();
}

void TTestKelVirtualGrid::Umple(int Coloane, int Linii, const TMerge &Merge)
{
    m_g->BeginUpdate();
    for (int c = 0; c < Coloane; ++c) {
        auto *col = m_g->Coloane()->Add();
        col->SetNumeColoana(QString(QChar('A' + c)));
        col->SetWidth(80);
    }
    for (int r = 0; r < Linii; ++r) {
        auto *l = new TLinieTest;
        for (int c = 0; c < Coloane; ++c)
            l->Valori << QStringLiteral("%1%2").arg(QChar('A' + c)).arg(r + 1);
        l->Merge = Merge.value(r);
        m_g->ListaLinii()->AdaugaLinie(l);
    }
    m_g->EndUpdate();
}

void TTestKelVirtualGrid::layout_data()
{
    QTest::addColumn<int>("coloane");
    QTest::addColumn<int>("linii");
    QTest::addColumn<int>("fixe");
    QTest::addColumn<int>("colCount");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<QPoint>("curent");
    QTest::newRow("empty grid") << 0 << 0 << 1 << 1 << 1 << 0 << 0 << QPoint(0, 0);
    QTest::newRow("columns, no lines") << 3 << 0 << 1 << 3 << 1 << 1 << 0 << QPoint(1, 0);
    QTest::newRow("lines, no columns") << 0 << 4 << 1 << 1 << 5 << 0 << 1 << QPoint(0, 1);
    QTest::newRow("one fixed") << 3 << 4 << 1 << 3 << 5 << 1 << 1 << QPoint(1, 1);
    QTest::newRow("no fixed") << 3 << 4 << 0 << 3 << 5 << 0 << 1 << QPoint(0, 1);
    QTest::newRow("negative fixed") << 3 << 4 << -2 << 3 << 5 << 0 << 1 << QPoint(0, 1);
    QTest::newRow("two fixed") << 3 << 4 << 2 << 3 << 5 << 2 << 1 << QPoint(2, 1);
    QTest::newRow("fixed = columns") << 3 << 4 << 3 << 3 << 5 << 1 << 1 << QPoint(1, 1);
    QTest::newRow("fixed > columns") << 2 << 4 << 9 << 2 << 5 << 1 << 1 << QPoint(1, 1);
    QTest::newRow("one column, fixed 1") << 1 << 4 << 1 << 1 << 5 << 0 << 1 << QPoint(0, 1);
}

void TTestKelVirtualGrid::layout()
{
    QFETCH(int, coloane);
    QFETCH(int, linii);
    QFETCH(int, fixe);
    m_g->SetNrColoaneFixe(fixe);
    Umple(coloane, linii);
    QTEST(m_g->ColCount(), "colCount");
    QTEST(m_g->RowCount(), "rowCount");
    QTEST(m_g->FixedCols(), "fixedCols");
    QTEST(m_g->FixedRows(), "fixedRows");
    QTEST(QPoint(m_g->Col(), m_g->Row()), "curent");
    for (int c = 0; c < coloane; ++c)
        QCOMPARE(m_g->ColWidth(c), 80);
    for (int r = 1; r <= linii; ++r)
        QCOMPARE(m_g->RowHeight(r), 24);
}

void TTestKelVirtualGrid::headerHeight()
{
    QCOMPARE(m_g->HeaderHeight(), 48);
    QCOMPARE(m_g->NrColoaneFixe(), 1);
    QCOMPARE(m_g->Optiuni(), TKelVirtualGrid::TKelGridOptions());
    Umple(2, 3);
    m_g->SetHeaderHeight(60);
    QCOMPARE(m_g->HeaderHeight(), 60);
    auto *l = new TLinieTest;
    l->InaltimeLinie = 40;
    m_g->ListaLinii()->AdaugaLinie(l);
    QCOMPARE(m_g->RowHeight(0), 60);
    QCOMPARE(m_g->RowHeight(4), 40);
    QCOMPARE(m_g->RowHeight(3), 24);
}

void TTestKelVirtualGrid::noDataWithoutEvent()
{
    Umple(3, 2);
    m_g->OnGetCellValue = nullptr;
    QCOMPARE(m_g->TextCelula(1, 1), QString("!NoData!"));
    m_g->OnGetCellValue = [](TKelVirtualGridLine *, int, TKelValoareDate &) {};
    QCOMPARE(m_g->TextCelula(2, 2), QString("!NoData!"));
    // The column's own text event skips the values; the custom text has the last word.
    m_g->Coloane()->Item(2)->OnGetText = [](TKelVirtualGridLine *, QString &Text) { Text = "direct"; };
    QCOMPARE(m_g->TextCelula(2, 2), QString("direct"));
    m_g->OnCustomText = [](TKelVirtualGridLine *, const TKelValoareDate &, int Coloana, QString &Text) {
        Text += QStringLiteral("/%1").arg(Coloana);
    };
    QCOMPARE(m_g->TextCelula(1, 2), QString("!NoData!/1"));
}

void TTestKelVirtualGrid::columnDisplayName()
{
    Umple(2, 0);
    QCOMPARE(m_g->Coloane()->Item(1)->DisplayName(), QString("[1] B"));
    m_g->Coloane()->Item(0)->SetNumeColoana({});
    QCOMPARE(m_g->Coloane()->Item(0)->DisplayName(), QString("[0] <fara nume>"));
}

void TTestKelVirtualGrid::styleNumbersChecked()
{
    Umple(1, 1);
    TKelVirtualGridColumn *c = m_g->Coloane()->Item(0);
    QCOMPARE(Mesaj([&] { c->Stil(0); }), QString("Sunt definite stiluri de la 1 la 10"));
    QCOMPARE(Mesaj([&] { c->Stil(11); }), QString("Sunt definite stiluri de la 1 la 10"));
    QVERIFY(c->Stil1()->Activ());
    for (int s = 2; s <= 10; ++s)
        QVERIFY(!c->Stil(s)->Activ());
    TKelVirtualGridLine l;
    QCOMPARE(Mesaj([&] { l.SetStil(0); }), QString("Stil trebuie sa fie de la 1 la 10"));
    QCOMPARE(Mesaj([&] { l.SetStil(11); }), QString("Stil trebuie sa fie de la 1 la 10"));
    QCOMPARE(l.Stil(), 1);
}

void TTestKelVirtualGrid::styleChoice_data()
{
    QTest::addColumn<int>("stilLinie");
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<bool>("curenta");
    QTest::addColumn<QColor>("fundalLinie");
    QTest::addColumn<QColor>("asteptat");
    // Style s paints background (10 s, 0, 0), selected (0, 10 s, 0).
    auto n = [](int s) { return QColor(10 * s, 0, 0); };
    auto sel = [](int s) { return QColor(0, 10 * s, 0); };
    QTest::newRow("style 1") << 1 << QList<int>{} << false << QColor() << n(1);
    QTest::newRow("own style active") << 4 << QList<int>{4} << false << QColor() << n(4);
    QTest::newRow("highest active below") << 6 << QList<int>{2, 3, 8} << false << QColor() << n(3);
    QTest::newRow("none active falls to 1") << 5 << QList<int>{7} << false << QColor() << n(1);
    QTest::newRow("current cell") << 3 << QList<int>{3} << true << QColor() << sel(3);
    QTest::newRow("line colour overrides") << 3 << QList<int>{3} << false << QColor(1, 2, 3) << QColor(1, 2, 3);
    QTest::newRow("not on the current cell") << 3 << QList<int>{3} << true << QColor(1, 2, 3) << sel(3);
}

void TTestKelVirtualGrid::styleChoice()
{
    QFETCH(int, stilLinie);
    QFETCH(QList<int>, active);
    QFETCH(bool, curenta);
    QFETCH(QColor, fundalLinie);
    Umple(3, 3);
    TKelVirtualGridColumn *c = m_g->Coloane()->Item(2);
    for (int s = 1; s <= 10; ++s) {
        c->Stil(s)->CuloareBackgroundNormal()->SetBaseColor(QColor(10 * s, 0, 0));
        c->Stil(s)->CuloareBackgroundSelectat()->SetBaseColor(QColor(0, 10 * s, 0));
        c->Stil(s)->SetAliniere(s % 2 ? Qt::AlignRight : Qt::AlignHCenter);
    }
    for (int s : active)
        c->Stil(s)->SetActiv(true);
    auto *l = m_g->Linie(2);
    l->SetStil(stilLinie);
    l->CuloareFundal = fundalLinie;
    l->Atribute = TKelVirtualGridLine::aBoldOn | TKelVirtualGridLine::aItalicOn | TKelVirtualGridLine::aItalicOff
                | TKelVirtualGridLine::aSize6 | TKelVirtualGridLine::aSize11;
    if (curenta)
        QVERIFY(m_g->MutaCurent(2, 2));
    const auto a = m_g->AspectCelula(2, 2);
    QTEST(a.Fundal, "asteptat");
    QCOMPARE(m_g->CuloareFundal(2, 2), a.Fundal);
    QCOMPARE(a.Selectat, curenta);
    QVERIFY(a.Font.bold());
    QVERIFY(!a.Font.italic());
    QCOMPARE(a.Font.pointSize(), 11);
    // The painted pixel is the chosen colour.
    const QImage img = m_g->viewport()->grab().toImage();
    QCOMPARE(img.pixelColor(m_g->CellRect(2, 2).topLeft() + QPoint(4, 3)).rgb(), a.Fundal.rgb());
}

void TTestKelVirtualGrid::formatCellOnlyForNonSelected()
{
    Umple(3, 3);
    QList<QPoint> cerute;
    m_g->OnFormatCell = [&](TKelVirtualGridLine *Obj, int Coloana, QColor &Bk, QFont &, QColor &Text) {
        cerute << QPoint(Coloana, m_g->ListaLinii()->IndexOf(Obj) + 1);
        Bk = Qt::yellow;
        Text = Qt::red;
    };
    QVERIFY(m_g->MutaCurent(2, 2));
    const auto a = m_g->AspectCelula(1, 2);
    QCOMPARE(a.Fundal, QColor(Qt::yellow));
    QCOMPARE(a.CuloareFont, QColor(Qt::red));
    QCOMPARE(cerute, QList<QPoint>{QPoint(1, 2)});
    QVERIFY(m_g->AspectCelula(2, 2).Fundal != QColor(Qt::yellow));
    QCOMPARE(cerute.size(), 1);
}

void TTestKelVirtualGrid::colourSubstitution()
{
    Umple(2, 2);
    m_g->Coloane()->Item(1)->Stil1()->CuloareBackgroundNormal()->SetBaseColor(QColor(243, 250, 220));
    m_g->Coloane()->Item(1)->SetCuloareHeader(QColor(243, 250, 220));
    QCOMPARE(m_g->AspectCelula(1, 2).Fundal, QColor(207, 216, 247));
    const QImage img = m_g->viewport()->grab().toImage();
    QCOMPARE(img.pixelColor(m_g->CellRect(1, 2).topLeft() + QPoint(40, 4)), QColor(207, 216, 247));
    QCOMPARE(img.pixelColor(m_g->CellRect(1, 0).topLeft() + QPoint(4, 4)), QColor(207, 216, 247));
}

void TTestKelVirtualGrid::mismatchReportedOnceWhilePainting()
{
    Umple(3, 3);
    m_g->Coloane()->Item(1)->SetTipDeDate(atInteger);
    m_g->viewport()->grab();
    m_g->viewport()->grab();
    QTRY_COMPARE(m_prompter->Erori,
                 QStringList{"Nepotrivire de date cand citesc coloana B: Am primit String, asteptam Integer"});
    QCOMPARE(Mesaj([&] { m_g->TextCelula(1, 1); }),
             QString("Nepotrivire de date cand citesc coloana B: Am primit String, asteptam Integer"));
}

void TTestKelVirtualGrid::mergedBlock_data()
{
    QTest::addColumn<TMerge>("merge");
    QTest::addColumn<QPoint>("celula");
    QTest::addColumn<QRect>("bloc");
    const TMerge m = {{"", "x", "x", "x"}, {"", "x", "", "y"}, {"", "", "", "y"}};
    QTest::newRow("not merged") << m << QPoint(0, 1) << QRect(0, 1, 1, 1);
    QTest::newRow("row run from its start") << m << QPoint(1, 1) << QRect(QPoint(1, 1), QPoint(3, 2));
    QTest::newRow("row run from its end") << m << QPoint(3, 1) << QRect(QPoint(1, 1), QPoint(3, 1));
    QTest::newRow("column run") << m << QPoint(3, 2) << QRect(QPoint(3, 2), QPoint(3, 3));
    QTest::newRow("column run from below") << m << QPoint(3, 3) << QRect(QPoint(3, 2), QPoint(3, 3));
    QTest::newRow("stays right of the fixed column") << TMerge{{"z", "z", "z", ""}} << QPoint(2, 1)
                                                      << QRect(QPoint(1, 1), QPoint(2, 1));
}

void TTestKelVirtualGrid::mergedBlock()
{
    QFETCH(TMerge, merge);
    QFETCH(QPoint, celula);
    Umple(4, 3, merge);
    QTEST(m_g->Bloc(celula.x(), celula.y()), "bloc");
}

void TTestKelVirtualGrid::mergedBlockPaintedAsOne()
{
    Umple(4, 3, {{"", "", "", ""}, {"", "m", "m", ""}});
    QVERIFY(m_g->MutaCurent(1, 1));
    // No line between the merged cells; their text shows once, from the first cell.
    const QImage img = m_g->viewport()->grab().toImage();
    const QRect a = m_g->CellRect(1, 2), b = m_g->CellRect(2, 2);
    QCOMPARE(img.pixelColor(a.right(), a.center().y() - 8), img.pixelColor(b.center().x(), b.center().y() - 8));
    QVERIFY(img.pixelColor(a.right(), m_g->CellRect(1, 1).center().y() - 8)
            != img.pixelColor(a.center().x(), m_g->CellRect(1, 1).center().y() - 8));
    // Repainting a cell of the block repaints all of it; selecting it selects all of it.
    QVERIFY(m_g->MutaCurent(2, 2));
    QVERIFY(m_g->AspectCelula(1, 2).Selectat);
    QVERIFY(m_g->AspectCelula(2, 2).Selectat);
}

void TTestKelVirtualGrid::keyboard_data()
{
    QTest::addColumn<TMerge>("merge");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QList<int>>("taste");
    QTest::addColumn<QPoint>("final");
    const int ctrl = int(Qt::ControlModifier);
    const TMerge fara;
    QTest::newRow("right, down") << fara << QPoint(1, 1) << QList<int>{Qt::Key_Right, Qt::Key_Down} << QPoint(2, 2);
    QTest::newRow("left stops before fixed") << fara << QPoint(2, 1) << QList<int>{Qt::Key_Left, Qt::Key_Left}
                                            << QPoint(1, 1);
    QTest::newRow("up stops before header") << fara << QPoint(1, 2) << QList<int>{Qt::Key_Up, Qt::Key_Up}
                                           << QPoint(1, 1);
    QTest::newRow("right edge") << fara << QPoint(3, 1) << QList<int>{Qt::Key_Right} << QPoint(3, 1);
    QTest::newRow("bottom edge") << fara << QPoint(1, 4) << QList<int>{Qt::Key_Down} << QPoint(1, 4);
    QTest::newRow("end, home") << fara << QPoint(2, 3) << QList<int>{Qt::Key_End} << QPoint(3, 3);
    QTest::newRow("home") << fara << QPoint(3, 3) << QList<int>{Qt::Key_Home} << QPoint(1, 3);
    QTest::newRow("ctrl end") << fara << QPoint(1, 1) << QList<int>{Qt::Key_End | ctrl} << QPoint(3, 4);
    QTest::newRow("ctrl home") << fara << QPoint(3, 4) << QList<int>{Qt::Key_Home | ctrl} << QPoint(1, 1);
    QTest::newRow("page down") << fara << QPoint(1, 1) << QList<int>{Qt::Key_PageDown} << QPoint(1, 4);
    const TMerge m = {{"", "a", "a", ""}, {"", "", "b", ""}, {"", "", "b", ""}, {"", "", "b", ""}};
    QTest::newRow("right skips a block") << m << QPoint(1, 1) << QList<int>{Qt::Key_Right} << QPoint(3, 1);
    QTest::newRow("left skips a block") << m << QPoint(3, 1) << QList<int>{Qt::Key_Left, Qt::Key_Left}
                                        << QPoint(1, 1);
    QTest::newRow("down skips a block") << m << QPoint(2, 1) << QList<int>{Qt::Key_Down, Qt::Key_Down}
                                        << QPoint(2, 4);
    QTest::newRow("up skips a block") << m << QPoint(2, 4) << QList<int>{Qt::Key_Up} << QPoint(2, 1);
}

void TTestKelVirtualGrid::keyboard()
{
    QFETCH(TMerge, merge);
    QFETCH(QPoint, start);
    QFETCH(QList<int>, taste);
    Umple(4, 4, merge);
    m_g->setFocus();
    QVERIFY(m_g->MutaCurent(start.x(), start.y()));
    QSignalSpy schimbat(m_g.get(), &TKelCustomDrawGrid::CurentSchimbat);
    for (int t : taste)
        QTest::keyClick(m_g.get(), Qt::Key(t & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(t & Qt::KeyboardModifierMask));
    QTEST(QPoint(m_g->Col(), m_g->Row()), "final");
    QFETCH(QPoint, final);
    if (final != start)
        QCOMPARE(schimbat.last(), (QVariantList{final.x(), final.y()}));
}

void TTestKelVirtualGrid::editKeysAskPotEdita_data()
{
    QTest::addColumn<int>("tasta");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<bool>("valoare");
    QTest::addColumn<bool>("intrebat");
    QTest::addColumn<QPoint>("final");
    const int kp = int(Qt::KeypadModifier);
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("letter") << int(Qt::Key_K) << 0 << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("keypad 5") << int(Qt::Key_5) << kp << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << kp << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("F11") << int(Qt::Key_F11) << 0 << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("F12 is not") << int(Qt::Key_F12) << 0 << QPoint(2, 2) << true << false << QPoint(2, 2);
    QTest::newRow("keypad 0 is not") << int(Qt::Key_0) << kp << QPoint(2, 2) << true << false << QPoint(2, 2);
    QTest::newRow("no value, no question") << int(Qt::Key_K) << 0 << QPoint(2, 2) << false << false << QPoint(2, 2);
    QTest::newRow("keypad 2 does not move") << int(Qt::Key_2) << kp << QPoint(2, 2) << true << true << QPoint(2, 2);
    QTest::newRow("arrow moves") << int(Qt::Key_Down) << 0 << QPoint(2, 2) << true << false << QPoint(2, 3);
}

void TTestKelVirtualGrid::editKeysAskPotEdita()
{
    QFETCH(int, tasta);
    QFETCH(int, modificatori);
    QFETCH(QPoint, start);
    QFETCH(bool, valoare);
    Umple(3, 3);
    if (!valoare)
        m_g->OnGetCellValue = [](TKelVirtualGridLine *, int, TKelValoareDate &) {};
    QList<int> intrebari;
    m_g->OnPotEdita = [&](TKelVirtualGridLine *, int Coloana, bool &PotEdita) {
        QVERIFY(PotEdita);
        intrebari << Coloana;
        PotEdita = false;
    };
    QVERIFY(m_g->MutaCurent(start.x(), start.y()));
    m_g->setFocus();
    QTest::keyClick(m_g.get(), Qt::Key(tasta), Qt::KeyboardModifiers(modificatori));
    QFETCH(bool, intrebat);
    QCOMPARE(intrebari, intrebat ? QList<int>{start.x()} : QList<int>{});
    QTEST(QPoint(m_g->Col(), m_g->Row()), "final");
}

void TTestKelVirtualGrid::clickSelectsCell()
{
    Umple(4, 5);
    QList<QPoint> selectate;
    m_g->OnSelectCell = [&](QObject *Sender, int ACol, int ARow, bool &CanSelect) {
        QCOMPARE(Sender, m_g.get());
        QVERIFY(CanSelect);
        selectate << QPoint(ACol, ARow);
    };
    QSignalSpy clic(m_g.get(), &TKelCustomDrawGrid::CelulaApasata);
    QTest::mouseClick(m_g->viewport(), Qt::LeftButton, {}, Centru(3, 4));
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(3, 4));
    QCOMPARE(selectate, QList<QPoint>{QPoint(3, 4)});
    QCOMPARE(clic.size(), 1);
    QCOMPARE(clic.first(), (QVariantList{3, 4}));
    QVERIFY(m_g->hasFocus());
    // The fixed column is not selected.
    QTest::mouseClick(m_g->viewport(), Qt::LeftButton, {}, Centru(0, 2));
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(3, 4));
    // A click outside the cells changes nothing.
    QTest::mouseClick(m_g->viewport(), Qt::LeftButton, {}, QPoint(630, 300));
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(3, 4));
    QCOMPARE(selectate.size(), 1);
}

void TTestKelVirtualGrid::selectCellMayRefuse()
{
    Umple(4, 5);
    m_g->OnSelectCell = [](QObject *, int ACol, int, bool &CanSelect) { CanSelect = ACol != 2; };
    QTest::mouseClick(m_g->viewport(), Qt::LeftButton, {}, Centru(2, 3));
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(1, 1));
    m_g->setFocus();
    QTest::keyClick(m_g.get(), Qt::Key_Right);
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(1, 1));
    QTest::keyClick(m_g.get(), Qt::Key_Down);
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(1, 2));
}

void TTestKelVirtualGrid::clickOnHeader()
{
    Umple(4, 5);
    int selectari = 0;
    m_g->OnSelectCell = [&](QObject *, int, int, bool &) { ++selectari; };
    QSignalSpy header(m_g.get(), &TKelCustomDrawGrid::HeaderApasat);
    QTest::mouseClick(m_g->viewport(), Qt::LeftButton, {}, Centru(2, 0));
    QCOMPARE(header.size(), 1);
    QCOMPARE(header.first().first().toInt(), 2);
    QCOMPARE(selectari, 0);
    QCOMPARE(QPoint(m_g->Col(), m_g->Row()), QPoint(1, 1));
}

void TTestKelVirtualGrid::draggedWidthSurvives()
{
    Umple(3, 2);
    const QRect h = m_g->CellRect(1, 0);
    const QPoint separator(h.right() + 1, h.center().y());
    QTest::mousePress(m_g->viewport(), Qt::LeftButton, {}, separator);
    QMouseEvent mutare(QEvent::MouseMove, QPointF(separator + QPoint(50, 0)), m_g->viewport()->mapToGlobal(QPointF(separator + QPoint(50, 0))),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_g->viewport(), &mutare);
    QTest::mouseRelease(m_g->viewport(), Qt::LeftButton, {}, separator + QPoint(50, 0));
    QCOMPARE(m_g->ColWidth(1), 130);
    // Adding lines keeps it, so does an update of the whole grid.
    m_g->ListaLinii()->AdaugaLinie(new TLinieTest);
    m_g->BeginUpdate();
    m_g->Coloane()->Item(2)->SetWidth(90);
    m_g->EndUpdate();
    QCOMPARE(m_g->ColWidth(1), 130);
    QCOMPARE(m_g->ColWidth(2), 90);
    // The program changing the design width wins.
    m_g->Coloane()->Item(1)->SetWidth(70);
    QCOMPARE(m_g->ColWidth(1), 70);
}

void TTestKelVirtualGrid::highlightFades_data()
{
    QTest::addColumn<int>("ticuri");
    QTest::addColumn<int>("intensitate");
    QTest::newRow("no tick") << 0 << 10;
    QTest::newRow("1") << 1 << 8;
    QTest::newRow("2") << 2 << 6;
    QTest::newRow("3") << 3 << 4;
    QTest::newRow("4") << 4 << 2;
    QTest::newRow("5: gone") << 5 << 0;
    QTest::newRow("9: gone") << 9 << 0;
}

void TTestKelVirtualGrid::highlightFades()
{
    QFETCH(int, ticuri);
    QFETCH(int, intensitate);
    Umple(4, 4);
    const QColor normal = m_g->CuloareFundal(2, 3);
    QTest::mouseMove(m_g->viewport(), Centru(2, 3));
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(2, 3), 10);
    QVERIFY(m_g->TickTack()->Pornit());
    QCOMPARE(m_g->ColoanaSubMouse(), 2);
    // The fixed column does not light up.
    QTest::mouseMove(m_g->viewport(), Centru(0, 3));
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(0, 3), 0);
    QTest::mouseMove(m_g->viewport(), Centru(3, 3));
    for (int i = 0; i < ticuri; ++i)
        Tick();
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(2, 3), intensitate);
    // The cell under the mouse stays lit.
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(3, 3), 10);
    const QList<QColor> trepte = ColorGradient(normal, ShadeLiteLiteBlue(ShadeLiteLiteBlue(normal)), 9);
    const QColor asteptat = intensitate > 1 ? trepte[intensitate - 1] : normal;
    QCOMPARE(m_g->CuloareFundal(2, 3), asteptat);
    const QImage img = m_g->viewport()->grab().toImage();
    QCOMPARE(img.pixelColor(m_g->CellRect(2, 3).topLeft() + QPoint(40, 4)).rgb(), asteptat.rgb());
}

void TTestKelVirtualGrid::highlightCoversRow()
{
    Umple(4, 4);
    m_g->SetOptiuni(TKelVirtualGrid::goSelectezLinia);
    QTest::mouseMove(m_g->viewport(), Centru(2, 3));
    for (int c = 1; c < 4; ++c)
        QCOMPARE(m_g->CeluleFierbinti().Intensitate(c, 3), 10);
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(0, 3), 0);
    // Along the row nothing fades; leaving the row fades all of it.
    QTest::mouseMove(m_g->viewport(), Centru(1, 3));
    Tick();
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(3, 3), 10);
    QTest::mouseMove(m_g->viewport(), Centru(1, 4));
    Tick();
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(3, 3), 8);
    QCOMPARE(m_g->CeluleFierbinti().Intensitate(2, 4), 10);
    // The current row is painted in the highlight colour.
    QCOMPARE(m_g->CuloareFundal(3, 1), QGuiApplication::palette().color(QPalette::Highlight));
}

void TTestKelVirtualGrid::updateBatching()
{
    QSignalSpy structura(m_g.get(), &TKelVirtualGrid::StructuraActualizata);
    TNumarPicturi picturi;
    m_g->viewport()->installEventFilter(&picturi);
    m_g->BeginUpdate();
    m_g->BeginUpdate();
    Umple(3, 50);
    m_g->Coloane()->Item(1)->SetNumeColoana("nou");
    m_g->Coloane()->Item(1)->Stil1()->SetAliniere(Qt::AlignRight);
    m_g->RepaintCell(1, 1);
    m_g->EndUpdate();
    QCoreApplication::processEvents();
    QCOMPARE(structura.size(), 0);
    QCOMPARE(m_g->RowCount(), 1);
    QCOMPARE(picturi.Picturi, 0);
    m_g->EndUpdate();
    QCOMPARE(structura.size(), 1);
    QCOMPARE(m_g->RowCount(), 51);
    QCOMPARE(m_g->ColCount(), 3);
    QTRY_VERIFY(picturi.Picturi > 0);
    // Outside an update every change repaints.
    picturi.Picturi = 0;
    m_g->Coloane()->Item(2)->SetNumeColoana("altul");
    QTRY_VERIFY(picturi.Picturi > 0);
    QCOMPARE(structura.size(), 1);
}

void TTestKelVirtualGrid::endUpdateWithoutBegin()
{
    QCOMPARE(Mesaj([&] { m_g->EndUpdate(); }), QString("EndUpdate fara BeginUpdate"));
    m_g->BeginUpdate();
    m_g->EndUpdate();
    QCOMPARE(Mesaj([&] { m_g->EndUpdate(); }), QString("EndUpdate fara BeginUpdate"));
    QVERIFY(!m_g->InUpdate());
}

void TTestKelVirtualGrid::columnAddRelayoutsTwice()
{
    Umple(2, 3);
    QSignalSpy structura(m_g.get(), &TKelVirtualGrid::StructuraActualizata);
    m_g->Coloane()->Add();
    QCOMPARE(structura.size(), 1);
    QCOMPARE(m_g->ColCount(), 3);
    QCOMPARE(m_g->ColWidth(2), 128);
    QTRY_COMPARE(structura.size(), 2);
    m_g->Coloane()->Delete(0);
    QCOMPARE(m_g->ColCount(), 2);
    QTRY_COMPARE(structura.size(), 4);
}

void TTestKelVirtualGrid::tickThreadPostsWhileOn()
{
    Umple(3, 3);
    TNumarTicuri ticuri;
    m_g->installEventFilter(&ticuri);
    m_g->TickTack()->SetIntervalMs(10);
    QTest::qWait(80);
    QCOMPARE(ticuri.Ticuri.load(), 0);
    QTest::mouseMove(m_g->viewport(), Centru(2, 2));
    QTest::mouseMove(m_g->viewport(), Centru(2, 3));
    QTRY_VERIFY(ticuri.Ticuri.load() >= 5);
    // It has faded by itself and keeps ticking.
    QTRY_COMPARE(m_g->CeluleFierbinti().Intensitate(2, 2), 0);
    QVERIFY(m_g->TickTack()->Pornit());
    m_g->TickTack()->SetPornit(false);
    QCoreApplication::processEvents();
    const int acum = ticuri.Ticuri.load();
    QTest::qWait(80);
    QCOMPARE(ticuri.Ticuri.load(), acum);
}

void TTestKelVirtualGrid::threadEndsWithGrid()
{
    // Freed while ticks pour in: nothing reaches the dead grid, and the thread is gone.
    for (int i = 0; i < 5; ++i) {
        auto g = std::make_unique<TKelVirtualGrid>();
        g->TickTack()->SetIntervalMs(1);
        g->TickTack()->SetPornit(true);
        QTest::qWait(10);
        QThread *t = g->TickTack();
        QVERIFY(t->isRunning());
        bool terminat = false;
        connect(t, &QThread::finished, this, [&] { terminat = true; }, Qt::DirectConnection);
        g.reset();
        QVERIFY(terminat);
        QCoreApplication::processEvents();
    }
    QVERIFY(m_g->TickTack()->isRunning());
}

void TTestKelVirtualGrid::screenshot()
{
    m_g->resize(640, 260);
    m_g->BeginUpdate();
    const char *nume[] = {"Nr.", "Nume si prenume", "Medie", "Nota proba scrisa", "Nota proba orala", "Data"};
    const char *u1[] = {"", "Elev", "Elev", "Rezultate|Rezultate examen", "Rezultate|Rezultate examen", ""};
    const char *u2[] = {"", "", "", "Probe", "Probe", ""};
    for (int c = 0; c < 6; ++c) {
        auto *col = m_g->Coloane()->Add();
        col->SetNumeColoana(nume[c]);
        col->SetUmbrela1(u1[c]);
        col->SetUmbrela2(u2[c]);
        col->SetWidth(c == 0 ? 40 : c == 1 ? 150 : 100);
    }
    m_g->Coloane()->Item(3)->SetCuloareUmbrela1(QColor(255, 236, 200));
    m_g->Coloane()->Item(2)->Stil1()->SetAliniere(Qt::AlignRight);
    m_g->Coloane()->Item(0)->Stil1()->SetAliniere(Qt::AlignHCenter);
    const char *elevi[] = {"Popescu Ion", "Ionescu Maria", "Georgescu Ana", "Dumitru Vasile", "Stan Elena", "Marin Radu"};
    for (int r = 0; r < 6; ++r) {
        auto *l = new TLinieTest;
        l->Valori << QString::number(r + 1) << elevi[r] << QStringLiteral("9,%1").arg(r * 7 % 10) << "9,50" << "8,75" << "05/07/08";
        if (r == 2 || r == 3)
            l->Merge = QStringList{"", "", "", "abs", "abs", ""};
        if (r == 2)
            l->Valori[3] = "absent la ambele probe";
        m_g->ListaLinii()->AdaugaLinie(l);
    }
    m_g->EndUpdate();
    m_g->OnFormatCell = [](TKelVirtualGridLine *, int Coloana, QColor &Bk, QFont &, QColor &Text) {
        if (Coloana == 2) {
            Bk = QGuiApplication::palette().color(QPalette::Highlight);
            Text = QGuiApplication::palette().color(QPalette::HighlightedText);
        }
    };
    QVERIFY(m_g->MutaCurent(1, 2));
    QTest::mouseMove(m_g->viewport(), Centru(4, 5));
    QTest::mouseMove(m_g->viewport(), Centru(5, 5));
    Tick();
    const QImage img = m_g->grab().toImage();
    QVERIFY(img.save("/tmp/certavo_grid.png"));
    // The merged block shows its first cell's text once.
    QCOMPARE(m_g->Bloc(4, 4), QRect(QPoint(3, 3), QPoint(4, 4)));
}

QTEST_MAIN(TTestKelVirtualGrid)
#include "tst_kelvirtualgrid.moc"
