#pragma once
#include <QEvent>
#include <QReadWriteLock>
#include <QThread>
#include <QWaitCondition>

// The tick a TKelTickTackThread posts to its window.
class TKelTickEvent : public QEvent
{
public:
    TKelTickEvent() : QEvent(Tip()) {}
    static QEvent::Type Tip();
};

// Posts a TKelTickEvent to its target every interval while switched on.
// Its owner calls Termina() before the target dies: no tick is posted after Termina() returns.
class TKelTickTackThread : public QThread
{
    Q_OBJECT
public:
    explicit TKelTickTackThread(QObject *Tinta, int IntervalMs = 100);
    ~TKelTickTackThread() override;

    bool Pornit() const;
    void SetPornit(bool Pornit);
    int IntervalMs() const;
    void SetIntervalMs(int Interval);
    // Switches off, ends the loop and waits for it.
    void Termina();

protected:
    void run() override;

private:
    // Guards the switch, the interval and the end request; ticks are posted under its read lock.
    mutable QReadWriteLock m_lacat;
    QWaitCondition m_trezire;
    QObject *const m_tinta;
    bool m_pornit = false;
    bool m_terminat = false;
    int m_interval;
};
