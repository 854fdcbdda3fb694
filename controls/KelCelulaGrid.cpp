#include "KelCelulaGrid.h"

int TKelListaCeluleGrid::Cauta(int Coloana, int Linie) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_celule[i].Coloana == Coloana && m_celule[i].Linie == Linie)
            return i;
    return -1;
}

int TKelListaCeluleGrid::Intensitate(int Coloana, int Linie) const
{
    const int i = Cauta(Coloana, Linie);
    return i < 0 ? 0 : m_celule[i].Intensitate;
}

bool TKelListaCeluleGrid::Aprinde(int Coloana, int Linie)
{
    const int i = Cauta(Coloana, Linie);
    if (i < 0) {
        m_celule << TKelCelulaGrid{Coloana, Linie, IntensitateMaxima};
        return true;
    }
    if (m_celule[i].Intensitate == IntensitateMaxima)
        return false;
    m_celule[i].Intensitate = IntensitateMaxima;
    return true;
}

QList<QPoint> TKelListaCeluleGrid::Tick(const std::function<bool(int Coloana, int Linie)> &SubMouse)
{
    QList<QPoint> deRepictat;
    for (int i = Count() - 1; i >= 0; --i) {
        TKelCelulaGrid &c = m_celule[i];
        if (SubMouse(c.Coloana, c.Linie)) {
            if (c.Intensitate < IntensitateMaxima) {
                c.Intensitate = IntensitateMaxima;
                deRepictat << QPoint(c.Coloana, c.Linie);
            }
            continue;
        }
        c.Intensitate -= 2;
        deRepictat << QPoint(c.Coloana, c.Linie);
        if (c.Intensitate <= 0)
            m_celule.removeAt(i);
    }
    return deRepictat;
}
