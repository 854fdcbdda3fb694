// The XML parts of an .xlsx, separated by NUL bytes, packed into a sound ZIP so that every
// mutation reaches the XML readers rather than the archive's checksums.
#include "TFoiFuzz.h"
#include "TFuzz.h"
#include "TZipTest.h"
#include "UCititorXlsx.h"

#include <cstdlib>

void Fuzz(const QByteArray &date)
{
    static const char *const nume[] = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
                                       "xl/sharedStrings.xml", "xl/styles.xml", "xl/worksheets/sheet2.xml"};
    const QList<QByteArray> parti = PartiFuzz(date, int(std::size(nume)));
    TIntrariZip intrari;
    for (qsizetype i = 0; i < parti.size(); ++i)
        intrari.append({QString::fromLatin1(nume[i]), parti[i]});
    const QString cale = FisierFuzz({}, QStringLiteral("xlsx"));
    if (!ScrieArhivaZip(cale, intrari))
        std::abort();
    TCititorXlsx xlsx(cale);
    CitesteToateFoile(xlsx);
}
