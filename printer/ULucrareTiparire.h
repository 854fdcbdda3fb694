#pragma once
#include "UAllStuffReg.h"
#include "UCapabilitatiImprimanta.h"

#include <QMarginsF>
#include <QPainter>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class TFormularDePrintat;

// The next job on this printer: full page without margins, orientation before the A4 size,
// monochrome. The print run prints landscape, the wizard's tests portrait.
void SetupPrinterPage(QPrinter &imprimanta, bool portrait);

// One print job, on a printer or into a PDF: the pages are set up as the print run sets them,
// every page is placed from the paper's corner, and the job ends when the object goes (also
// when drawing failed). A printer job left without a page is cancelled: no blank sheet comes out.
class TLucrareTiparire
{
public:
    // neimprimabilMm stands for the device's unprintable margins (a PDF printer has none).
    TLucrareTiparire(QPrinter &imprimanta, bool portrait, const QString &titlu,
                     const std::optional<QMarginsF> &neimprimabilMm = {});
    // A4 landscape, without margins, like the print run's printer.
    TLucrareTiparire(QPdfWriter &pdf, const QString &titlu);
    ~TLucrareTiparire();
    TLucrareTiparire(const TLucrareTiparire &) = delete;
    TLucrareTiparire &operator=(const TLucrareTiparire &) = delete;

    // The device context of the next page (the first one is already open).
    TContextImprimanta &PaginaNoua();
    // One page of a document: its text areas at their calibrated places; a proof draws the
    // scan of the blank form under them, where the form lies on the sheet.
    void Tipareste(TFormularDePrintat *suprafata, const TCalibrarePagina &calibrare, bool proba = false);
    int Pagini() const { return m_pagini; }

private:
    void Incepe(QPagedPaintDevice &dispozitiv, const QString &nume);

    QPagedPaintDevice *m_dispozitiv = nullptr;
    QPrinter *m_imprimanta = nullptr;
    QPainter m_painter;
    std::optional<TContextImprimanta> m_dc;
    int m_pagini = 0;
};

// One print job of one page.
void TiparesteLucrare(QPrinter &imprimanta, bool portrait, const QString &titlu,
                      const std::function<void(TContextImprimanta &)> &deseneaza,
                      const std::optional<QMarginsF> &neimprimabilMm = {});
