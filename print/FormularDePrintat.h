#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QWidget>

class TFormularTextArea;
class TDirectorModificari;
struct TContextImprimanta;

// One printed page of a document: a borderless panel sized in millimetres, showing the
// scan of the blank certificate as background and hosting the page's text areas.
class TFormularDePrintat : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Zoom READ Zoom WRITE SetZoom)
    Q_PROPERTY(double Latime READ Latime WRITE SetLatime)
    Q_PROPERTY(double Inaltime READ Inaltime WRITE SetInaltime)
    Q_PROPERTY(bool TextAreaTransparent READ TextAreaTransparent WRITE SetTextAreaTransparent)
    Q_PROPERTY(bool TextAreaWithBorder READ TextAreaWithBorder WRITE SetTextAreaWithBorder)
    Q_PROPERTY(bool TextAreaBaseLine1 READ TextAreaBaseLine1 WRITE SetTextAreaBaseLine1)
    Q_PROPERTY(QColor TextAreaBaseLine1_color READ TextAreaBaseLine1_color WRITE SetTextAreaBaseLine1_color)
    Q_PROPERTY(bool TextAreaBaseLine2 READ TextAreaBaseLine2 WRITE SetTextAreaBaseLine2)
    Q_PROPERTY(QColor TextAreaBaseLine2_color READ TextAreaBaseLine2_color WRITE SetTextAreaBaseLine2_color)
    Q_PROPERTY(double TextAreaBaseLine2_delta READ TextAreaBaseLine2_delta WRITE SetTextAreaBaseLine2_delta)
    Q_PROPERTY(bool TextAreaTopLine1 READ TextAreaTopLine1 WRITE SetTextAreaTopLine1)
    Q_PROPERTY(QColor TextAreaTopLine1_color READ TextAreaTopLine1_color WRITE SetTextAreaTopLine1_color)
    Q_PROPERTY(double TextAreaTopLine1_delta READ TextAreaTopLine1_delta WRITE SetTextAreaTopLine1_delta)
    Q_PROPERTY(bool TextAreaTopLine2 READ TextAreaTopLine2 WRITE SetTextAreaTopLine2)
    Q_PROPERTY(QColor TextAreaTopLine2_color READ TextAreaTopLine2_color WRITE SetTextAreaTopLine2_color)
    Q_PROPERTY(QString BkImage_FileName READ BkImage_FileName WRITE SetBkImage_FileName)
    Q_PROPERTY(QString BkImage_DummyMsg READ BkImage_DummyMsg WRITE SetBkImage_DummyMsg)
    Q_PROPERTY(QString DenumireFormular READ DenumireFormular WRITE SetDenumireFormular)
    Q_PROPERTY(double DeltaStanga READ DeltaStanga WRITE SetDeltaStanga)
    Q_PROPERTY(double DeltaSus READ DeltaSus WRITE SetDeltaSus)

public:
    // The background picture: a JPEG keeps its encoded bytes, so it can be written back unchanged.
    struct TImagine
    {
        QImage Imagine;
        QByteArray Jpeg;       // empty for any other kind of picture
        bool EsteJpeg() const { return !Jpeg.isEmpty(); }
        bool Gol() const { return Imagine.isNull(); }
    };

    explicit TFormularDePrintat(QWidget *parent = nullptr);

    // Screen pixels per inch at the current zoom (the factor belongs to the formula).
    double ScreenDpi() const;
    static double ScreenDpi(double zoom);
    static int MmToPixels(double dpi, double mm);         // truncates toward zero
    static double PixelsToMm(int px, double dpi);
    void UpdatePixelSize();

    double Zoom() const { return m_zoom; }
    void SetZoom(double v);
    double Latime() const { return m_latime; }
    void SetLatime(double v);
    double Inaltime() const { return m_inaltime; }
    void SetInaltime(double v);

    bool TextAreaTransparent() const { return m_transparent; }
    void SetTextAreaTransparent(bool v) { SchimbaAspect(m_transparent, v); }
    bool TextAreaWithBorder() const { return m_border; }
    void SetTextAreaWithBorder(bool v) { SchimbaAspect(m_border, v); }
    bool TextAreaBaseLine1() const { return m_baseLine1; }
    void SetTextAreaBaseLine1(bool v) { SchimbaAspect(m_baseLine1, v); }
    QColor TextAreaBaseLine1_color() const { return m_baseLine1Color; }
    void SetTextAreaBaseLine1_color(const QColor &v) { SchimbaAspect(m_baseLine1Color, v); }
    bool TextAreaBaseLine2() const { return m_baseLine2; }
    void SetTextAreaBaseLine2(bool v) { SchimbaAspect(m_baseLine2, v); }
    QColor TextAreaBaseLine2_color() const { return m_baseLine2Color; }
    void SetTextAreaBaseLine2_color(const QColor &v) { SchimbaAspect(m_baseLine2Color, v); }
    double TextAreaBaseLine2_delta() const { return m_baseLine2Delta; }
    void SetTextAreaBaseLine2_delta(double v) { SchimbaAspect(m_baseLine2Delta, v); }
    // Kept so that layouts carrying them load; nothing is drawn for them.
    bool TextAreaTopLine1() const { return m_topLine1; }
    void SetTextAreaTopLine1(bool v) { SchimbaAspect(m_topLine1, v); }
    QColor TextAreaTopLine1_color() const { return m_topLine1Color; }
    void SetTextAreaTopLine1_color(const QColor &v) { SchimbaAspect(m_topLine1Color, v); }
    double TextAreaTopLine1_delta() const { return m_topLine1Delta; }
    void SetTextAreaTopLine1_delta(double v) { SchimbaAspect(m_topLine1Delta, v); }
    bool TextAreaTopLine2() const { return m_topLine2; }
    void SetTextAreaTopLine2(bool v) { SchimbaAspect(m_topLine2, v); }
    QColor TextAreaTopLine2_color() const { return m_topLine2Color; }
    void SetTextAreaTopLine2_color(const QColor &v) { SchimbaAspect(m_topLine2Color, v); }

    const TImagine &BkImage() const { return m_bk; }
    void SetBkImage(const TImagine &v);
    QString BkImage_FileName() const { return m_bkFileName; }
    // Reads or writes the background file; leaves a trace in BkImage_DummyMsg.
    void SetBkImage_FileName(const QString &v);
    QString BkImage_DummyMsg() const { return m_dummyMsg; }
    void SetBkImage_DummyMsg(const QString &v) { m_dummyMsg = v; }
    QString DenumireFormular() const { return m_denumire; }
    void SetDenumireFormular(const QString &v) { m_denumire = v; }
    double DeltaStanga() const { return m_deltaStanga; }
    void SetDeltaStanga(double v) { m_deltaStanga = v; }
    double DeltaSus() const { return m_deltaSus; }
    void SetDeltaSus(double v) { m_deltaSus = v; }

    // The layout reader brackets its property assignments with these.
    void IncepeIncarcarea() { m_seIncarca = true; }
    void TerminaIncarcarea() { m_seIncarca = false; }
    bool SeIncarca() const { return m_seIncarca; }

    TFormularTextArea *FindTextArea(int n) const;
    int HighestTextAreaNumber() const;
    QList<TFormularTextArea *> TextAreas() const;     // in child order

    // Prints every text area (graphic marks included) on the open printer page, moved by
    // the calibration margins (mm) and the page's deltas; the caller opens and ends the job.
    void PrintOnPrinter(TContextImprimanta &dc, bool Mirror, TDirectorModificari *Adjustments, double OffsetLeft,
                        double OffsetTop);

    // The background scan on the open printer page, over the page's millimetres from the
    // paper's corner, turned with the page when Mirror; proofs only, never the print run.
    void PrintBkImage(TContextImprimanta &dc, bool Mirror) const;

    void LoadBkImageFromFile(const QString &path);
    void SaveBkImageToFile(const QString &path) const;

    const QImage &BkCache() const { return m_cache; }

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    template <typename T> void SchimbaAspect(T &camp, const T &v)
    {
        camp = v;
        update();
    }
    void RefreshBkCache();
    void AppendTrace(const QString &cuvant);

    double m_zoom = 100.0;
    double m_latime = 10.0;
    double m_inaltime = 10.0;
    bool m_transparent = true;
    bool m_border = false;
    bool m_baseLine1 = false;
    QColor m_baseLine1Color = Qt::red;
    bool m_baseLine2 = false;
    QColor m_baseLine2Color = Qt::blue;
    double m_baseLine2Delta = 1.0;
    bool m_topLine1 = false;
    QColor m_topLine1Color = Qt::red;
    double m_topLine1Delta = 1.0;
    bool m_topLine2 = false;
    QColor m_topLine2Color = Qt::blue;
    TImagine m_bk;
    QString m_bkFileName;
    QString m_dummyMsg;
    QString m_denumire;
    double m_deltaStanga = 0.0;
    double m_deltaSus = 0.0;

    QImage m_cache;
    int m_atribuiri = 0;       // assignments of BkImage_FileName, for the trace
    bool m_seIncarca = false;
};

// Background files: a JPEG whose every byte is combined with one key byte.
namespace FisierFundal {
constexpr quint8 Cheie = 0xA5;
QByteArray Codeaza(QByteArray date);   // the same operation both ways
// The picture of the decoded bytes; EEroare naming `cale` when they hold no JPEG.
QImage Decodeaza(const QByteArray &jpeg, const QString &cale);
} // namespace FisierFundal
