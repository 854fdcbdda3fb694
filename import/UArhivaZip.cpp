#include "UArhivaZip.h"

#include "UEroare.h"
#include "UFisierRegistru.h"

#include <QFile>

#include <zip.h>

namespace {

const QString MesajDeteriorata = QStringLiteral("Fisierul nu este o arhiva ZIP valida sau este deteriorat");

} // namespace

TArhivaZip::TArhivaZip(const QString &cale)
{
    int eroare = 0;
    m_zip = zip_open(QFile::encodeName(cale).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &eroare);
    if (!m_zip) {
        if (eroare == ZIP_ER_NOENT || eroare == ZIP_ER_OPEN || eroare == ZIP_ER_READ)
            throw EEroare(MesajNuPotDeschide(cale));
        throw EEroare(MesajDeteriorata);
    }
}

TArhivaZip::~TArhivaZip()
{
    zip_discard(m_zip);
}

bool TArhivaZip::Contine(const QString &nume) const
{
    return zip_name_locate(m_zip, nume.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

QByteArray TArhivaZip::Citeste(const QString &nume) const
{
    const zip_int64_t index = zip_name_locate(m_zip, nume.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        throw EEroare(QStringLiteral("Fisierul nu contine partea \"%1\"; nu este o foaie de calcul valida")
                          .arg(nume));
    const QString preaMare =
        QStringLiteral("Partea \"%1\" a fisierului ar depasi %2 MiB la dezarhivare; fisierul este refuzat")
            .arg(nume)
            .arg(LimitaDezarhivare / (1024 * 1024));
    zip_stat_t st;
    zip_stat_init(&st);
    // The declared size is only a first check: the inflated bytes are counted below.
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
        && st.size > zip_uint64_t(LimitaDezarhivare))
        throw EEroare(preaMare);
    zip_file_t *f = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!f)
        throw EEroare(MesajDeteriorata);
    QByteArray date;
    char bucata[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(f, bucata, sizeof bucata);
        if (n < 0) {
            zip_fclose(f);
            throw EEroare(MesajDeteriorata);
        }
        if (n == 0)
            break;
        if (date.size() + n > LimitaDezarhivare) {
            zip_fclose(f);
            throw EEroare(preaMare);
        }
        date.append(bucata, qsizetype(n));
    }
    if (zip_fclose(f) != 0)
        throw EEroare(MesajDeteriorata);
    return date;
}
