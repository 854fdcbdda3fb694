#pragma once
#include "UEditorGeneric.h"

class QLineEdit;

// The editors whose input is a plain one-line edit stored as at most 64 characters.
class TEditorCampEdit : public TEditorGeneric
{
    Q_OBJECT
public:
    explicit TEditorCampEdit(QWidget *Owner = nullptr);

    void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                     const QString &AsociatCu, int IdElev, int IdInregistrare) override;
    void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) override;
    void Goleste() override;

    static const int LungimeMaxima = 64;
    QLineEdit *RzEdit1 = nullptr;
};
