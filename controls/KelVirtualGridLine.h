#pragma once
#include <QColor>
#include <QList>

class TKelVirtualGrid;

// One data row of the grid; the program derives its own line objects from it.
class TKelVirtualGridLine
{
public:
    // Applied in this order, a later one winning.
    enum TAtribut {
        aBoldOn = 0x01,
        aBoldOff = 0x02,
        aItalicOn = 0x04,
        aItalicOff = 0x08,
        aSize6 = 0x10,
        aSize8 = 0x20,
        aSize10 = 0x40,
        aSize11 = 0x80,
    };

    virtual ~TKelVirtualGridLine() = default;

    int Stil() const { return m_stil; }
    // 1..10; any other number raises EEroare.
    void SetStil(int Stil);
    // Invalid colours mean "none": the style's colours are used.
    QColor CuloareFundal;
    QColor CuloareText;
    int Atribute = 0;
    // 0: the grid's default row height.
    int InaltimeLinie = 0;

private:
    int m_stil = 1;
};

// The grid's lines in display order, owned by it; data row r shows line r - 1.
class TKelVirtualGridList
{
public:
    explicit TKelVirtualGridList(TKelVirtualGrid *Grid) : m_grid(Grid) {}
    ~TKelVirtualGridList();
    TKelVirtualGridList(const TKelVirtualGridList &) = delete;
    TKelVirtualGridList &operator=(const TKelVirtualGridList &) = delete;

    int Count() const { return int(m_linii.size()); }
    TKelVirtualGridLine *Item(int Index) const { return m_linii.value(Index); }
    TKelVirtualGridLine *operator[](int Index) const { return Item(Index); }
    int IndexOf(const TKelVirtualGridLine *Linie) const { return int(m_linii.indexOf(Linie)); }
    // Takes ownership; the grid's layout follows.
    void AdaugaLinie(TKelVirtualGridLine *Linie);
    void Clear();

private:
    TKelVirtualGrid *m_grid;
    QList<TKelVirtualGridLine *> m_linii;
};
