#include "UButonComanda.h"

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
