#pragma once
#include "UEditorGeneric.h"

#include <QStringList>

class QComboBox;

// Links a student to one row of another record table, chosen from a drop-down list.
class TEditorCampLista : public TEditorGeneric
{
    Q_OBJECT
public:
    explicit TEditorCampLista(QWidget *Owner = nullptr);

    // AsociatCu is the linked table; the codes and IdInregistrare are not used.
    void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                     const QString &AsociatCu, int IdElev, int IdInregistrare) override;
    bool PotSalva() override { return true; }
    // Writes the chosen row into "IDF_" + table of every field of the linked table for the student.
    void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) override;
    void Goleste() override;

    // Drops trailing blanks and ";", and the separators left by empty fields.
    static QString CurataDenumirea(const QString &Text);
    static QString FaraSelectie() { return QStringLiteral("-= fara selectie =-"); }

    QString TabelLegat;
    QStringList ListaId;   // entry k: the id of the row shown by item k + 1
    QComboBox *RzComboBox1 = nullptr;
};
