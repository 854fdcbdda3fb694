#pragma once
#include "UAllStuffReg.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QPdfWriter;
class QSaveFile;
class TLucrareTiparire;
class TTemplate;

// A page of a document (its tab index: 0 "Fata", 1 "Verso") with the calibration it prints with.
struct TPaginaDeTiparit
{
    int Index = 0;
    TCalibrarePagina Calibrare;
};

struct TEsecElev
{
    int IdElev;
    QString Mesaj;
};

struct TRezultatTiparire
{
    int Pagini = 0;              // pages printed
    int Elevi = 0;               // students gone through, printed or failed
    QList<TEsecElev> Esecuri;    // students whose fill failed: nothing printed for them
    bool Oprit = false;          // stopped before the last student
};

// The given pages of the window as it is filled now, on the job's next pages.
void TiparestePaginile(TTemplate *fereastra, const QList<TPaginaDeTiparit> &pagini, TLucrareTiparire &lucrare,
                       bool proba);

// For every student in turn: one fill of the window, then its pages on the job; the values are
// read in one pass for the whole run. A student whose
// fill fails gets no page and is listed; the rest still print. continua(students done) is asked
// after every student; false stops the run there.
TRezultatTiparire TiparesteElevii(TTemplate *fereastra, const QList<TPaginaDeTiparit> &pagini,
                                  const QList<int> &elevi, TLucrareTiparire &lucrare, bool proba,
                                  const std::function<bool(int)> &continua = {});

// A PDF file while it is written: the pages go to a temporary file beside it, which Salveaza
// renames over the target; a file never saved leaves nothing behind.
class TFisierPdf
{
public:
    // Raises EEroare when the file cannot be written there.
    TFisierPdf(const QString &fisier, const QString &titlu);
    ~TFisierPdf();
    TFisierPdf(const TFisierPdf &) = delete;
    TFisierPdf &operator=(const TFisierPdf &) = delete;

    TLucrareTiparire &Lucrare() { return *m_lucrare; }
    void Salveaza();

private:
    QString m_nume;
    std::unique_ptr<QSaveFile> m_fisier;
    std::unique_ptr<QPdfWriter> m_pdf;
    std::unique_ptr<TLucrareTiparire> m_lucrare;
};

// The pages with the stored calibration (margins and turn of each page).
QList<TPaginaDeTiparit> PaginiCalibrate(const QList<int> &pagini);
// The title of a PDF or a job holding these pages.
QString TitluPagini(const QList<int> &pagini);

// The PDF of the window's pages, exactly as the print run places them with the stored
// calibration, for every student in turn (one fill each, one file for the run); proba draws
// the blank form's scan under the text. The file is written only when a page was printed.
// Raises EEroare when the file cannot be written.
TRezultatTiparire ExportaPdf(TTemplate *fereastra, const QList<int> &pagini, const QList<int> &elevi, bool proba,
                             const QString &fisier, const std::function<bool(int)> &continua = {});
// The same for the window as it is filled now.
void ExportaPdf(TTemplate *fereastra, const QList<int> &pagini, bool proba, const QString &fisier);

// The documents by the short names of the command line: "zez", "calificare".
QStringList CoduriDocumente();
std::unique_ptr<TTemplate> DocumentDupaCod(const QString &cod);
// "fata", "verso" or "toate" (every page of the document); EEroare for a page it has not.
QList<int> PaginiDupaCod(const TTemplate &fereastra, const QString &cod);
