#pragma once
#include <memory>

class TRegistru;

// Reads every sheet (a few at most) of the workbook and its columns as the import wizard does.
void CitesteToateFoile(TRegistru &registru);
