#pragma once
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// What a PDF holds, read back with poppler's tools, in millimetres from the paper's corner.
struct TCuvantPdf
{
    QString Text;
    QRectF Mm;
};

struct TPaginaPdf
{
    QSizeF Mm;
    QList<TCuvantPdf> Cuvinte;
    const TCuvantPdf *Cauta(const QString &text) const;
};

// The first page's words with their boxes (pdftotext -bbox).
TPaginaPdf CitestePdf(const QString &fisier);
// Every page's.
QList<TPaginaPdf> CitestePaginiPdf(const QString &fisier);
// The document's title (pdfinfo).
QString TitluPdf(const QString &fisier);
// The first page as a PNG (pdftoppm) at the given resolution; returns the PNG's path.
QString RandeazaPdf(const QString &fisier, int dpi);
