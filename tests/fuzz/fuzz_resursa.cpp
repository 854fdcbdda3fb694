// A picture container (".re"): the input is the resource's name, a new line, then the container.
// The resource found is decoded as the image control does.
#include "TFuzz.h"
#include "UAccesResursaExterna.h"

#include <QBuffer>
#include <QImage>

void Fuzz(const QByteArray &date)
{
    const qsizetype rand = date.indexOf('\n');
    if (rand < 0)
        return;
    QBuffer container;
    container.setData(date.mid(rand + 1));
    container.open(QIODevice::ReadOnly);
    const TResursaExterna r =
        ResursaExterna::Citeste(container, QString::fromLatin1(date.left(rand)), QStringLiteral("fuzz.re"));
    const char *format = r.Tip == ResursaExterna::Bmp ? "BMP" : r.Tip == ResursaExterna::Jpeg ? "JPEG" : "PNG";
    QImage imagine;
    imagine.loadFromData(r.Date, format);
}
