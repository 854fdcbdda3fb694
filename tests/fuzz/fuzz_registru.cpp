// Any file handed to the import: recognised by its content (compound file, ZIP, text) and read.
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "UDeschideRegistru.h"

void Fuzz(const QByteArray &date)
{
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(FisierFuzz(date, QStringLiteral("dat")));
    CitesteToateFoile(*registru);
}
