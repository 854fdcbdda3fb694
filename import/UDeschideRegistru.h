#pragma once
#include "UFoaieDeCalcul.h"

#include <memory>

// The filter of the import's file dialog.
extern const QString FiltruFoiDeCalcul; // "Foi de calcul (*.xls *.xlsx *.ods *.csv)"

enum class TFormatRegistru { Xls, Xlsx, Ods, Csv };

// The format by the file's content, whatever its extension: a compound file is .xls, a ZIP with
// xl/workbook.xml is .xlsx, a ZIP with content.xml and the spreadsheet mimetype is .ods, text is
// .csv. EEroare for anything else.
TFormatRegistru FormatRegistru(const QString &cale);

// Opens the workbook by its content; EEroare with a Romanian message on any failure, and when
// it holds no sheet.
std::unique_ptr<TRegistru> DeschideRegistru(const QString &cale);
