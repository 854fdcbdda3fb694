#pragma once
#include "FontFormular.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>

class TFormularDePrintat;
class QPainter;
struct TContextImprimanta;

// Adjusts printed positions; only the generic provider (both zero) exists, and no drawing
// consults it yet.
class TDirectorModificari
{
public:
    virtual ~TDirectorModificari() = default;
    virtual double ModificareOrizontala() = 0;
    virtual double ModificareVerticala() = 0;
};

class TDirectorModificariGeneric : public TDirectorModificari
{
public:
    double ModificareOrizontala() override { return 0; }
    double ModificareVerticala() override { return 0; }
};

// The one generic provider, passed by the print run.
TDirectorModificari *DirectorModificariImplicit();

// One positioned field of a printed page: a rectangle in millimetres on its surface,
// a text, a font definition and an alignment. The millimetres are the truth; the pixel
// bounds are derived from them at the surface's zoom.
class TFormularTextArea : public QWidget, public IUtilizatorFontFormular
{
    Q_OBJECT
    Q_PROPERTY(double _Top READ _Top WRITE Set_Top)
    Q_PROPERTY(double _Left READ _Left WRITE Set_Left)
    Q_PROPERTY(double _Width READ _Width WRITE Set_Width)
    Q_PROPERTY(double _Height READ _Height WRITE Set_Height)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TFontFormular *Font READ Font WRITE SetFont)
    Q_PROPERTY(double ZoomLock READ ZoomLock WRITE SetZoomLock)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QString Denumire1 READ Denumire1 WRITE SetDenumire1)
    Q_PROPERTY(QString Denumire2 READ Denumire2 WRITE SetDenumire2)
    Q_PROPERTY(QString Denumire3 READ Denumire3 WRITE SetDenumire3)
    Q_PROPERTY(QStringList SursaText READ SursaText WRITE SetSursaText)
    Q_PROPERTY(double p_zoom READ p_zoom WRITE Set_p_zoom STORED false)
    Q_PROPERTY(double p_dpi READ p_dpi WRITE Set_p_dpi STORED false)
    Q_PROPERTY(QStringList Log READ Log WRITE SetLog)

public:
    enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
    Q_ENUM(TAlignment)

    // What screen and printer draw with, after the area's customization.
    struct TParametriDesen
    {
        QString Text;
        TFontFormular *Font = nullptr;
        TAlignment Aliniere = taLeftJustify;
        bool Bold = false;
        bool Italic = false;
        QString FaceName;
    };

    // owner: the window that holds the layout (names the area in the customization file);
    // by default the area's top-level window.
    explicit TFormularTextArea(QWidget *parent = nullptr, QObject *owner = nullptr);
    ~TFormularTextArea() override;

    double _Top() const { return m_top; }
    void Set_Top(double v) { SeteazaMm(m_top, v); }
    double _Left() const { return m_left; }
    void Set_Left(double v) { SeteazaMm(m_left, v); }
    double _Width() const { return m_width; }
    void Set_Width(double v) { SeteazaMm(m_width, v); }
    double _Height() const { return m_height; }
    void Set_Height(double v) { SeteazaMm(m_height, v); }
    QString Text() const { return m_text; }
    void SetText(const QString &v);
    TFontFormular *Font() const { return m_font; }
    void SetFont(TFontFormular *v);
    double ZoomLock() const { return m_zoomLock; }
    void SetZoomLock(double v) { m_zoomLock = v; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment v) { m_alignment = v; }
    QString Denumire1() const { return m_denumire1; }
    void SetDenumire1(const QString &v) { m_denumire1 = v; }
    QString Denumire2() const { return m_denumire2; }
    void SetDenumire2(const QString &v) { m_denumire2 = v; }
    QString Denumire3() const { return m_denumire3; }
    void SetDenumire3(const QString &v) { m_denumire3 = v; }
    QStringList SursaText() const { return m_sursaText; }
    void SetSursaText(const QStringList &v) { m_sursaText = v; }
    QStringList Log() const { return m_log; }
    void SetLog(const QStringList &v) { m_log = v; }
    // The surface's zoom and dpi (100 and 96 without one).
    double p_zoom() const;
    void Set_p_zoom(double v);
    double p_dpi() const;
    void Set_p_dpi(double) {}

    TFormularDePrintat *Surface() const;
    QObject *Owner() const;
    QString NumeFereastra() const;

    void FontChanged() override;
    void FontDestroyed() override;
    QObject *ObiectUtilizator() override { return this; }
    virtual void ZoomChanged();
    void UpdatePixelBounds();
    // Draws the area on a printer page at its millimetres plus the offsets (which already hold
    // the surface's deltas), measured from the paper's corner; turned by 180 degrees with Mirror.
    // latime and inaltime (the page's mm) are not consulted.
    virtual void Print(TContextImprimanta &dc, bool Mirror, TDirectorModificari *adjustments, double latime,
                       double inaltime, double OffsetTop, double OffsetLeft);

    QString EffectiveText() const;
    TParametriDesen ParametriDesen() const;
    // A font of the given cell height (character height including its leading).
    static QFont FontCelula(const TParametriDesen &p, int inaltime, QPaintDevice *device);
    // Starting from the given cell height, one pixel smaller while the text is wider than
    // latime, down to 2; inaltime ends as the cell height used.
    static QFont FontCareIncape(const TParametriDesen &p, int &inaltime, int latime, QPaintDevice *device);

    // The position before the grade placement first moved the area.
    void SalveazaGeometriaInitiala();
    bool GeometrieSalvata() const { return m_geometrieSalvata; }
    double TopInitial() const { return m_topInitial; }
    double LeftInitial() const { return m_leftInitial; }
    double WidthInitial() const { return m_widthInitial; }

    // The layout reader brackets its property assignments with these.
    void IncepeIncarcarea() { m_seIncarca = true; }
    void TerminaIncarcarea();
    bool Hover() const { return m_hover; }

Q_SIGNALS:
    // The field information dialog opens from here.
    void Apasat(TFormularTextArea *area);

protected:
    void paintEvent(QPaintEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool FondAlb() const;     // the surface wants opaque areas, or there is no surface

private:
    void SeteazaMm(double &camp, double v);
    void LimiteSchimbate();

    double m_top = 0, m_left = 0, m_width = 0, m_height = 0;
    QString m_text;
    TFontFormular *m_font = nullptr;
    double m_zoomLock = 0;
    TAlignment m_alignment = taLeftJustify;
    QString m_denumire1, m_denumire2, m_denumire3;
    QStringList m_sursaText, m_log;
    QPointer<QObject> m_owner;

    bool m_fisZooming = false;
    bool m_fisSizing = false;
    bool m_seIncarca = false;
    bool m_hover = false;
    QRect m_limiteCalculate;     // pixel bounds last derived from the millimetres

    bool m_geometrieSalvata = false;
    double m_topInitial = 0, m_leftInitial = 0, m_widthInitial = 0;
};

// A text area that draws a line figure instead of text.
class TFormularGraphic : public TFormularTextArea
{
    Q_OBJECT
    Q_PROPERTY(EFormularGraphic Shape READ Shape WRITE SetShape)
    Q_PROPERTY(QColor LineColor READ LineColor WRITE SetLineColor)

public:
    enum EFormularGraphic {
        fgCutie,
        fgLinieSus,
        fgLinieStanga,
        fgStangaSusDreaptaJos,
        fgStangaJosDreaptaSus,
        fgZoroSign,
        fgNimic
    };
    Q_ENUM(EFormularGraphic)

    explicit TFormularGraphic(QWidget *parent = nullptr, QObject *owner = nullptr);

    EFormularGraphic Shape() const { return m_shape; }
    void SetShape(EFormularGraphic v);
    QColor LineColor() const { return m_lineColor; }
    void SetLineColor(const QColor &v) { m_lineColor = v; }

    // The figure's path in a W x H rectangle, as screen pixels.
    static QList<QPoint> Traseu(EFormularGraphic shape, int w, int h);
    // The figure's path on the printer in the device rectangle (L, T, R, B); a turned page
    // moves the single lines to the opposite edges.
    static QList<QPoint> TraseuTiparit(EFormularGraphic shape, int L, int T, int R, int B, bool Mirror);

    void Print(TContextImprimanta &dc, bool Mirror, TDirectorModificari *adjustments, double latime,
               double inaltime, double OffsetTop, double OffsetLeft) override;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    EFormularGraphic m_shape = fgCutie;
    QColor m_lineColor = Qt::black;
};

// One customised area: another font, text, alignment or a half-millimetre shift.
struct TParticularizareTextArea
{
    QString NumeFereastra;
    QString NumeCamp;
    int Aliniere = 0;              // 0 own, 1 left, 2 centre, 3 right
    int PozitieOrizontala = 0;     // -1 / +1: half a millimetre left / right (printer only)
    int PozitieVerticala = 0;      // -1 / +1: half a millimetre up / down (printer only)
    QString NumeFontFormular;
    QString TextRedefinit;
    int StilItalic = 0;            // 0 the font's own, 1 italic, 2 upright
    int StilBold = 0;              // 0 the font's own, 1 bold, 2 not bold
    QString FontSpecificat;
    QPointer<TFontFormular> FontRezolvat;     // not stored

    bool operator==(const TParticularizareTextArea &o) const;
};

// The customizations of every area of every layout, kept in "licenta.lic" beside the program.
class TListaParticularizareTextArea
{
public:
    // Created on first use, reading the file when it exists.
    static TListaParticularizareTextArea &Instanta();
    // Forgets the list, so the next use reads the file again (another program folder).
    static void Uita();

    static QString NumeFisier();
    // The file's content; raise EEroare on a damaged file ("Invalid format" for a wrong version).
    static QList<TParticularizareTextArea> Citeste(const QByteArray &date);
    static QByteArray Scrie(const QList<TParticularizareTextArea> &lista);

    // The last record of the area; a new one (saved at once) when create is set.
    TParticularizareTextArea *FindCustomization(const TFormularTextArea *area, bool create);
    void Salveaza() const;
    // A deque: records found earlier stay where they are when one is added.
    std::deque<TParticularizareTextArea> &Lista() { return m_lista; }

private:
    TListaParticularizareTextArea();
    std::deque<TParticularizareTextArea> m_lista;
};
