#pragma once
#include <QList>
#include <QPoint>
#include <functional>

// A cell fading after the mouse has passed over it.
struct TKelCelulaGrid
{
    int Coloana = 0;
    int Linie = 0;
    int Intensitate = 10; // 1..10
};

class TKelListaCeluleGrid
{
public:
    static constexpr int IntensitateMaxima = 10;

    int Count() const { return int(m_celule.size()); }
    const TKelCelulaGrid &Item(int Index) const { return m_celule[Index]; }
    // 0 for a cell that is not hot.
    int Intensitate(int Coloana, int Linie) const;
    // Full intensity; true when that changed anything.
    bool Aprinde(int Coloana, int Linie);
    // One tick: cells not under the mouse lose 2 and go at 0, the ones under it return to full.
    // Gives the cells to repaint.
    QList<QPoint> Tick(const std::function<bool(int Coloana, int Linie)> &SubMouse);
    void Clear() { m_celule.clear(); }

private:
    int Cauta(int Coloana, int Linie) const;

    QList<TKelCelulaGrid> m_celule;
};
