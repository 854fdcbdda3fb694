// An Excel 97-2003 workbook (.xls), through FreeXL and the checks before it.
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "UCititorXls.h"

void Fuzz(const QByteArray &date)
{
    TCititorXls xls(FisierFuzz(date, QStringLiteral("xls")));
    CitesteToateFoile(xls);
}
