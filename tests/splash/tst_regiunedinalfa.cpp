#include "UGenericSplashForm.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>
#include <QtTest>

namespace {

// The plain way: one region piece per row run of pixels with alpha >= 5.
QRegion PixeliOpaci(const QImage &png, qint64 *numar)
{
    const QImage img = png.convertToFormat(QImage::Format_ARGB32);
    QRegion r;
    *numar = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) >= 5) {
                int x1 = x;
                while (x1 < img.width() && qAlpha(img.pixel(x1, y)) >= 5)
                    ++x1;
                r += QRect(x, y, x1 - x, 1);
                *numar += x1 - x;
                x = x1;
            }
    return r;
}

QRegion Regiune(const QList<QRect> &d)
{
    QRegion r;
    for (const QRect &x : d)
        r += x;
    return r;
}

QImage Aleator(quint32 samanta, int w, int h, int procentOpac, bool pete)
{
    QRandomGenerator g(samanta);
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (pete) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);   // graded edges around the threshold
        for (int i = 0; i < 6; ++i) {
            p.setBrush(QColor(200, 30, 30, int(g.bounded(256))));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(g.bounded(w), g.bounded(h), g.bounded(w) + 2, g.bounded(h) + 2));
        }
    } else {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool opac = int(g.bounded(100)) < procentOpac;
                // Alphas 0..4 are transparent, 5 and up opaque.
                const int a = opac ? 5 + int(g.bounded(251)) : int(g.bounded(5));
                img.setPixel(x, y, qRgba(10, 20, 30, a));
            }
    }
    return img;
}

} // namespace

class TestRegiuneDinAlfa : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acoperireExacta_data()
    {
        QTest::addColumn<quint32>("samanta");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("procent");
        QTest::addColumn<bool>("pete");
        for (quint32 s = 1; s <= 12; ++s) {
            const int w = 1 + int((s * 7) % 37), h = 1 + int((s * 11) % 29);
            QTest::addRow("zgomot %u rar", s) << s << w << h << 15 << false;
            QTest::addRow("zgomot %u des", s) << s << w << h << 85 << false;
            QTest::addRow("pete %u", s) << s << w + 20 << h + 20 << 0 << true;
        }
        QTest::newRow("plin") << 99u << 30 << 20 << 100 << false;
        QTest::newRow("un rand") << 5u << 40 << 1 << 60 << false;
        QTest::newRow("o coloana") << 6u << 1 << 40 << 60 << false;
    }
    void acoperireExacta()
    {
        QFETCH(quint32, samanta);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, procent);
        QFETCH(bool, pete);
        const QImage img = Aleator(samanta, w, h, procent, pete);
        qint64 opaci = 0;
        const QRegion asteptat = PixeliOpaci(img, &opaci);
        const QList<QRect> d = RegiuneDinAlfa(img);
        if (opaci == 0) {
            QCOMPARE(d, QList<QRect>{QRect(0, 0, w + 1, h + 1)});
            return;
        }
        const QRegion diferenta = Regiune(d) ^ asteptat;
        QVERIFY2(diferenta.isEmpty(), qPrintable(QStringLiteral("%1 pixels differ").arg(diferenta.rectCount())));
        // The pieces do not overlap and stay inside the picture.
        qint64 arie = 0;
        for (const QRect &r : d) {
            QVERIFY(QRect(0, 0, w, h).contains(r));
            arie += qint64(r.width()) * r.height();
        }
        QCOMPARE(arie, opaci);
    }

    void dreptunghiulCentral()
    {
        // A plus sign: the central rectangle is the bar of the first opaque row, the
        // sides are grown from it, the rest are runs.
        QImage img(9, 9, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.fillRect(QRect(3, 0, 3, 9), Qt::black);
        p.fillRect(QRect(0, 3, 9, 3), Qt::black);
        p.end();
        const QList<QRect> d = RegiuneDinAlfa(img);
        QCOMPARE(d.value(0), QRect(3, 0, 3, 9));
        QCOMPARE(d.value(1), QRect(0, 3, 3, 3));
        QCOMPARE(d.value(2), QRect(6, 3, 3, 3));
        QCOMPARE(d.size(), 3);
    }

    void dreptunghiIntreg_data()
    {
        QTest::addColumn<QImage>("img");
        QImage transparent(17, 9, QImage::Format_ARGB32);
        transparent.fill(Qt::transparent);
        QTest::newRow("totul transparent") << transparent;
        QImage sub5(17, 9, QImage::Format_ARGB32);
        sub5.fill(qRgba(255, 255, 255, 4));
        QTest::newRow("alfa 4") << sub5;
        QImage faraAlfa(17, 9, QImage::Format_RGB32);
        faraAlfa.fill(Qt::white);
        QTest::newRow("fara canal alfa") << faraAlfa;
        QImage paleta(17, 9, QImage::Format_Indexed8);
        paleta.setColorTable({qRgb(1, 2, 3)});
        paleta.fill(0);
        QTest::newRow("paleta fara transparenta") << paleta;
    }
    void dreptunghiIntreg()
    {
        QFETCH(QImage, img);
        QCOMPARE(RegiuneDinAlfa(img), QList<QRect>{QRect(0, 0, 18, 10)});
    }

    void unSinguPixel()
    {
        QImage img(8, 8, QImage::Format_ARGB32);
        img.fill(qRgba(0, 0, 0, 4));
        img.setPixel(5, 6, qRgba(0, 0, 0, 5));
        QCOMPARE(RegiuneDinAlfa(img), QList<QRect>{QRect(5, 6, 1, 1)});
    }
};

QTEST_MAIN(TestRegiuneDinAlfa)
#include "tst_regiunedinalfa.moc"
