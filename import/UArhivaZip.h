#pragma once
#include <QByteArray>
#include <QString>

struct zip;

// A ZIP archive opened for reading; every entry is inflated under a fixed bound, so a small
// crafted archive cannot fill the memory.
class TArhivaZip
{
public:
    static constexpr qint64 LimitaDezarhivare = 64 * 1024 * 1024;

    explicit TArhivaZip(const QString &cale); // EEroare when it is no sound ZIP
    ~TArhivaZip();
    TArhivaZip(const TArhivaZip &) = delete;
    TArhivaZip &operator=(const TArhivaZip &) = delete;

    bool Contine(const QString &nume) const;
    // EEroare when missing, damaged or larger than the bound once inflated.
    QByteArray Citeste(const QString &nume) const;

private:
    zip *m_zip = nullptr;
};
