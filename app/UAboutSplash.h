#pragma once
#include "UGenericSplashForm.h"

class QPushButton;

// About window; "Ok" closes it.
class TAboutSplash : public TGenericSplashForm
{
    Q_OBJECT

public:
    explicit TAboutSplash(QWidget *parent = nullptr);

    QFrame *HidePanel_Button = nullptr;
    QPushButton *RzBitBtn1 = nullptr;

public Q_SLOTS:
    void RzBitBtn1Click();
};

// Menu "Despre noi": hides the main window while the about window is shown modally,
// and shows it again afterwards, also when the about window fails.
void ArataDespre(QWidget *fereastraPrincipala);
