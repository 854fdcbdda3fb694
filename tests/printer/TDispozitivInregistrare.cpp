#include "TDispozitivInregistrare.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

namespace {
class TMotor final : public QPaintEngine
{
public:
    explicit TMotor(TDispozitivInregistrare *d) : QPaintEngine(QPaintEngine::AllFeatures), m_d(d) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void drawTextItem(const QPointF &p, const QTextItem &ti) override
    {
        const QTransform t = painter()->combinedTransform();
        TDispozitivInregistrare::TText r;
        r.Text = ti.text();
        r.Origine = t.map(p);
        r.Rotatie = qRadiansToDegrees(std::atan2(t.m12(), t.m11()));
        r.Font = ti.font();
        if (painter()->hasClipping())
            r.Decupare = t.mapRect(painter()->clipBoundingRect());
        m_d->Texte << r;
    }
    void drawPolygon(const QPointF *p, int n, PolygonDrawMode) override
    {
        const QTransform t = painter()->combinedTransform();
        QPolygonF poly;
        for (int i = 0; i < n; ++i)
            poly << t.map(p[i]);
        m_d->Linii << TDispozitivInregistrare::TLinie{poly, painter()->pen()};
    }
    void drawLines(const QLineF *l, int n) override
    {
        for (int i = 0; i < n; ++i) {
            const QPointF p[2] = {l[i].p1(), l[i].p2()};
            drawPolygon(p, 2, PolylineMode);
        }
    }

private:
    TDispozitivInregistrare *m_d;
};
} // namespace

TDispozitivInregistrare::TDispozitivInregistrare(double dpi, const QSizeF &hartieMm)
    : m_dpi(dpi), m_mm(hartieMm), m_motor(std::make_unique<TMotor>(this))
{
}

TDispozitivInregistrare::~TDispozitivInregistrare() = default;

QPaintEngine *TDispozitivInregistrare::paintEngine() const { return m_motor.get(); }

int TDispozitivInregistrare::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmWidth: return int(std::lround(m_mm.width() * m_dpi / 25.4));
    case PdmHeight: return int(std::lround(m_mm.height() * m_dpi / 25.4));
    case PdmWidthMM: return int(m_mm.width());
    case PdmHeightMM: return int(m_mm.height());
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return int(m_dpi);
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}
