#include "UAboutSplash.h"
#include "UButonComanda.h"

#include "UErImage.h"

#include <QFrame>
#include <QPushButton>
#include <QScopeGuard>

TAboutSplash::TAboutSplash(QWidget *parent) : TGenericSplashForm(parent, TDoarProiect{})
{
    setObjectName(QStringLiteral("AboutSplash"));
    Image1->move(0, 8);
    Image1->resize(591, 575);
    Image1->SetIndicativER(QStringLiteral("Comun.re:About"));
    HidePanel_VerBox->setGeometry(6, 555, 193, 25);

    HidePanel_Button = new QFrame(this);
    HidePanel_Button->setObjectName(QStringLiteral("HidePanel_Button"));
    HidePanel_Button->setGeometry(216, 528, 81, 33);
    HidePanel_Button->setFrameShape(QFrame::NoFrame);

    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Ok"), HidePanel_Button);
    RzBitBtn1->setGeometry(4, 4, 73, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TAboutSplash::RzBitBtn1Click);

    FormCreate();
}

void TAboutSplash::RzBitBtn1Click() { SetModalResult(1); }

void ArataDespre(QWidget *fereastraPrincipala)
{
    if (fereastraPrincipala)
        fereastraPrincipala->hide();
    const auto arata = qScopeGuard([fereastraPrincipala] {
        if (fereastraPrincipala)
            fereastraPrincipala->show();
    });
    TAboutSplash despre(fereastraPrincipala);
    despre.ShowModal();
}
