#pragma once
#include <QString>

// The folder of the program's executable, where its data files live.
// Tests point it at a temporary folder of their own.
QString DirectorProgram();          // with a trailing "/"
void SeteazaDirectorProgram(const QString &dir);
QString FisierProgram(const QString &nume);   // DirectorProgram() + nume
