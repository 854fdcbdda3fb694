#pragma once
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>

// The message a watcher posts to its window.
class TKelMesajEvent : public QEvent
{
public:
    explicit TKelMesajEvent(int Mesaj) : QEvent(Tip()), Mesaj(Mesaj) {}
    static QEvent::Type Tip();
    const int Mesaj;
};

// Tells a window, by one posted TKelMesajEvent, that the cursor has left it; then ends.
// Frees itself; its creator keeps no reference to it.
class TKelMouseInWindowThread : public QThread
{
    Q_OBJECT
public:
    TKelMouseInWindowThread(QWidget *Fereastra, int Mesaj);

protected:
    void run() override;

private:
    enum class TStare { Inauntru, Afara, Disparuta };
    // Runs on the window's thread: only there may the widget be looked at.
    TStare Verifica();

    QPointer<QWidget> m_fereastra;
    const int m_mesaj;
};
