#include "UPlasareFereastra.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreazaForm(QWidget *form)
{
    QScreen *ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran && !QGuiApplication::screens().isEmpty())
        ecran = QGuiApplication::screens().first();
    if (!ecran)
        return;
    const QRect lucru = ecran->availableGeometry();
    // Integer division truncates toward zero, as the placement rule wants.
    int stanga = lucru.left() + (lucru.width() - form->width()) / 2;
    int sus = lucru.top() + (lucru.height() - form->height()) / 2;
    stanga = std::max(stanga, lucru.left());
    sus = std::max(sus, lucru.top());
    form->move(stanga, sus);
}
