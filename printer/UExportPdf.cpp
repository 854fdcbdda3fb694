#include "UExportPdf.h"
#include "InsertPaper.h"
#include "TemplateForm.h"
#include "UCitireInBloc.h"
#include "UDm.h"
#include "UEroare.h"
#include "UHandlerFormular.h"
#include "ULucrareTiparire.h"
#include "UPrintCertificatAbsolvireZEZ.h"
#include "UPrintCertificatCalificareProfesionalaNivel1.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

void TiparestePaginile(TTemplate *fereastra, const QList<TPaginaDeTiparit> &pagini, TLucrareTiparire &lucrare,
                       bool proba)
{
    const QList<TFormularDePrintat *> suprafete = fereastra->Suprafete();
    for (const TPaginaDeTiparit &p : pagini)
        lucrare.Tipareste(suprafete.at(p.Index), p.Calibrare, proba);
}

TRezultatTiparire TiparesteElevii(TTemplate *fereastra, const QList<TPaginaDeTiparit> &pagini,
                                  const QList<int> &elevi, TLucrareTiparire &lucrare, bool proba,
                                  const std::function<bool(int)> &continua)
{
    TRezultatTiparire r;
    // One pass for the whole run: for a class or more each field is read once for every
    // student, not once per fill; a few students are read value by value.
    TCitireInBloc bloc(*DM, elevi.size() >= 10 ? TCitireInBloc::TotiElevii : TCitireInBloc::UnElev);
    for (int id : elevi) {
        TVariabileFormular::Din(fereastra, true)->IdElev = id;
        bool umplut = false;
        try {
            FillPreview(fereastra, id);
            umplut = true;
        } catch (const EEroare &e) {
            r.Esecuri << TEsecElev{id, e.Mesaj()};
        }
        if (umplut) {
            TiparestePaginile(fereastra, pagini, lucrare, proba);
            r.Pagini += int(pagini.size());
        }
        ++r.Elevi;
        if (continua && !continua(r.Elevi) && r.Elevi < int(elevi.size())) {
            r.Oprit = true;
            break;
        }
    }
    return r;
}

TFisierPdf::TFisierPdf(const QString &fisier, const QString &titlu)
    : m_nume(QDir::toNativeSeparators(fisier)), m_fisier(std::make_unique<QSaveFile>(fisier))
{
    if (!m_fisier->open(QIODevice::WriteOnly))
        throw EEroare(QStringLiteral("Nu pot scrie fisierul %1. Verificati ca dosarul exista si ca aveti drept de "
                                     "scriere in el.").arg(m_nume));
    m_pdf = std::make_unique<QPdfWriter>(m_fisier.get());
    m_lucrare = std::make_unique<TLucrareTiparire>(*m_pdf, titlu);
}

TFisierPdf::~TFisierPdf()
{
    // The job ends before its file goes; a file never committed is removed with its temporary.
    m_lucrare.reset();
    m_pdf.reset();
}

void TFisierPdf::Salveaza()
{
    m_lucrare.reset();
    m_pdf.reset();
    if (!m_fisier->commit())
        throw EEroare(QStringLiteral("Nu pot scrie fisierul %1.").arg(m_nume));
}

QList<TPaginaDeTiparit> PaginiCalibrate(const QList<int> &pagini)
{
    const TAllStuffReg reg;
    QList<TPaginaDeTiparit> r;
    for (int p : pagini)
        r << TPaginaDeTiparit{p, reg.Calibrare(p)};
    return r;
}

QString TitluPagini(const QList<int> &pagini)
{
    return pagini.size() == 1 ? TitluLucrare(pagini.first()) : QStringLiteral("Diploma de examen national");
}

TRezultatTiparire ExportaPdf(TTemplate *fereastra, const QList<int> &pagini, const QList<int> &elevi, bool proba,
                             const QString &fisier, const std::function<bool(int)> &continua)
{
    const QList<TPaginaDeTiparit> calibrate = PaginiCalibrate(pagini);
    TFisierPdf pdf(fisier, TitluPagini(pagini));
    const TRezultatTiparire r = TiparesteElevii(fereastra, calibrate, elevi, pdf.Lucrare(), proba, continua);
    if (r.Pagini > 0)
        pdf.Salveaza();
    return r;
}

void ExportaPdf(TTemplate *fereastra, const QList<int> &pagini, bool proba, const QString &fisier)
{
    const QList<TPaginaDeTiparit> calibrate = PaginiCalibrate(pagini);
    TFisierPdf pdf(fisier, TitluPagini(pagini));
    TiparestePaginile(fereastra, calibrate, pdf.Lucrare(), proba);
    pdf.Salveaza();
}

namespace {
struct TDocument
{
    const char *Cod;
    std::unique_ptr<TTemplate> (*Creeaza)();
};
const TDocument Documente[] = {
    {"zez", [] { return std::unique_ptr<TTemplate>(new TPrintCertificatAbsolvireZEZ); }},
    {"calificare", [] { return std::unique_ptr<TTemplate>(new TPrintCertificatCalificareProfesionalaNivel1); }},
};
} // namespace

QStringList CoduriDocumente()
{
    QStringList r;
    for (const TDocument &d : Documente)
        r << QString::fromLatin1(d.Cod);
    return r;
}

std::unique_ptr<TTemplate> DocumentDupaCod(const QString &cod)
{
    for (const TDocument &d : Documente)
        if (cod == QLatin1String(d.Cod))
            return d.Creeaza();
    throw EEroare(QStringLiteral("Document necunoscut: \"%1\". Documentele sunt: %2.")
                      .arg(cod, CoduriDocumente().join(QStringLiteral(", "))));
}

QList<int> PaginiDupaCod(const TTemplate &fereastra, const QString &cod)
{
    const int n = int(fereastra.Suprafete().size());
    if (cod == QLatin1String("toate")) {
        QList<int> r;
        for (int i = 0; i < n; ++i)
            r << i;
        return r;
    }
    const int p = cod == QLatin1String("fata") ? 0 : cod == QLatin1String("verso") ? 1 : -1;
    if (p < 0)
        throw EEroare(QStringLiteral("Pagina necunoscuta: \"%1\". Paginile sunt: fata, verso, toate.").arg(cod));
    if (p >= n)
        throw EEroare(QStringLiteral("Documentul nu are pagina \"%1\".").arg(cod));
    return {p};
}
