#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// Tagged value stream: every value starts with a tag byte.
//   2, 3, 4   integer of 1, 2, 4 bytes (signed, little-endian)
//   6         text, 1-byte length + Windows-1250 bytes
//   12        text, 4-byte length + Windows-1250 bytes
//   18        text, 4-byte length + UTF-16LE code units
//   20        text, 4-byte length + UTF-8 bytes
// Shared by the profile file and the customization file.
namespace Flux {
enum Eticheta : uint8_t {
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Text = 6,
    TextLung = 12,
    TextWide = 18,
    TextUtf8 = 20,
};

// Windows-1250 <-> Unicode.
QString DinCp1250(const QByteArray &b);
// Fails (returns false) when a character has no Windows-1250 form.
bool InCp1250(const QString &s, QByteArray &rezultat);
} // namespace Flux

// Reads from a byte buffer; never reads past its end: every length is checked
// against what remains before anything is allocated.
class TCititorFlux
{
public:
    explicit TCititorFlux(QByteArray date) : m_date(std::move(date)) {}

    int32_t CitesteInt();
    QString CitesteText();
    bool LaSfarsit() const { return m_poz >= m_date.size(); }
    qsizetype Pozitie() const { return m_poz; }
    qsizetype Ramas() const { return m_date.size() - m_poz; }

private:
    uint8_t Octet();
    const char *Ia(qsizetype n);
    [[noreturn]] void Eroare(const QString &ce) const;

    QByteArray m_date;
    qsizetype m_poz = 0;
};

class TScriitorFlux
{
public:
    // Smallest integer tag that holds the value.
    void ScrieInt(int32_t v);
    // Tag 6 or 12 in Windows-1250 when the text fits that code page, else tag 20 (UTF-8).
    void ScrieText(const QString &s);
    // Tag 6 or 12 when the text is plain ASCII, else tag 20 (UTF-8).
    void ScrieTextAsciiSauUtf8(const QString &s);
    const QByteArray &Date() const { return m_date; }

private:
    void Lungime32(uint32_t n);
    void Octeti(const QByteArray &b);      // tag 6 or 12, by length
    void Utf8(const QString &s);           // tag 20
    QByteArray m_date;
};
