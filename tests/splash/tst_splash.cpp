#include "CEVersionInfo.h"
#include "TDirectorTest.h"
#include "TPrompterScriptat.h"
#include "UAboutSplash.h"
#include "UAccesResursaExterna.h"
#include "UErImage.h"
#include "UEroare.h"
#include "UCentreazaForm.h"
#include "USplashZEZ.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

const QStringList Containere{QStringLiteral("Comun.re"), QStringLiteral("GenericSplashForm.re"),
                             QStringLiteral("zez.re")};

QRegion Regiune(const QImage &png)
{
    const QList<QRect> d = RegiuneDinAlfa(png);
    QRegion r;
    for (const QRect &x : d)
        r += x;
    return r;
}

// The picture as it lies in its container beside the program.
QImage PozaDin(const QString &indicativ)
{
    QImage img;
    img.loadFromData(OpenExternalResource(indicativ).Date, "PNG");
    return img;
}

// Runs f as soon as the modal loop is running.
template <class F> void Apoi(F f) { QTimer::singleShot(0, qApp, f); }

void Mouse(QWidget *w, QEvent::Type tip, QPoint global, Qt::MouseButtons butoane)
{
    QMouseEvent e(tip, QPointF(w->mapFromGlobal(global)), QPointF(global),
                  tip == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, butoane, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { TGenericSplashForm::SeteazaFerestreCompuse(std::nullopt); }

    void imparteVersiune_data()
    {
        QTest::addColumn<QString>("versiune");
        QTest::addColumn<QStringList>("parti");
        const QString na = TCEVersionInfo::Indisponibil;
        QTest::newRow("puncte") << "1.0.0.1" << QStringList{"1", "0", "0", "1"};
        QTest::newRow("virgule") << "2,3,4,5" << QStringList{"2", "3", "4", "5"};
        QTest::newRow("restul in build") << "1.2.3.4.5" << QStringList{"1", "2", "3", "4.5"};
        QTest::newRow("doua parti") << "1.2" << QStringList{"1", "2", "", ""};
        QTest::newRow("fara separator") << "7" << QStringList{na, na, na, na};
        QTest::newRow("gol") << "" << QStringList{na, na, na, na};
    }
    void imparteVersiune()
    {
        QFETCH(QString, versiune);
        QFETCH(QStringList, parti);
        TCEVersionInfo v;
        v.ImparteVersiune(versiune);
        QCOMPARE((QStringList{v.MajorVersion, v.MinorVersion, v.Release, v.Build}), parti);
    }

    void versiuneaProgramului()
    {
        TCEVersionInfo v;
        QCOMPARE(v.FileVersion, QStringLiteral(CERTAVO_VERSION));
        QCOMPARE(v.property("MajorVersion").toString(), QStringLiteral("1"));
        QCOMPARE(TextVersiune(), QStringLiteral(CERTAVO_VERSION));
        v.GetInfo(QStringLiteral("/nu/exista.exe"));
        QCOMPARE(v.FileVersion, TCEVersionInfo::Indisponibil);
        QCOMPARE(v.Build, TCEVersionInfo::Indisponibil);
    }

    void centreazaForm_data()
    {
        QTest::addColumn<QSize>("marime");
        QTest::newRow("mica") << QSize(301, 201);
        QTest::newRow("mai mare decat ecranul") << QSize(5000, 4000);
    }
    void centreazaForm()
    {
        QFETCH(QSize, marime);
        QWidget w;
        w.resize(marime);
        CentreazaForm(&w);
        const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint asteptat(std::max(a.left() + (a.width() - marime.width()) / 2, a.left()),
                              std::max(a.top() + (a.height() - marime.height()) / 2, a.top()));
        QCOMPARE(w.pos(), asteptat);
    }

    void splashZEZ()
    {
        TDirectorTest dir(Containere);
        TSplashZEZ s;
        QCOMPARE(s.Timer1->interval(), 5000);
        QVERIFY(s.Timer1->isActive());
        QCOMPARE(s.Tag, 5);
        QCOMPARE(s.size(), QSize(702, 413));
        QCOMPARE(s.Image1->IndicativER(), QStringLiteral("zez.re:Splash"));
        QCOMPARE(s.Image1->pos(), QPoint(0, 0));
        QCOMPARE(s.HidePanel_VerBox->geometry(), QRect(306, 352, 107, 25));
        QCOMPARE(s.RzLabel1->text(), QStringLiteral("Ver " CERTAVO_VERSION));
        QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
        // Not composed here: the shape is exactly the picture's opaque pixels.
        QVERIFY(!s.Stratificat());
        QVERIFY((s.mask() ^ Regiune(PozaDin("zez.re:Splash"))).isEmpty());
        QVERIFY(!s.mask().contains(QPoint(0, 0)));
        QVERIFY(s.mask().contains(QPoint(351, 206)));
        QCOMPARE(s.Suporturi(), QList<QFrame *>{s.HidePanel_VerBox});
        QCOMPARE(s.Pozitii(), QList<QPoint>{QPoint(306, 352)});
        QVERIFY(s.HidePanel_VerBox->findChild<QLabel *>("ImagineSuport"));

        // Closes at the first tick; a short interval keeps the test quick.
        s.Timer1->setInterval(20);
        QElapsedTimer ceas;
        ceas.start();
        QCOMPARE(s.ShowModal(), 1);
        QVERIFY(ceas.elapsed() < 3000);
        QVERIFY(!s.isVisible());
        QCOMPARE(s.Tag, 4);
    }

    void fereastraDeBaza()
    {
        TDirectorTest dir(Containere);
        TGenericSplashForm f;
        QCOMPARE(f.Image1->IndicativER(), QStringLiteral("GenericSplashForm.re:login"));
        QCOMPARE(f.size(), PozaDin("GenericSplashForm.re:login").size());
        QCOMPARE(f.HidePanel_VerBox->geometry(), QRect(16, 280, 289, 25));
        QCOMPARE(f.RzLabel1->text(), QStringLiteral("Ver " CERTAVO_VERSION));
        Apoi([&] { f.SetModalResult(7); });
        QCOMPARE(f.ShowModal(), 7);
        QVERIFY(!f.isVisible());
    }

    void splashInchisDeUtilizator()
    {
        TDirectorTest dir(Containere);
        TSplashZEZ s;
        Apoi([&] { s.close(); });
        QCOMPARE(s.ShowModal(), 3);
    }

    void faraContainerSeDeschideFaraPoza()
    {
        TDirectorTest dir;
        TSplashZEZ s;
        QVERIFY(s.Image1->Picture().isNull());
        s.Timer1->setInterval(10);
        QCOMPARE(s.ShowModal(), 1);
        TAboutSplash a;
        QVERIFY(a.Image1->Picture().isNull());
    }

    void arataSplashPornire()
    {
        TDirectorTest dir(Containere);
        TPrompterScriptat prompter;
        bool vazut = false;
        Apoi([&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *s = qobject_cast<TSplashZEZ *>(w); s && s->isVisible()) {
                    vazut = true;
                    s->Timer1Timer();
                }
        });
        ArataSplashPornire();
        QVERIFY(vazut);
        QVERIFY(prompter.Erori.isEmpty());
    }

    void arataSplashPornireCuContainerStricat()
    {
        TDirectorTest dir(Containere);
        QFile f(dir.Cale("zez.re"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray("\xff\xff\xff\x7f", 4));   // directory count past the end
        f.close();
        TPrompterScriptat prompter;
        ArataSplashPornire();
        QCOMPARE(prompter.Erori.size(), 1);
        QVERIFY(prompter.Erori[0].contains("este deteriorat"));
    }

    void aboutOk()
    {
        TDirectorTest dir(Containere);
        TAboutSplash a;
        QCOMPARE(a.size(), QSize(591, 575));
        QCOMPARE(a.Image1->IndicativER(), QStringLiteral("Comun.re:About"));
        QCOMPARE(a.RzBitBtn1->text(), QStringLiteral("Ok"));
        QCOMPARE(a.RzBitBtn1->objectName(), QStringLiteral("RzBitBtn1"));
        QCOMPARE(a.HidePanel_Button->geometry(), QRect(216, 528, 81, 33));
        QCOMPARE(a.HidePanel_VerBox->geometry(), QRect(6, 555, 193, 25));
        QCOMPARE(a.Suporturi().size(), 2);
        Apoi([&] { QTest::mouseClick(a.RzBitBtn1, Qt::LeftButton); });
        QCOMPARE(a.ShowModal(), 1);
        QVERIFY(!a.isVisible());
    }

    // Where windows are composed the panels stay inside, so they stay in the shape.
    void compusTranslucidSiTrasCuMouse()
    {
        TDirectorTest dir(Containere);
        TGenericSplashForm::SeteazaFerestreCompuse(true);
        TAboutSplash a;
        QVERIFY(a.Stratificat());
        QVERIFY(a.testAttribute(Qt::WA_TranslucentBackground));
        QRegion asteptat = Regiune(PozaDin("Comun.re:About"));
        asteptat += QRect(216, 528, 81, 33);
        asteptat += QRect(6, 555, 193, 25);
        QVERIFY((a.mask() ^ asteptat).isEmpty());
        QVERIFY(!asteptat.isEmpty());

        a.show();
        const QPoint inceput = a.pos();
        const QPoint g = a.Image1->mapToGlobal(QPoint(300, 300));
        Mouse(a.Image1, QEvent::MouseButtonPress, g, Qt::LeftButton);
        Mouse(a.Image1, QEvent::MouseMove, g + QPoint(30, 20), Qt::LeftButton);
        Mouse(a.RzLabel1, QEvent::MouseMove, g + QPoint(35, 10), Qt::LeftButton);
        Mouse(a.Image1, QEvent::MouseButtonRelease, g + QPoint(35, 10), Qt::NoButton);
        QCOMPARE(a.pos(), inceput + QPoint(35, 10));
        Mouse(a.Image1, QEvent::MouseMove, g + QPoint(90, 90), Qt::NoButton);
        QCOMPARE(a.pos(), inceput + QPoint(35, 10));
    }

    void necompusNuSeTrage()
    {
        TDirectorTest dir(Containere);
        TGenericSplashForm::SeteazaFerestreCompuse(false);
        TAboutSplash a;
        a.show();
        const QPoint inceput = a.pos();
        const QPoint g = a.Image1->mapToGlobal(QPoint(300, 300));
        Mouse(a.Image1, QEvent::MouseButtonPress, g, Qt::LeftButton);
        Mouse(a.Image1, QEvent::MouseMove, g + QPoint(30, 20), Qt::LeftButton);
        QCOMPARE(a.pos(), inceput);
    }

    void arataDespre()
    {
        TDirectorTest dir(Containere);
        QWidget principala;
        principala.show();
        bool ascunsa = false;
        Apoi([&] {
            ascunsa = !principala.isVisible();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *a = qobject_cast<TAboutSplash *>(w); a && a->isVisible())
                    QTest::mouseClick(a->RzBitBtn1, Qt::LeftButton);
        });
        ArataDespre(&principala);
        QVERIFY(ascunsa);
        QVERIFY(principala.isVisible());
    }

    void arataDespreCuEroareReafiseaza()
    {
        TDirectorTest dir(Containere);
        QFile f(dir.Cale("Comun.re"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ResursaExterna::ConstruiesteContainer({{"Altceva", "x", 3}}));
        f.close();
        QWidget principala;
        principala.show();
        QVERIFY_THROWS_EXCEPTION(EEroare, ArataDespre(&principala));
        QVERIFY(principala.isVisible());
    }

    // Pictures of both windows as they look composed: saved for a look by eye, and
    // transparent outside the shape.
    void capturi_data()
    {
        QTest::addColumn<bool>("despre");
        QTest::newRow("splash") << false;
        QTest::newRow("despre") << true;
    }
    void capturi()
    {
        QFETCH(bool, despre);
        TDirectorTest dir(Containere);
        TGenericSplashForm::SeteazaFerestreCompuse(true);
        std::unique_ptr<TGenericSplashForm> f;
        if (despre)
            f = std::make_unique<TAboutSplash>();
        else
            f = std::make_unique<TSplashZEZ>();
        f->show();
        QImage img = f->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), f->size());
        QCOMPARE(qAlpha(img.pixel(1, 1)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
        const QString cale = QDir::tempPath() + (despre ? "/certavo_despre.png" : "/certavo_splash.png");
        QVERIFY(img.save(cale));
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
