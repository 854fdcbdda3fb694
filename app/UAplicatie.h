#pragma once
#include <QApplication>

// The application object: an error that escapes an event handler is shown to the user
// in a Romanian error box instead of ending the program.
class TAplicatie : public QApplication
{
public:
    TAplicatie(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
