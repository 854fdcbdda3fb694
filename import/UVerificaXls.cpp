// libgsf's GLib headers come before any Qt header: GLib uses names Qt defines as macros.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include "UVerificaXls.h"

#include "UEroare.h"

#include <QFile>

#include <mutex>

namespace {

constexpr quint16 RecordDimensiuni = 0x0200;
constexpr qint64 LimitaFlux = 64 * 1024 * 1024;

quint32 Le16(const unsigned char *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8);
}

quint32 Le32(const unsigned char *p)
{
    return Le16(p) | (Le16(p + 2) << 16);
}

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

} // namespace

qint64 CeluleDeclarate(const unsigned char *flux, qint64 marime)
{
    qint64 celule = 0;
    qint64 pos = 0;
    while (pos + 4 <= marime) {
        const quint32 tip = Le16(flux + pos);
        const quint32 lungime = Le16(flux + pos + 2);
        const unsigned char *date = flux + pos + 4;
        if (pos + 4 + lungime > marime)
            break;
        // The last row and column + 1 size FreeXL's cell table.
        if (tip == RecordDimensiuni && lungime >= 14)
            celule += qint64(Le32(date + 4)) * Le16(date + 10); // BIFF8
        else if (tip == RecordDimensiuni && lungime >= 10)
            celule += qint64(Le16(date + 2)) * Le16(date + 6); // BIFF5 and older
        pos += 4 + lungime;
    }
    return celule;
}

void VerificaMarimeFoiXls(const QString &cale)
{
    static std::once_flag initializat;
    std::call_once(initializat, [] { gsf_init(); });
    TObiectG intrare{gsf_input_stdio_new(QFile::encodeName(cale).constData(), nullptr)};
    if (!intrare.p)
        return;
    TObiectG ole{gsf_infile_msole_new(GSF_INPUT(intrare.p), nullptr)};
    if (!ole.p)
        return;
    TObiectG flux{gsf_infile_child_by_name(GSF_INFILE(ole.p), "Workbook")};
    if (!flux.p)
        flux.p = gsf_infile_child_by_name(GSF_INFILE(ole.p), "Book");
    if (!flux.p)
        return;
    const gsf_off_t marime = gsf_input_size(GSF_INPUT(flux.p));
    if (marime <= 0 || marime > LimitaFlux)
        throw EEroare(QStringLiteral("Fisierul XLS are un registru de marime neobisnuita si a fost refuzat"));
    const guint8 *date = gsf_input_read(GSF_INPUT(flux.p), size_t(marime), nullptr);
    if (!date)
        return;
    if (CeluleDeclarate(date, marime) > LimitaCeluleXls)
        throw EEroare(QStringLiteral(
            "Fisierul XLS declara foi prea mari (peste %1 de celule). Copiati datele elevilor intr-un "
            "registru nou si importati-l pe acela.").arg(LimitaCeluleXls));
}
