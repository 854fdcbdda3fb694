#include "UEditorCampEdit.h"

#include <QLineEdit>

TEditorCampEdit::TEditorCampEdit(QWidget *Owner) : TEditorGeneric(Owner)
{
    RzEdit1 = new QLineEdit(this);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    PuneControl(RzEdit1);
}

void TEditorCampEdit::IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                                  const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    TEditorGeneric::IncarcaCamp(CodFormular, CodPagina, CodCamp, AsociatCu, IdElev, IdInregistrare);
    const QString v = CitesteTextul(AsociatCu, IdElev, IdInregistrare);
    if (!v.isNull())
        RzEdit1->setText(v);
}

void TEditorCampEdit::SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    SalveazaTextul(IdElev, IdInregistrare, AsociatCu, RzEdit1->text(), LungimeMaxima);
}

void TEditorCampEdit::Goleste() { RzEdit1->clear(); }
