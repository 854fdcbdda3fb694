#pragma once
#include <QString>

class QPushButton;
class QWidget;

// A command button in the program's colours (face, hot track, highlight), named for tests.
QPushButton *ButonComanda(const QString &nume, const QString &text, QWidget *parinte);
void StilButonComanda(QPushButton *buton);
