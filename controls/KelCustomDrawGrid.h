#pragma once
#include <QAbstractScrollArea>
#include <QList>

class QPainter;

// A drawn grid: fixed rows and columns, per-column widths and per-row heights, scrolling by cells,
// a current cell moved by mouse and keyboard, column sizing by dragging the header separators.
// Coordinates are the viewport's.
class TKelCustomDrawGrid : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TKelCustomDrawGrid(QWidget *Parent = nullptr);

    int ColCount() const { return int(m_latimi.size()); }
    int RowCount() const { return int(m_inaltimi.size()); }
    int FixedCols() const { return m_fixedCols; }
    int FixedRows() const { return m_fixedRows; }
    int DefaultColWidth() const { return 64; }
    int DefaultRowHeight() const { return 24; }
    int ColWidth(int Col) const { return m_latimi.value(Col); }
    int RowHeight(int Row) const { return m_inaltimi.value(Row); }
    void SetColWidth(int Col, int Width);
    void SetRowHeight(int Row, int Height);

    int LeftCol() const { return m_leftCol; }
    int TopRow() const { return m_topRow; }
    void SetLeftCol(int Col);
    void SetTopRow(int Row);
    // The current cell.
    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Makes the cell current when SelectCell allows it and scrolls it into view; false when refused.
    bool MutaCurent(int Col, int Row);

    // Also for cells scrolled out of view (they lie before the scrollable area).
    QRect CellRect(int Col, int Row) const;
    // (-1, -1) outside the cells.
    QPoint CellAt(const QPoint &Pos) const;
    // The bottom right of the fixed part.
    int FixedWidth() const;
    int FixedHeight() const;

    virtual void InvalidateCell(int Col, int Row);
    void InvalidateRow(int Row);
    void InvalidateCol(int Col);
    void InvalidateGrid();

Q_SIGNALS:
    void TopLeftChanged();
    void CurentSchimbat(int Col, int Row);
    // A click on a cell of a data row, or on a header (fixed) row.
    void CelulaApasata(int Col, int Row);
    void HeaderApasat(int Col);

protected:
    // The grid's shape; the current cell and the top-left are kept inside it.
    void SetDimensiuni(int Cols, int Rows);
    void SetFixed(int Cols, int Rows);
    void SetCurentFaraVerificare(int Col, int Row);

    virtual void DrawCell(QPainter &Canvas, int Col, int Row, const QRect &Rect) = 0;
    // Before and after one painting pass.
    virtual void IncepePictare() {}
    virtual void TerminaPictare(QPainter &) {}
    // May refuse a new current cell.
    virtual bool SelectCell(int Col, int Row);
    virtual void ColumnResized(int Col);
    // The cell one step from the current one (DCol, DRow are -1, 0 or 1).
    virtual QPoint TintaMutare(int DCol, int DRow) const;

    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void ActualizeazaScrollBars();
    void AduInVedere(int Col, int Row);
    // The column whose right edge is under X in the header, or -1.
    int SeparatorLa(const QPoint &Pos) const;
    void PicteazaZona(QPainter &Canvas, const QRect &Zona, int Col0, int Col1, int Row0, int Row1);

    QList<int> m_latimi, m_inaltimi;
    int m_fixedCols = 0, m_fixedRows = 0;
    int m_leftCol = 0, m_topRow = 0;
    int m_col = 0, m_row = 0;
    int m_coloanaRedim = -1;
    bool m_actualizezScroll = false;
};
