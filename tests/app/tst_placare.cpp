#include "UCentreazaForm.h"

#include <QtTest>

Q_DECLARE_METATYPE(TPlasareFereastra)

class TstPlacare : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void centrata_data()
    {
        QTest::addColumn<QRect>("zona");
        QTest::addColumn<QSize>("fereastra");
        QTest::addColumn<QPoint>("pozitie");
        QTest::newRow("centred") << QRect(0, 0, 1280, 984) << QSize(870, 640) << QPoint(205, 172);
        QTest::newRow("odd difference truncates") << QRect(0, 0, 1001, 801) << QSize(100, 100) << QPoint(450, 350);
        QTest::newRow("larger than the work area is pinned") << QRect(0, 0, 640, 480) << QSize(700, 500) << QPoint(0, 0);
        QTest::newRow("secondary monitor") << QRect(1920, 40, 1280, 984) << QSize(870, 640) << QPoint(2125, 212);
        QTest::newRow("monitor left of the primary") << QRect(-1280, 0, 1280, 1024) << QSize(1400, 500)
                                                      << QPoint(-1280, 262);
    }
    void centrata()
    {
        QFETCH(QRect, zona);
        QFETCH(QSize, fereastra);
        QFETCH(QPoint, pozitie);
        QCOMPARE(PozitieCentrata(zona, fereastra), pozitie);
    }

    void redimensionata_data()
    {
        QTest::addColumn<QRect>("zona");
        QTest::addColumn<QSize>("monitor");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<bool>("maximizata");
        QTest::newRow("large landscape keeps its size")
            << QRect(0, 0, 1920, 1160) << QSize(1920, 1200) << QRect(525, 260, 870, 640) << false;
        QTest::newRow("1280x1024") << QRect(0, 0, 1280, 984) << QSize(1280, 1024) << QRect(15, 15, 1250, 954) << true;
        QTest::newRow("portrait 1200x1920") << QRect(0, 0, 1200, 1880) << QSize(1200, 1920) << QRect(15, 15, 1170, 1850)
                                            << true;
        QTest::newRow("square 1200") << QRect(0, 0, 1200, 1160) << QSize(1200, 1200) << QRect(165, 260, 870, 640) << false;
        QTest::newRow("secondary small monitor") << QRect(1920, 0, 1024, 738) << QSize(1024, 768)
                                                 << QRect(1935, 15, 994, 708) << true;
    }
    void redimensionata()
    {
        QFETCH(QRect, zona);
        QFETCH(QSize, monitor);
        QFETCH(QRect, geometrie);
        QFETCH(bool, maximizata);
        const TPlasareFereastra p = PlasareRedimensionata(zona, monitor, QSize(870, 640));
        QCOMPARE(p.Geometrie, geometrie);
        QCOMPARE(p.Maximizata, maximizata);
    }

    // A window placed on a small monitor opens maximised, restored to the work area less 15 pixels.
    void opensMaximised()
    {
        QWidget w;
        w.resize(870, 640);
        CentreazaSiRedimensioneazaForm(&w);
        const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
        const TPlasareFereastra p = PlasareRedimensionata(zona, QGuiApplication::primaryScreen()->size(), QSize(870, 640));
        QCOMPARE(w.geometry(), p.Geometrie);
        w.show();
        if (p.Maximizata)
            QTRY_VERIFY(w.isMaximized());
        else
            QVERIFY(!w.isMaximized());
    }
};

QTEST_MAIN(TstPlacare)
#include "tst_placare.moc"
