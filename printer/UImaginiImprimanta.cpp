#include "UImaginiImprimanta.h"

#include <QPainter>
#include <QPainterPath>

namespace ImaginiImprimanta {
namespace {
constexpr int Latura = 150;

// An arrow pointing up, filling the rectangle.
QPainterPath Sageata(const QRectF &r)
{
    const double cx = r.center().x(), w = r.width(), h = r.height();
    QPainterPath p;
    p.moveTo(cx, r.top());
    p.lineTo(r.right(), r.top() + h * 0.4);
    p.lineTo(cx + w * 0.2, r.top() + h * 0.4);
    p.lineTo(cx + w * 0.2, r.bottom());
    p.lineTo(cx - w * 0.2, r.bottom());
    p.lineTo(cx - w * 0.2, r.top() + h * 0.4);
    p.lineTo(r.left(), r.top() + h * 0.4);
    p.closeSubpath();
    return p;
}

QPixmap Panza()
{
    QPixmap px(Latura, Latura);
    px.fill(Qt::white);
    return px;
}

// The printer seen from the side the user stands on, with its paper slot at the top
// (sus) or at the front.
void Imprimanta(QPainter &p, bool sus)
{
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(QColor(225, 225, 225));
    p.drawRoundedRect(QRectF(15, 70, 120, 60), 8, 8);
    p.setBrush(Qt::black);
    if (sus)
        p.drawRect(QRectF(35, 68, 80, 4));
    else
        p.drawRect(QRectF(35, 100, 80, 4));
}

// A sheet entering the printer; the arrow visible when the printed side faces the user,
// dashed when it faces away; pointing into the printer or out of it.
void FoaieCuSageata(QPainter &p, const QRectF &foaie, bool fataVizibila, bool sageataInauntru)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(fataVizibila ? QColor(Qt::white) : QColor(235, 235, 200));
    p.drawRect(foaie);
    QRectF s = foaie.adjusted(foaie.width() * 0.25, foaie.height() * 0.12, -foaie.width() * 0.25,
                              -foaie.height() * 0.12);
    QPainterPath sag = Sageata(s);
    if (sageataInauntru) {
        QTransform t;
        t.translate(s.center().x(), s.center().y()).rotate(180).translate(-s.center().x(), -s.center().y());
        sag = t.map(sag);
    }
    p.setPen(QPen(Qt::black, 1.5, fataVizibila ? Qt::SolidLine : Qt::DashLine));
    p.setBrush(fataVizibila ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    p.drawPath(sag);
}
} // namespace

QPixmap Alimentare(int caz)
{
    QPixmap px = Panza();
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const bool sus = caz != 2;
    Imprimanta(p, sus);
    // Cases 1 and 4 show the printed side; 3 feeds it turned over; 2 from the front, arrow out.
    const bool fata = caz == 1 || caz == 4;
    const bool inauntru = caz == 1 || caz == 3;
    const QRectF foaie = sus ? QRectF(45, 8, 60, 62) : QRectF(45, 100, 60, 45);
    FoaieCuSageata(p, foaie, fata || caz == 2, inauntru);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 132, Latura, 18), Qt::AlignCenter, QString::number(caz));
    return px;
}

QPixmap Foaie(bool rasturnata)
{
    QPixmap px = Panza();
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    FoaieCuSageata(p, QRectF(40, 15, 70, 100), !rasturnata, rasturnata);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 122, Latura, 24), Qt::AlignCenter,
               rasturnata ? QStringLiteral("rasturnata") : QStringLiteral("normala"));
    return px;
}

QPixmap Linii(bool orizontalaJos, bool verticalaDreapta)
{
    QPixmap px = Panza();
    QPainter p(&px);
    const QRectF foaie(35, 10, 80, 130);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(foaie);
    const QRectF z = foaie.adjusted(12, 15, -12, -15);
    p.setPen(QPen(Qt::black, 4));
    const double y = orizontalaJos ? z.bottom() : z.top();
    const double x = verticalaDreapta ? z.right() : z.left();
    p.drawLine(QPointF(z.left(), y), QPointF(z.right(), y));
    p.drawLine(QPointF(x, z.top()), QPointF(x, z.bottom()));
    return px;
}

void DesenPrimaSageata(QPainter &p)
{
    p.setPen(QPen(Qt::black, 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Sageata(QRectF(QPointF(0, 0), QSizeF(MarimePrimaSageata))));
}

void DesenSageataHasurata(QPainter &p)
{
    p.setPen(QPen(Qt::black, 4));
    p.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    p.drawPath(Sageata(QRectF(QPointF(0, 0), QSizeF(MarimeSageataHasurata))));
}

void DesenLinii(QPainter &p)
{
    const int w = MarimeLinii.width(), h = MarimeLinii.height();
    p.setPen(QPen(Qt::black, 8));
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, 0, 0, h);
}

} // namespace ImaginiImprimanta
