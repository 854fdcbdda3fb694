#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <cstdint>

// Picture containers (".re" files): a signed 32-bit count, a directory of 138-byte
// entries and the pictures' unchanged bytes, all little-endian.
namespace ResursaExterna {
enum Tip : uint8_t { Bmp = 1, Jpeg = 2, Png = 3 };

constexpr int MarimeIntrare = 138;   // name (1 + 128), size, position, kind
constexpr int LungimeMaximaNume = 128;

struct TIntrare
{
    QString Nume;
    QByteArray Date;
    uint8_t Tip = Png;
};

// Builds a container holding the entries in the given order.
QByteArray ConstruiesteContainer(const QList<TIntrare> &intrari);
} // namespace ResursaExterna

struct TResursaExterna
{
    QByteArray Date;      // the resource's bytes
    uint8_t Tip = 0;      // ResursaExterna::Tip
};

namespace ResursaExterna {
// The resource named `nume` (any case) of the container open in `f`; `cale` names it in
// the messages. EEroare when the container is damaged or has no such resource.
TResursaExterna Citeste(QIODevice &f, const QString &nume, const QString &cale);
} // namespace ResursaExterna

// Where "fisier" of a reference is found: as given, else its file name in the
// program folder, else in the "ER" subfolder. Empty when none holds it.
QString GasesteContainer(const QString &fisier);

// Reads the resource named by "fisier:nume". Raises EEroare with a Romanian message
// when the reference is malformed, the container is missing or damaged, or it has
// no such resource.
TResursaExterna OpenExternalResource(const QString &indicativ);
