#pragma once
#include <QString>
#include <optional>

class TFormularTextArea;

// Grades in figures and in Romanian words, and their placement in a grade field's pair of areas.
namespace NoteInLitere {
enum TRol { NotaDiploma = 0, NotaCotor = 1, MedieDiploma = 2, MedieCotor = 3 };
enum TMod { Nota = 0, NotaProcent = 1, NotaSlashProcent = 2, NotaSlashLitere = 3 };

// "NOTA" 0, "NOTA(PROCENT)" 1, "NOTA/PROCENT" 2, "NOTA/LITERE" 3, anything else 0.
TMod ModDinText(const QString &mod);
} // namespace NoteInLitere

// n in hundredths (963 is 9,63). kind 1: "(NOUĂ, ŞAIZECIŞITREI)", 2: "(NOUĂ, 63)", 3: "(NOUĂ, 63%)";
// any other kind gives an empty text.
QString GradeWords(int n, int kind);

// Writes the grade (hundredths; none for an empty value) into the upper area in figures and,
// by the display mode of the role's setting, in words in the same or the lower area.
void PlaceGrade(TFormularTextArea *numberArea, TFormularTextArea *wordsArea, std::optional<int> grade, int role);
