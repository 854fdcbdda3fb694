#pragma once
#include <QDialog>

class QPushButton;
class TEditorGenericComplex;

// Adds or modifies one record of a record table other than the students.
class TEditeaza : public QDialog
{
    Q_OBJECT
public:
    explicit TEditeaza(QWidget *owner = nullptr);
    void PregatesteAdaugare();
    void PregatesteModificare(int id);

    int IdInregistrare = -1;
    QString Tabel;
    TEditorGenericComplex *Editor;
    QPushButton *RzBitBtn1, *RzBitBtn2;

public Q_SLOTS:
    void RzBitBtn1Click();
};
