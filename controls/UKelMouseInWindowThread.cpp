#include "UKelMouseInWindowThread.h"

#include <QCoreApplication>
#include <QCursor>

QEvent::Type TKelMesajEvent::Tip()
{
    static const QEvent::Type tip = QEvent::Type(QEvent::registerEventType());
    return tip;
}

TKelMouseInWindowThread::TKelMouseInWindowThread(QWidget *Fereastra, int Mesaj)
    : m_fereastra(Fereastra), m_mesaj(Mesaj)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start();
}

void TKelMouseInWindowThread::run()
{
    while (!isInterruptionRequested()) {
        // This object lives on the GUI thread, so the check runs there, between events.
        TStare stare = TStare::Disparuta;
        if (!QMetaObject::invokeMethod(this, [this] { return Verifica(); }, Qt::BlockingQueuedConnection, &stare))
            return;
        // A destroyed window is not watched any longer.
        if (stare != TStare::Inauntru)
            return;
        msleep(100);
    }
}

TKelMouseInWindowThread::TStare TKelMouseInWindowThread::Verifica()
{
    QWidget *w = m_fereastra.data();
    if (!w)
        return TStare::Disparuta;
    const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    const QPoint c = QCursor::pos();
    // The right and bottom edges still count as inside; a hidden window holds no cursor.
    if (w->isVisible() && c.x() >= r.left() && c.x() <= r.left() + r.width() && c.y() >= r.top()
        && c.y() <= r.top() + r.height())
        return TStare::Inauntru;
    QCoreApplication::postEvent(w, new TKelMesajEvent(m_mesaj));
    return TStare::Afara;
}
