#include "UCentreazaForm.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
QScreen *MonitorulCursorului()
{
    QScreen *s = QGuiApplication::screenAt(QCursor::pos());
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (!s && !QGuiApplication::screens().isEmpty())
        s = QGuiApplication::screens().first();
    return s;
}
} // namespace

QPoint PozitieCentrata(const QRect &zona, const QSize &f)
{
    int left = zona.left() + (zona.width() - f.width()) / 2;
    int top = zona.top() + (zona.height() - f.height()) / 2;
    return {std::max(left, zona.left()), std::max(top, zona.top())};
}

TPlasareFereastra PlasareRedimensionata(const QRect &zona, const QSize &monitor, const QSize &f)
{
    if (monitor.height() >= 1200 && monitor.width() >= monitor.height())
        return {QRect(PozitieCentrata(zona, f), f), false};
    return {QRect(zona.left() + 15, zona.top() + 15, zona.width() - 30, zona.height() - 30), true};
}

void CentreazaForm(QWidget *form)
{
    if (QScreen *s = MonitorulCursorului())
        form->move(PozitieCentrata(s->availableGeometry(), form->frameSize()));
}

void CentreazaSiRedimensioneazaForm(QWidget *form)
{
    QScreen *s = MonitorulCursorului();
    if (!s)
        return;
    const TPlasareFereastra p = PlasareRedimensionata(s->availableGeometry(), s->geometry().size(), form->size());
    form->setGeometry(p.Geometrie);
    if (p.Maximizata)
        new TCentreazaSiRedimensioneazaFormThread(form);
}

TCentreazaSiRedimensioneazaFormThread::TCentreazaSiRedimensioneazaFormThread(QWidget *fereastra)
    : QObject(fereastra), Fereastra(fereastra)
{
    if (fereastra->isVisible()) {
        fereastra->showMaximized();
        deleteLater();
        return;
    }
    fereastra->installEventFilter(this);
    QTimer::singleShot(30000, this, &QObject::deleteLater);
}

bool TCentreazaSiRedimensioneazaFormThread::eventFilter(QObject *obj, QEvent *ev)
{
    if (obj == Fereastra && ev->type() == QEvent::Show) {
        Fereastra->removeEventFilter(this);
        QPointer<QWidget> f = Fereastra;
        QTimer::singleShot(0, f, [f] {
            if (f)
                f->showMaximized();
        });
        deleteLater();
    }
    return QObject::eventFilter(obj, ev);
}
