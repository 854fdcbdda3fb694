#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class TEditorGenericComplex;

// Adds or modifies one student through the record editor of the student table.
class TAdaugaElev : public QDialog
{
    Q_OBJECT
public:
    explicit TAdaugaElev(QWidget *owner = nullptr);
    void PregatesteAdaugare();
    void PregatesteModificare(int idElev);

    int IdElev = -1;
    TEditorGenericComplex *Editor;
    QPushButton *RzBitBtn1, *RzBitBtn2;
    QCheckBox *RzCheckBox1;
    QLabel *Label1;
    QTimer *Timer1;

public Q_SLOTS:
    void RzBitBtn1Click();
    void RzCheckBox1Click();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_aratat = false;
};
