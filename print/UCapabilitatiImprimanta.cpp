#include "UCapabilitatiImprimanta.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <cmath>

int Nearest(double x)
{
    // Explicit, so the result never depends on the floating-point rounding mode.
    const double f = std::floor(x);
    const double d = x - f;
    if (d > 0.5)
        return int(f) + 1;
    if (d < 0.5)
        return int(f);
    return std::fmod(f, 2.0) == 0 ? int(f) : int(f) + 1;
}

TCapabilitatiImprimanta TCapabilitatiImprimanta::DinDreptunghiuri(const QRect &hartie, const QRect &imprimabil,
                                                                  double dpiX, double dpiY)
{
    TCapabilitatiImprimanta c;
    c.PHYSICALWIDTH = hartie.width();
    c.PHYSICALHEIGHT = hartie.height();
    c.PHYSICALOFFSETX = imprimabil.left() - hartie.left();
    c.PHYSICALOFFSETY = imprimabil.top() - hartie.top();
    c.HORZRES = imprimabil.width();
    c.VERTRES = imprimabil.height();
    c.HORZSIZE = c.HORZRES * 25.4 / dpiX;
    c.VERTSIZE = c.VERTRES * 25.4 / dpiY;
    c.OrigineHartie = hartie.topLeft();
    return c;
}

namespace {
QRect Imprimabil(const QRect &hartie, const QMarginsF &mm, double dpiX, double dpiY)
{
    const auto px = [](double v, double dpi) { return int(std::lround(v * dpi / 25.4)); };
    return hartie.adjusted(px(mm.left(), dpiX), px(mm.top(), dpiY), -px(mm.right(), dpiX), -px(mm.bottom(), dpiY));
}
} // namespace

TCapabilitatiImprimanta TCapabilitatiImprimanta::DinImprimanta(const QPrinter &imprimanta,
                                                              const std::optional<QMarginsF> &neimprimabilMm)
{
    const double dpi = imprimanta.resolution();
    // The painter's origin is the page rectangle's corner: the paper's in full-page mode.
    const QRect pagina = imprimanta.pageRect(QPrinter::DevicePixel).toRect();
    const QRect hartie = imprimanta.paperRect(QPrinter::DevicePixel).toRect().translated(-pagina.topLeft());
    QPageLayout l = imprimanta.pageLayout();
    l.setUnits(QPageLayout::Millimeter);
    const QMarginsF margini = neimprimabilMm ? *neimprimabilMm : l.minimumMargins();
    return DinDreptunghiuri(hartie, Imprimabil(hartie, margini, dpi, dpi), dpi, dpi);
}

TCapabilitatiImprimanta TCapabilitatiImprimanta::DinDispozitiv(const QPaintDevice &dispozitiv,
                                                               const QMarginsF &neimprimabilMm)
{
    const QRect hartie(0, 0, dispozitiv.width(), dispozitiv.height());
    const double dx = dispozitiv.logicalDpiX(), dy = dispozitiv.logicalDpiY();
    return DinDreptunghiuri(hartie, Imprimabil(hartie, neimprimabilMm, dx, dy), dx, dy);
}

TDreptunghiDispozitiv TCapabilitatiImprimanta::Dreptunghi(double leftMm, double topMm, double widthMm,
                                                         double heightMm) const
{
    const double hx = PixeliPeMmX(), vy = PixeliPeMmY();
    TDreptunghiDispozitiv r;
    // Measured from the paper's corner, then moved into the printable area.
    r.Left = Nearest(leftMm * hx) - PHYSICALOFFSETX;
    r.Top = Nearest(topMm * vy) - PHYSICALOFFSETY;
    r.Right = r.Left + Nearest(widthMm * hx);
    r.Bottom = r.Top + Nearest(heightMm * vy);
    return r;
}

QPoint TCapabilitatiImprimanta::Oglindit(QPoint p) const
{
    return {PHYSICALWIDTH - p.x() - 2 * PHYSICALOFFSETX, PHYSICALHEIGHT - p.y() - 2 * PHYSICALOFFSETY};
}

TDreptunghiDispozitiv TCapabilitatiImprimanta::Oglindit(const TDreptunghiDispozitiv &r) const
{
    const QPoint a = Oglindit(QPoint(r.Right, r.Bottom)), b = Oglindit(QPoint(r.Left, r.Top));
    return {a.x(), a.y(), b.x(), b.y()};
}

TZonaImprimabila::TZonaImprimabila(TContextImprimanta &dc) : m_painter(dc.Painter)
{
    m_painter.save();
    m_painter.translate(dc.Cap.OrigineHartie + QPoint(dc.Cap.PHYSICALOFFSETX, dc.Cap.PHYSICALOFFSETY));
}

TZonaImprimabila::~TZonaImprimabila() { m_painter.restore(); }
