#include "TMesajEroare.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TDirectorTest.h"
#include "UEroare.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

namespace {
// Counts the zoom notifications it gets, in a shared log.
class TArieNumarata : public TFormularTextArea
{
public:
    TArieNumarata(QWidget *parent, QStringList *jurnal) : TFormularTextArea(parent), m_jurnal(jurnal) {}
    void ZoomChanged() override
    {
        *m_jurnal << objectName();
        TFormularTextArea::ZoomChanged();
    }

private:
    QStringList *m_jurnal;
};

QByteArray Jpeg(QColor culoare, QSize marime = {80, 60})
{
    QImage img(marime, QImage::Format_RGB32);
    img.fill(culoare);
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", 95);
    return b;
}

void ScrieFundal(const QString &cale, const QByteArray &continut)
{
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(continut);
}

constexpr auto Eroare = &MesajEroare;

bool Apropiat(QColor a, QColor b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 30; }
} // namespace

class TstFormularDePrintat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mmToPixels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("mm");
        QTest::addColumn<int>("pixeli");
        QTest::newRow("ZEZ width at 100%") << 100.0 << 291.6 << 1158;
        QTest::newRow("ZEZ height at 100%") << 100.0 << 207.7 << 825;
        QTest::newRow("truncates 10mm at 300%") << 300.0 << 10.0 << 119;
        QTest::newRow("truncates toward zero") << 100.0 << -1.0 << -3;
        QTest::newRow("zoomed in once") << 110.0 << 291.6 << 1274;
    }
    void mmToPixels()
    {
        QFETCH(double, zoom);
        QFETCH(double, mm);
        QFETCH(int, pixeli);
        QCOMPARE(TFormularDePrintat::MmToPixels(TFormularDePrintat::ScreenDpi(zoom), mm), pixeli);
    }

    void screenDpiIncludesFactor()
    {
        TFormularDePrintat s;
        QCOMPARE(s.ScreenDpi(), 100.934783616);
        QCOMPARE(TFormularDePrintat::PixelsToMm(1158, s.ScreenDpi()), 1158 * 25.4 / 100.934783616);
    }

    // The pixel size follows the millimetres and the zoom; a manual resize is undone.
    void pixelSizeFollowsMillimetres()
    {
        TFormularDePrintat s;
        QCOMPARE(s.size(), QSize(39, 39));        // 10 x 10 mm by default
        s.SetLatime(291.6);
        s.SetInaltime(207.7);
        QCOMPARE(s.size(), QSize(1158, 825));
        s.resize(300, 300);
        QCOMPARE(s.size(), QSize(1158, 825));
        s.SetZoom(110);
        QCOMPARE(s.size(), QSize(1274, 907));
    }

    void zoomNotifiesAreasInChildOrder()
    {
        QStringList jurnal;
        TFormularDePrintat s;
        for (const char *n : {"FormularTextArea7", "FormularTextArea2", "FormularTextArea30"}) {
            auto *a = new TArieNumarata(&s, &jurnal);
            a->setObjectName(QLatin1String(n));
            a->Set_Left(10);
            a->Set_Width(20);
        }
        s.SetZoom(100);      // the current value: nothing at all
        QVERIFY(jurnal.isEmpty());
        s.SetZoom(300);
        QCOMPARE(jurnal, (QStringList{"FormularTextArea7", "FormularTextArea2", "FormularTextArea30"}));
        QCOMPARE(s.FindTextArea(2)->geometry().left(), TFormularDePrintat::MmToPixels(s.ScreenDpi(), 10));
        QCOMPARE(s.FindTextArea(2)->width(), 238);
    }

    void highestTextAreaNumber_data()
    {
        QTest::addColumn<QStringList>("nume");
        QTest::addColumn<int>("maxim");
        QTest::newRow("areas and a mark") << QStringList{"FormularTextArea1", "FormularTextArea143", "FormularGraphic1"} << 143;
        QTest::newRow("none") << QStringList{"Eticheta", "FormularGraphic9"} << 0;
        QTest::newRow("bare prefix ignored") << QStringList{"FormularTextArea"} << 0;
        QTest::newRow("digits kept, others dropped") << QStringList{"FormularTextArea1_2", "FormularTextArea9"} << 12;
        QTest::newRow("case-sensitive prefix") << QStringList{"formularTextArea500", "FormularTextArea5"} << 5;
        QTest::newRow("suffix without digits") << QStringList{"FormularTextAreaX", "FormularTextArea3"} << 3;
    }
    void highestTextAreaNumber()
    {
        QFETCH(QStringList, nume);
        QFETCH(int, maxim);
        TFormularDePrintat s;
        for (const QString &n : nume) {
            auto *w = n.startsWith(QLatin1String("FormularGraphic")) ? new TFormularGraphic(&s) : new TFormularTextArea(&s);
            w->setObjectName(n);
        }
        QCOMPARE(s.HighestTextAreaNumber(), maxim);
    }

    void findTextArea()
    {
        TFormularDePrintat s;
        auto *a = new TFormularTextArea(&s);
        a->setObjectName(QStringLiteral("FormularTextArea12"));
        auto *b = new TFormularTextArea(&s);
        b->setObjectName(QStringLiteral("FormularTextArea1"));
        QCOMPARE(s.FindTextArea(12), a);
        QCOMPARE(s.FindTextArea(1), b);
        QCOMPARE(s.FindTextArea(2), nullptr);
    }

    void backgroundCodingIsSymmetric()
    {
        const QByteArray jpeg = Jpeg(Qt::red);
        const QByteArray codat = FisierFundal::Codeaza(jpeg);
        QVERIFY(!codat.startsWith("\xff\xd8"));
        QCOMPARE(quint8(codat[0]), quint8(0xff ^ FisierFundal::Cheie));
        QCOMPARE(FisierFundal::Codeaza(codat), jpeg);
    }

    // What assigning the background file name does, and the trace it leaves.
    void fileNameRules_data()
    {
        QTest::addColumn<QString>("nume");
        QTest::addColumn<bool>("seIncarca");
        QTest::addColumn<bool>("fisierInProgram");
        QTest::addColumn<QString>("eroare");
        QTest::addColumn<QString>("numeRamas");
        QTest::addColumn<QString>("urma");
        QTest::addColumn<bool>("areFundal");
        const QString zez = QStringLiteral("C:\\Proiecte\\Certavo\\ZEZ.BIN");
        QTest::newRow("load from the program folder") << zez << true << true << QString() << zez << "1: nonvid-loadfn" << true;
        QTest::newRow("load, file missing everywhere") << zez << true << false << QString() << QString() << "1: nonvid-loadfn" << false;
        QTest::newRow("empty name") << QString() << false << false << QString() << QString() << "1: reset" << false;
        QTest::newRow("no graphic, not loading") << zez << false << false << QString() << QString() << "1: nonvid-nographic" << false;
        QTest::newRow("too short") << "C:" << true << true << "C: nu este un nume valid" << QString() << QString() << false;
        QTest::newRow("network path") << "\\\\server\\ZEZ.BIN" << true << true
                                      << "\\\\server\\ZEZ.BIN nu este un nume valid, vrea sa am un nume LOCAL (nu de pe retea)"
                                      << QString() << QString() << false;
        QTest::newRow("relative path") << "fundal\\ZEZ.BIN" << true << true
                                      << "fundal\\ZEZ.BIN nu este un nume valid, vrea sa am un nume LOCAL (nu de pe retea)"
                                      << QString() << QString() << false;
    }
    void fileNameRules()
    {
        QFETCH(QString, nume);
        QFETCH(bool, seIncarca);
        QFETCH(bool, fisierInProgram);
        QFETCH(QString, eroare);
        QFETCH(QString, numeRamas);
        QFETCH(QString, urma);
        QFETCH(bool, areFundal);
        TDirectorTest dir;
        if (fisierInProgram)
            ScrieFundal(dir.Cale(QStringLiteral("ZEZ.BIN")), FisierFundal::Codeaza(Jpeg(Qt::blue)));
        TFormularDePrintat s;
        if (seIncarca)
            s.IncepeIncarcarea();
        QCOMPARE(Eroare([&] { s.SetBkImage_FileName(nume); }), eroare);
        QCOMPARE(s.BkImage_FileName(), numeRamas);
        if (eroare.isEmpty())
            QCOMPARE(s.BkImage_DummyMsg(), urma);
        QCOMPARE(!s.BkImage().Gol(), areFundal);
        if (areFundal)
            QVERIFY(Apropiat(s.BkImage().Imagine.pixelColor(40, 30), Qt::blue));
    }

    void traceCountsAssignments()
    {
        TDirectorTest dir;
        TFormularDePrintat s;
        s.SetBkImage_FileName(QString());
        s.SetBkImage_FileName(QString());
        QCOMPARE(s.BkImage_DummyMsg(), QStringLiteral("2: reset"));
    }

    // Holding a JPEG, a new name writes the picture there, keyed.
    void assigningNameSavesJpeg()
    {
        TDirectorTest dir;
        TFormularDePrintat s;
        const QByteArray jpeg = Jpeg(Qt::green);
        QImage img;
        img.loadFromData(jpeg);
        s.SetBkImage({img, jpeg});
        const QString cale = dir.Cale(QStringLiteral("noi/fundaluri/PAGINA.BIN"));
        s.SetBkImage_FileName(cale);
        QCOMPARE(s.BkImage_DummyMsg(), QStringLiteral("1: nonvid-savefn"));
        QCOMPARE(s.BkImage_FileName(), cale);
        QFile f(cale);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(FisierFundal::Codeaza(f.readAll()), jpeg);

        // A new picture is written to the named file at once.
        const QByteArray alt = Jpeg(Qt::yellow);
        img.loadFromData(alt);
        s.SetBkImage({img, alt});
        f.close();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(FisierFundal::Codeaza(f.readAll()), alt);
    }

    void loadErrors_data()
    {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<bool>("scrie");
        QTest::addColumn<QString>("inceput");
        QTest::newRow("missing everywhere") << QByteArray() << false << "Nu pot citi din fisierul ";
        QTest::newRow("not a keyed JPEG") << Jpeg(Qt::red) << true << "Fisierul ";
        QTest::newRow("garbage") << QByteArray(5000, '\x17') << true << "Fisierul ";
        QTest::newRow("truncated") << FisierFundal::Codeaza(Jpeg(Qt::red).left(40)) << true << "Fisierul ";
    }
    void loadErrors()
    {
        QFETCH(QByteArray, continut);
        QFETCH(bool, scrie);
        QFETCH(QString, inceput);
        TDirectorTest dir;
        if (scrie)
            ScrieFundal(dir.Cale(QStringLiteral("X.BIN")), continut);
        TFormularDePrintat s;
        const QString m = Eroare([&] { s.LoadBkImageFromFile(QStringLiteral("C:\\altundeva\\X.BIN")); });
        QVERIFY2(m.startsWith(inceput), qPrintable(m));
        QVERIFY(m.contains(dir.Cale(QStringLiteral("X.BIN"))));
        QVERIFY(s.BkImage().Gol());
        // While loading the same file gives a page without background, silently.
        s.IncepeIncarcarea();
        s.SetBkImage_FileName(QStringLiteral("C:\\altundeva\\X.BIN"));
        QVERIFY(s.BkImage_FileName().isEmpty());
    }

    void paintsPlainFillWithoutBackground()
    {
        TFormularDePrintat s;
        s.SetLatime(50);
        s.SetInaltime(30);
        const QImage g = s.grab().toImage();
        QCOMPARE(g.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(g.pixelColor(g.width() - 1, g.height() - 1), QColor(Qt::white));
    }

    // The background is stretched once into the cache, again only when the size changes.
    void paintsStretchedBackgroundFromCache()
    {
        TFormularDePrintat s;
        s.SetLatime(50);
        s.SetInaltime(30);
        const QByteArray jpeg = Jpeg(QColor(200, 30, 30), {20, 10});
        QImage img;
        img.loadFromData(jpeg);
        s.SetBkImage({img, jpeg});
        const QImage g = s.grab().toImage();
        QCOMPARE(s.BkCache().size(), s.size());
        QVERIFY(Apropiat(g.pixelColor(s.width() / 2, s.height() / 2), QColor(200, 30, 30)));
        QVERIFY(Apropiat(g.pixelColor(s.width() - 2, s.height() - 2), QColor(200, 30, 30)));
        const qint64 cheie = s.BkCache().cacheKey();
        s.grab();
        QCOMPARE(s.BkCache().cacheKey(), cheie);
        s.SetZoom(150);
        s.grab();
        QCOMPARE(s.BkCache().size(), s.size());
    }
};

QTEST_MAIN(TstFormularDePrintat)
#include "tst_formulardeprintat.moc"
