#include "UDeschideRegistru.h"

#include "UArhivaZip.h"
#include "UCititorCsv.h"
#include "UCititorOds.h"
#include "UCititorXls.h"
#include "UCititorXlsx.h"
#include "UEroare.h"
#include "UFisierRegistru.h"

const QString FiltruFoiDeCalcul = QStringLiteral("Foi de calcul (*.xls *.xlsx *.ods *.csv)");

namespace {

const QByteArray SemnaturaOle("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

const QString MesajNecunoscut = QStringLiteral(
    "Fisierul nu este o foaie de calcul cunoscuta (.xls, .xlsx, .ods sau .csv)");

} // namespace

TFormatRegistru FormatRegistru(const QString &cale)
{
    const QByteArray inceput = CitesteFisierRegistru(cale, 4096);
    if (inceput.startsWith(SemnaturaOle))
        return TFormatRegistru::Xls;
    if (inceput.startsWith("PK\x03\x04") || inceput.startsWith("PK\x05\x06")) {
        TArhivaZip zip(cale);
        if (zip.Contine(QStringLiteral("xl/workbook.xml")))
            return TFormatRegistru::Xlsx;
        if (zip.Contine(QStringLiteral("content.xml")) && zip.Contine(QStringLiteral("mimetype"))
            && zip.Citeste(QStringLiteral("mimetype")).trimmed() == TCititorOds::TipMime.toLatin1())
            return TFormatRegistru::Ods;
        throw EEroare(MesajNecunoscut);
    }
    // Text has no NUL bytes; anything else binary is unknown.
    if (inceput.contains('\0'))
        throw EEroare(MesajNecunoscut);
    return TFormatRegistru::Csv;
}

namespace {

std::unique_ptr<TRegistru> CititorPentru(const QString &cale)
{
    switch (FormatRegistru(cale)) {
    case TFormatRegistru::Xls:
        return std::make_unique<TCititorXls>(cale);
    case TFormatRegistru::Xlsx:
        return std::make_unique<TCititorXlsx>(cale);
    case TFormatRegistru::Ods:
        return std::make_unique<TCititorOds>(cale);
    case TFormatRegistru::Csv:
        return std::make_unique<TCititorCsv>(cale);
    }
    throw EEroare(MesajNecunoscut);
}

} // namespace

std::unique_ptr<TRegistru> DeschideRegistru(const QString &cale)
{
    auto registru = CititorPentru(cale);
    // A workbook without sheets would leave the import nothing to choose, silently.
    if (registru->NumeFoi().isEmpty())
        throw EEroare(QStringLiteral("Fisierul nu contine nicio foaie de calcul"));
    return registru;
}
