#include "UKelEditors.h"

#include "UKelMouseInWindowThread.h"
#include "URutineComune.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleHints>

namespace {
QColor CuloareSistem(QPalette::ColorRole Rol) { return QGuiApplication::palette().color(QPalette::Active, Rol); }
} // namespace

// ---- TKelColorVariation ----

QColor TKelColorVariation::BaseColor() const { return m_sistem ? CuloareSistem(*m_sistem) : m_culoare; }

void TKelColorVariation::SetBaseColor(const QColor &Color)
{
    m_culoare = Color;
    m_sistem.reset();
    Q_EMIT Changed();
}

void TKelColorVariation::SetBaseColor(QPalette::ColorRole SystemColor)
{
    m_sistem = SystemColor;
    Q_EMIT Changed();
}

void TKelColorVariation::SetVariation(TKelColorVariationEnum Variation)
{
    m_variation = Variation;
    Q_EMIT Changed();
}

QColor TKelColorVariation::Color() const
{
    static const int delte[][3] = {{0, 0, 0},     {-20, -20, 0}, {-20, 0, -20}, {0, -20, -20}, {-10, -10, 0},
                                   {-10, 0, -10}, {0, -10, -10}, {20, 20, 20},  {10, 10, 10}};
    // Painting is 8 bits a channel; so is the colour compared with what was painted.
    const QColor baza = QColor::fromRgba(BaseColor().rgba());
    if (m_variation == cvNoVariation)
        return baza;
    const int *d = delte[m_variation];
    return ShadeColor(d[0], d[1], d[2], baza);
}

void TKelColorVariation::Assign(const TKelColorVariation &Other)
{
    m_culoare = Other.m_culoare;
    m_sistem = Other.m_sistem;
    m_variation = Other.m_variation;
    Q_EMIT Changed();
}

// ---- TKelTextEditStyle ----

TKelTextEditStyle::TKelTextEditStyle(QObject *Parent)
    : QObject(Parent), m_bk(new TKelColorVariation(this)), m_border(new TKelColorVariation(this)),
      m_fontColor(new TKelColorVariation(this))
{
    for (TKelColorVariation *c : {m_bk, m_border, m_fontColor})
        connect(c, &TKelColorVariation::Changed, this, &TKelTextEditStyle::Changed);
}

void TKelTextEditStyle::SetBorderWidth(int Width)
{
    m_borderWidth = Width;
    Q_EMIT Changed();
}

void TKelTextEditStyle::SetFont(const QFont &Font)
{
    m_font = Font;
    Q_EMIT Changed();
}

void TKelTextEditStyle::Assign(const TKelTextEditStyle &Other)
{
    m_bk->Assign(*Other.m_bk);
    m_border->Assign(*Other.m_border);
    m_fontColor->Assign(*Other.m_fontColor);
    m_borderWidth = Other.m_borderWidth;
    m_font = Other.m_font;
    Q_EMIT Changed();
}

// ---- TKelTextEditStyleRepository ----

TKelTextEditStyleRepository::TKelTextEditStyleRepository(QObject *Parent) : QObject(Parent)
{
    for (TKelTextEditStyle *&s : m_stiluri) {
        s = new TKelTextEditStyle(this);
        s->BorderColor()->SetBaseColor(QPalette::Dark);
        s->FontColor()->SetBaseColor(QPalette::Text);
        s->SetFont(QFont(QStringLiteral("Arial"), 9));
    }
    QColor rece = CuloareSistem(QPalette::Base);
    rece.setBlue((rece.blue() + 256 - 5) % 256);
    Cold()->BkColor()->SetBaseColor(rece);

    Hot()->BkColor()->SetVariation(cvLiteLiteBlue);
    Hot()->BorderColor()->SetBaseColor(QColor(Qt::black));
    Hot()->SetBorderWidth(2);

    Hover()->BkColor()->SetVariation(cvLiteGreen);
    Hover()->BorderColor()->SetVariation(cvLiteGreen);

    const std::pair<TKelTextEditStyle *, TKelColorVariationEnum> citireDoar[] = {
        {ReadOnlyCold(), cvLite}, {ReadOnlyHot(), cvLiteLiteRed}, {ReadOnlyHover(), cvLiteRed}};
    for (const auto &[stil, variatie] : citireDoar) {
        stil->BkColor()->SetBaseColor(QPalette::Button);
        stil->BkColor()->SetVariation(variatie);
    }
}

TKelTextEditStyleRepository *TKelTextEditStyleRepository::Shared()
{
    static QPointer<TKelTextEditStyleRepository> comun;
    if (!comun)
        comun = new TKelTextEditStyleRepository(QCoreApplication::instance());
    return comun;
}

// ---- TKelBaseControl ----

TKelBaseControl::TKelBaseControl(QWidget *Parent) : QWidget(Parent) {}

void TKelBaseControl::FocusNext()
{
    QWidget *parinte = parentWidget();
    if (!parinte)
        return;
    // The focus chain is circular over the window; walk it once from the window
    // so that "after this one" never wraps around.
    QWidget *fereastra = window();
    bool dupaMine = false;
    for (QWidget *w = fereastra->nextInFocusChain(); w && w != fereastra; w = w->nextInFocusChain()) {
        if (w == this)
            dupaMine = true;
        else if (dupaMine && w->parentWidget() == parinte) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// ---- TKelFieldBasedControl ----

TKelFieldBasedControl::TKelFieldBasedControl(QWidget *Parent) : TKelBaseControl(Parent)
{
    // Hover is noticed through plain mouse moves.
    setMouseTracking(true);
}

TKelTextEditStyleRepository *TKelFieldBasedControl::Repository() { return TKelTextEditStyleRepository::Shared(); }

TKelTextEditStyle *TKelFieldBasedControl::StyleForState(int State) const { return Repository()->Style(State); }

void TKelFieldBasedControl::SetState(int State)
{
    m_state = State;
    if (State == stReadOnlyHover || State == stHover)
        new TKelMouseInWindowThread(this, WM_KEL_MOUSE_LEAVE);
    update();
}

void TKelFieldBasedControl::PaintBackground(QPainter &Canvas, int State)
{
    const TKelTextEditStyle *stil = StyleForState(State);
    QColor fundal = stil->BkColor()->Color();
    const QColor fata = CuloareSistem(QPalette::Button);
    if (!isEnabled() && palette().color(QPalette::Base) == fata)
        fundal = fata;
    Canvas.fillRect(rect(), fundal);
    QPen creion(stil->BorderColor()->Color());
    creion.setWidth(stil->BorderWidth());
    creion.setJoinStyle(Qt::MiterJoin);
    Canvas.setPen(creion);
    Canvas.setBrush(Qt::NoBrush);
    const int w = width() - 1, h = height() - 1;
    const QPoint colturi[] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    Canvas.drawPolygon(colturi, 4);
}

bool TKelFieldBasedControl::event(QEvent *e)
{
    if (e->type() == TKelMesajEvent::Tip()) {
        if (static_cast<TKelMesajEvent *>(e)->Mesaj == WM_KEL_MOUSE_LEAVE
            && (m_state == stReadOnlyHover || m_state == stHover))
            SetState(m_state - 1);
        return true;
    }
    return TKelBaseControl::event(e);
}

void TKelFieldBasedControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintBackground(p, m_state);
}

void TKelFieldBasedControl::focusInEvent(QFocusEvent *e)
{
    SetState(Grup(m_state) + 2);
    TKelBaseControl::focusInEvent(e);
}

void TKelFieldBasedControl::focusOutEvent(QFocusEvent *e)
{
    SetState(Grup(m_state));
    TKelBaseControl::focusOutEvent(e);
}

void TKelFieldBasedControl::mouseMoveEvent(QMouseEvent *e)
{
    const bool inauntru = rect().contains(e->position().toPoint());
    if (inauntru && (m_state == stReadOnlyCold || m_state == stCold))
        SetState(m_state + 1);
    else if (!inauntru && (m_state == stReadOnlyHover || m_state == stHover))
        SetState(m_state - 1);
    TKelBaseControl::mouseMoveEvent(e);
}

// ---- TKelCustomTextEdit ----

namespace {
bool EsteSeparator(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char(' ')
        || c == QLatin1Char(',') || c == QLatin1Char('.');
}
} // namespace

TKelCustomTextEdit::TKelCustomTextEdit(QWidget *Parent) : TKelFieldBasedControl(Parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 24);
}

void TKelCustomTextEdit::SetText(const QString &Value)
{
    QString v = Value;
    if (!CanAcceptText(v) || v == m_text)
        return;
    m_text = v;
    m_selAnchor = Length() + 1;
    m_selExtent = 0;
    update();
    Q_EMIT OnChange(this);
}

void TKelCustomTextEdit::SetSelStart(int P)
{
    // Positions start at 1; anything below is the start.
    P = qBound(1, P, Length() + 1);
    if (P == m_selAnchor)
        return;
    m_selExtent = qMax(0, m_selAnchor + m_selExtent - P);
    m_selAnchor = P;
    update();
}

void TKelCustomTextEdit::SetSelExtent(int Extent)
{
    m_selExtent = qBound(1, m_selAnchor + Extent, Length() + 1) - m_selAnchor;
    update();
}

QString TKelCustomTextEdit::LeftText() const { return m_text.left(SelStart() - 1); }
QString TKelCustomTextEdit::SelectedText() const { return m_text.mid(SelStart() - 1, SelLength()); }
QString TKelCustomTextEdit::RightText() const { return m_text.mid(SelStart() - 1 + SelLength()); }

bool TKelCustomTextEdit::Inlocuieste(int Start, int Count, const QString &S)
{
    QString nou = m_text.left(Start - 1) + S + m_text.mid(Start - 1 + Count);
    if (!CanAcceptText(nou) || nou == m_text)
        return false;
    m_text = nou;
    m_selExtent = 0;
    // The filter may change the length (never in the base); keep the caret inside.
    m_selAnchor = qMin(Start + int(S.size()), Length() + 1);
    PornesteCursor();
    Q_EMIT OnChange(this);
    return true;
}

void TKelCustomTextEdit::ReplaceSelection(const QString &S) { Inlocuieste(SelStart(), SelLength(), S); }

void TKelCustomTextEdit::CopyToClipboard()
{
    const QString s = SelectedText();
    if (!s.isEmpty())
        QGuiApplication::clipboard()->setText(s);
}

void TKelCustomTextEdit::CutToClipboard()
{
    CopyToClipboard();
    ReplaceSelection(QString());
}

void TKelCustomTextEdit::PasteFromClipboard()
{
    const QString s = QGuiApplication::clipboard()->text();
    if (!s.isEmpty())
        ReplaceSelection(s);
}

void TKelCustomTextEdit::SetKeepSelection(bool Value)
{
    m_keepSelection = Value;
    update();
}

void TKelCustomTextEdit::SetRightAlignNonEdit(bool Value)
{
    m_rightAlignNonEdit = Value;
    update();
}

int TKelCustomTextEdit::TextWidth(const QString &S) const
{
    return QFontMetrics(StyleForState(State())->Font()).horizontalAdvance(S);
}

int TKelCustomTextEdit::PositionFromX(int X) const
{
    const int x = X - 4;
    // Left of the text goes to the start rather than to the end.
    if (x < 0 && !m_text.isEmpty())
        return 1;
    for (int k = 1; k <= Length(); ++k) {
        const int a = TextWidth(m_text.left(k - 1)), b = TextWidth(m_text.left(k));
        if (a <= x && x <= b)
            return x - a < b - x ? k : k + 1;
    }
    return Length() + 1;
}

bool TKelCustomTextEdit::CanAcceptText(QString &Text)
{
    // Before the window exists its final width is unknown.
    if (!testAttribute(Qt::WA_WState_Created))
        return true;
    return TextWidth(Text) + 8 < width();
}

void TKelCustomTextEdit::ApplyStateFont(QPainter &Canvas, int State) const
{
    const TKelTextEditStyle *stil = StyleForState(State);
    Canvas.setFont(stil->Font());
    Canvas.setPen(stil->FontColor()->Color());
    Canvas.setBrush(Qt::NoBrush);
}

int TKelCustomTextEdit::TextLeft(int State) const
{
    if (!m_rightAlignNonEdit || EsteFocusat(State))
        return 4;
    return width() - TextWidth(m_text) - 4;
}

int TKelCustomTextEdit::TextTop(int State) const
{
    return (height() - QFontMetrics(StyleForState(State)->Font()).height()) / 2;
}

void TKelCustomTextEdit::PaintText(QPainter &Canvas, int State)
{
    if (m_text.isEmpty())
        return;
    ApplyStateFont(Canvas, State);
    const QFontMetrics fm(Canvas.font());
    const int x0 = TextLeft(State), y = TextTop(State);
    const QRect decupaj = rect().adjusted(1, 1, -1, -1);
    const int s = SelStart() - 1, n = SelLength();
    const QColor culoareText = Canvas.pen().color();
    const bool evidentiaza = EsteFocusat(State) || m_keepSelection;
    auto bucata = [&](int de, int cate, bool normal) {
        if (cate <= 0)
            return;
        const QString text = m_text.mid(de, cate);
        const int x = x0 + fm.horizontalAdvance(m_text.left(de));
        Canvas.setPen(culoareText);
        Canvas.setClipRect(decupaj);
        if (!normal && evidentiaza) {
            const QColor fundal = CuloareSistem(QPalette::Highlight);
            Canvas.setClipRect(decupaj.adjusted(0, 1, 0, -1));
            Canvas.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                            EsteFocusat(State) ? fundal : ShadeLiteBlue(fundal));
            Canvas.setPen(CuloareSistem(QPalette::HighlightedText));
        }
        PrepareFont(Canvas, State, normal);
        Canvas.drawText(QPoint(x, y + fm.ascent()), text);
    };
    bucata(0, s, true);
    bucata(s, n, false);
    bucata(s + n, Length() - s - n, true);
    Canvas.setClipping(false);
}

void TKelCustomTextEdit::PrepareFont(QPainter &, int, bool) {}

void TKelCustomTextEdit::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintBackground(p, State());
    PaintText(p, State());
    if (m_cursorAfisat && m_cursorVizibil) {
        const int x = TextWidth(m_text.left(m_selAnchor + m_selExtent - 1)) + 4;
        p.fillRect(QRect(x, 3, 2, height() - 6), StyleForState(State())->FontColor()->Color());
    }
}

void TKelCustomTextEdit::PornesteCursor()
{
    m_cursorVizibil = true;
    const int perioada = QGuiApplication::styleHints()->cursorFlashTime() / 2;
    if (m_cursorAfisat && perioada > 0)
        m_clipire.start(perioada, this);
    update();
}

void TKelCustomTextEdit::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != m_clipire.timerId())
        return TKelFieldBasedControl::timerEvent(e);
    m_cursorVizibil = !m_cursorVizibil;
    update();
}

void TKelCustomTextEdit::MutaCursor(int Pozitie)
{
    m_selAnchor = qBound(1, Pozitie, Length() + 1);
    m_selExtent = 0;
    PornesteCursor();
}

int TKelCustomTextEdit::CuvantStanga(int Pozitie) const
{
    int i = Pozitie - 1;   // the character before the position, 1-based
    while (i >= 1 && EsteSeparator(m_text[i - 1]))
        --i;
    while (i >= 1 && !EsteSeparator(m_text[i - 1]))
        --i;
    return i + 1;
}

int TKelCustomTextEdit::CuvantDreapta(int Pozitie) const
{
    int i = qMax(1, qMin(Pozitie + 1, Length()));
    while (i <= Length() && EsteSeparator(m_text[i - 1]))
        ++i;
    while (i <= Length() && !EsteSeparator(m_text[i - 1]))
        ++i;
    return i;
}

bool TKelCustomTextEdit::TastaCuShift(int Key)
{
    const int activ = m_selAnchor + m_selExtent;
    switch (Key) {
    case Qt::Key_End: m_selExtent = Length() - m_selAnchor + 1; break;
    case Qt::Key_Home: m_selExtent = 1 - m_selAnchor; break;
    case Qt::Key_Left: if (activ > 1) --m_selExtent; break;
    case Qt::Key_Right: if (activ <= Length()) ++m_selExtent; break;
    case Qt::Key_Insert: PasteFromClipboard(); break;
    case Qt::Key_Delete: CutToClipboard(); break;
    default: return false;
    }
    PornesteCursor();
    return true;
}

bool TKelCustomTextEdit::TastaCuCtrl(int Key)
{
    switch (Key) {
    case Qt::Key_Left: MutaCursor(CuvantStanga(m_selAnchor + m_selExtent)); break;
    case Qt::Key_Right: MutaCursor(CuvantDreapta(m_selAnchor + m_selExtent)); break;
    case Qt::Key_C:
    case Qt::Key_Delete: CopyToClipboard(); break;
    case Qt::Key_V: PasteFromClipboard(); break;
    case Qt::Key_X: CutToClipboard(); break;
    default: return false;
    }
    return true;
}

bool TKelCustomTextEdit::TastaCuCtrlShift(int Key)
{
    const int activ = m_selAnchor + m_selExtent;
    if (Key == Qt::Key_Left)
        m_selExtent = CuvantStanga(activ) - m_selAnchor;
    else if (Key == Qt::Key_Right)
        m_selExtent = CuvantDreapta(activ) - m_selAnchor;
    else
        return false;
    PornesteCursor();
    return true;
}

bool TKelCustomTextEdit::TastaSimpla(int Key)
{
    const int caret = m_selAnchor;
    switch (Key) {
    case Qt::Key_Backspace:
        if (SelLength() > 0)
            ReplaceSelection(QString());
        else if (caret > 1)
            Inlocuieste(caret - 1, 1, QString());
        break;
    case Qt::Key_Delete:
        if (SelLength() > 0)
            ReplaceSelection(QString());
        else if (caret <= Length())
            Inlocuieste(caret, 1, QString());
        break;
    case Qt::Key_Home: MutaCursor(1); break;
    case Qt::Key_End: MutaCursor(Length() + 1); break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (Key == Qt::Key_Up)
            Q_EMIT OnUp(this);
        if (m_selExtent != 0) {
            m_selExtent = 0;
            PornesteCursor();
            break;
        }
        if (Key == Qt::Key_Left && caret == 1)
            Q_EMIT OnLeft(this);
        MutaCursor(caret - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (Key == Qt::Key_Down)
            Q_EMIT OnDown(this);
        if (m_selExtent != 0) {
            m_selExtent = 0;
            PornesteCursor();
            break;
        }
        if (Key == Qt::Key_Right && caret == Length() + 1)
            Q_EMIT OnRight(this);
        MutaCursor(caret + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: FocusNext(); break;
    default: return false;
    }
    return true;
}

void TKelCustomTextEdit::keyPressEvent(QKeyEvent *e)
{
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int key = e->key();
    bool tratata;
    if (shift && ctrl)
        tratata = TastaCuCtrlShift(key);
    else if (shift)
        tratata = TastaCuShift(key);
    else if (ctrl)
        tratata = TastaCuCtrl(key);
    else
        tratata = TastaSimpla(key);
    if (tratata)
        return;

    // Printable characters are typed with Shift (capitals) or AltGr (Ctrl+Alt), never with Ctrl alone.
    QString tastat;
    const bool altGr = ctrl && (e->modifiers() & Qt::AltModifier);
    for (QChar c : (ctrl && !altGr) ? QString() : e->text())
        if (c.unicode() > 31 && c.unicode() != 127)
            tastat += c;
    if (!tastat.isEmpty()) {
        ReplaceSelection(tastat);
        return;
    }
    if (shift || ctrl || !e->text().isEmpty())
        return;   // other combinations and control characters do nothing
    TKelFieldBasedControl::keyPressEvent(e);
}

bool TKelCustomTextEdit::event(QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        // The control takes every key, Tab included, before dialog navigation sees it.
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    } else if (e->type() == QEvent::ShortcutOverride) {
        // Keep the editing keys away from the window's shortcuts.
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier) || !k->text().isEmpty()) {
            e->accept();
            return true;
        }
    }
    return TKelFieldBasedControl::event(e);
}

void TKelCustomTextEdit::focusInEvent(QFocusEvent *e)
{
    TKelFieldBasedControl::focusInEvent(e);
    m_focusPrinClic = e->reason() == Qt::MouseFocusReason;
    if (State() >= stCold) {
        if (m_autoSelectOnEnter) {
            m_selAnchor = 1;
            m_selExtent = Length();
        } else {
            m_selAnchor = Length() + 1;
            m_selExtent = 0;
        }
        m_cursorAfisat = true;
        PornesteCursor();
    }
}

void TKelCustomTextEdit::focusOutEvent(QFocusEvent *e)
{
    m_cursorAfisat = false;
    m_clipire.stop();
    TKelFieldBasedControl::focusOutEvent(e);
}

void TKelCustomTextEdit::mousePressEvent(QMouseEvent *e)
{
    // The press that gave the focus only focuses.
    const bool doarFocus = m_focusPrinClic;
    m_focusPrinClic = false;
    if (e->button() != Qt::LeftButton)
        return TKelFieldBasedControl::mousePressEvent(e);
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        m_focusPrinClic = false;
        return;
    }
    if (doarFocus)
        return;
    MutaCursor(PositionFromX(int(e->position().x())));
}

void TKelCustomTextEdit::mouseMoveEvent(QMouseEvent *e)
{
    TKelFieldBasedControl::mouseMoveEvent(e);
    if ((e->buttons() & Qt::LeftButton) && EsteFocusat(State())) {
        m_selExtent = PositionFromX(int(e->position().x())) - m_selAnchor;
        PornesteCursor();
    }
}
