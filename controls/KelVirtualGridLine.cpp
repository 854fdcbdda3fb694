#include "KelVirtualGridLine.h"

#include "KelVirtualGrid.h"
#include "UEroare.h"

void TKelVirtualGridLine::SetStil(int Stil)
{
    if (Stil < 1 || Stil > 10)
        throw EEroare(QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    m_stil = Stil;
}

TKelVirtualGridList::~TKelVirtualGridList() { qDeleteAll(m_linii); }

void TKelVirtualGridList::AdaugaLinie(TKelVirtualGridLine *Linie)
{
    m_grid->BeginUpdate();
    m_linii << Linie;
    m_grid->EndUpdate();
}

void TKelVirtualGridList::Clear()
{
    m_grid->BeginUpdate();
    qDeleteAll(m_linii);
    m_linii.clear();
    m_grid->EndUpdate();
}
