#pragma once
#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <optional>

class QPainter;
class QPaintDevice;
class QPrinter;

// A rectangle of device pixels as the print code computes it: Right and Bottom are
// Left + width and Top + height.
struct TDreptunghiDispozitiv
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TDreptunghiDispozitiv &) const = default;
};

// The device values the print code places everything with, in device pixels. The
// printable area starts PHYSICALOFFSETX/Y from the paper's corner.
struct TCapabilitatiImprimanta
{
    int HORZRES = 0, VERTRES = 0;                   // printable area
    double HORZSIZE = 0, VERTSIZE = 0;              // printable area in mm, exact (not whole mm)
    int PHYSICALOFFSETX = 0, PHYSICALOFFSETY = 0;
    int PHYSICALWIDTH = 0, PHYSICALHEIGHT = 0;      // the whole paper
    QPoint OrigineHartie;                           // the paper's corner in the painter's coordinates

    // hartie and imprimabil in device pixels, in the painter's coordinates.
    static TCapabilitatiImprimanta DinDreptunghiuri(const QRect &hartie, const QRect &imprimabil, double dpiX,
                                                    double dpiY);
    // A printer: its paper and pageRect in device pixels, less the device's unprintable margins
    // (or those given, in mm, to stand for a printer that has them).
    static TCapabilitatiImprimanta DinImprimanta(const QPrinter &imprimanta,
                                                 const std::optional<QMarginsF> &neimprimabilMm = {});
    // Any paint device whose (0, 0) is the paper's corner, with the unprintable margins given in mm.
    static TCapabilitatiImprimanta DinDispozitiv(const QPaintDevice &dispozitiv, const QMarginsF &neimprimabilMm);

    double PixeliPeMmX() const { return HORZSIZE > 0 ? HORZRES / HORZSIZE : 0; }
    double PixeliPeMmY() const { return VERTSIZE > 0 ? VERTRES / VERTSIZE : 0; }
    // Millimetres from the paper's corner to printable-area pixels.
    TDreptunghiDispozitiv Dreptunghi(double leftMm, double topMm, double widthMm, double heightMm) const;
    // Reflection through the centre of the physical page, in printable-area pixels.
    QPoint Oglindit(QPoint p) const;
    TDreptunghiDispozitiv Oglindit(const TDreptunghiDispozitiv &r) const;
};

// The integer nearest to x, a half going to the even neighbour.
int Nearest(double x);

// The device context of a printer page: the painter and the device's values.
struct TContextImprimanta
{
    QPainter &Painter;
    TCapabilitatiImprimanta Cap;
};

// While it lives, the painter draws in printable-area pixels (origin at the printable corner).
class TZonaImprimabila
{
public:
    explicit TZonaImprimabila(TContextImprimanta &dc);
    ~TZonaImprimabila();
    TZonaImprimabila(const TZonaImprimabila &) = delete;
    TZonaImprimabila &operator=(const TZonaImprimabila &) = delete;

private:
    QPainter &m_painter;
};
