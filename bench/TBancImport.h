#pragma once
#include <QString>

class TMasuratoare;

// The import of a workbook of `randuri` new students with `coloane` columns (the CNP and one
// own field a column) into a database just made from the blank one, through the import's
// logic without its windows; the floor writes the same rows in one transaction.
void MasoaraImportul(const TMasuratoare &m, const QString &director, int randuri, int coloane);
