#pragma once
#include "UGenericSplashForm.h"

class QTimer;

// Start-up splash: closes itself at the first tick of Timer1 (5 s).
class TSplashZEZ : public TGenericSplashForm
{
    Q_OBJECT

public:
    explicit TSplashZEZ(QWidget *parent = nullptr);

    QTimer *Timer1 = nullptr;
    int Tag = 5;   // Timer1's tag: ticks left before the timer stops

public Q_SLOTS:
    void Timer1Timer();
};

// Shows the start-up splash modally before the database opens; an error while
// showing it is reported and start-up goes on.
void ArataSplashPornire();
