#pragma once
#include <QStringList>

// The command line of scripted runs:
//   certavo --export-pdf OUT.pdf --document zez|calificare [--page fata|verso|toate] [--cnp CNP ...] [--proof]
namespace LinieComanda {

// Exit codes of the export.
enum ECod {
    Reusit = 0,
    BazaDeDate = 1,         // the database cannot be opened
    ArgumenteGresite = 2,   // unknown option, document or page, missing value
    ElevNegasit = 3,        // a CNP that matches no student, or no student at all
    FisierNescris = 4,      // the PDF cannot be written
    EleviNetiparati = 5,    // some students' fill failed (the others are in the file)
};

// Whether the arguments ask for the export instead of the windows.
bool CereExportPdf(int argc, char **argv);
// Opens the database beside the program and writes the PDF; messages go to standard error
// in Romanian. Returns the process exit code.
int ExportaPdf(const QStringList &argumente);

} // namespace LinieComanda
