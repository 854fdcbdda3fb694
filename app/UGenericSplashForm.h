#pragma once
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

class QFrame;
class QLabel;
class TERImage;

// The window shape of a picture with transparency, as a few large rectangles plus
// horizontal runs: exactly the pixels with alpha >= 5. A picture without graded
// transparency, or without any such pixel, gives the rectangle (0, 0, w + 1, h + 1).
QList<QRect> RegiuneDinAlfa(const QImage &png);

// Frameless window shaped after its picture (Image1), with a version label and
// draggable by the picture. Controls meant to sit on the picture go on panels whose
// names begin with "HidePanel": they show the picture under them as background.
class TGenericSplashForm : public QWidget
{
    Q_OBJECT

public:
    explicit TGenericSplashForm(QWidget *parent = nullptr);

    // Shows the window and runs events until a modal result is set; other windows
    // stay enabled. The window is hidden afterwards.
    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int r) { m_modalResult = r; }

    bool Stratificat() const { return m_stratificat; }
    const QList<QFrame *> &Suporturi() const { return m_suporturi; }
    const QList<QPoint> &Pozitii() const { return m_pozitii; }
    // Moves the window by the offset (the panels move with it).
    void MutaCuSuporturi(QPoint deplasare);

    // Whether the platform composes windows with per-pixel transparency; tests may force it.
    static bool FerestreCompuse();
    static void SeteazaFerestreCompuse(std::optional<bool> v);

    TERImage *Image1 = nullptr;
    QFrame *HidePanel_VerBox = nullptr;
    QLabel *RzLabel1 = nullptr;

protected:
    // For descendants: builds the design only; they adjust it and call FormCreate.
    struct TDoarProiect {};
    TGenericSplashForm(QWidget *parent, TDoarProiect);
    void FormCreate();

    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Proiecteaza();
    QImage CompuneImagine(const QImage &png) const;

    QList<QFrame *> m_suporturi;
    QList<QPoint> m_pozitii;
    bool m_stratificat = false;
    int m_modalResult = 0;
    QPoint m_ultimulMouse;
    bool m_trage = false;
};
