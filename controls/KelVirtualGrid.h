#pragma once
#include "KelCelulaGrid.h"
#include "KelCustomDrawGrid.h"
#include "KelValoareDate.h"
#include "KelVirtualGridColumn.h"
#include "KelVirtualGridLine.h"

#include <QSet>
#include <functional>

class TKelTickTackThread;

// Owner-drawn grid holding no cell data: it asks the program for every value through OnGetCellValue,
// shows it by the column's type and styles, and fades a highlight behind the mouse.
// Row 0 is the header; data row r shows line r - 1 of ListaLinii().
class TKelVirtualGrid : public TKelCustomDrawGrid
{
    Q_OBJECT
public:
    enum TKelGridOption {
        goSelectezLinia = 0x1,
        goNuAfisezLiniiVerticale = 0x2,
        goNuAfisezLiniiOrizontale = 0x4,
    };
    Q_DECLARE_FLAGS(TKelGridOptions, TKelGridOption)

    using TOnGetCellValue = std::function<void(TKelVirtualGridLine *Obj, int Coloana, TKelValoareDate &V)>;
    using TOnSetCellValue = std::function<void(TKelVirtualGridLine *Obj, int Coloana, const TKelValoareDate &V)>;
    using TOnPotEdita = std::function<void(TKelVirtualGridLine *Obj, int Coloana, bool &PotEdita)>;
    // Qt fonts carry no colour, so the text colour comes beside the font.
    using TOnFormatCell =
        std::function<void(TKelVirtualGridLine *Obj, int Coloana, QColor &BkColor, QFont &Font, QColor &CuloareFont)>;
    using TOnCustomText =
        std::function<void(TKelVirtualGridLine *Obj, const TKelValoareDate &V, int Coloana, QString &Text)>;
    using TOnGetImageIndex = std::function<void(TKelVirtualGridLine *Obj, int Coloana, int &IndexImagine)>;
    using TOnGetMergeID = std::function<void(TKelVirtualGridLine *Obj, int Coloana, QString &MergeID)>;
    using TOnSelectCell = std::function<void(QObject *Sender, int ACol, int ARow, bool &CanSelect)>;

    // How one data cell is painted before the fading highlight.
    struct TAspectCelula
    {
        QColor Fundal;
        QFont Font;
        QColor CuloareFont;
        Qt::Alignment Aliniere;
        bool Selectat = false;
    };

    explicit TKelVirtualGrid(QWidget *Parent = nullptr);
    ~TKelVirtualGrid() override;

    TKelVirtualGridColumns *Coloane() const { return m_coloane; }
    TKelVirtualGridList *ListaLinii() { return &m_linii; }
    TKelGridOptions Optiuni() const { return m_optiuni; }
    void SetOptiuni(TKelGridOptions Optiuni);
    // Height of row 0.
    int HeaderHeight() const;
    void SetHeaderHeight(int Height);
    int NrColoaneFixe() const { return m_nrColoaneFixe; }
    void SetNrColoaneFixe(int Nr);

    // Nested; the layout is recomputed when the outermost EndUpdate returns.
    void BeginUpdate();
    void EndUpdate();
    bool InUpdate() const { return m_nivelUpdate > 0; }
    void ActualizeazaStructura();

    // A merged cell repaints its whole block.
    void RepaintCell(int Col, int Row);
    void RepaintRow(int Row);
    void RepaintColumn(int Col);
    void RepaintGrid();

    // The line of a data row, or nullptr.
    TKelVirtualGridLine *Linie(int Row) const;
    TKelVirtualGridLine *LinieCurenta() const { return Linie(Row()); }
    bool EsteCelulaDate(int Col, int Row) const;
    TKelValoareDate ValoareCelula(int Col, int Row) const;
    // The text painted in a data cell; raises EEroare on a type mismatch.
    QString TextCelula(int Col, int Row) const;
    // The merged block holding the cell, in cells (1 x 1 when not merged).
    QRect Bloc(int Col, int Row) const;
    TAspectCelula AspectCelula(int Col, int Row) const;
    // The colour a data cell is filled with, highlight included.
    QColor CuloareFundal(int Col, int Row) const;

    // The fading highlight.
    const TKelListaCeluleGrid &CeluleFierbinti() const { return m_fierbinti; }
    // (-1, -1) when the mouse is not over a cell.
    QPoint CelulaSubMouse() const;
    int ColoanaSubMouse() const { return CelulaSubMouse().x(); }
    TKelTickTackThread *TickTack() const { return m_tick; }

    TOnGetCellValue OnGetCellValue;
    TOnSetCellValue OnSetCellValue;
    TOnPotEdita OnPotEdita;
    TOnFormatCell OnFormatCell;
    TOnCustomText OnCustomText;
    TOnGetImageIndex OnGetImageIndex;
    TOnGetMergeID OnGetMergeID;
    TOnSelectCell OnSelectCell;

Q_SIGNALS:
    // After every layout.
    void StructuraActualizata();

protected:
    void DrawCell(QPainter &Canvas, int Col, int Row, const QRect &Rect) override;
    void IncepePictare() override;
    bool SelectCell(int Col, int Row) override;
    void ColumnResized(int Col) override;
    QPoint TintaMutare(int DCol, int DRow) const override;

    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void ColoaneModificate();
    void ColoanaModificata(bool Structura);
    QString MergeId(int Col, int Row) const;
    QRect DreptunghiBloc(const QRect &Bloc) const;
    TKelCuloriColoana *StilCelula(int Col, int Row) const;
    int IntensitateBloc(const QRect &Bloc) const;
    void PicteazaDate(QPainter &Canvas, int Col, int Row, const QRect &Rect);
    void PicteazaHeader(QPainter &Canvas, int Col, const QRect &Rect);
    // The band of a header level over column Col; false when the column has none.
    bool Banda(int Col, int Nivel, int &Prima, int &Ultima) const;
    void Tick();
    void IncearcaEditarea();
    void RaporteazaEroarea(const QString &Mesaj);

    TKelVirtualGridColumns *m_coloane;
    TKelVirtualGridList m_linii{this};
    TKelListaCeluleGrid m_fierbinti;
    TKelTickTackThread *m_tick;
    TKelGridOptions m_optiuni;
    int m_nrColoaneFixe = 1;
    int m_headerHeight = 48;
    int m_nivelUpdate = 0;
    bool m_distrugere = false;
    QPoint m_mouse{-1, -1};
    bool m_mouseInauntru = false;
    // Blocks already painted in the current pass, by their first cell.
    QSet<std::pair<int, int>> m_blocuriPictate;
    // A mismatch is reported once until the next layout, not at every repaint.
    QSet<QString> m_eroriRaportate;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TKelVirtualGrid::TKelGridOptions)
