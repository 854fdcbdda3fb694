#include "KelVirtualGrid.h"

#include "KelTickTackThread.h"
#include "UAfisareErori.h"
#include "UEroare.h"
#include "URutineComune.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
QColor Sistem(QPalette::ColorRole Rol) { return QGuiApplication::palette().color(QPalette::Active, Rol); }

// One colour of the old palette is painted as the header blue.
QColor Substituie(const QColor &C)
{
    return C.isValid() && C.toRgb() == QColor(243, 250, 220) ? QColor(207, 216, 247) : C;
}

QEvent::Type CerereStructura()
{
    static const QEvent::Type tip = QEvent::Type(QEvent::registerEventType());
    return tip;
}

QFont CuAtribute(QFont Font, int Atribute)
{
    using L = TKelVirtualGridLine;
    if (Atribute & L::aBoldOn)
        Font.setBold(true);
    if (Atribute & L::aBoldOff)
        Font.setBold(false);
    if (Atribute & L::aItalicOn)
        Font.setItalic(true);
    if (Atribute & L::aItalicOff)
        Font.setItalic(false);
    for (auto [flag, marime] : {std::pair{L::aSize6, 6}, {L::aSize8, 8}, {L::aSize10, 10}, {L::aSize11, 11}})
        if (Atribute & flag)
            Font.setPointSize(marime);
    return Font;
}

// Greedy wrap at blanks; with Taie a word wider than the line is cut with " -".
QStringList Imparte(const QString &Text, const QFontMetrics &Fm, int Latime, bool Taie)
{
    QStringList linii;
    QString linie;
    const QStringList cuvinte = QString(Text).replace(QLatin1Char('\t'), QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString cuvant : cuvinte) {
        const QString incercare = linie.isEmpty() ? cuvant : linie + QLatin1Char(' ') + cuvant;
        if (Fm.horizontalAdvance(incercare) <= Latime || linie.isEmpty() && !Taie) {
            linie = incercare;
            continue;
        }
        if (!linie.isEmpty())
            linii << linie;
        linie.clear();
        while (Taie && cuvant.size() > 1 && Fm.horizontalAdvance(cuvant) > Latime) {
            int n = int(cuvant.size()) - 1;
            while (n > 1 && Fm.horizontalAdvance(cuvant.left(n) + QStringLiteral(" -")) > Latime)
                --n;
            linii << cuvant.left(n) + QStringLiteral(" -");
            cuvant = cuvant.mid(n);
        }
        linie = cuvant;
    }
    if (!linie.isEmpty())
        linii << linie;
    return linii;
}

// Lines as a block, vertically centred; each aligned on its own.
void ScrieLinii(QPainter &Canvas, const QRect &Zona, const QStringList &Linii, Qt::Alignment Aliniere)
{
    const QFontMetrics fm = Canvas.fontMetrics();
    int y = Zona.top() + (Zona.height() - fm.height() * int(Linii.size())) / 2;
    for (const QString &l : Linii) {
        Canvas.drawText(QRect(Zona.left(), y, Zona.width(), fm.height()), int(Aliniere | Qt::AlignVCenter) | Qt::TextSingleLine, l);
        y += fm.height();
    }
}

void Traseaza(QPainter &Canvas, const QColor &C, int X1, int Y1, int X2, int Y2)
{
    Canvas.setPen(C);
    Canvas.drawLine(X1, Y1, X2, Y2);
}
} // namespace

TKelVirtualGrid::TKelVirtualGrid(QWidget *Parent)
    : TKelCustomDrawGrid(Parent), m_coloane(new TKelVirtualGridColumns(this)), m_tick(new TKelTickTackThread(this))
{
    connect(m_coloane, &TKelVirtualGridColumns::StructuraSchimbata, this, &TKelVirtualGrid::ColoaneModificate);
    connect(m_coloane, &TKelVirtualGridColumns::ColoanaSchimbata, this, &TKelVirtualGrid::ColoanaModificata);
    ActualizeazaStructura();
    m_tick->start();
}

TKelVirtualGrid::~TKelVirtualGrid()
{
    m_distrugere = true;
    // Waits for the thread, so no tick is posted to a dead grid.
    delete m_tick;
    m_coloane->disconnect(this);
}

void TKelVirtualGrid::SetOptiuni(TKelGridOptions Optiuni)
{
    m_optiuni = Optiuni;
    RepaintGrid();
}

int TKelVirtualGrid::HeaderHeight() const { return RowCount() >= 1 && ColCount() >= 1 ? RowHeight(0) : -1; }

void TKelVirtualGrid::SetHeaderHeight(int Height)
{
    m_headerHeight = Height;
    SetRowHeight(0, Height);
}

void TKelVirtualGrid::SetNrColoaneFixe(int Nr)
{
    m_nrColoaneFixe = Nr;
    ActualizeazaStructura();
}

void TKelVirtualGrid::BeginUpdate() { ++m_nivelUpdate; }

void TKelVirtualGrid::EndUpdate()
{
    if (m_nivelUpdate == 0)
        throw EEroare(QStringLiteral("EndUpdate fara BeginUpdate"));
    if (--m_nivelUpdate == 0)
        ActualizeazaStructura();
}

void TKelVirtualGrid::ColoaneModificate()
{
    if (InUpdate() || m_distrugere)
        return;
    ActualizeazaStructura();
    QCoreApplication::postEvent(this, new QEvent(CerereStructura()));
}

void TKelVirtualGrid::ColoanaModificata(bool Structura)
{
    if (InUpdate() || m_distrugere)
        return;
    if (Structura)
        ActualizeazaStructura();
    else
        RepaintGrid();
}

void TKelVirtualGrid::ActualizeazaStructura()
{
    if (m_distrugere)
        return;
    const int vecheCol = Col(), vecheRow = Row();
    const int nCol = qMax(1, m_coloane->Count()), nRow = m_linii.Count() + 1;
    SetDimensiuni(nCol, nRow);
    for (int i = 0; i < m_coloane->Count(); ++i) {
        TKelVirtualGridColumn *c = m_coloane->Item(i);
        // A width dragged by the user survives until the program changes the design width.
        if (c->m_latimeAfisata < 0 || c->Width() != c->m_widthAplicat)
            c->m_latimeAfisata = c->Width();
        c->m_widthAplicat = c->Width();
        SetColWidth(i, c->m_latimeAfisata);
    }
    SetRowHeight(0, m_headerHeight);
    for (int r = 1; r < nRow; ++r) {
        const int h = m_linii[r - 1]->InaltimeLinie;
        SetRowHeight(r, h > 0 ? h : DefaultRowHeight());
    }
    // A negative count means no fixed column, like 0.
    const int fixe = m_nrColoaneFixe < nCol ? qMax(0, m_nrColoaneFixe) : (nCol == 1 || m_nrColoaneFixe <= 0 ? 0 : 1);
    SetFixed(fixe, nRow >= 2 ? 1 : 0);
    if (m_linii.Count() > 0)
        SetTopRow(FixedRows());
    if (m_nrColoaneFixe < nCol)
        SetLeftCol(FixedCols());
    const int row = vecheRow > 1 && vecheRow < nRow ? vecheRow : FixedRows();
    const int col = vecheCol > m_nrColoaneFixe && vecheCol < nCol ? vecheCol : FixedCols();
    SetCurentFaraVerificare(col, row);
    m_eroriRaportate.clear();
    RepaintGrid();
    Q_EMIT StructuraActualizata();
}

TKelVirtualGridLine *TKelVirtualGrid::Linie(int Row) const { return Row >= 1 ? m_linii.Item(Row - 1) : nullptr; }

bool TKelVirtualGrid::EsteCelulaDate(int Col, int Row) const
{
    return Row >= 1 && Row <= m_linii.Count() && Col >= 0 && Col < m_coloane->Count();
}

TKelValoareDate TKelVirtualGrid::ValoareCelula(int Col, int Row) const
{
    TKelValoareDate v;
    if (EsteCelulaDate(Col, Row) && OnGetCellValue)
        OnGetCellValue(Linie(Row), Col, v);
    return v;
}

QString TKelVirtualGrid::TextCelula(int Col, int Row) const
{
    if (!EsteCelulaDate(Col, Row))
        return {};
    TKelVirtualGridColumn *coloana = m_coloane->Item(Col);
    QString text;
    if (coloana->OnGetText) {
        coloana->OnGetText(Linie(Row), text);
        return text;
    }
    const TKelValoareDate v = ValoareCelula(Col, Row);
    text = ::TextCelula(coloana->TipDeDate(), coloana->NumeColoana(), v);
    if (OnCustomText)
        OnCustomText(Linie(Row), v, Col, text);
    return text;
}

QString TKelVirtualGrid::MergeId(int Col, int Row) const
{
    QString id;
    if (OnGetMergeID && EsteCelulaDate(Col, Row))
        OnGetMergeID(Linie(Row), Col, id);
    return id;
}

QRect TKelVirtualGrid::Bloc(int Col, int Row) const
{
    const QString id = MergeId(Col, Row);
    if (id.isEmpty())
        return QRect(Col, Row, 1, 1);
    // A block stays on its side of the fixed columns, which scroll differently.
    const int colMin = Col < FixedCols() ? 0 : FixedCols();
    const int colMax = Col < FixedCols() ? FixedCols() - 1 : m_coloane->Count() - 1;
    int st = Col, dr = Col, sus = Row, jos = Row;
    while (st - 1 >= colMin && MergeId(st - 1, Row) == id)
        --st;
    while (dr + 1 <= colMax && MergeId(dr + 1, Row) == id)
        ++dr;
    while (sus - 1 >= 1 && MergeId(Col, sus - 1) == id)
        --sus;
    while (jos + 1 <= m_linii.Count() && MergeId(Col, jos + 1) == id)
        ++jos;
    return QRect(QPoint(st, sus), QPoint(dr, jos));
}

QRect TKelVirtualGrid::DreptunghiBloc(const QRect &B) const
{
    return CellRect(B.left(), B.top()).united(CellRect(B.right(), B.bottom()));
}

void TKelVirtualGrid::RepaintCell(int Col, int Row)
{
    if (InUpdate())
        return;
    if (Row >= 1)
        viewport()->update(DreptunghiBloc(Bloc(Col, Row)));
    else
        InvalidateCell(Col, Row);
}

void TKelVirtualGrid::RepaintRow(int Row)
{
    for (int c = 0; c < ColCount(); ++c)
        RepaintCell(c, Row);
}

void TKelVirtualGrid::RepaintColumn(int Col)
{
    for (int r = 0; r < RowCount(); ++r)
        RepaintCell(Col, r);
}

void TKelVirtualGrid::RepaintGrid()
{
    if (!InUpdate())
        InvalidateGrid();
}

TKelCuloriColoana *TKelVirtualGrid::StilCelula(int Col, int Row) const
{
    TKelVirtualGridColumn *coloana = m_coloane->Item(Col);
    for (int s = Linie(Row)->Stil(); s >= 2; --s)
        if (coloana->Stil(s)->Activ())
            return coloana->Stil(s);
    return coloana->Stil1();
}

TKelVirtualGrid::TAspectCelula TKelVirtualGrid::AspectCelula(int Col, int Row) const
{
    TAspectCelula a;
    const QRect bloc = Bloc(Col, Row);
    Col = bloc.left(), Row = bloc.top();
    TKelVirtualGridLine *linie = Linie(Row);
    const TKelCuloriColoana *stil = StilCelula(Col, Row);
    a.Selectat = m_linii.Count() > 0 && bloc.contains(this->Col(), this->Row());
    a.Fundal = a.Selectat ? stil->CuloareBackgroundSelectat()->Color() : stil->CuloareBackgroundNormal()->Color();
    a.Font = a.Selectat ? stil->FontSelectat() : stil->FontNormal();
    a.CuloareFont = a.Selectat ? stil->CuloareFontSelectat()->Color() : stil->CuloareFontNormal()->Color();
    if (!a.Selectat && linie->CuloareFundal.isValid())
        a.Fundal = linie->CuloareFundal;
    if (!a.Selectat && linie->CuloareText.isValid())
        a.CuloareFont = linie->CuloareText;
    a.Font = CuAtribute(a.Font, linie->Atribute);
    a.Aliniere = stil->Aliniere();
    a.Fundal = Substituie(a.Fundal);
    if (!a.Selectat && OnFormatCell)
        OnFormatCell(linie, Col, a.Fundal, a.Font, a.CuloareFont);
    return a;
}

int TKelVirtualGrid::IntensitateBloc(const QRect &B) const
{
    int maxim = 0;
    for (int i = 0; i < m_fierbinti.Count(); ++i) {
        const TKelCelulaGrid &c = m_fierbinti.Item(i);
        if (B.contains(c.Coloana, c.Linie))
            maxim = qMax(maxim, c.Intensitate);
    }
    return maxim;
}

QColor TKelVirtualGrid::CuloareFundal(int Col, int Row) const
{
    const TAspectCelula a = AspectCelula(Col, Row);
    QColor fundal = a.Fundal;
    const int intensitate = a.Selectat ? 0 : IntensitateBloc(Bloc(Col, Row));
    if (intensitate > 1)
        fundal = ColorGradient(fundal, ShadeLiteLiteBlue(ShadeLiteLiteBlue(fundal)), 9).value(intensitate - 1);
    if (m_optiuni.testFlag(goSelectezLinia) && Bloc(Col, Row).contains(Col, this->Row()) && m_linii.Count() > 0)
        fundal = Sistem(QPalette::Highlight);
    return fundal;
}

void TKelVirtualGrid::IncepePictare() { m_blocuriPictate.clear(); }

void TKelVirtualGrid::DrawCell(QPainter &Canvas, int Col, int Row, const QRect &Rect)
{
    if (Row == 0 && Col < m_coloane->Count())
        PicteazaHeader(Canvas, Col, Rect);
    else if (EsteCelulaDate(Col, Row))
        PicteazaDate(Canvas, Col, Row, Rect);
    else
        Canvas.fillRect(Rect, Sistem(QPalette::Base));
}

void TKelVirtualGrid::RaporteazaEroarea(const QString &Mesaj)
{
    if (m_eroriRaportate.contains(Mesaj))
        return;
    m_eroriRaportate.insert(Mesaj);
    // Not from inside the paint: the error box would paint the grid again.
    QMetaObject::invokeMethod(this, [Mesaj] { ArataEroarea(std::make_exception_ptr(EEroare(Mesaj))); }, Qt::QueuedConnection);
}

void TKelVirtualGrid::PicteazaDate(QPainter &Canvas, int Col, int Row, const QRect &Rect)
{
    const QRect bloc = Bloc(Col, Row);
    if (bloc.width() > 1 || bloc.height() > 1) {
        if (m_blocuriPictate.contains({bloc.left(), bloc.top()}))
            return;
        m_blocuriPictate.insert({bloc.left(), bloc.top()});
    }
    Col = bloc.left(), Row = bloc.top();
    const QRect r = DreptunghiBloc(bloc);
    TAspectCelula aspect = AspectCelula(Col, Row);
    const QColor fundal = CuloareFundal(Col, Row);
    if (m_optiuni.testFlag(goSelectezLinia) && bloc.contains(Col, this->Row()) && m_linii.Count() > 0)
        aspect.CuloareFont = Sistem(QPalette::HighlightedText);
    const QColor culoareLinie = Sistem(QPalette::Text);
    Canvas.fillRect(r, fundal);
    const bool ultimaFixa = bloc.right() == FixedCols() - 1;
    if (ultimaFixa) {
        const QList<QColor> g = ColorGradient(fundal, culoareLinie, 1);
        Traseaza(Canvas, g[0], r.right() - 2, r.top(), r.right() - 2, r.bottom());
        Traseaza(Canvas, g[1], r.right() - 1, r.top(), r.right() - 1, r.bottom());
    }
    const QColor linii = Col < FixedCols() ? culoareLinie : Sistem(QPalette::Dark);
    if (!m_optiuni.testFlag(goNuAfisezLiniiOrizontale)) {
        Traseaza(Canvas, linii, r.left(), r.top(), r.right(), r.top());
        if (bloc.bottom() == RowCount() - 1)
            Traseaza(Canvas, linii, r.left(), r.bottom(), r.right(), r.bottom());
    }
    if (!m_optiuni.testFlag(goNuAfisezLiniiVerticale))
        Traseaza(Canvas, linii, r.right(), r.top(), r.right(), r.bottom());

    QString text;
    try {
        text = TextCelula(Col, Row);
    } catch (const EEroare &e) {
        RaporteazaEroarea(e.Mesaj());
        text = e.Mesaj();
    }
    const QRect zona = r.adjusted(2, 1, -2, -1);
    Canvas.save();
    Canvas.setClipRect(zona, Qt::IntersectClip);
    Canvas.setFont(aspect.Font);
    Canvas.setPen(aspect.CuloareFont);
    const QRect interior = r.adjusted(2, 0, -2, 0);
    const Qt::Alignment oriz = aspect.Aliniere & Qt::AlignHorizontal_Mask;
    if (m_coloane->Item(Col)->AllowMultiLineGridPrint())
        ScrieLinii(Canvas, interior, Imparte(text, Canvas.fontMetrics(), r.width() - 4, true), Qt::AlignHCenter);
    else
        Canvas.drawText(interior, int(oriz | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    Canvas.restore();
}

bool TKelVirtualGrid::Banda(int Col, int Nivel, int &Prima, int &Ultima) const
{
    auto egal = [this, Nivel, Col](int c) {
        for (int n = 0; n <= Nivel; ++n)
            if (m_coloane->Item(c)->Umbrela(n) != m_coloane->Item(Col)->Umbrela(n))
                return false;
        return true;
    };
    if (m_coloane->Item(Col)->Umbrela(Nivel).isEmpty())
        return false;
    Prima = Ultima = Col;
    while (Prima > 0 && egal(Prima - 1))
        --Prima;
    while (Ultima + 1 < m_coloane->Count() && egal(Ultima + 1))
        ++Ultima;
    return true;
}

void TKelVirtualGrid::PicteazaHeader(QPainter &Canvas, int Col, const QRect &Rect)
{
    TKelVirtualGridColumn *coloana = m_coloane->Item(Col);
    const QColor culoareLinie = Sistem(QPalette::Text);
    const QColor fundal = Substituie(coloana->CuloareHeader());
    QColor margine = fundal;
    Canvas.fillRect(Rect, fundal);
    Canvas.save();
    Canvas.setClipRect(Rect, Qt::IntersectClip);
    int sus = Rect.top();
    // A second band only under a first one, and never across the first one's edges.
    for (int nivel = 0; nivel < 2; ++nivel) {
        int prima = 0, ultima = 0;
        if (!Banda(Col, nivel, prima, ultima))
            break;
        TKelVirtualGridColumn *cap = m_coloane->Item(prima);
        const QFontMetrics fm(cap->FontUmbrela(nivel));
        const QRect banda(QPoint(CellRect(prima, 0).left(), sus), QPoint(CellRect(ultima, 0).right(), sus + fm.height() + 1));
        if (cap->CuloareUmbrela(nivel).isValid()) {
            Canvas.fillRect(banda.intersected(Rect), Substituie(cap->CuloareUmbrela(nivel)));
            if (nivel == 0)
                margine = Substituie(cap->CuloareUmbrela(nivel));
        }
        QString text = coloana->Umbrela(nivel);
        const qsizetype bara = text.indexOf(QLatin1Char('|'));
        if (bara >= 0)
            text = text.mid(bara + 1);
        Canvas.setFont(cap->FontUmbrela(nivel));
        Canvas.setPen(cap->CuloareFontUmbrela(nivel));
        Canvas.drawText(banda, Qt::AlignCenter | Qt::TextSingleLine, text);
        Traseaza(Canvas, culoareLinie, Rect.left(), banda.bottom(), Rect.right(), banda.bottom());
        if (prima == 0)
            Traseaza(Canvas, culoareLinie, banda.left(), banda.top(), banda.left(), banda.bottom());
        if (Col == ultima)
            Traseaza(Canvas, culoareLinie, Rect.right(), banda.top(), Rect.right(), banda.bottom());
        sus = banda.bottom() + 1;
    }
    const QList<QColor> g = ColorGradient(margine, culoareLinie, 1);
    if (Col >= FixedCols() || Col == FixedCols() - 1) {
        Traseaza(Canvas, g[0], Rect.left(), Rect.bottom() - 2, Rect.right(), Rect.bottom() - 2);
        Traseaza(Canvas, g[1], Rect.left(), Rect.bottom() - 1, Rect.right(), Rect.bottom() - 1);
    }
    if (Col == FixedCols() - 1) {
        Traseaza(Canvas, g[0], Rect.right() - 2, Rect.top(), Rect.right() - 2, Rect.bottom() - 2);
        Traseaza(Canvas, g[1], Rect.right() - 1, Rect.top(), Rect.right() - 1, Rect.bottom() - 1);
    }
    Traseaza(Canvas, culoareLinie, Rect.left(), Rect.top(), Rect.right(), Rect.top());
    Traseaza(Canvas, culoareLinie, Rect.right(), Rect.top(), Rect.right(), Rect.bottom());
    Traseaza(Canvas, culoareLinie, Rect.left(), Rect.bottom(), Rect.right(), Rect.bottom());

    QFont font = coloana->Stil1()->FontNormal();
    font.setPointSizeF(qMax(8.0, font.pointSizeF() - 2));
    Canvas.setFont(font);
    Canvas.setPen(coloana->Stil1()->CuloareFontNormal()->Color());
    const QRect zona(QPoint(Rect.left() + 3, sus + 1), QPoint(Rect.right() - 3, Rect.bottom() - 3));
    ScrieLinii(Canvas, zona, Imparte(coloana->NumeColoana(), Canvas.fontMetrics(), Rect.width() - 7, false),
               coloana->AliniereTextInHeader() & Qt::AlignHorizontal_Mask);
    Canvas.restore();
}

bool TKelVirtualGrid::SelectCell(int Col, int Row)
{
    bool poate = true;
    if (OnSelectCell && Row >= 1)
        OnSelectCell(this, Col, Row, poate);
    return poate;
}

void TKelVirtualGrid::ColumnResized(int Col)
{
    if (TKelVirtualGridColumn *c = m_coloane->Item(Col))
        c->m_latimeAfisata = ColWidth(Col);
}

QPoint TKelVirtualGrid::TintaMutare(int DCol, int DRow) const
{
    // Moves pass over the other cells of a merged block.
    const QRect b = Row() >= 1 ? Bloc(Col(), Row()) : QRect(Col(), Row(), 1, 1);
    QPoint t(Col(), Row());
    if (DCol > 0)
        t.setX(b.right() + 1);
    if (DCol < 0)
        t.setX(b.left() - 1);
    if (DRow > 0)
        t.setY(b.bottom() + 1);
    if (DRow < 0)
        t.setY(b.top() - 1);
    return t;
}

QPoint TKelVirtualGrid::CelulaSubMouse() const
{
    if (!m_mouseInauntru)
        return {-1, -1};
    return CellAt(m_mouse);
}

void TKelVirtualGrid::mouseMoveEvent(QMouseEvent *e)
{
    TKelCustomDrawGrid::mouseMoveEvent(e);
    m_mouse = e->position().toPoint();
    m_mouseInauntru = true;
    const QPoint c = CellAt(m_mouse);
    if (!EsteCelulaDate(c.x(), c.y()) || c.x() < FixedCols())
        return;
    QList<QPoint> aprinse;
    if (m_optiuni.testFlag(goSelectezLinia)) {
        for (int col = FixedCols(); col < m_coloane->Count(); ++col)
            aprinse << Bloc(col, c.y()).topLeft();
    } else {
        aprinse << Bloc(c.x(), c.y()).topLeft();
    }
    for (const QPoint &p : aprinse)
        if (m_fierbinti.Aprinde(p.x(), p.y()))
            RepaintCell(p.x(), p.y());
    m_tick->SetPornit(true);
}

void TKelVirtualGrid::leaveEvent(QEvent *e)
{
    m_mouseInauntru = false;
    TKelCustomDrawGrid::leaveEvent(e);
}

void TKelVirtualGrid::Tick()
{
    const QPoint sub = CelulaSubMouse();
    const bool linia = m_optiuni.testFlag(goSelectezLinia);
    const QPoint primaSub = EsteCelulaDate(sub.x(), sub.y()) ? Bloc(sub.x(), sub.y()).topLeft() : QPoint(-1, -1);
    const QList<QPoint> schimbate = m_fierbinti.Tick([&](int Coloana, int Linie) {
        return linia ? Linie == sub.y() && sub.y() >= 1 : QPoint(Coloana, Linie) == primaSub;
    });
    for (const QPoint &p : schimbate)
        RepaintCell(p.x(), p.y());
}

bool TKelVirtualGrid::event(QEvent *e)
{
    if (e->type() == TKelTickEvent::Tip()) {
        Tick();
        return true;
    }
    if (e->type() == CerereStructura()) {
        if (!InUpdate())
            ActualizeazaStructura();
        return true;
    }
    return TKelCustomDrawGrid::event(e);
}

void TKelVirtualGrid::IncearcaEditarea()
{
    // In-cell editing is not built: the question is asked, and nothing else follows.
    const TKelValoareDate v = ValoareCelula(Col(), Row());
    if (!v.AreValoare() || !OnPotEdita)
        return;
    bool poate = true;
    OnPotEdita(Linie(Row()), Col(), poate);
}

void TKelVirtualGrid::keyPressEvent(QKeyEvent *e)
{
    const int k = e->key();
    const bool numeric = e->modifiers() & Qt::KeypadModifier;
    const bool peDate = Row() >= 1 && m_linii.Count() > 0;
    // The edit keys: digits and letters, the number pad but its 0, F1 to F11.
    const bool cifra = k >= Qt::Key_0 && k <= Qt::Key_9 && !(numeric && k == Qt::Key_0);
    const bool operatorNumeric = numeric && (k == Qt::Key_Asterisk || k == Qt::Key_Plus || k == Qt::Key_Minus
                                             || k == Qt::Key_Period || k == Qt::Key_Comma || k == Qt::Key_Slash);
    const bool tastaEditare = cifra || (k >= Qt::Key_A && k <= Qt::Key_Z) || operatorNumeric
                           || (k >= Qt::Key_F1 && k <= Qt::Key_F11);
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if ((enter && peDate && Col() >= FixedCols()) || (tastaEditare && !enter && peDate)) {
        e->accept();
        IncearcaEditarea();
        return;
    }
    TKelCustomDrawGrid::keyPressEvent(e);
}
