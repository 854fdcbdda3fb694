#include "KelCustomDrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int ZonaSeparator = 3;
constexpr int LatimeMinima = 4;
} // namespace

TKelCustomDrawGrid::TKelCustomDrawGrid(QWidget *Parent) : QAbstractScrollArea(Parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetDimensiuni(1, 1);
}

void TKelCustomDrawGrid::SetDimensiuni(int Cols, int Rows)
{
    Cols = qMax(1, Cols), Rows = qMax(1, Rows);
    m_latimi.resize(Cols, DefaultColWidth());
    m_inaltimi.resize(Rows, DefaultRowHeight());
    m_fixedCols = qMin(m_fixedCols, Cols - 1);
    m_fixedRows = qMin(m_fixedRows, Rows - 1);
    m_col = qBound(m_fixedCols, m_col, Cols - 1);
    m_row = qBound(m_fixedRows, m_row, Rows - 1);
    m_leftCol = qBound(m_fixedCols, m_leftCol, MaxLeftCol());
    m_topRow = qBound(m_fixedRows, m_topRow, MaxTopRow());
    ActualizeazaScrollBars();
    viewport()->update();
}

void TKelCustomDrawGrid::SetFixed(int Cols, int Rows)
{
    m_fixedCols = qBound(0, Cols, ColCount() - 1);
    m_fixedRows = qBound(0, Rows, RowCount() - 1);
    SetDimensiuni(ColCount(), RowCount());
}

void TKelCustomDrawGrid::SetColWidth(int Col, int Width)
{
    if (Col < 0 || Col >= ColCount() || m_latimi[Col] == Width)
        return;
    m_latimi[Col] = Width;
    ActualizeazaScrollBars();
    viewport()->update();
}

void TKelCustomDrawGrid::SetRowHeight(int Row, int Height)
{
    if (Row < 0 || Row >= RowCount() || m_inaltimi[Row] == Height)
        return;
    m_inaltimi[Row] = Height;
    ActualizeazaScrollBars();
    viewport()->update();
}

int TKelCustomDrawGrid::FixedWidth() const
{
    int w = 0;
    for (int c = 0; c < m_fixedCols; ++c)
        w += m_latimi[c];
    return w;
}

int TKelCustomDrawGrid::FixedHeight() const
{
    int h = 0;
    for (int r = 0; r < m_fixedRows; ++r)
        h += m_inaltimi[r];
    return h;
}

int TKelCustomDrawGrid::MaxTopRow() const
{
    const int loc = viewport()->height() - FixedHeight();
    int top = RowCount() - 1, h = m_inaltimi.value(top);
    while (top - 1 >= m_fixedRows && h + m_inaltimi[top - 1] <= loc)
        h += m_inaltimi[--top];
    return qMax(m_fixedRows, top);
}

int TKelCustomDrawGrid::MaxLeftCol() const
{
    const int loc = viewport()->width() - FixedWidth();
    int left = ColCount() - 1, w = m_latimi.value(left);
    while (left - 1 >= m_fixedCols && w + m_latimi[left - 1] <= loc)
        w += m_latimi[--left];
    return qMax(m_fixedCols, left);
}

void TKelCustomDrawGrid::ActualizeazaScrollBars()
{
    m_actualizezScroll = true;
    verticalScrollBar()->setRange(0, MaxTopRow() - m_fixedRows);
    verticalScrollBar()->setPageStep(qMax(1, RowCount() - MaxTopRow()));
    verticalScrollBar()->setValue(m_topRow - m_fixedRows);
    horizontalScrollBar()->setRange(0, MaxLeftCol() - m_fixedCols);
    horizontalScrollBar()->setPageStep(qMax(1, ColCount() - MaxLeftCol()));
    horizontalScrollBar()->setValue(m_leftCol - m_fixedCols);
    m_actualizezScroll = false;
}

void TKelCustomDrawGrid::SetLeftCol(int Col)
{
    Col = qBound(m_fixedCols, Col, MaxLeftCol());
    if (Col == m_leftCol)
        return;
    m_leftCol = Col;
    ActualizeazaScrollBars();
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void TKelCustomDrawGrid::SetTopRow(int Row)
{
    Row = qBound(m_fixedRows, Row, MaxTopRow());
    if (Row == m_topRow)
        return;
    m_topRow = Row;
    ActualizeazaScrollBars();
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void TKelCustomDrawGrid::scrollContentsBy(int, int)
{
    if (m_actualizezScroll)
        return;
    SetLeftCol(m_fixedCols + horizontalScrollBar()->value());
    SetTopRow(m_fixedRows + verticalScrollBar()->value());
}

void TKelCustomDrawGrid::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    m_leftCol = qBound(m_fixedCols, m_leftCol, MaxLeftCol());
    m_topRow = qBound(m_fixedRows, m_topRow, MaxTopRow());
    ActualizeazaScrollBars();
}

QRect TKelCustomDrawGrid::CellRect(int Col, int Row) const
{
    if (Col < 0 || Col >= ColCount() || Row < 0 || Row >= RowCount())
        return {};
    auto pozitie = [](const QList<int> &dim, int fixe, int prima, int i) {
        int p = 0;
        for (int k = 0; k < qMin(i, fixe); ++k)
            p += dim[k];
        if (i < fixe)
            return p;
        // Scrolled-out cells lie before the scrollable area.
        for (int k = prima; k < i; ++k)
            p += dim[k];
        for (int k = i; k < prima; ++k)
            p -= dim[k];
        return p;
    };
    return QRect(pozitie(m_latimi, m_fixedCols, m_leftCol, Col), pozitie(m_inaltimi, m_fixedRows, m_topRow, Row),
                 m_latimi[Col], m_inaltimi[Row]);
}

QPoint TKelCustomDrawGrid::CellAt(const QPoint &Pos) const
{
    auto cauta = [](const QList<int> &dim, int fixe, int prima, int v) {
        int p = 0;
        for (int k = 0; k < fixe; ++k) {
            if (v >= p && v < p + dim[k])
                return k;
            p += dim[k];
        }
        for (int k = prima; k < dim.size(); ++k) {
            if (v >= p && v < p + dim[k])
                return k;
            p += dim[k];
        }
        return -1;
    };
    const int c = cauta(m_latimi, m_fixedCols, m_leftCol, Pos.x());
    const int r = cauta(m_inaltimi, m_fixedRows, m_topRow, Pos.y());
    if (c < 0 || r < 0)
        return {-1, -1};
    return {c, r};
}

void TKelCustomDrawGrid::InvalidateCell(int Col, int Row) { viewport()->update(CellRect(Col, Row)); }

void TKelCustomDrawGrid::InvalidateRow(int Row)
{
    for (int c = 0; c < ColCount(); ++c)
        InvalidateCell(c, Row);
}

void TKelCustomDrawGrid::InvalidateCol(int Col)
{
    for (int r = 0; r < RowCount(); ++r)
        InvalidateCell(Col, r);
}

void TKelCustomDrawGrid::InvalidateGrid() { viewport()->update(); }

bool TKelCustomDrawGrid::SelectCell(int, int) { return true; }

void TKelCustomDrawGrid::ColumnResized(int) {}

void TKelCustomDrawGrid::SetCurentFaraVerificare(int Col, int Row)
{
    if (Col == m_col && Row == m_row)
        return;
    const int vecheC = m_col, vecheR = m_row;
    m_col = Col, m_row = Row;
    InvalidateCell(vecheC, vecheR);
    InvalidateCell(m_col, m_row);
    Q_EMIT CurentSchimbat(m_col, m_row);
}

bool TKelCustomDrawGrid::MutaCurent(int Col, int Row)
{
    if (Col < m_fixedCols || Col >= ColCount() || Row < m_fixedRows || Row >= RowCount())
        return false;
    if (Col == m_col && Row == m_row)
        return true;
    if (!SelectCell(Col, Row))
        return false;
    SetCurentFaraVerificare(Col, Row);
    AduInVedere(Col, Row);
    return true;
}

void TKelCustomDrawGrid::AduInVedere(int Col, int Row)
{
    if (Col < m_leftCol)
        SetLeftCol(Col);
    else
        while (m_leftCol < Col && CellRect(Col, Row).right() >= viewport()->width())
            SetLeftCol(m_leftCol + 1);
    if (Row < m_topRow)
        SetTopRow(Row);
    else
        while (m_topRow < Row && CellRect(Col, Row).bottom() >= viewport()->height())
            SetTopRow(m_topRow + 1);
}

QPoint TKelCustomDrawGrid::TintaMutare(int DCol, int DRow) const { return {m_col + DCol, m_row + DRow}; }

void TKelCustomDrawGrid::keyPressEvent(QKeyEvent *e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int pagina = qMax(1, MaxTopRow() == m_topRow ? RowCount() - m_topRow : RowCount() - MaxTopRow());
    QPoint tinta(-1, -1);
    switch (e->key()) {
    case Qt::Key_Left: tinta = TintaMutare(-1, 0); break;
    case Qt::Key_Right: tinta = TintaMutare(1, 0); break;
    case Qt::Key_Up: tinta = TintaMutare(0, -1); break;
    case Qt::Key_Down: tinta = TintaMutare(0, 1); break;
    case Qt::Key_Home: tinta = ctrl ? QPoint(m_fixedCols, m_fixedRows) : QPoint(m_fixedCols, m_row); break;
    case Qt::Key_End: tinta = ctrl ? QPoint(ColCount() - 1, RowCount() - 1) : QPoint(ColCount() - 1, m_row); break;
    case Qt::Key_PageUp: tinta = QPoint(m_col, qMax(m_fixedRows, m_row - pagina)); break;
    case Qt::Key_PageDown: tinta = QPoint(m_col, qMin(RowCount() - 1, m_row + pagina)); break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    e->accept();
    // A move off the grid's edge stays where it is.
    MutaCurent(qBound(m_fixedCols, tinta.x(), ColCount() - 1), qBound(m_fixedRows, tinta.y(), RowCount() - 1));
}

int TKelCustomDrawGrid::SeparatorLa(const QPoint &Pos) const
{
    const QPoint celula = CellAt(Pos);
    // Only the header rows (row 0 also when nothing is fixed) carry separators.
    if (celula.y() < 0 || (celula.y() >= m_fixedRows && celula.y() != 0))
        return -1;
    for (int c = 0; c < ColCount(); ++c) {
        const QRect r = CellRect(c, celula.y());
        if (c >= m_fixedCols && c < m_leftCol)
            continue;
        if (qAbs(Pos.x() - (r.right() + 1)) <= ZonaSeparator)
            return c;
    }
    return -1;
}

void TKelCustomDrawGrid::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pos = e->position().toPoint();
    m_coloanaRedim = SeparatorLa(pos);
    if (m_coloanaRedim >= 0)
        return;
    const QPoint celula = CellAt(pos);
    if (celula.x() < 0)
        return;
    if (celula.y() == 0 || celula.y() < m_fixedRows) {
        Q_EMIT HeaderApasat(celula.x());
        return;
    }
    MutaCurent(celula.x(), celula.y());
    Q_EMIT CelulaApasata(celula.x(), celula.y());
}

void TKelCustomDrawGrid::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (m_coloanaRedim >= 0) {
        SetColWidth(m_coloanaRedim, qMax(LatimeMinima, pos.x() - CellRect(m_coloanaRedim, 0).left()));
        ColumnResized(m_coloanaRedim);
        return;
    }
    viewport()->setCursor(SeparatorLa(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TKelCustomDrawGrid::mouseReleaseEvent(QMouseEvent *) { m_coloanaRedim = -1; }

void TKelCustomDrawGrid::PicteazaZona(QPainter &Canvas, const QRect &Zona, int Col0, int Col1, int Row0, int Row1)
{
    if (Zona.isEmpty())
        return;
    Canvas.save();
    Canvas.setClipRect(Zona);
    for (int r = Row0; r < Row1; ++r) {
        const QRect rr = CellRect(Col0, r);
        if (rr.top() > Zona.bottom())
            break;
        for (int c = Col0; c < Col1; ++c) {
            const QRect cr = CellRect(c, r);
            if (cr.left() > Zona.right())
                break;
            DrawCell(Canvas, c, r, cr);
        }
    }
    Canvas.restore();
}

void TKelCustomDrawGrid::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    const int fw = FixedWidth(), fh = FixedHeight();
    const QRect tot = viewport()->rect();
    IncepePictare();
    // Scrollable cells first, the fixed ones over them, so a wide block never covers a header.
    PicteazaZona(p, QRect(fw, fh, tot.width() - fw, tot.height() - fh), m_leftCol, ColCount(), m_topRow, RowCount());
    PicteazaZona(p, QRect(0, fh, fw, tot.height() - fh), 0, m_fixedCols, m_topRow, RowCount());
    PicteazaZona(p, QRect(fw, 0, tot.width() - fw, fh), m_leftCol, ColCount(), 0, m_fixedRows);
    PicteazaZona(p, QRect(0, 0, fw, fh), 0, m_fixedCols, 0, m_fixedRows);
    TerminaPictare(p);
}
