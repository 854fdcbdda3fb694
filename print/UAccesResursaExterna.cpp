#include "UAccesResursaExterna.h"

#include "UDirectorProgram.h"
#include "UEroare.h"
#include "UFluxEtichetat.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// Offsets inside one directory entry.
constexpr int OfsMarime = 129;
constexpr int OfsPozitie = 133;
constexpr int OfsTip = 137;

qint32 Int32La(const char *p) { return qFromLittleEndian<qint32>(p); }

// References written on Windows use "\" between folders.
QString NumeFisier(const QString &cale)
{
    const qsizetype i = std::max(cale.lastIndexOf(QLatin1Char('/')), cale.lastIndexOf(QLatin1Char('\\')));
    return cale.mid(i + 1);
}

[[noreturn]] void Deteriorat(const QString &fisier, const QString &ce)
{
    throw EEroare(QStringLiteral("Fisierul de resurse externe \"%1\" este deteriorat: %2.").arg(fisier, ce));
}

} // namespace

QByteArray ResursaExterna::ConstruiesteContainer(const QList<TIntrare> &intrari)
{
    const qsizetype antet = 4 + intrari.size() * MarimeIntrare;
    QByteArray directorul(antet, '\0');
    qToLittleEndian<qint32>(qint32(intrari.size()), directorul.data());
    QByteArray date;
    for (qsizetype i = 0; i < intrari.size(); ++i) {
        const TIntrare &r = intrari[i];
        char *e = directorul.data() + 4 + i * MarimeIntrare;
        QByteArray nume;
        if (!Flux::InCp1250(r.Nume, nume))
            nume = r.Nume.toLatin1();
        nume.truncate(LungimeMaximaNume);
        e[0] = char(nume.size());
        memcpy(e + 1, nume.constData(), size_t(nume.size()));
        qToLittleEndian<qint32>(qint32(r.Date.size()), e + OfsMarime);
        qToLittleEndian<qint32>(qint32(antet + date.size()), e + OfsPozitie);
        e[OfsTip] = char(r.Tip);
        date += r.Date;
    }
    return directorul + date;
}

QString GasesteContainer(const QString &fisier)
{
    if (QFileInfo::exists(fisier))
        return fisier;
    const QString nume = NumeFisier(fisier);
    if (nume.isEmpty())
        return {};
    for (const QString &cale : {FisierProgram(nume), FisierProgram(QStringLiteral("ER/") + nume)})
        if (QFileInfo(cale).isFile())
            return cale;
    return {};
}

TResursaExterna OpenExternalResource(const QString &indicativ)
{
    const qsizetype sep = indicativ.lastIndexOf(QLatin1Char(':'));
    if (sep < 2)
        throw EEroare(QStringLiteral(
            "Indicativul pentru resursa externa trebuie sa fie format din numele fisierului + \":\" + numele resursei!"));
    const QString fisier = indicativ.left(sep).trimmed();

    const QString cale = GasesteContainer(fisier);
    if (cale.isEmpty())
        throw EEroare(QStringLiteral("NU gasesc resursa externa ") + fisier);

    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot deschide fisierul de resurse externe \"%1\": %2").arg(cale, f.errorString()));
    return ResursaExterna::Citeste(f, indicativ.mid(sep + 1).trimmed(), cale);
}

TResursaExterna ResursaExterna::Citeste(QIODevice &f, const QString &numeResursa, const QString &cale)
{
    const QString nume = numeResursa.toLower();
    const qint64 marimeFisier = f.size();

    const QByteArray numar = f.read(4);
    if (numar.size() != 4)
        Deteriorat(cale, QStringLiteral("lipseste numarul de resurse"));
    const qint32 n = Int32La(numar.constData());
    // Checked before the directory is allocated.
    if (n < 0 || qint64(n) * MarimeIntrare > marimeFisier - 4)
        Deteriorat(cale, QStringLiteral("numarul de resurse (%1) nu se potriveste cu marimea fisierului").arg(n));
    const QByteArray director = f.read(qint64(n) * MarimeIntrare);
    if (director.size() != qsizetype(n) * MarimeIntrare)
        Deteriorat(cale, QStringLiteral("directorul nu poate fi citit"));

    for (qint32 i = 0; i < n; ++i) {
        const char *e = director.constData() + qsizetype(i) * MarimeIntrare;
        const int lungime = quint8(e[0]);
        if (lungime > LungimeMaximaNume)
            Deteriorat(cale, QStringLiteral("numele intrarii %1 este prea lung").arg(i + 1));
        if (Flux::DinCp1250(QByteArray(e + 1, lungime)).trimmed().toLower() != nume)
            continue;
        const qint32 marime = Int32La(e + OfsMarime);
        const qint32 pozitie = Int32La(e + OfsPozitie);
        if (marime < 0 || pozitie < 0 || qint64(pozitie) + marime > marimeFisier)
            Deteriorat(cale, QStringLiteral("resursa \"%1\" (pozitia %2, %3 octeti) iese din fisier")
                                 .arg(numeResursa).arg(pozitie).arg(marime));
        TResursaExterna r;
        r.Tip = quint8(e[OfsTip]);
        if (!f.seek(pozitie))
            Deteriorat(cale, QStringLiteral("pozitia %1 nu poate fi atinsa").arg(pozitie));
        r.Date = f.read(marime);
        if (r.Date.size() != marime)
            Deteriorat(cale, QStringLiteral("resursa nu poate fi citita in intregime"));
        return r;
    }
    throw EEroare(QStringLiteral("Nu am gasit resursa \"%1\" in fisierul").arg(numeResursa) +
                  QLatin1Char('\n') + cale);
}
