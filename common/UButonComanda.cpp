#include "UButonComanda.h"

#include "UPrompter.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

void StilButonComanda(QPushButton *b)
{
    b->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(244,244,240); border: 1px solid rgb(106,141,244); border-radius: 3px;"
        " padding: 3px 10px; }"
        "QPushButton:hover { background-color: rgb(255,199,60); }"
        "QPushButton:pressed { background-color: rgb(106,141,244); color: white; }"
        "QPushButton:disabled { color: gray; }"));
}

QPushButton *ButonComanda(const QString &nume, const QString &text, QWidget *parinte)
{
    auto *b = new QPushButton(text, parinte);
    b->setObjectName(nume);
    StilButonComanda(b);
    return b;
}

QHBoxLayout *RandOkRenunt(QDialog *dialog, QPushButton *&ok)
{
    auto *rand = new QHBoxLayout;
    ok = ButonComanda(QStringLiteral("ButonOk"), QStringLiteral("Ok"), dialog);
    QPushButton *renunt = ButonComanda(QStringLiteral("ButonRenunt"), QStringLiteral("Renunt"), dialog);
    rand->addStretch();
    rand->addWidget(ok);
    rand->addWidget(renunt);
    QObject::connect(renunt, &QPushButton::clicked, dialog, [dialog] { dialog->done(UI::RezultatRenunt); });
    return rand;
}
