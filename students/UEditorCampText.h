#pragma once
#include "UEditorGeneric.h"

class QComboBox;
class QCompleter;

// Free text with the values already typed for the field (for any record) as suggestions,
// typing completion and the "@" shorthand for Romanian letters.
class TEditorCampText : public TEditorGeneric
{
    Q_OBJECT
public:
    explicit TEditorCampText(QWidget *Owner = nullptr);

    void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                     const QString &AsociatCu, int IdElev, int IdInregistrare) override;
    bool PotSalva() override;
    void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) override;
    void DupaAfisare() override;
    void SetGhiceste(bool Activ) override;
    void Goleste() override;

    static const int LungimeMaxima = 256;
    QComboBox *RzComboBox1 = nullptr;

private:
    QCompleter *m_completare = nullptr;
};
