// A background file (".BIN"): decoded with its key, then read as a JPEG.
#include "FormularDePrintat.h"
#include "TFuzz.h"

void Fuzz(const QByteArray &date)
{
    FisierFundal::Decodeaza(FisierFundal::Codeaza(date), QStringLiteral("fuzz.BIN"));
}
