#pragma once
#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// A command button in the program's colours (face, hot track, highlight), named for tests.
QPushButton *ButonComanda(const QString &nume, const QString &text, QWidget *parinte);
void StilButonComanda(QPushButton *buton);
// The row of "Ok" (ButonOk) and "Renunt" (ButonRenunt) at the right of a dialog; "Renunt" closes
// it with the cancel result, ok gets the "Ok" button for the dialog's own check.
QHBoxLayout *RandOkRenunt(QDialog *dialog, QPushButton *&ok);
