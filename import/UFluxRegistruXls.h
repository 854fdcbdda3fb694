#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// The workbook stream of an .xls compound file, read and written with libgsf, for the two things
// FreeXL cannot do safely by itself:
// - it allocates every cell a sheet declares (up to 65536 x 256 per sheet) before anything can be
//   asked, so a tiny crafted file could take gigabytes: the declared sizes are checked first;
// - it refuses a workbook stream small enough to sit in the compound file's mini stream: such a
//   stream is copied, padded, into a new compound file that FreeXL reads.
inline constexpr qint64 LimitaCeluleXls = 4'000'000;

// The "Workbook" (or older "Book") stream; empty when the file is no readable compound file.
QByteArray CitesteFluxRegistru(const QString &cale);

// A compound file at `cale` holding only `flux`, padded past the mini stream's size.
// EEroare when it cannot be written.
void ScrieRegistruXls(const QString &cale, const QByteArray &flux);
// The same in a new temporary file, removed when the object goes.
std::unique_ptr<QTemporaryFile> CopieRegistruXls(const QByteArray &flux);

// The cells the DIMENSION records of a workbook stream declare, summed over its sheets.
qint64 CeluleDeclarate(const QByteArray &flux);

// EEroare when the stream declares more cells than the bound.
void VerificaMarimeFoi(const QByteArray &flux);
