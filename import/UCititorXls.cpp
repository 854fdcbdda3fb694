#include "UCititorXls.h"

#include "UEroare.h"
#include "UFluxRegistruXls.h"
#include "UVerificareBiff.h"

#include <QFile>

#include <freexl.h>

namespace {

void Verifica(int cod)
{
    if (cod != FREEXL_OK)
        throw EEroare(TCititorXls::MesajEroare(cod));
}

QDateTime DataFreeXl(int tip, const char *text)
{
    const QString t = QString::fromUtf8(text);
    if (tip == FREEXL_CELL_DATE)
        return QDateTime(QDate::fromString(t, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    if (tip == FREEXL_CELL_TIME)
        return QDateTime(QDate(1899, 12, 30), QTime::fromString(t, QStringLiteral("HH:mm:ss")));
    return QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

TCelula CelulaFreeXl(const FreeXL_CellValue &v)
{
    switch (v.type) {
    case FREEXL_CELL_INT:
        return TCelula::DinNumar(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return TCelula::DinNumar(v.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: {
        QString t = QString::fromUtf8(v.value.text_value);
        return t.isEmpty() ? TCelula() : TCelula::DinText(std::move(t));
    }
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return TCelula::DinData(DataFreeXl(v.type, v.value.text_value));
    default:
        return {};
    }
}

} // namespace

QString TCititorXls::MesajEroare(int cod)
{
    switch (cod) {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("Fisierul XLS nu exista sau nu poate fi citit");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("Nu este destula memorie pentru a citi fisierul XLS");
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
        return QStringLiteral(
            "Fisierul XLS este prea mic pentru a putea fi citit (registrul sta in \"mini stream\"-ul "
            "fisierului). Deschideti-l in Excel sau LibreOffice si salvati-l ca .xlsx sau .ods, "
            "apoi importati fisierul salvat.");
    case FREEXL_BIFF_INVALID_BOF:
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return MesajNuEsteRegistruXls();
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return QStringLiteral("Fisierul XLS foloseste o codificare a textului pe care nu o pot citi");
    case FREEXL_CRAFTED_FILE:
        return QStringLiteral("Fisierul XLS este grav deteriorat si a fost refuzat");
    default:
        return QStringLiteral("Fisierul XLS este deteriorat sau nu poate fi citit (cod de eroare %1)").arg(cod);
    }
}

TCititorXls::TCititorXls(const QString &cale)
{
    const QByteArray flux = CitesteFluxRegistru(cale);
    if (flux.isEmpty())
        throw EEroare(QStringLiteral("Fisierul XLS este deteriorat: registrul din el nu poate fi citit"));
    m_corectii = TVerificareBiff(flux).Corectii();
    // FreeXL reads the checked stream from a compound file of ours, never the user's file.
    m_copie = CopieRegistruXls(flux);
    int cod = freexl_open(QFile::encodeName(m_copie->fileName()).constData(), &m_xls);
    // FreeXL gives up on some records (a cell outside its sheet, a record between two sheets)
    // with no handle and no error code.
    if (cod == FREEXL_OK && !m_xls)
        throw EEroare(QStringLiteral(
            "Fisierul XLS nu poate fi citit: registrul din el are o forma neasteptata. Deschideti-l "
            "in Excel sau LibreOffice, salvati-l ca .xlsx sau .ods si importati fisierul salvat."));
    if (cod != FREEXL_OK) {
        Inchide(); // FreeXL may leave a handle behind a failure
        throw EEroare(MesajEroare(cod));
    }
    try {
        CitesteNumeFoi();
    } catch (...) {
        Inchide();
        throw;
    }
}

void TCititorXls::Inchide()
{
    if (m_xls)
        freexl_close(m_xls);
    m_xls = nullptr;
}

void TCititorXls::CitesteNumeFoi()
{
    unsigned int foi = 0;
    Verifica(freexl_get_info(m_xls, FREEXL_BIFF_SHEET_COUNT, &foi));
    for (unsigned int i = 0; i < foi && i < 65536; ++i) {
        const char *nume = nullptr;
        Verifica(freexl_get_worksheet_name(m_xls, (unsigned short)i, &nume));
        m_numeFoi.append(QString::fromUtf8(nume));
    }
}

TCititorXls::~TCititorXls()
{
    Inchide();
}

TFoaieDeCalcul TCititorXls::CitesteFoaie(int index)
{
    TFoaieDeCalcul foaie(m_numeFoi.at(index));
    Verifica(freexl_select_active_worksheet(m_xls, (unsigned short)index));
    unsigned int randuri = 0;
    unsigned short coloane = 0;
    Verifica(freexl_worksheet_dimensions(m_xls, &randuri, &coloane));
    if (randuri == 0 || coloane == 0)
        return foaie;
    // FreeXL gives the row and column counts from A1; only the kept cells are asked for.
    const unsigned int pana = std::min<unsigned int>(randuri, TFoaieDeCalcul::LimitaRanduri);
    const unsigned short panaCol = std::min<unsigned short>(coloane, TFoaieDeCalcul::LimitaColoane);
    for (unsigned int r = 0; r < pana; ++r)
        for (unsigned short c = 0; c < panaCol; ++c) {
            FreeXL_CellValue v;
            Verifica(freexl_get_cell_value(m_xls, r, c, &v));
            const TCelula celula = CelulaFreeXl(v);
            if (celula.Tip != TCelula::tcGol)
                foaie.Pune(int(r) + 1, int(c) + 1, celula);
        }
    // Formula results, booleans and error values, which FreeXL leaves out or gives as numbers.
    const TVerificareBiff::TCorectii corectii = m_corectii.value(index);
    for (auto it = corectii.cbegin(); it != corectii.cend(); ++it) {
        const quint32 r = quint32(it.key() >> 32), c = quint32(it.key());
        if (r < pana && c < panaCol)
            foaie.Pune(int(r) + 1, int(c) + 1, it.value());
    }
    // The range begins at the first cell that holds anything, as in Excel.
    if (foaie.ZonaFolosita().Goala())
        foaie.ExtindeZona(1, 1);
    foaie.ExtindeZona(int(std::min<unsigned int>(randuri, LimitaAdresa)), coloane);
    return foaie;
}
