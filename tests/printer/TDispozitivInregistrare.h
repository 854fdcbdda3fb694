#pragma once
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <memory>

// A sheet of paper of chosen size and resolution that records what is drawn on it, in
// device pixels from the paper's corner.
class TDispozitivInregistrare : public QPaintDevice
{
public:
    struct TText
    {
        QString Text;
        QPointF Origine;       // the baseline start, device pixels
        double Rotatie = 0;    // degrees
        QFont Font;
        QRectF Decupare;       // the clip's bounding box, device pixels (empty: none)
    };
    struct TLinie
    {
        QPolygonF Puncte;
        QPen Creion;
    };

    TDispozitivInregistrare(double dpi, const QSizeF &hartieMm);
    ~TDispozitivInregistrare() override;

    QPaintEngine *paintEngine() const override;
    double Dpi() const { return m_dpi; }
    double Mm(double px) const { return px * 25.4 / m_dpi; }

    QList<TText> Texte;
    QList<TLinie> Linii;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    double m_dpi;
    QSizeF m_mm;
    std::unique_ptr<QPaintEngine> m_motor;
};
