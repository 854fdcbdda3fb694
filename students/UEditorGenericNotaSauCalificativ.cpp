#include "UEditorGenericNotaSauCalificativ.h"
#include "UEditorCampNota.h"
#include "UPrompter.h"

#include <QLineEdit>

TEditorGenericNotaSauCalificativ::TEditorGenericNotaSauCalificativ(QWidget *Owner) : TEditorCampEdit(Owner) {}

bool TEditorGenericNotaSauCalificativ::PotSalva()
{
    const QString t = RzEdit1->text();
    bool cifre = false;
    for (const QChar c : t)
        cifre = cifre || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    if (!cifre || TEditorCampNota::EsteNotaValida(t))
        return true;
    return UI::Confirma(QStringLiteral("Textul introdus ar putea fi o nota (include cifre) dar va fi tiparit ca un "
                                       "calfiicativ!\r\nContinuati?"));
}
