#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window goes, as a pure function of the monitor it opens on.
struct TPlasareFereastra
{
    QRect Geometrie;        // position and (restored) size
    bool Maximizata = false;
};

// Centred on the work area; a window larger than it is pinned to its top-left corner.
QPoint PozitieCentrata(const QRect &zonaLucru, const QSize &fereastra);
// On a large landscape monitor the window keeps its size and is centred; otherwise it takes
// the work area less 15 pixels a side and opens maximised.
TPlasareFereastra PlasareRedimensionata(const QRect &zonaLucru, const QSize &monitor, const QSize &fereastra);

// Both act on the monitor under the mouse cursor (the primary one when none is).
void CentreazaForm(QWidget *form);
void CentreazaSiRedimensioneazaForm(QWidget *form);

// Maximises its window the first time it is shown, then goes away (after 30 s at the latest).
// It watches on the user-interface thread, since only that thread may touch a window.
class TCentreazaSiRedimensioneazaFormThread : public QObject
{
    Q_OBJECT
public:
    explicit TCentreazaSiRedimensioneazaFormThread(QWidget *fereastra);
    QPointer<QWidget> Fereastra;

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override;
};
