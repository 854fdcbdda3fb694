#pragma once
#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <optional>

class QPainter;

// Message a mouse watcher posts when the cursor has left a control.
constexpr int WM_KEL_MOUSE_LEAVE = 1124;

enum TKelColorVariationEnum {
    cvNoVariation,
    cvLiteBlue,
    cvLiteGreen,
    cvLiteRed,
    cvLiteLiteBlue,
    cvLiteLiteGreen,
    cvLiteLiteRed,
    cvLite,
    cvLiteLite,
};

// A base colour (fixed, or a system colour read when used) and a shade applied to it.
class TKelColorVariation : public QObject
{
    Q_OBJECT
public:
    explicit TKelColorVariation(QObject *Parent = nullptr) : QObject(Parent) {}

    QColor BaseColor() const;
    void SetBaseColor(const QColor &Color);
    void SetBaseColor(QPalette::ColorRole SystemColor);
    TKelColorVariationEnum Variation() const { return m_variation; }
    void SetVariation(TKelColorVariationEnum Variation);
    // The colour to paint with.
    QColor Color() const;
    void Assign(const TKelColorVariation &Other);

Q_SIGNALS:
    void Changed();

private:
    QColor m_culoare;
    std::optional<QPalette::ColorRole> m_sistem = QPalette::Base;
    TKelColorVariationEnum m_variation = cvNoVariation;
};

class TKelTextEditStyle : public QObject
{
    Q_OBJECT
public:
    explicit TKelTextEditStyle(QObject *Parent = nullptr);

    TKelColorVariation *BkColor() const { return m_bk; }
    TKelColorVariation *BorderColor() const { return m_border; }
    TKelColorVariation *FontColor() const { return m_fontColor; }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Width);
    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &Font);
    void Assign(const TKelTextEditStyle &Other);

Q_SIGNALS:
    void Changed();

private:
    TKelColorVariation *m_bk, *m_border, *m_fontColor;
    int m_borderWidth = 1;
    QFont m_font;
};

// The six styles every control paints with; one shared instance.
class TKelTextEditStyleRepository : public QObject
{
    Q_OBJECT
public:
    explicit TKelTextEditStyleRepository(QObject *Parent = nullptr);
    // Created with the defaults on first use, freed with the application.
    static TKelTextEditStyleRepository *Shared();

    TKelTextEditStyle *Cold() const { return m_stiluri[3]; }
    TKelTextEditStyle *Hover() const { return m_stiluri[4]; }
    TKelTextEditStyle *Hot() const { return m_stiluri[5]; }
    TKelTextEditStyle *ReadOnlyCold() const { return m_stiluri[0]; }
    TKelTextEditStyle *ReadOnlyHover() const { return m_stiluri[1]; }
    TKelTextEditStyle *ReadOnlyHot() const { return m_stiluri[2]; }
    // Indexed by a control's state (0..5).
    TKelTextEditStyle *Style(int State) const { return m_stiluri[qBound(0, State, 5)]; }

private:
    TKelTextEditStyle *m_stiluri[6];
};

class TKelBaseControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version STORED false)
public:
    explicit TKelBaseControl(QWidget *Parent = nullptr);
    QString Version() const { return QStringLiteral("1.0"); }
    // Focuses the next sibling in the tab order; no wrap-around.
    virtual void FocusNext();
};

class TKelFieldBasedControl : public TKelBaseControl
{
    Q_OBJECT
public:
    // 0..2 read-only idle, hover, focused; 3..5 editable idle, hover, focused.
    enum { stReadOnlyCold, stReadOnlyHover, stReadOnlyHot, stCold, stHover, stHot };

    explicit TKelFieldBasedControl(QWidget *Parent = nullptr);
    int State() const { return m_state; }
    virtual void SetState(int State);
    virtual void PaintBackground(QPainter &Canvas, int State);
    virtual TKelTextEditStyle *StyleForState(int State) const;
    static TKelTextEditStyleRepository *Repository();

protected:
    static bool EsteFocusat(int State) { return State == stReadOnlyHot || State == stHot; }
    static int Grup(int State) { return State < stCold ? stReadOnlyCold : stCold; }

    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    int m_state = stCold;
};

class TKelCustomTextEdit : public TKelFieldBasedControl
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool KeepSelection READ KeepSelection WRITE SetKeepSelection)
    Q_PROPERTY(bool RightAlignNonEdit READ RightAlignNonEdit WRITE SetRightAlignNonEdit)
    Q_PROPERTY(bool AutoSelectOnEnter READ AutoSelectOnEnter WRITE SetAutoSelectOnEnter)
public:
    explicit TKelCustomTextEdit(QWidget *Parent = nullptr);

    const QString &Text() const { return m_text; }
    void SetText(const QString &Value);
    // Positions are 1-based: 1 before the first character, length + 1 after the last.
    int SelAnchor() const { return m_selAnchor; }
    int SelExtent() const { return m_selExtent; }
    void SetSelStart(int P);
    void SetSelExtent(int Extent);
    QString LeftText() const;
    QString SelectedText() const;
    QString RightText() const;
    void ReplaceSelection(const QString &S);

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    bool KeepSelection() const { return m_keepSelection; }
    void SetKeepSelection(bool Value);
    bool RightAlignNonEdit() const { return m_rightAlignNonEdit; }
    void SetRightAlignNonEdit(bool Value);
    bool AutoSelectOnEnter() const { return m_autoSelectOnEnter; }
    void SetAutoSelectOnEnter(bool Value) { m_autoSelectOnEnter = Value; }

    int PositionFromX(int X) const;
    QSize sizeHint() const override { return QSize(100, 24); }

    // May adjust Text; false refuses it.
    virtual bool CanAcceptText(QString &Text);
    virtual void PaintText(QPainter &Canvas, int State);
    virtual void PrepareFont(QPainter &Canvas, int State, bool Normal);

Q_SIGNALS:
    void OnChange(TKelCustomTextEdit *Sender);
    void OnLeft(TKelCustomTextEdit *Sender);
    void OnRight(TKelCustomTextEdit *Sender);
    void OnUp(TKelCustomTextEdit *Sender);
    void OnDown(TKelCustomTextEdit *Sender);

protected:
    // The state's font and font colour on Canvas.
    void ApplyStateFont(QPainter &Canvas, int State) const;
    int TextLeft(int State) const;
    int TextTop(int State) const;
    int TextWidth(const QString &S) const;

    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void timerEvent(QTimerEvent *e) override;

private:
    int SelStart() const { return qMin(m_selAnchor, m_selAnchor + m_selExtent); }
    int SelLength() const { return qAbs(m_selExtent); }
    int Length() const { return int(m_text.size()); }
    // Replaces Count characters from 1-based position Start; false when refused.
    bool Inlocuieste(int Start, int Count, const QString &S);
    void MutaCursor(int Pozitie);
    int CuvantStanga(int Pozitie) const;
    int CuvantDreapta(int Pozitie) const;
    bool TastaCuShift(int Key);
    bool TastaCuCtrl(int Key);
    bool TastaCuCtrlShift(int Key);
    bool TastaSimpla(int Key);
    void PornesteCursor();

    QString m_text;
    int m_selAnchor = 1;
    int m_selExtent = 0;
    bool m_keepSelection = false;
    bool m_rightAlignNonEdit = false;
    bool m_autoSelectOnEnter = true;
    bool m_focusPrinClic = false;
    bool m_cursorAfisat = false;
    bool m_cursorVizibil = false;
    QBasicTimer m_clipire;
};

class TKelTextEdit : public TKelCustomTextEdit
{
    Q_OBJECT
public:
    explicit TKelTextEdit(QWidget *Parent = nullptr) : TKelCustomTextEdit(Parent) {}
};
