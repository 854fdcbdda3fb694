#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// The workbook stream of an .xls compound file, read and written with libgsf. FreeXL is given
// only compound files written here: it never parses a user's file directory or sector chains,
// and it reads a stream small enough for the mini stream (which it refuses) from a padded copy.

// The "Workbook" (or older "Book") stream; empty when the file is no readable compound file.
QByteArray CitesteFluxRegistru(const QString &cale);

// A compound file at `cale` holding only `flux`, padded past the mini stream's size.
// EEroare when it cannot be written.
void ScrieRegistruXls(const QString &cale, const QByteArray &flux);
// The same in a new temporary file, removed when the object goes.
std::unique_ptr<QTemporaryFile> CopieRegistruXls(const QByteArray &flux);

