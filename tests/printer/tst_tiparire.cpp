#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TDirectorTest.h"
#include "TDispozitivInregistrare.h"
#include "UCapabilitatiImprimanta.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <functional>

Q_DECLARE_METATYPE(TFormularGraphic::EFormularGraphic)
Q_DECLARE_METATYPE(QMarginsF)

namespace {
const QSizeF A4Landscape(297, 210);

// A window with one surface and one text area, as the previews hold them.
struct TPagina
{
    QWidget w;
    TFormularDePrintat *s;
    TFontFormular *font;
    TFormularTextArea *a;
    explicit TPagina(QRectF mm = {20, 30, 60, 6}, TFormularTextArea::TAlignment al = TFormularTextArea::taLeftJustify)
    {
        w.setObjectName(QStringLiteral("PrintProba"));
        s = new TFormularDePrintat(&w);
        s->SetLatime(291.6);
        s->SetInaltime(207.7);
        font = new TFontFormular(&w, QStringLiteral("Stanga"));
        font->SetSize(4.0);
        a = Arie(QStringLiteral("FormularTextArea1"), mm, QStringLiteral("Ion Popescu"), al);
    }
    TFormularTextArea *Arie(const QString &nume, QRectF mm, const QString &text, TFormularTextArea::TAlignment al)
    {
        auto *x = new TFormularTextArea(s, &w);
        x->setObjectName(nume);
        x->Set_Left(mm.left());
        x->Set_Top(mm.top());
        x->Set_Width(mm.width());
        x->Set_Height(mm.height());
        x->SetFont(font);
        x->SetAlignment(al);
        x->SetText(text);
        x->ZoomChanged();
        return x;
    }
};

// Prints the surface on a fresh recording sheet.
std::unique_ptr<TDispozitivInregistrare> Tipareste(TFormularDePrintat *s, double dpi, const QMarginsF &neimprimabil,
                                                   bool mirror, double stanga, double sus)
{
    auto d = std::make_unique<TDispozitivInregistrare>(dpi, A4Landscape);
    QPainter p(d.get());
    TContextImprimanta dc{p, TCapabilitatiImprimanta::DinDispozitiv(*d, neimprimabil)};
    s->PrintOnPrinter(dc, mirror, DirectorModificariImplicit(), stanga, sus);
    return d;
}

// The text cell of a recorded text, in mm from the paper's corner (left, top, right, bottom
// as the text runs, whatever its rotation).
QRectF CelulaMm(const TDispozitivInregistrare &d, const TDispozitivInregistrare::TText &t)
{
    const QFontMetricsF fm(t.Font, const_cast<TDispozitivInregistrare *>(&d));
    const double sens = std::abs(t.Rotatie) > 90 ? -1 : 1;
    const QPointF colt = t.Origine - QPointF(0, sens * fm.ascent());
    const QPointF opus = colt + sens * QPointF(fm.horizontalAdvance(t.Text), fm.height());
    return QRectF(QPointF(d.Mm(colt.x()), d.Mm(colt.y())), QPointF(d.Mm(opus.x()), d.Mm(opus.y()))).normalized();
}
} // namespace

class TstTiparire : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TListaParticularizareTextArea::Uita(); }
    void cleanup() { TListaParticularizareTextArea::Uita(); }

    void nearest_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::newRow("0,5") << 0.5 << 0;
        QTest::newRow("1,5") << 1.5 << 2;
        QTest::newRow("2,5") << 2.5 << 2;
        QTest::newRow("-0,5") << -0.5 << 0;
        QTest::newRow("-1,5") << -1.5 << -2;
        QTest::newRow("-2,5") << -2.5 << -2;
        QTest::newRow("2,4999") << 2.4999 << 2;
        QTest::newRow("2,5001") << 2.5001 << 3;
        QTest::newRow("-2,7") << -2.7 << -3;
    }
    void nearest()
    {
        QFETCH(double, x);
        QFETCH(int, n);
        QCOMPARE(Nearest(x), n);
    }

    void capabilitati()
    {
        TDispozitivInregistrare d(600, A4Landscape);
        const TCapabilitatiImprimanta c = TCapabilitatiImprimanta::DinDispozitiv(d, QMarginsF(4.233, 5, 6.35, 12.7));
        QCOMPARE(c.PHYSICALWIDTH, 7016);
        QCOMPARE(c.PHYSICALHEIGHT, 4961);
        QCOMPARE(c.PHYSICALOFFSETX, 100);
        QCOMPARE(c.PHYSICALOFFSETY, 118);
        QCOMPARE(c.HORZRES, 7016 - 100 - 150);
        QCOMPARE(c.VERTRES, 4961 - 118 - 300);
        QVERIFY(std::abs(c.PixeliPeMmX() - 600 / 25.4) < 1e-9);
        QVERIFY(std::abs(c.PixeliPeMmY() - 600 / 25.4) < 1e-9);
        // Positions are measured from the paper's corner, so the offset is taken off.
        const TDreptunghiDispozitiv r = c.Dreptunghi(10, 20, 30, 5);
        QCOMPARE(r, (TDreptunghiDispozitiv{236 - 100, 472 - 118, 236 - 100 + 709, 472 - 118 + 118}));
        QCOMPARE(c.Oglindit(QPoint(0, 0)), QPoint(7016 - 200, 4961 - 236));
    }

    // The text lands at its layout position + margins + deltas from the paper's corner,
    // the same pixel whatever the device's unprintable margins.
    void textLaPozitie_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("aliniere");
        QTest::addColumn<double>("stanga");
        QTest::addColumn<double>("sus");
        QTest::newRow("300 stanga") << 300.0 << int(TFormularTextArea::taLeftJustify) << 0.0 << 0.0;
        QTest::newRow("600 stanga 2,5") << 600.0 << int(TFormularTextArea::taLeftJustify) << 2.5 << 1.0;
        QTest::newRow("600 dreapta") << 600.0 << int(TFormularTextArea::taRightJustify) << -1.5 << 3.25;
        QTest::newRow("1200 centru") << 1200.0 << int(TFormularTextArea::taCenter) << 0.7 << -2.0;
    }
    void textLaPozitie()
    {
        QFETCH(double, dpi);
        QFETCH(int, aliniere);
        QFETCH(double, stanga);
        QFETCH(double, sus);
        TPagina pg({20, 30, 60, 6}, TFormularTextArea::TAlignment(aliniere));
        pg.s->SetDeltaStanga(0.4);
        pg.s->SetDeltaSus(-0.3);
        const double x0 = 20 + stanga + 0.4, y0 = 30 + sus - 0.3;
        QList<QPointF> origini;
        for (const QMarginsF &m : {QMarginsF(), QMarginsF(4.2, 4.2, 4.2, 4.2), QMarginsF(6.35, 3.1, 5, 12.7)}) {
            const auto d = Tipareste(pg.s, dpi, m, false, stanga, sus);
            QCOMPARE(d->Texte.size(), 1);
            const auto &t = d->Texte.first();
            QCOMPARE(t.Text, QStringLiteral("Ion Popescu"));
            QCOMPARE(t.Rotatie, 0.0);
            const QRectF c = CelulaMm(*d, t);
            if (aliniere == TFormularTextArea::taLeftJustify)
                QVERIFY2(std::abs(c.left() - x0) < 0.2, qPrintable(QString::number(c.left())));
            else if (aliniere == TFormularTextArea::taRightJustify)
                QVERIFY2(std::abs(c.right() - (x0 + 60)) < 0.2, qPrintable(QString::number(c.right())));
            else
                QVERIFY2(std::abs(c.center().x() - (x0 + 30)) < 0.2, qPrintable(QString::number(c.center().x())));
            // The cell stands on the area's bottom edge.
            QVERIFY2(std::abs(c.bottom() - (y0 + 6)) < 0.2, qPrintable(QString::number(c.bottom())));
            QVERIFY(c.height() <= 4.0 + 0.1);
            // Clipped to the area.
            QVERIFY(std::abs(d->Mm(t.Decupare.left()) - x0) < 0.2);
            QVERIFY(std::abs(d->Mm(t.Decupare.top()) - y0) < 0.2);
            origini << t.Origine;
        }
        QCOMPARE(origini[1], origini[0]);
        QCOMPARE(origini[2], origini[0]);
    }

    // Turned by 180 degrees through the centre of the physical page.
    void rotit_data()
    {
        QTest::addColumn<QMarginsF>("neimprimabil");
        QTest::newRow("fara margini") << QMarginsF();
        QTest::newRow("margini inegale") << QMarginsF(6.35, 3.1, 5, 12.7);
    }
    void rotit()
    {
        QFETCH(QMarginsF, neimprimabil);
        TPagina pg({10, 12, 50, 6});
        pg.Arie(QStringLiteral("FormularTextArea2"), {148.5 - 20, 105 - 2, 40, 4}, QStringLiteral("Centru"),
                TFormularTextArea::taCenter);
        const auto drept = Tipareste(pg.s, 600, neimprimabil, false, 0, 0);
        const auto d = Tipareste(pg.s, 600, neimprimabil, true, 0, 0);
        QCOMPARE(d->Texte.size(), 2);
        const auto &t = d->Texte[0];
        QCOMPARE(std::abs(t.Rotatie), 180.0);
        const QRectF c = CelulaMm(*d, t), c0 = CelulaMm(*drept, drept->Texte[0]);
        // Near the top-left corner unturned, near the bottom-right turned: the same place once the sheet turns.
        QVERIFY(c0.left() < 15 && c0.top() < 20);
        QVERIFY(c.right() > 280 && c.bottom() > 190);
        QVERIFY2(std::abs(c.right() - (297 - c0.left())) < 0.2, qPrintable(QString::number(c.right())));
        QVERIFY2(std::abs(c.bottom() - (210 - c0.top())) < 0.2, qPrintable(QString::number(c.bottom())));
        QVERIFY(std::abs(c.left() - (297 - c0.right())) < 0.2);
        // An area centred on the page keeps its place (its cell fills it).
        const QRectF m = CelulaMm(*d, d->Texte[1]), m0 = CelulaMm(*drept, drept->Texte[1]);
        QVERIFY(std::abs(m.center().x() - m0.center().x()) < 0.2);
        QVERIFY(std::abs(m.center().y() - m0.center().y()) < 0.2);
        QVERIFY(std::abs(m.center().x() - 148.5) < 0.2);
    }

    // The half-millimetre shifts of a customization move only the printed text.
    void deplasare_data()
    {
        QTest::addColumn<int>("orizontal");
        QTest::addColumn<int>("vertical");
        QTest::newRow("mai jos") << 0 << 1;
        QTest::newRow("mai sus") << 0 << -1;
        QTest::newRow("la stanga") << -1 << 0;
        QTest::newRow("la dreapta si jos") << 1 << 1;
    }
    void deplasare()
    {
        QFETCH(int, orizontal);
        QFETCH(int, vertical);
        TDirectorTest dir;
        TPagina pg;
        const QRect ecran = pg.a->geometry();
        const QRectF inainte = [&] {
            const auto d = Tipareste(pg.s, 600, {}, false, 0, 0);
            return CelulaMm(*d, d->Texte.first());
        }();
        TParticularizareTextArea *p = TListaParticularizareTextArea::Instanta().FindCustomization(pg.a, true);
        p->PozitieOrizontala = orizontal;
        p->PozitieVerticala = vertical;
        const auto d = Tipareste(pg.s, 600, {}, false, 0, 0);
        const QRectF dupa = CelulaMm(*d, d->Texte.first());
        QVERIFY(std::abs(dupa.left() - inainte.left() - 0.5 * orizontal) < 0.05);
        QVERIFY(std::abs(dupa.top() - inainte.top() - 0.5 * vertical) < 0.05);
        QCOMPARE(pg.a->geometry(), ecran);
    }

    // A text wider than its area prints smaller, down to a cell of 2 pixels, and is clipped.
    void textMicsorat()
    {
        TPagina pg({20, 30, 15, 6});
        const auto d = Tipareste(pg.s, 600, {}, false, 0, 0);
        const auto &t = d->Texte.first();
        QFontMetricsF fm(t.Font, d.get());
        const double w = Nearest(15 * 600 / 25.4) + 1;
        QVERIFY(fm.horizontalAdvance(t.Text) <= w);
        QVERIFY(fm.height() < 4.0 * 600 / 25.4 * 0.8);
        // A text that never fits stops at the smallest cell and stays clipped.
        pg.a->SetText(QString(400, QLatin1Char('W')));
        const auto d2 = Tipareste(pg.s, 600, {}, false, 0, 0);
        const auto &t2 = d2->Texte.first();
        QVERIFY(t2.Font.pixelSize() <= 2);
        QVERIFY(std::abs(d2->Mm(t2.Decupare.width()) - 15) < 0.2);
    }

    // The cell height comes from the paper height taken as 210 mm, whatever the resolution.
    void inaltimeCelula_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::newRow("300") << 300.0;
        QTest::newRow("600") << 600.0;
        QTest::newRow("1200") << 1200.0;
    }
    void inaltimeCelula()
    {
        QFETCH(double, dpi);
        TPagina pg({20, 30, 200, 3});
        pg.a->SetText(QStringLiteral("Abc"));
        const auto d = Tipareste(pg.s, dpi, {}, false, 0, 0);
        const int p = int(std::lround(210 * dpi / 25.4));
        // Size 4 mm, but the area is only 3 mm high.
        const int h = std::min(std::max(1, int(4.0 * p / 210)), int(3.0 * p / 210));
        const int celula = QFontMetrics(d->Texte.first().Font, d.get()).height();
        QVERIFY2(celula <= h && celula >= h - 2, qPrintable(QStringLiteral("%1 %2").arg(celula).arg(h)));
    }

    void semne_data()
    {
        QTest::addColumn<TFormularGraphic::EFormularGraphic>("forma");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<QList<QPoint>>("traseu");
        // On a 600 dpi sheet without unprintable margins: (10, 20, 30, 5) mm is L 236, T 472, R 945, B 590.
        const int L = 236, T = 472, R = 945, B = 590;
        const int W = 7016, H = 4961;
        const int l = W - R, t = H - B, r = W - L, b = H - T;      // turned
        using G = TFormularGraphic;
        QTest::newRow("cutie") << G::fgCutie << false
                               << QList<QPoint>{{L, T}, {R - 1, T}, {R - 1, B - 1}, {L, B - 1}, {L, T}};
        QTest::newRow("linie sus") << G::fgLinieSus << false << QList<QPoint>{{L, T}, {R - 1, T}};
        QTest::newRow("linie sus rotita") << G::fgLinieSus << true << QList<QPoint>{{l, b - 1}, {r - 1, b - 1}};
        QTest::newRow("linie stanga") << G::fgLinieStanga << false << QList<QPoint>{{L, T}, {L, B - 1}};
        QTest::newRow("linie stanga rotita") << G::fgLinieStanga << true << QList<QPoint>{{r - 1, t}, {r - 1, b - 1}};
        QTest::newRow("diagonala") << G::fgStangaSusDreaptaJos << true << QList<QPoint>{{l, t}, {r - 1, b - 1}};
        QTest::newRow("diagonala urcand") << G::fgStangaJosDreaptaSus << false << QList<QPoint>{{R - 1, T}, {L, B - 1}};
        QTest::newRow("z") << G::fgZoroSign << false << QList<QPoint>{{L, T}, {R - 1, T}, {L, B - 1}, {R - 1, B - 1}};
        QTest::newRow("nimic") << G::fgNimic << false << QList<QPoint>{};
    }
    void semne()
    {
        QFETCH(TFormularGraphic::EFormularGraphic, forma);
        QFETCH(bool, mirror);
        QFETCH(QList<QPoint>, traseu);
        TPagina pg;
        delete pg.a;
        auto *g = new TFormularGraphic(pg.s, &pg.w);
        g->setObjectName(QStringLiteral("FormularGraphic1"));
        g->Set_Left(10);
        g->Set_Top(20);
        g->Set_Width(30);
        g->Set_Height(5);
        g->SetShape(forma);
        g->SetLineColor(Qt::red);
        for (const QMarginsF &m : {QMarginsF(), QMarginsF(5, 4, 3, 2)}) {
            const auto d = Tipareste(pg.s, 600, m, mirror, 0, 0);
            QCOMPARE(d->Texte.size(), 0);
            if (traseu.isEmpty()) {
                QCOMPARE(d->Linii.size(), 0);
                continue;
            }
            QCOMPARE(d->Linii.size(), 1);
            const auto &linie = d->Linii.first();
            QCOMPARE(linie.Creion.width(), 4);
            QCOMPARE(linie.Creion.color(), QColor(Qt::black));
            QCOMPARE(linie.Puncte, QPolygonF(QPolygon(traseu)));
        }
    }

    void faraFont()
    {
        TPagina pg;
        pg.a->SetFont(nullptr);
        const auto d = Tipareste(pg.s, 600, {}, false, 0, 0);
        QCOMPARE(d->Texte.size(), 0);
    }
};

QTEST_MAIN(TstTiparire)
#include "tst_tiparire.moc"
