#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

using TIntrariZip = QList<QPair<QString, QByteArray>>;

// Writes a ZIP archive with libzip, for crafted workbooks no spreadsheet program would write.
bool ScrieArhivaZip(const QString &cale, const TIntrariZip &intrari);
// The same inside a test: a failure fails the test.
void ScrieZip(const QString &cale, const TIntrariZip &intrari);

// The parts of a minimal .xlsx with one sheet "S"; empty parts are left out.
TIntrariZip Xlsx(const QByteArray &foaie, const QByteArray &texteComune = {}, const QByteArray &stiluri = {},
                 const QByteArray &workbookPr = {});

// The parts of a minimal .ods whose body (inside office:spreadsheet) is `tabele`.
TIntrariZip Ods(const QByteArray &tabele);
