#include "TDirectorTest.h"
#include "UAccesResursaExterna.h"
#include "UErImage.h"
#include "UEroare.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray Codat(const QImage &img, const char *format)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return b;
}

QImage Imagine(int w, int h, QColor c, QImage::Format f = QImage::Format_ARGB32)
{
    QImage img(w, h, f);
    img.fill(c);
    return img;
}

void Scrie(const QString &cale, const QList<ResursaExterna::TIntrare> &intrari)
{
    QDir().mkpath(QFileInfo(cale).absolutePath());
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ResursaExterna::ConstruiesteContainer(intrari));
}

QString MesajDe(TERImage &img, const QString &indicativ)
{
    try {
        img.SetIndicativER(indicativ);
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}

} // namespace

class TestErImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void creatCu105()
    {
        TERImage img;
        QCOMPARE(img.size(), QSize(105, 105));
        QVERIFY(img.Picture().isNull());
        QVERIFY(!img.AutoSize() && !img.Center() && !img.Stretch() && !img.Proportional() && !img.Transparent());
    }

    void destRect_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("poza");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("asteptat");
        const QSize c100(100, 100);
        QTest::newRow("marime proprie") << c100 << QSize(40, 30) << false << false << false << QRect(0, 0, 40, 30);
        QTest::newRow("centrat") << c100 << QSize(40, 30) << false << false << true << QRect(30, 35, 40, 30);
        QTest::newRow("intins") << c100 << QSize(40, 30) << true << false << false << QRect(0, 0, 100, 100);
        QTest::newRow("intins proportional lat") << c100 << QSize(200, 100) << true << true << false
                                                 << QRect(0, 0, 100, 50);
        QTest::newRow("intins proportional lat centrat") << c100 << QSize(200, 100) << true << true << true
                                                         << QRect(0, 25, 100, 50);
        QTest::newRow("proportional mic ramane") << c100 << QSize(40, 30) << false << true << false
                                                 << QRect(0, 0, 40, 30);
        QTest::newRow("proportional inalt") << QSize(120, 150) << QSize(100, 300) << false << true << false
                                            << QRect(0, 0, 50, 150);
        QTest::newRow("proportional lat reajustat") << QSize(100, 40) << QSize(300, 200) << false << true << false
                                                    << QRect(0, 0, 60, 40);
        QTest::newRow("proportional inalt reajustat") << QSize(30, 100) << QSize(100, 200) << false << true << false
                                                      << QRect(0, 0, 30, 60);
        QTest::newRow("trunchiere") << QSize(10, 10) << QSize(3, 7) << true << true << true << QRect(3, 0, 4, 10);
        QTest::newRow("mai mare centrat") << QSize(20, 30) << QSize(50, 50) << false << false << true
                                          << QRect(-15, -10, 50, 50);
        QTest::newRow("impartire spre zero") << QSize(20, 20) << QSize(51, 51) << false << false << true
                                             << QRect(-15, -15, 51, 51);
        QTest::newRow("intins fara poza") << c100 << QSize(0, 0) << true << true << false << QRect(0, 0, 100, 100);
    }
    void destRect()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, poza);
        QFETCH(bool, stretch);
        QFETCH(bool, proportional);
        QFETCH(bool, center);
        QFETCH(QRect, asteptat);
        QCOMPARE(TERImage::DestRect(client, poza, stretch, proportional, center), asteptat);
        TERImage img;
        img.resize(client);
        if (!poza.isEmpty())
            img.SetPicture(Imagine(poza.width(), poza.height(), Qt::red));
        img.SetStretch(stretch);
        img.SetProportional(proportional);
        img.SetCenter(center);
        QCOMPARE(img.DestRect(), asteptat);
    }

    // What is painted is the picture inside DestRect and nothing else.
    void pictura_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::newRow("propriu") << false << false;
        QTest::newRow("centrat") << false << true;
        QTest::newRow("intins") << true << false;
    }
    void pictura()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QWidget parinte;
        QPalette pal = parinte.palette();
        pal.setColor(QPalette::Window, Qt::white);
        parinte.setPalette(pal);
        parinte.setAutoFillBackground(true);
        parinte.resize(60, 40);
        auto *img = new TERImage(&parinte);
        img->setGeometry(0, 0, 60, 40);
        img->SetPicture(Imagine(10, 8, Qt::red));
        img->SetStretch(stretch);
        img->SetCenter(center);
        const QImage ecran = parinte.grab().toImage();
        const QRect d = img->DestRect();
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                QCOMPARE(QColor(ecran.pixel(x, y)) == QColor(Qt::red), d.contains(x, y));
    }

    void incarcaTipuri_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("BMP") << int(ResursaExterna::Bmp) << QByteArray("BMP");
        QTest::newRow("JPEG") << int(ResursaExterna::Jpeg) << QByteArray("JPEG");
        QTest::newRow("PNG") << int(ResursaExterna::Png) << QByteArray("PNG");
    }
    void incarcaTipuri()
    {
        QFETCH(int, tip);
        QFETCH(QByteArray, format);
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", Codat(Imagine(33, 21, Qt::blue, QImage::Format_RGB32), format), uint8_t(tip)}});
        TERImage img;
        img.SetAutoSize(true);
        img.SetIndicativER("P.re:poza");
        QCOMPARE(img.Picture().size(), QSize(33, 21));
        QCOMPARE(img.size(), QSize(33, 21));
        QCOMPARE(img.IndicativER(), QStringLiteral("P.re:poza"));
        // Opaque picture covering the control: the control is opaque.
        QVERIFY(img.testAttribute(Qt::WA_OpaquePaintEvent));
        img.SetTransparent(true);
        QVERIFY(!img.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void pozaTransparentaNuEOpaca()
    {
        TERImage img;
        img.SetAutoSize(true);
        img.SetPicture(Imagine(20, 20, QColor(0, 0, 0, 0)));
        QVERIFY(!img.testAttribute(Qt::WA_OpaquePaintEvent));
        img.SetPicture(Imagine(20, 20, Qt::green, QImage::Format_RGB32));
        QVERIFY(img.testAttribute(Qt::WA_OpaquePaintEvent));
        img.SetAutoSize(false);
        img.show();
        img.resize(40, 40);   // no longer covered
        QVERIFY(!img.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void tipNecunoscut()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", "ceva", 7}});
        TERImage img;
        QCOMPARE(MesajDe(img, "P.re:Poza"), QStringLiteral("Resursa exista dar nu este de tip BMP, JPG sau PNG!"));
    }

    void dateStricate()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", "nu e PNG", ResursaExterna::Png}});
        TERImage img;
        QVERIFY(MesajDe(img, "P.re:Poza").contains("nu poate fi citita"));
    }

    void resursaLipsaEEroare()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", Codat(Imagine(4, 4, Qt::red), "PNG"), 3}});
        TERImage img;
        QVERIFY(MesajDe(img, "P.re:Alta").startsWith("Nu am gasit resursa \"Alta\""));
    }

    // A missing container clears the picture quietly; so does one only in "ER".
    void fisierLipsaGolesteImaginea_data()
    {
        QTest::addColumn<QString>("unde");
        QTest::newRow("nicaieri") << "";
        QTest::newRow("doar in ER") << "ER/";
    }
    void fisierLipsaGolesteImaginea()
    {
        QFETCH(QString, unde);
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", Codat(Imagine(4, 4, Qt::red), "PNG"), 3}});
        if (!unde.isEmpty())
            Scrie(dir.Cale(unde + "Q.re"), {{"Poza", Codat(Imagine(4, 4, Qt::red), "PNG"), 3}});
        TERImage img;
        img.SetIndicativER("P.re:Poza");
        QVERIFY(!img.Picture().isNull());
        QCOMPARE(MesajDe(img, "Q.re:Poza"), QString());
        QVERIFY(img.Picture().isNull());
        QCOMPARE(img.IndicativER(), QStringLiteral("Q.re:Poza"));
        if (!unde.isEmpty())   // the reader itself finds it there
            QCOMPARE(OpenExternalResource("Q.re:Poza").Tip, uint8_t(3));
        img.SetIndicativER("P.re:Poza");
        img.SetIndicativER(QString());
        QVERIFY(img.Picture().isNull());
    }

    // The file part is also looked for in the program folder by its file name.
    void gasitInProgramDupaNume()
    {
        TDirectorTest dir;
        Scrie(dir.Cale("P.re"), {{"Poza", Codat(Imagine(5, 6, Qt::red), "PNG"), 3}});
        TERImage img;
        img.SetIndicativER("C:\\Program Files\\Certavo\\P.re:Poza");
        QCOMPARE(img.Picture().size(), QSize(5, 6));
    }
};

QTEST_MAIN(TestErImage)
#include "tst_erimage.moc"
