#pragma once
#include <QString>

// FreeXL allocates every cell a sheet declares (up to 65536 x 256 per sheet) before anything can
// be asked, so a tiny crafted .xls could take gigabytes. This reads the declared sheet sizes
// from the compound file first and refuses a workbook that declares more than the bound.
inline constexpr qint64 LimitaCeluleXls = 4'000'000;

// EEroare when the declared cells pass the bound; files it cannot read are left to FreeXL.
void VerificaMarimeFoiXls(const QString &cale);

// The cells the DIMENSION records of a workbook stream declare, summed over its sheets.
qint64 CeluleDeclarate(const unsigned char *flux, qint64 marime);
