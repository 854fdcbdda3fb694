#include "UFluxEtichetat.h"
#include "UEroare.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <algorithm>

namespace Flux {

QString DinCp1250(const QByteArray &b)
{
    QStringDecoder dec("windows-1250");
    if (!dec.isValid())
        return QString::fromLatin1(b);
    return dec.decode(b);
}

bool InCp1250(const QString &s, QByteArray &rezultat)
{
    QStringEncoder enc("windows-1250");
    if (!enc.isValid())
        return false;
    rezultat = enc.encode(s);
    return !enc.hasError() && DinCp1250(rezultat) == s;
}

} // namespace Flux

void TCititorFlux::Eroare(const QString &ce) const
{
    throw EEroare(QStringLiteral("Fisier deteriorat: %1 (pozitia %2).").arg(ce).arg(m_poz));
}

uint8_t TCititorFlux::Octet()
{
    if (m_poz >= m_date.size())
        Eroare(QStringLiteral("sfarsit neasteptat al datelor"));
    return static_cast<uint8_t>(m_date[m_poz++]);
}

const char *TCititorFlux::Ia(qsizetype n)
{
    if (n < 0 || n > Ramas())
        Eroare(QStringLiteral("lungime %1 mai mare decat restul fisierului").arg(n));
    const char *p = m_date.constData() + m_poz;
    m_poz += n;
    return p;
}

int32_t TCititorFlux::CitesteInt()
{
    switch (Octet()) {
    case Flux::Int8:
        return static_cast<int8_t>(*Ia(1));
    case Flux::Int16:
        return qFromLittleEndian<int16_t>(Ia(2));
    case Flux::Int32:
        return qFromLittleEndian<int32_t>(Ia(4));
    default:
        --m_poz;
        Eroare(QStringLiteral("se astepta un numar"));
    }
}

QString TCititorFlux::CitesteText()
{
    const uint8_t tag = Octet();
    auto lungime32 = [this]() -> qsizetype { return qFromLittleEndian<uint32_t>(Ia(4)); };
    switch (tag) {
    case Flux::Text: {
        const qsizetype n = Octet();
        return Flux::DinCp1250(QByteArray(Ia(n), n));
    }
    case Flux::TextLung: {
        const qsizetype n = lungime32();
        return Flux::DinCp1250(QByteArray(Ia(n), n));
    }
    case Flux::TextWide: {
        const qsizetype n = lungime32();
        if (n > Ramas() / 2)
            Eroare(QStringLiteral("lungime %1 mai mare decat restul fisierului").arg(n));
        const char *p = Ia(n * 2);
        QString s(n, Qt::Uninitialized);
        for (qsizetype i = 0; i < n; ++i)
            s[i] = QChar(qFromLittleEndian<uint16_t>(p + 2 * i));
        // A lone surrogate has no UTF-8 form: it becomes U+FFFD, so every text read can be
        // written back as it was read.
        for (qsizetype i = 0; i < n; ++i) {
            if (s[i].isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate())
                ++i;
            else if (s[i].isSurrogate())
                s[i] = QChar::ReplacementCharacter;
        }
        return s;
    }
    case Flux::TextUtf8: {
        const qsizetype n = lungime32();
        return QString::fromUtf8(Ia(n), n);
    }
    default:
        --m_poz;
        Eroare(QStringLiteral("se astepta un text"));
    }
}

void TScriitorFlux::ScrieInt(int32_t v)
{
    char buf[4];
    if (v >= -128 && v <= 127) {
        m_date.append(char(Flux::Int8)).append(char(int8_t(v)));
    } else if (v >= -32768 && v <= 32767) {
        qToLittleEndian<int16_t>(int16_t(v), buf);
        m_date.append(char(Flux::Int16)).append(buf, 2);
    } else {
        qToLittleEndian<int32_t>(v, buf);
        m_date.append(char(Flux::Int32)).append(buf, 4);
    }
}

void TScriitorFlux::Lungime32(uint32_t n)
{
    char buf[4];
    qToLittleEndian<uint32_t>(n, buf);
    m_date.append(buf, 4);
}

void TScriitorFlux::Octeti(const QByteArray &b)
{
    if (b.size() <= 255) {
        m_date.append(char(Flux::Text)).append(char(uint8_t(b.size())));
    } else {
        m_date.append(char(Flux::TextLung));
        Lungime32(uint32_t(b.size()));
    }
    m_date.append(b);
}

void TScriitorFlux::ScrieText(const QString &s)
{
    QByteArray b;
    if (Flux::InCp1250(s, b)) {
        Octeti(b);
        return;
    }
    Utf8(s);
}

void TScriitorFlux::Utf8(const QString &s)
{
    const QByteArray b = s.toUtf8();
    m_date.append(char(Flux::TextUtf8));
    Lungime32(uint32_t(b.size()));
    m_date.append(b);
}

void TScriitorFlux::ScrieTextAsciiSauUtf8(const QString &s)
{
    const bool ascii = std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        Octeti(s.toLatin1());
        return;
    }
    Utf8(s);
}
