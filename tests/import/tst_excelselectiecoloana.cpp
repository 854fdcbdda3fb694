#include "KelVirtualGrid.h"
#include "UColoaneExcel.h"
#include "UExcelSelectieColoana.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
void Umple(TListaColoaneExcel &c)
{
    c.Adauga(QStringLiteral("A")) << "1" << "2" << "3";
    c.Adauga(QStringLiteral("B")) << "Popescu Ion Marius" << "Ionescu Maria" << "Stan";
    c.Adauga(QStringLiteral("C")) << "5050314400116" << "6040229120223" << "6061120220552";
    c.Adauga(QStringLiteral("D")) << QString(200, QLatin1Char('W')) << "" << "";
}

void Click(TKelVirtualGrid *g, int col, int row)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(col, row).center());
}
} // namespace

class TestExcelSelectieColoana : public QObject
{
    Q_OBJECT
    TListaColoaneExcel m_c;

private Q_SLOTS:
    void initTestCase() { Umple(m_c); }

    void incarca()
    {
        TExcelSelectieColoana d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Selectie coloana EXCEL"));
        QCOMPARE(d.size(), QSize(701, 376));
        d.Incarca(&m_c);
        QCOMPARE(d.G->Coloane()->Count(), 4);
        QCOMPARE(d.G->ListaLinii()->Count(), 3);
        QCOMPARE(d.G->HeaderHeight(), 48);
        QCOMPARE(d.G->NrColoaneFixe(), 0);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(d.G->Coloane()->Item(i)->NumeColoana(), m_c.Item(i).Litere);
        QCOMPARE(d.G->TextCelula(1, 1), QStringLiteral("Popescu Ion Marius"));
        QCOMPARE(d.G->TextCelula(2, 3), QStringLiteral("6061120220552"));
        QCOMPARE(static_cast<TLinieGrid *>(d.G->ListaLinii()->Item(2))->Index, 2);
        QVERIFY(d.ColoanaSelectata.isEmpty());
        QVERIFY(d.Label2->isHidden());
    }

    // Each column is as wide as its widest text, plus 12, between 12 and 312 pixels.
    void latimi_data()
    {
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<int>("minim");
        QTest::addColumn<int>("maxim");
        QTest::newRow("goale") << QStringList{"", ""} << 12 << 12;
        QTest::newRow("nimic") << QStringList{} << 12 << 12;
        QTest::newRow("scurt") << QStringList{"1", "22"} << 13 << 40;
        QTest::newRow("lung") << QStringList{QString(200, QLatin1Char('W'))} << 312 << 312;
    }
    void latimi()
    {
        QFETCH(QStringList, texte);
        QFETCH(int, minim);
        QFETCH(int, maxim);
        TExcelSelectieColoana d;
        const int l = d.LatimeColoana(texte);
        QVERIFY2(l >= minim && l <= maxim, qPrintable(QString::number(l)));
        if (!texte.isEmpty() && texte.first() == QLatin1String("22")) {
            const QFontMetrics fm(d.Label1->font());
            QCOMPARE(l, fm.horizontalAdvance(QStringLiteral("22")) + 12);
        }
    }

    // A click on any data cell picks its column, which is painted in the highlight colours;
    // the first cell, current when the picker opens, picks too.
    void alegereCuMouse_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("litere");
        QTest::newRow("prima celula") << 0 << 1 << "A";
        QTest::newRow("B3") << 1 << 3 << "B";
        QTest::newRow("C2") << 2 << 2 << "C";
    }
    void alegereCuMouse()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, litere);
        TExcelSelectieColoana d;
        d.Incarca(&m_c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Click(d.G, col, row);
        QCOMPARE(d.ColoanaSelectata, litere);
        QVERIFY(d.Label2->isVisible());
        QCOMPARE(d.Label2->text(), QStringLiteral("Ati selectat coloana ") + litere);
        const QColor evidentiat = d.palette().color(QPalette::Highlight);
        for (int r = 1; r <= 3; ++r)
            for (int c = 0; c < 4; ++c)
                if (c != d.G->Col() || r != d.G->Row())
                    QCOMPARE(d.G->AspectCelula(c, r).Fundal == evidentiat, c == col);
        QCOMPARE(d.G->AspectCelula(col == 0 ? 0 : col, row == 1 ? 2 : 1).CuloareFont,
                 d.palette().color(QPalette::HighlightedText));
        // A click in the header picks nothing.
        Click(d.G, 3, 0);
        QCOMPARE(d.ColoanaSelectata, litere);
    }

    void alegereCuTastatura()
    {
        TExcelSelectieColoana d;
        d.Incarca(&m_c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.G->setFocus();
        QTest::keyClick(d.G, Qt::Key_Right);
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("B"));
        QTest::keyClick(d.G, Qt::Key_Down);
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("B"));
        QTest::keyClick(d.G, Qt::Key_End);
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("D"));
    }

    // A cell of the column already picked changes nothing.
    void aceeasiColoana()
    {
        TExcelSelectieColoana d;
        d.Incarca(&m_c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Click(d.G, 1, 1);
        d.Label2->setText(QStringLiteral("neschimbat"));
        Click(d.G, 1, 3);
        QCOMPARE(d.G->Row(), 3);
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("B"));
        QCOMPARE(d.Label2->text(), QStringLiteral("neschimbat"));
    }

    void okFaraColoana()
    {
        TExcelSelectieColoana d;
        d.Incarca(&m_c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.RzBitBtn1->click();
        QVERIFY(d.isVisible());
        Click(d.G, 2, 1);
        d.RzBitBtn1->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), 1);
        d.show();
        // The pick stays for the next showing.
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("C"));
        d.RzBitBtn2->click();
        QCOMPARE(d.result(), 2);
    }

    void captura()
    {
        TListaColoaneExcel c;
        c.Adauga(QStringLiteral("A")) << "1" << "2" << "3" << "4";
        c.Adauga(QStringLiteral("B")) << "Popescu Ion Marius" << "Ionescu Maria" << "Georgescu Andrei" << "Stan";
        c.Adauga(QStringLiteral("C")) << "5050314400116" << "6040229120223" << "1991231050330" << "6061120220552";
        c.Adauga(QStringLiteral("D")) << "9,75" << "10" << "8,5" << "";
        c.Adauga(QStringLiteral("E")) << "14/03/2005" << "29/02/2004" << "31/12/1999" << "";
        TExcelSelectieColoana d;
        d.Incarca(&c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Click(d.G, 2, 2);
        QCOMPARE(d.ColoanaSelectata, QStringLiteral("C"));
        QVERIFY(d.grab().save(QStringLiteral("/tmp/certavo_picker.png")));
    }
};

QTEST_MAIN(TestExcelSelectieColoana)
#include "tst_excelselectiecoloana.moc"
