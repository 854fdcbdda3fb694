#pragma once
#include <QLineEdit>

class QAction;

// A read-only edit with a drop-down button at its right end; the button's click is ButtonClick.
class TEditCuButon : public QLineEdit
{
    Q_OBJECT
public:
    TEditCuButon(const QString &nume, QWidget *parinte);
    QAction *Buton;

Q_SIGNALS:
    void ButtonClick();
};
