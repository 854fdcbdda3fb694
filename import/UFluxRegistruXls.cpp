// libgsf's GLib headers come before any Qt header: GLib uses names Qt defines as macros.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include "UFluxRegistruXls.h"

#include "UEroare.h"

#include <QFile>

#include <mutex>

namespace {

constexpr qint64 LimitaFlux = 64 * 1024 * 1024;
// Streams shorter than this live in the mini stream; the padding is zero bytes, which read as
// empty records after the last one.
constexpr qsizetype MarimeMinimaFlux = 4096;

// Releases a GObject when the scope ends.
struct TObiectG
{
    gpointer p = nullptr;
    ~TObiectG()
    {
        if (p)
            g_object_unref(p);
    }
};

void InitializeazaGsf()
{
    static std::once_flag initializat;
    std::call_once(initializat, [] { gsf_init(); });
}

} // namespace

QByteArray CitesteFluxRegistru(const QString &cale)
{
    InitializeazaGsf();
    TObiectG intrare{gsf_input_stdio_new(QFile::encodeName(cale).constData(), nullptr)};
    if (!intrare.p)
        return {};
    TObiectG ole{gsf_infile_msole_new(GSF_INPUT(intrare.p), nullptr)};
    if (!ole.p)
        return {};
    TObiectG flux{gsf_infile_child_by_name(GSF_INFILE(ole.p), "Workbook")};
    if (!flux.p)
        flux.p = gsf_infile_child_by_name(GSF_INFILE(ole.p), "Book");
    if (!flux.p)
        return {};
    const gsf_off_t marime = gsf_input_size(GSF_INPUT(flux.p));
    // The stream lies inside the file, so a declared size beyond it is a damaged directory.
    if (marime > LimitaFlux || marime > gsf_input_size(GSF_INPUT(intrare.p)))
        throw EEroare(QStringLiteral("Fisierul XLS are un registru de marime neobisnuita si a fost refuzat"));
    if (marime <= 0)
        return {};
    const guint8 *date = gsf_input_read(GSF_INPUT(flux.p), size_t(marime), nullptr);
    return date ? QByteArray(reinterpret_cast<const char *>(date), qsizetype(marime)) : QByteArray();
}

namespace {

[[noreturn]] void NuPotCopia()
{
    throw EEroare(QStringLiteral("Nu pot pregati fisierul XLS pentru citire (fisier temporar)"));
}

} // namespace

std::unique_ptr<QTemporaryFile> CopieRegistruXls(const QByteArray &flux)
{
    auto copie = std::make_unique<QTemporaryFile>();
    if (!copie->open())
        NuPotCopia();
    copie->close();
    ScrieRegistruXls(copie->fileName(), flux);
    return copie;
}

void ScrieRegistruXls(const QString &cale, const QByteArray &flux)
{
    InitializeazaGsf();
    QByteArray date = flux;
    if (date.size() < MarimeMinimaFlux)
        date.append(QByteArray(MarimeMinimaFlux - date.size(), '\0'));
    bool scris = false;
    {
        TObiectG iesire{gsf_output_stdio_new(QFile::encodeName(cale).constData(), nullptr)};
        if (iesire.p) {
            TObiectG ole{gsf_outfile_msole_new(GSF_OUTPUT(iesire.p))};
            TObiectG copil{gsf_outfile_new_child(GSF_OUTFILE(ole.p), "Workbook", FALSE)};
            scris = copil.p
                    && gsf_output_write(GSF_OUTPUT(copil.p), size_t(date.size()),
                                        reinterpret_cast<const guint8 *>(date.constData()))
                    && gsf_output_close(GSF_OUTPUT(copil.p)) && gsf_output_close(GSF_OUTPUT(ole.p));
        }
    }
    if (!scris)
        NuPotCopia();
}
