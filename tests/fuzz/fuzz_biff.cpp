// A workbook stream as FreeXL is given it: the record checks, then FreeXL reading our compound
// file holding the stream. Mutating the stream itself reaches FreeXL's record parser far more
// often than mutating whole .xls files.
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "UCititorXls.h"
#include "UFluxRegistruXls.h"

void Fuzz(const QByteArray &date)
{
    const QString cale = FisierFuzz({}, QStringLiteral("xls"));
    ScrieRegistruXls(cale, date);
    TCititorXls xls(cale);
    CitesteToateFoile(xls);
}
