#include "TMesajEroare.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TDirectorTest.h"
#include "TPrompterScriptat.h"
#include "UEroare.h"

#include <QFile>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(TFormularGraphic::EFormularGraphic)

namespace {
// A window holding a layout: fonts and one surface, as the previews have them.
struct TFereastra
{
    QWidget w;
    TFormularDePrintat *s;
    TFontFormular *font;
    TFontFormular *mare;
    TFormularTextArea *a;
    TFereastra()
    {
        w.setObjectName(QStringLiteral("PrintProba"));
        s = new TFormularDePrintat(&w);
        s->SetLatime(100);
        s->SetInaltime(50);
        font = new TFontFormular(&w, QStringLiteral("Stanga_mic"));
        font->SetSize(4.0);
        mare = new TFontFormular(&w, QStringLiteral("FontFormular5"));
        mare->SetSize(8.0);
        mare->SetBold(true);
        a = new TFormularTextArea(s, &w);
        a->setObjectName(QStringLiteral("FormularTextArea12"));
        a->Set_Left(10);
        a->Set_Top(20);
        a->Set_Width(30);
        a->Set_Height(5);
        a->SetFont(font);
        a->ZoomChanged();
    }
};

constexpr auto Eroare = &MesajEroare;

TParticularizareTextArea Inregistrare(const QString &camp, const QString &text = {})
{
    TParticularizareTextArea p;
    p.NumeFereastra = QStringLiteral("PrintProba");
    p.NumeCamp = camp;
    p.TextRedefinit = text;
    return p;
}

int PixeliIntuneric(const QImage &img, QRect zona = {})
{
    if (zona.isNull())
        zona = img.rect();
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100)
                ++n;
    return n;
}
} // namespace

class TstFormularTextArea : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TListaParticularizareTextArea::Uita(); }
    void cleanup() { TListaParticularizareTextArea::Uita(); }

    void pixelBoundsFromMillimetres_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QRect>("limite");
        QTest::newRow("100%") << 100.0 << QRect(39, 79, 119, 19);
        QTest::newRow("110%") << 110.0 << QRect(43, 87, 131, 21);
        QTest::newRow("300%") << 300.0 << QRect(119, 238, 357, 59);
    }
    void pixelBoundsFromMillimetres()
    {
        QFETCH(double, zoom);
        QFETCH(QRect, limite);
        TDirectorTest dir;
        TFereastra f;
        f.s->SetZoom(zoom);
        QCOMPARE(f.a->geometry(), limite);
        QCOMPARE(f.a->_Left(), 10.0);
        QCOMPARE(f.a->p_zoom(), zoom);
        QCOMPARE(f.a->p_dpi(), f.s->ScreenDpi());
    }

    void withoutSurface()
    {
        TFormularTextArea a;
        QCOMPARE(a.p_zoom(), 100.0);
        QCOMPARE(a.p_dpi(), 96.0);
        a.Set_p_zoom(200);
        QCOMPARE(a.p_zoom(), 100.0);
        QCOMPARE(a.cursor().shape(), Qt::PointingHandCursor);
    }

    // Dragging at another zoom than the lock snaps back; at the lock (or unlocked) it is taken.
    void resizeRules_data()
    {
        QTest::addColumn<double>("zoomLock");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("preluat");
        QTest::addColumn<double>("zoomLockDupa");
        QTest::newRow("locked 300, at 100: snaps back") << 300.0 << 100.0 << false << 300.0;
        QTest::newRow("locked 300, at 300: taken") << 300.0 << 300.0 << true << 300.0;
        QTest::newRow("locked 200, at 110: snaps back") << 200.0 << 110.0 << false << 200.0;
        QTest::newRow("unlocked, at 100: taken and locked") << 0.0 << 100.0 << true << 100.0;
    }
    void resizeRules()
    {
        QFETCH(double, zoomLock);
        QFETCH(double, zoom);
        QFETCH(bool, preluat);
        QFETCH(double, zoomLockDupa);
        TDirectorTest dir;
        TFereastra f;
        f.w.show();
        f.a->SetZoomLock(zoomLock);
        f.s->SetZoom(zoom);
        const QRect inainte = f.a->geometry();
        f.a->move(inainte.topLeft() + QPoint(25, 0));
        f.a->resize(inainte.width() + 10, inainte.height());
        const double dpi = f.s->ScreenDpi();
        if (preluat) {
            QCOMPARE(f.a->geometry(), QRect(inainte.topLeft() + QPoint(25, 0), inainte.size() + QSize(10, 0)));
            QCOMPARE(f.a->_Left(), TFormularDePrintat::PixelsToMm(inainte.left() + 25, dpi));
            QCOMPARE(f.a->_Width(), TFormularDePrintat::PixelsToMm(inainte.width() + 10, dpi));
        } else {
            QCOMPARE(f.a->geometry(), inainte);
            QCOMPARE(f.a->_Left(), 10.0);
            QCOMPARE(f.a->_Width(), 30.0);
        }
        QCOMPARE(f.a->ZoomLock(), zoomLockDupa);
    }

    // A hidden area's late geometry events are not taken for edits.
    void hiddenAreaKeepsMillimetres()
    {
        TDirectorTest dir;
        TFereastra f;
        f.s->SetZoom(110);
        f.w.show();
        QCOMPARE(f.a->_Left(), 10.0);
        QCOMPARE(f.a->ZoomLock(), 0.0);
    }

    void loadingAcceptsNoBounds()
    {
        TDirectorTest dir;
        TFereastra f;
        f.w.show();
        f.a->IncepeIncarcarea();
        f.a->move(1, 1);
        QCOMPARE(f.a->_Left(), 10.0);
        f.a->TerminaIncarcarea();
        QCOMPARE(f.a->pos(), QPoint(39, 79));
    }

    void effectiveText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("redefinit");
        QTest::addColumn<QString>("efectiv");
        QTest::newRow("one character kept") << "7" << "X" << "7";
        QTest::newRow("longer replaced") << "Popescu" << "Ionescu" << "Ionescu";
        QTest::newRow("empty replaced") << "" << "Ionescu" << "Ionescu";
        QTest::newRow("no replacement") << "Popescu" << "" << "Popescu";
    }
    void effectiveText()
    {
        QFETCH(QString, text);
        QFETCH(QString, redefinit);
        QFETCH(QString, efectiv);
        TDirectorTest dir;
        TFereastra f;
        TListaParticularizareTextArea::Instanta().Lista().push_back(Inregistrare(f.a->objectName(), redefinit));
        f.a->SetText(text);
        QCOMPARE(f.a->EffectiveText(), efectiv);
    }

    // Customization fields override the definition one by one.
    void drawingParameters_data()
    {
        QTest::addColumn<int>("aliniere");
        QTest::addColumn<int>("bold");
        QTest::addColumn<int>("italic");
        QTest::addColumn<QString>("numeFont");
        QTest::addColumn<QString>("fata");
        QTest::addColumn<int>("aliniereEfectiva");
        QTest::addColumn<bool>("boldEfectiv");
        QTest::addColumn<bool>("italicEfectiv");
        QTest::addColumn<QString>("fataEfectiva");
        QTest::addColumn<double>("marime");
        QTest::newRow("own") << 0 << 0 << 0 << "" << "" << 2 << false << false << "Arial" << 4.0;
        QTest::newRow("left") << 1 << 0 << 0 << "" << "" << 0 << false << false << "Arial" << 4.0;
        QTest::newRow("centre") << 2 << 0 << 0 << "" << "" << 2 << false << false << "Arial" << 4.0;
        QTest::newRow("right") << 3 << 0 << 0 << "" << "" << 1 << false << false << "Arial" << 4.0;
        QTest::newRow("bold, italic forced") << 0 << 1 << 1 << "" << "" << 2 << true << true << "Arial" << 4.0;
        QTest::newRow("other definition") << 0 << 0 << 0 << "FontFormular5" << "" << 2 << true << false << "Arial" << 8.0;
        QTest::newRow("other definition, not bold") << 0 << 2 << 2 << "FontFormular5" << "" << 2 << false << false << "Arial" << 8.0;
        QTest::newRow("definition gone") << 0 << 0 << 0 << "Disparut" << "" << 2 << false << false << "Arial" << 4.0;
        QTest::newRow("face name") << 0 << 0 << 0 << "" << "Courier New" << 2 << false << false << "Courier New" << 4.0;
    }
    void drawingParameters()
    {
        QFETCH(int, aliniere);
        QFETCH(int, bold);
        QFETCH(int, italic);
        QFETCH(QString, numeFont);
        QFETCH(QString, fata);
        QFETCH(int, aliniereEfectiva);
        QFETCH(bool, boldEfectiv);
        QFETCH(bool, italicEfectiv);
        QFETCH(QString, fataEfectiva);
        QFETCH(double, marime);
        TDirectorTest dir;
        TFereastra f;
        f.a->SetAlignment(TFormularTextArea::taCenter);
        TParticularizareTextArea p = Inregistrare(f.a->objectName());
        p.Aliniere = aliniere;
        p.StilBold = bold;
        p.StilItalic = italic;
        p.NumeFontFormular = numeFont;
        p.FontSpecificat = fata;
        TListaParticularizareTextArea::Instanta().Lista().push_back(p);
        TListaParticularizareTextArea::Instanta().FindCustomization(f.a, false);
        const auto d = f.a->ParametriDesen();
        QCOMPARE(int(d.Aliniere), aliniereEfectiva);
        QCOMPARE(d.Bold, boldEfectiv);
        QCOMPARE(d.Italic, italicEfectiv);
        QCOMPARE(d.FaceName, fataEfectiva);
        QVERIFY(d.Font);
        QCOMPARE(d.Font->Size(), marime);
    }

    // The largest cell not above the start whose text fits, but never below 2.
    void shrinkingFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("inaltime");
        QTest::addColumn<int>("latime");
        QTest::newRow("fits at once") << "Ion" << 16 << 200;
        QTest::newRow("shrinks") << "Popescu Ion Alexandru" << 16 << 90;
        QTest::newRow("stops at 2, clipped") << "Popescu Ion Alexandru Gheorghe" << 16 << 3;
        QTest::newRow("a single step") << "MMMMMMMMMM" << 20 << 150;
    }
    void shrinkingFont()
    {
        QFETCH(QString, text);
        QFETCH(int, inaltime);
        QFETCH(int, latime);
        QImage dev(10, 10, QImage::Format_RGB32);
        TFormularTextArea::TParametriDesen p;
        p.Text = text;
        p.FaceName = QStringLiteral("Arial");
        auto latimeLa = [&](int h) { return QFontMetrics(TFormularTextArea::FontCelula(p, h, &dev), &dev).horizontalAdvance(text); };
        int h = inaltime;
        const QFont f = TFormularTextArea::FontCareIncape(p, h, latime, &dev);
        QVERIFY(h >= 2 && h <= inaltime);
        QVERIFY(h == 2 || latimeLa(h) <= latime);
        if (h < inaltime)
            QVERIFY(latimeLa(h + 1) > latime);
        QVERIFY(QFontMetrics(f, &dev).height() <= h);
        QCOMPARE(QFontMetrics(f, &dev).horizontalAdvance(text), latimeLa(h));
    }

    // Text sits at the bottom of the area; a border and the baselines come from the surface.
    void screenPainting()
    {
        TDirectorTest dir;
        TFereastra f;
        f.a->SetText(QStringLiteral("MMMM"));
        QImage g = f.a->grab().toImage();
        const int w = g.width(), h = g.height();
        QVERIFY(PixeliIntuneric(g, QRect(0, h / 2, w / 2, h / 2)) > 10);       // left aligned, low
        QCOMPARE(PixeliIntuneric(g, QRect(w / 2, 0, w / 2, h)), 0);
        f.a->SetAlignment(TFormularTextArea::taRightJustify);
        g = f.a->grab().toImage();
        QCOMPARE(PixeliIntuneric(g, QRect(0, 0, w / 2, h)), 0);
        f.s->SetTextAreaWithBorder(true);
        f.s->SetTextAreaBaseLine1(true);
        g = f.a->grab().toImage();
        QCOMPARE(g.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(g.pixelColor(w - 1, h - 1), QColor(Qt::black));
        const int y0 = h - QFontMetrics(TFormularTextArea::FontCelula(f.a->ParametriDesen(), 15, f.a), f.a).descent();
        QCOMPARE(g.pixelColor(w / 4, y0), QColor(Qt::red));
    }

    void opaqueSurfaceFillsWhite()
    {
        TDirectorTest dir;
        TFereastra f;
        f.s->SetTextAreaTransparent(false);
        const QImage g = f.a->grab().toImage();
        QCOMPARE(g.pixelColor(2, 2), QColor(Qt::white));
    }

    void fontUsersFollowAssignment()
    {
        TDirectorTest dir;
        TFereastra f;
        QCOMPARE(f.font->Users().size(), 1);
        f.a->SetFont(f.mare);
        QCOMPARE(f.font->Users().size(), 0);
        QCOMPARE(f.mare->Users().size(), 1);
        delete f.a;
        QCOMPARE(f.mare->Users().size(), 0);
    }

    // Without its definition an area draws no text, but still its frame.
    void destroyedFontLeavesNoText()
    {
        TDirectorTest dir;
        TFereastra f;
        f.a->SetText(QStringLiteral("MMMM"));
        f.s->SetTextAreaWithBorder(true);
        delete f.font;
        QCOMPARE(f.a->Font(), nullptr);
        const QImage g = f.a->grab().toImage();
        QCOMPARE(PixeliIntuneric(g, QRect(2, 2, g.width() - 4, g.height() - 4)), 0);
        QCOMPARE(g.pixelColor(0, 0), QColor(Qt::black));
    }

    void clickSignalsArea()
    {
        TDirectorTest dir;
        TFereastra f;
        f.w.show();
        QSignalSpy spy(f.a, &TFormularTextArea::Apasat);
        QTest::mouseClick(f.a, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].value<TFormularTextArea *>(), f.a);
    }

    void graphicPaths_data()
    {
        QTest::addColumn<TFormularGraphic::EFormularGraphic>("forma");
        QTest::addColumn<QList<QPoint>>("traseu");
        using G = TFormularGraphic;
        QTest::newRow("box") << G::fgCutie << QList<QPoint>{{0, 0}, {9, 0}, {9, 4}, {0, 4}, {0, 0}};
        QTest::newRow("top line") << G::fgLinieSus << QList<QPoint>{{0, 0}, {9, 0}};
        QTest::newRow("left line") << G::fgLinieStanga << QList<QPoint>{{0, 0}, {0, 4}};
        QTest::newRow("diagonal down") << G::fgStangaSusDreaptaJos << QList<QPoint>{{0, 0}, {9, 4}};
        QTest::newRow("diagonal up") << G::fgStangaJosDreaptaSus << QList<QPoint>{{9, 0}, {0, 4}};
        QTest::newRow("Z") << G::fgZoroSign << QList<QPoint>{{0, 0}, {9, 0}, {0, 4}, {9, 4}};
        QTest::newRow("nothing") << G::fgNimic << QList<QPoint>{};
    }
    void graphicPaths()
    {
        QFETCH(TFormularGraphic::EFormularGraphic, forma);
        QFETCH(QList<QPoint>, traseu);
        QCOMPARE(TFormularGraphic::Traseu(forma, 10, 5), traseu);
    }

    void graphicPaintsInLineColor()
    {
        TDirectorTest dir;
        TFormularDePrintat s;
        s.SetLatime(100);
        s.SetInaltime(50);
        TFormularGraphic g(&s);
        QCOMPARE(g.Shape(), TFormularGraphic::fgCutie);
        g.Set_Width(20);
        g.Set_Height(10);
        g.ZoomChanged();
        g.SetLineColor(Qt::blue);
        QImage img = g.grab().toImage();
        QCOMPARE(img.pixelColor(img.width() - 1, 5), QColor(Qt::blue));
        g.SetShape(TFormularGraphic::fgLinieSus);
        img = g.grab().toImage();
        QCOMPARE(img.pixelColor(img.width() / 2, 0), QColor(Qt::blue));
        QVERIFY(img.pixelColor(img.width() - 1, 5) != QColor(Qt::blue));
    }

    // ------------------------------------------------------------ customization file

    void fileRoundTrip()
    {
        TParticularizareTextArea p = Inregistrare(QStringLiteral("FormularTextArea3"), QString::fromUtf8("Ştefan Ţurcanu"));
        p.Aliniere = 3;
        p.PozitieOrizontala = -1;
        p.PozitieVerticala = 1;
        p.NumeFontFormular = QStringLiteral("FontFormular5");
        p.StilItalic = 1;
        p.StilBold = 2;
        p.FontSpecificat = QString(300, QLatin1Char('x'));
        const QList<TParticularizareTextArea> lista{p, Inregistrare(QStringLiteral("FormularTextArea4"))};
        QCOMPARE(TListaParticularizareTextArea::Citeste(TListaParticularizareTextArea::Scrie(lista)), lista);
    }

    // ASCII texts are tag 6, others UTF-8 under tag 20.
    void fileBytes()
    {
        TParticularizareTextArea p;
        p.NumeFereastra = QStringLiteral("F");
        p.NumeCamp = QString::fromUtf8("ă");
        const QByteArray asteptat = QByteArray::fromHex("0200" "0201" "0202" "060146" "1402000000c483"
                                                        "0200" "0200" "0200" "0600" "0600" "0200" "0200" "0600");
        QCOMPARE(TListaParticularizareTextArea::Scrie({p}).toHex(), asteptat.toHex());
    }

    void fileOlderVersionsAndWideText()
    {
        // Record of version 0 with a UTF-16 window name, then version 1.
        const QByteArray date = QByteArray::fromHex("0200" "0202"
                                                    "0200" "12010000004100" "060141" "0201" "0200" "02ff" "0600"
                                                    "0201" "060142" "060142" "0200" "0200" "0200" "0600" "060154");
        const auto lista = TListaParticularizareTextArea::Citeste(date);
        QCOMPARE(lista.size(), 2);
        QCOMPARE(lista[0].NumeFereastra, QStringLiteral("A"));
        QCOMPARE(lista[0].Aliniere, 1);
        QCOMPARE(lista[0].PozitieVerticala, -1);
        QVERIFY(lista[0].TextRedefinit.isEmpty() && lista[0].FontSpecificat.isEmpty());
        QCOMPARE(lista[0].StilBold, 0);
        QCOMPARE(lista[1].TextRedefinit, QStringLiteral("T"));
    }

    void fileErrors_data()
    {
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QString>("inceput");
        QTest::newRow("file version 1") << QByteArray::fromHex("0201" "0200") << "Invalid format";
        QTest::newRow("record version 3") << QByteArray::fromHex("0200" "0201" "0203" "0600060002000200020006000600")
                                          << "Invalid format";
        QTest::newRow("count beyond the file") << QByteArray::fromHex("0200" "04ffffff7f" "0200") << "Fisierul de particularizari";
        QTest::newRow("negative count") << QByteArray::fromHex("0200" "02ff") << "Fisierul de particularizari";
        QTest::newRow("empty file") << QByteArray() << "Fisier deteriorat";
        QTest::newRow("text length past the end") << QByteArray::fromHex("0200" "0201" "0202" "0cffffff00" "00000000000000000000")
                                                  << "Fisier deteriorat";
        QTest::newRow("unknown tag") << QByteArray::fromHex("0200" "0201" "0202" "0700" "0000000000000000000000000000")
                                     << "Fisier deteriorat";
    }
    void fileErrors()
    {
        QFETCH(QByteArray, date);
        QFETCH(QString, inceput);
        const QString m = Eroare([&] { TListaParticularizareTextArea::Citeste(date); });
        QVERIFY2(m.startsWith(inceput), qPrintable(m));
    }

    // A damaged file is reported once, put aside under another name, and the program goes on
    // without customizations; the next save does not overwrite what the user had set.
    void brokenFileIsKeptAside()
    {
        TDirectorTest dir;
        TListaParticularizareTextArea::Uita();
        QFile f(dir.Cale(QStringLiteral("licenta.lic")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("0201"));
        f.close();
        TPrompterScriptat p;
        TListaParticularizareTextArea &l = TListaParticularizareTextArea::Instanta();
        QVERIFY(l.Lista().empty());
        QCOMPARE(TListaParticularizareTextArea::Instanta().Lista().size(), size_t(0));
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().startsWith(QStringLiteral("Invalid format")), qPrintable(p.Erori.first()));
        QFile deoparte(dir.Cale(QStringLiteral("licenta.lic.deteriorat")));
        QVERIFY(deoparte.open(QIODevice::ReadOnly));
        QCOMPARE(deoparte.readAll(), QByteArray::fromHex("0201"));
        l.Salveaza();
        QVERIFY(QFile::exists(dir.Cale(QStringLiteral("licenta.lic"))));
        QVERIFY(QFile::exists(dir.Cale(QStringLiteral("licenta.lic.deteriorat"))));
        TListaParticularizareTextArea::Uita();
    }

    // A created record is saved at once; the last record of an area is the one used.
    void findCreatesAndSaves()
    {
        TDirectorTest dir;
        {
            TFereastra f;
            auto &lista = TListaParticularizareTextArea::Instanta();
            QCOMPARE(lista.FindCustomization(f.a, false), nullptr);
            QVERIFY(!QFile::exists(dir.Cale(QStringLiteral("licenta.lic"))));
            TParticularizareTextArea *p = lista.FindCustomization(f.a, true);
            QVERIFY(p);
            QCOMPARE(p->NumeFereastra, QStringLiteral("PrintProba"));
            QCOMPARE(p->NumeCamp, QStringLiteral("FormularTextArea12"));
            QVERIFY(QFile::exists(dir.Cale(QStringLiteral("licenta.lic"))));
            lista.Lista().push_back(Inregistrare(QStringLiteral("FormularTextArea12"), QStringLiteral("ultimul")));
            QCOMPARE(lista.FindCustomization(f.a, true)->TextRedefinit, QStringLiteral("ultimul"));
            lista.Salveaza();
        }
        TListaParticularizareTextArea::Uita();
        TFereastra f;
        QCOMPARE(TListaParticularizareTextArea::Instanta().Lista().size(), size_t(2));
        f.a->SetText(QStringLiteral("Popescu"));
        QCOMPARE(f.a->EffectiveText(), QStringLiteral("ultimul"));
    }
};

QTEST_MAIN(TstFormularTextArea)
#include "tst_formulartextarea.moc"
