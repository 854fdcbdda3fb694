#pragma once
#include "UEditorGeneric.h"

class TKelNumEdit;

// A grade between 5 and 10 with at most two decimals, stored as its text with a comma (9,50).
class TEditorCampNota : public TEditorGeneric
{
    Q_OBJECT
public:
    explicit TEditorCampNota(QWidget *Owner = nullptr);

    void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                     const QString &AsociatCu, int IdElev, int IdInregistrare) override;
    bool PotSalva() override;
    void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) override;
    void Goleste() override;

    // A grade text as ten-thousandths ("9,5" is 95000); the third decimal on is cut.
    static qint64 TextInNota(const QString &Text);
    // 5 to 10 with at most two digits before and after one separator; blanks are skipped,
    // any other character makes it a text.
    static bool EsteNotaValida(const QString &Text);

    static const int LungimeMaxima = 64;
    TKelNumEdit *KelNumEdit1 = nullptr;
};
