// The content.xml of an .ods, packed into a sound ZIP beside its mimetype, so that every
// mutation reaches the XML reader rather than the archive's checksums.
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "TZipTest.h"
#include "UCititorOds.h"

#include <cstdlib>

void Fuzz(const QByteArray &date)
{
    const TIntrariZip intrari = {{QStringLiteral("mimetype"), TCititorOds::TipMime.toLatin1()},
                                 {QStringLiteral("content.xml"), date}};
    const QString cale = FisierFuzz({}, QStringLiteral("ods"));
    if (!ScrieArhivaZip(cale, intrari))
        std::abort();
    TCititorOds ods(cale);
    CitesteToateFoile(ods);
}
