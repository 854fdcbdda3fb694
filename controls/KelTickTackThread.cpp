#include "KelTickTackThread.h"

#include <QCoreApplication>

QEvent::Type TKelTickEvent::Tip()
{
    static const QEvent::Type tip = QEvent::Type(QEvent::registerEventType());
    return tip;
}

TKelTickTackThread::TKelTickTackThread(QObject *Tinta, int IntervalMs) : m_tinta(Tinta), m_interval(IntervalMs) {}

TKelTickTackThread::~TKelTickTackThread() { Termina(); }

bool TKelTickTackThread::Pornit() const
{
    QReadLocker l(&m_lacat);
    return m_pornit;
}

void TKelTickTackThread::SetPornit(bool Pornit)
{
    QWriteLocker l(&m_lacat);
    m_pornit = Pornit && !m_terminat;
}

int TKelTickTackThread::IntervalMs() const
{
    QReadLocker l(&m_lacat);
    return m_interval;
}

void TKelTickTackThread::SetIntervalMs(int Interval)
{
    QWriteLocker l(&m_lacat);
    m_interval = Interval;
    m_trezire.wakeAll();
}

void TKelTickTackThread::Termina()
{
    {
        QWriteLocker l(&m_lacat);
        m_pornit = false;
        m_terminat = true;
        m_trezire.wakeAll();
    }
    wait();
}

void TKelTickTackThread::run()
{
    QReadLocker l(&m_lacat);
    while (!m_terminat) {
        // Waiting releases the lock, so the switch can be flipped meanwhile.
        const bool aExpirat = !m_trezire.wait(&m_lacat, QDeadlineTimer(m_interval));
        if (aExpirat && m_pornit && !m_terminat)
            QCoreApplication::postEvent(m_tinta, new TKelTickEvent);
    }
}
