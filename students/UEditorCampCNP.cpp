#include "UEditorCampCNP.h"
#include "UPrompter.h"
#include "URutineComune.h"

#include <QLineEdit>

bool TEditorCampCNP::PotSalva()
{
    if (CnpValid(RzEdit1->text()))
        return true;
    return UI::Confirma(QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa continuati?"));
}
