// A text workbook (.csv).
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "UCititorCsv.h"

void Fuzz(const QByteArray &date)
{
    TCititorCsv csv(date, QStringLiteral("fuzz"));
    CitesteToateFoile(csv);
}
