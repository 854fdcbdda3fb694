#include "TMesajEroare.h"
#include "FontFormular.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TDirectorTest.h"
#include "UEroare.h"
#include "UIncarcaMachete.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// Checks the layout files against the layout tables as written for people (tests/data/machete.md):
// one table of font definitions per window, then per page a line with the surface and a table of areas.
namespace {
struct TFontAsteptat
{
    QString Nume, Eticheta;
    double Size;
    bool Bold;
};
struct TArieAsteptata
{
    QString Nume, Denumire1, Denumire2, Denumire3, Font, Aliniere;
    double Left, Top, Width, Height;
};
struct TPaginaAsteptata
{
    QString Nume, Titlu, Fundal;
    double Latime, Inaltime, Zoom;
    int Numar;
    QList<TArieAsteptata> Arii;
};
struct TFereastraAsteptata
{
    QString Clasa;
    QList<TFontAsteptat> Fonturi;
    QList<TPaginaAsteptata> Pagini;
};

QStringList Celule(const QString &linie)
{
    QStringList c = linie.trimmed().mid(1).chopped(1).split(QLatin1Char('|'));
    for (QString &s : c)
        s = s.trimmed();
    return c;
}

QString Liniuta(const QString &s) { return s == QLatin1String("-") ? QString() : s; }

QList<TFereastraAsteptata> Tabele()
{
    QFile f(QStringLiteral(CERTAVO_TEST_DATA "/machete.md"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no layout tables");
    QList<TFereastraAsteptata> r;
    const QRegularExpression fereastra(QStringLiteral("^(?:ZEZ|Level 1).*\\(`(T\\w+)`\\)"));
    const QRegularExpression suprafata(QStringLiteral(
        "^Surface `(\\w+)` \\(page \"(\\w+)\"\\): `Latime` ([\\d.]+), `Inaltime` ([\\d.]+), `Zoom` ([\\d.]+), "
        "`BkImage_FileName` ending in \"([^\"]+)\"; (\\d+) text areas"));
    for (const QString &linie : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (auto m = fereastra.match(linie); m.hasMatch()) {
            r.append({m.captured(1), {}, {}});
        } else if (auto s = suprafata.match(linie); s.hasMatch()) {
            r.last().Pagini.append({s.captured(1), s.captured(2), s.captured(6), s.captured(3).toDouble(),
                                    s.captured(4).toDouble(), s.captured(5).toDouble(), s.captured(7).toInt(), {}});
        } else if (linie.startsWith(QLatin1String("| ")) && !linie.startsWith(QLatin1String("| Name"))
                   && !linie.startsWith(QLatin1String("| Area"))) {
            const QStringList c = Celule(linie);
            if (c.size() == 4) {
                r.last().Fonturi.append({c[0], Liniuta(c[3]), c[1].toDouble(), c[2] == QLatin1String("bold")});
                continue;
            }
            const QStringList numere = c[0].split(QLatin1Char(','));
            const QStringList stangi = c[4].split(QLatin1Char(','));
            const int primaCutie = c[2].section(QLatin1String(".."), 0, 0).toInt();
            for (qsizetype i = 0; i < numere.size(); ++i) {
                const QString d2 = numere.size() > 1 ? QString::number(primaCutie + i) : Liniuta(c[2]);
                r.last().Pagini.last().Arii.append({QStringLiteral("FormularTextArea") + numere[i].trimmed(), c[1], d2,
                                                    Liniuta(c[3]), c[8], c[9], stangi.value(i).trimmed().toDouble(),
                                                    c[5].toDouble(), c[6].toDouble(), c[7].toDouble()});
            }
        }
    }
    return r;
}

TFormularTextArea::TAlignment Aliniere(const QString &s)
{
    if (s == QLatin1String("left"))
        return TFormularTextArea::taLeftJustify;
    if (s == QLatin1String("right"))
        return TFormularTextArea::taRightJustify;
    return TFormularTextArea::taCenter;
}

constexpr auto Eroare = &MesajEroare;
} // namespace

class TstIncarcaMachete : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TListaParticularizareTextArea::Uita(); }

    void layoutsMatchTables_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<int>("index");
        QTest::newRow("ZEZ") << Machete::ZEZ << 0;
        QTest::newRow("CCPN1") << Machete::CCPN1 << 1;
    }
    void layoutsMatchTables()
    {
        QFETCH(QString, fisier);
        QFETCH(int, index);
        const QList<TFereastraAsteptata> tabele = Tabele();
        QCOMPARE(tabele.size(), 2);
        const TFereastraAsteptata &t = tabele[index];
        TDirectorTest dir;
        QWidget w;
        const TMacheta m = IncarcaMacheta(TDirectorTest::DinBuild(QStringLiteral("layouts/") + fisier), &w);
        QCOMPARE(QStringLiteral("T") + w.objectName(), t.Clasa);

        QCOMPARE(m.Fonturi.size(), t.Fonturi.size());
        QCOMPARE(t.Fonturi.size(), 22);
        for (qsizetype i = 0; i < t.Fonturi.size(); ++i) {
            const TFontFormular *f = m.Fonturi[i];
            QCOMPARE(f->objectName(), t.Fonturi[i].Nume);
            QCOMPARE(f->parent(), &w);
            QCOMPARE(f->FontName(), QStringLiteral("Arial"));
            QCOMPARE(f->Size(), t.Fonturi[i].Size);
            QCOMPARE(f->Bold(), t.Fonturi[i].Bold);
            QCOMPARE(f->Italic(), false);
            QCOMPARE(f->DescrierePentruEditor(), t.Fonturi[i].Eticheta);
        }

        QCOMPARE(m.Pagini.size(), t.Pagini.size());
        for (qsizetype p = 0; p < t.Pagini.size(); ++p) {
            const TPaginaAsteptata &tp = t.Pagini[p];
            const TFormularDePrintat *s = m.Pagini[p].Suprafata;
            QCOMPARE(m.Pagini[p].Titlu, tp.Titlu);
            QCOMPARE(s->objectName(), tp.Nume);
            QCOMPARE(s->Latime(), tp.Latime);
            QCOMPARE(s->Inaltime(), tp.Inaltime);
            QCOMPARE(s->Zoom(), tp.Zoom);
            QVERIFY(s->BkImage_FileName().isEmpty() || s->BkImage_FileName().endsWith(QLatin1Char('\\') + tp.Fundal));
            QCOMPARE(s->TextAreaBaseLine2_delta(), 1.0);
            QCOMPARE(s->TextAreaTopLine1_delta(), 1.0);
            QCOMPARE(s->DeltaSus(), 0.0);
            QCOMPARE(s->DeltaStanga(), 0.0);
            QVERIFY(s->TextAreaTransparent() && !s->TextAreaWithBorder() && !s->TextAreaBaseLine1());
            const QList<TFormularTextArea *> arii = s->TextAreas();
            QCOMPARE(tp.Arii.size(), tp.Numar);
            QCOMPARE(arii.size(), tp.Numar);
            for (qsizetype i = 0; i < arii.size(); ++i) {
                const TArieAsteptata &ta = tp.Arii[i];
                const TFormularTextArea *a = arii[i];
                QCOMPARE(a->objectName(), ta.Nume);
                QCOMPARE(a->Denumire1(), ta.Denumire1);
                QCOMPARE(a->Denumire2(), ta.Denumire2);
                QCOMPARE(a->Denumire3(), ta.Denumire3);
                QCOMPARE(a->_Left(), ta.Left);
                QCOMPARE(a->_Top(), ta.Top);
                QCOMPARE(a->_Width(), ta.Width);
                QCOMPARE(a->_Height(), ta.Height);
                QVERIFY(a->Font());
                QCOMPARE(a->Font()->objectName(), ta.Font);
                QCOMPARE(a->Alignment(), Aliniere(ta.Aliniere));
                const bool doiSute = tp.Nume == QLatin1String("FormularDePrintat2")
                                     && QStringList({"91", "92", "93", "35", "177"}).contains(ta.Nume.mid(16));
                QCOMPARE(a->ZoomLock(), doiSute ? 200.0 : 300.0);
                QCOMPARE(a->cursor().shape(), Qt::PointingHandCursor);
                QCOMPARE(a->Owner(), &w);
                QCOMPARE(a->geometry().left(), TFormularDePrintat::MmToPixels(s->ScreenDpi(), ta.Left));
            }
        }
    }

    // The background named by the layout is found beside the program.
    void backgroundFromProgramFolder()
    {
        TDirectorTest dir({QStringLiteral("ZEZ.BIN")});
        QWidget w;
        const TMacheta m = IncarcaMacheta(TDirectorTest::DinBuild(QStringLiteral("layouts/") + Machete::ZEZ), &w);
        const TFormularDePrintat *s = m.Pagini[0].Suprafata;
        QVERIFY(!s->BkImage().Gol());
        QCOMPARE(s->BkImage_DummyMsg(), QStringLiteral("1: nonvid-loadfn"));
        QVERIFY(s->BkImage_FileName().endsWith(QLatin1String("\\ZEZ.BIN")));
    }

    // Each page's scan is a keyed JPEG with the page's proportions.
    void backgroundScans_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<double>("latime");
        QTest::addColumn<double>("inaltime");
        QTest::newRow("ZEZ") << "ZEZ.BIN" << 291.6 << 207.7;
        QTest::newRow("CCPN1 front") << "CCPN1-FATA.BIN" << 290.4 << 208.4;
        QTest::newRow("CCPN1 back") << "CCPN1-SPATE.BIN" << 290.5 << 208.9;
    }
    void backgroundScans()
    {
        QFETCH(QString, fisier);
        QFETCH(double, latime);
        QFETCH(double, inaltime);
        TDirectorTest dir({fisier});
        TFormularDePrintat s;
        s.LoadBkImageFromFile(QStringLiteral("C:\\Certavo\\") + fisier);
        const QImage &img = s.BkImage().Imagine;
        QVERIFY(s.BkImage().EsteJpeg());
        QVERIFY(img.width() > 1000);
        QVERIFY(qAbs(double(img.width()) / img.height() - latime / inaltime) < 0.01);
    }

    void brokenLayouts_data()
    {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("contine");
        QTest::newRow("not JSON") << QByteArray("{\"Fereastra\": ") << "este deteriorata";
        QTest::newRow("no pages") << QByteArray("{\"Fereastra\": \"P\", \"Fonturi\": []}") << "lipseste lista \"Pagini\"";
        QTest::newRow("unknown property")
            << QByteArray("{\"Fereastra\": \"P\", \"Fonturi\": [{\"Nume\": \"F\", \"Marime\": 3}], \"Pagini\": []}")
            << "F.TFontFormular nu are proprietatea Marime";
        QTest::newRow("wrong value")
            << QByteArray("{\"Fereastra\": \"P\", \"Fonturi\": [], \"Pagini\": [{\"Nume\": \"S\", \"Arii\": "
                          "[{\"Nume\": \"FormularTextArea1\", \"Alignment\": \"diagonal\"}]}]}")
            << "FormularTextArea1.TFormularTextArea: valoare nepotrivita pentru proprietatea Alignment";
        QTest::newRow("unknown font")
            << QByteArray("{\"Fereastra\": \"P\", \"Fonturi\": [], \"Pagini\": [{\"Nume\": \"S\", \"Arii\": "
                          "[{\"Nume\": \"FormularTextArea1\", \"Font\": \"Lipsa\"}]}]}")
            << "FormularTextArea1.TFormularTextArea foloseste fontul inexistent Lipsa";
        QTest::newRow("nameless area")
            << QByteArray("{\"Fereastra\": \"P\", \"Fonturi\": [], \"Pagini\": [{\"Nume\": \"S\", \"Arii\": [3]}]}")
            << "S.TFormularDePrintat: o componenta fara nume";
    }
    void brokenLayouts()
    {
        QFETCH(QByteArray, continut);
        QFETCH(QString, contine);
        TDirectorTest dir;
        QFile f(dir.Cale(QStringLiteral("rau.json")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(continut);
        f.close();
        QWidget w;
        const QString m = Eroare([&] { IncarcaMacheta(f.fileName(), &w); });
        QVERIFY2(m.contains(contine), qPrintable(m));
        QVERIFY(w.children().isEmpty());
    }

    void missingLayoutFile()
    {
        TDirectorTest dir;
        QWidget w;
        QCOMPARE(Eroare([&] { IncarcaMacheta(FisierMacheta(Machete::ZEZ), &w); }),
                 QStringLiteral("Nu pot citi macheta din fisierul ") + dir.Cale(QStringLiteral("layouts/")) + Machete::ZEZ);
    }
};

QTEST_MAIN(TstIncarcaMachete)
#include "tst_incarcamachete.moc"
