#include "ULucrareTiparire.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UEroare.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace {
const QPageLayout A4Culcat(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                           QPageLayout::Millimeter);
}

void SetupPrinterPage(QPrinter &imprimanta, bool portrait)
{
    // Everything is placed from the paper's corner: full page, and no margins of Qt's own.
    imprimanta.setFullPage(true);
    imprimanta.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    imprimanta.setPageSize(QPageSize(QPageSize::A4));
    imprimanta.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    imprimanta.setColorMode(QPrinter::GrayScale);
}

TLucrareTiparire::TLucrareTiparire(QPrinter &imprimanta, bool portrait, const QString &titlu,
                                   const std::optional<QMarginsF> &neimprimabilMm)
{
    SetupPrinterPage(imprimanta, portrait);
    imprimanta.setDocName(titlu);
    m_imprimanta = &imprimanta;
    Incepe(imprimanta, imprimanta.printerName());
    m_dc.emplace(TContextImprimanta{m_painter, TCapabilitatiImprimanta::DinImprimanta(imprimanta, neimprimabilMm)});
}

TLucrareTiparire::TLucrareTiparire(QPdfWriter &pdf, const QString &titlu)
{
    pdf.setResolution(1200);
    pdf.setPageLayout(A4Culcat);
    pdf.setTitle(titlu);
    pdf.setCreator(QStringLiteral("Certavo"));
    Incepe(pdf, titlu);
    // The writer's origin is the paper's corner and nothing on it is out of reach.
    m_dc.emplace(TContextImprimanta{m_painter, TCapabilitatiImprimanta::DinDispozitiv(pdf, QMarginsF())});
}

void TLucrareTiparire::Incepe(QPagedPaintDevice &dispozitiv, const QString &nume)
{
    m_dispozitiv = &dispozitiv;
    if (!m_painter.begin(&dispozitiv))
        throw EEroare(QStringLiteral("Nu pot porni tiparirea pe imprimanta %1").arg(nume));
}

TLucrareTiparire::~TLucrareTiparire()
{
    if (m_pagini == 0 && m_imprimanta && m_painter.isActive())
        m_imprimanta->abort();
    if (m_painter.isActive())
        m_painter.end();
}

TContextImprimanta &TLucrareTiparire::PaginaNoua()
{
    if (m_pagini++ > 0 && !m_dispozitiv->newPage())
        throw EEroare(QStringLiteral("Nu pot incepe pagina %1 a tiparirii").arg(m_pagini));
    return *m_dc;
}

void TLucrareTiparire::Tipareste(TFormularDePrintat *suprafata, const TCalibrarePagina &calibrare, bool proba)
{
    TContextImprimanta &dc = PaginaNoua();
    if (proba)
        suprafata->PrintBkImage(dc, calibrare.Rotit);
    suprafata->PrintOnPrinter(dc, calibrare.Rotit, DirectorModificariImplicit(), calibrare.Stanga, calibrare.Sus);
}

void TiparesteLucrare(QPrinter &imprimanta, bool portrait, const QString &titlu,
                      const std::function<void(TContextImprimanta &)> &deseneaza,
                      const std::optional<QMarginsF> &neimprimabilMm)
{
    TLucrareTiparire lucrare(imprimanta, portrait, titlu, neimprimabilMm);
    deseneaza(lucrare.PaginaNoua());
}
