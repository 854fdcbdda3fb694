#include "USplashZEZ.h"

#include "UErImage.h"
#include "UEroare.h"
#include "UPrompter.h"

#include <QFrame>
#include <QTimer>

TSplashZEZ::TSplashZEZ(QWidget *parent) : TGenericSplashForm(parent, TDoarProiect{})
{
    setObjectName(QStringLiteral("SplashZEZ"));
    Image1->resize(702, 413);
    Image1->SetIndicativER(QStringLiteral("zez.re:Splash"));
    HidePanel_VerBox->setGeometry(306, 352, 107, 25);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TSplashZEZ::Timer1Timer);
    Timer1->start();

    FormCreate();
}

void TSplashZEZ::Timer1Timer()
{
    if (--Tag <= 0)
        Timer1->stop();
    SetModalResult(1);
}

void ArataSplashPornire()
{
    try {
        TSplashZEZ splash;
        splash.ShowModal();
    } catch (const EEroare &e) {
        UI::Eroare(e.Mesaj());
    } catch (const std::exception &e) {
        UI::Eroare(QString::fromLocal8Bit(e.what()));
    }
}
