// Packs pictures into a resource container:
//   certavo_mkre out.re Name=picture.png [Name=picture.jpg ...]
#include "UAccesResursaExterna.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() < 3) {
        std::fprintf(stderr, "usage: certavo_mkre out.re Name=picture ...\n");
        return 2;
    }
    QList<ResursaExterna::TIntrare> intrari;
    for (qsizetype i = 2; i < arg.size(); ++i) {
        const qsizetype egal = arg[i].indexOf(QLatin1Char('='));
        if (egal <= 0) {
            std::fprintf(stderr, "bad entry: %s\n", qPrintable(arg[i]));
            return 2;
        }
        const QString cale = arg[i].mid(egal + 1);
        QFile f(cale);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(cale));
            return 1;
        }
        const QString ext = QFileInfo(cale).suffix().toLower();
        ResursaExterna::TIntrare r;
        r.Nume = arg[i].left(egal);
        r.Date = f.readAll();
        r.Tip = ext == QLatin1String("bmp")                              ? ResursaExterna::Bmp
                : (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) ? ResursaExterna::Jpeg
                                                                         : ResursaExterna::Png;
        intrari << r;
    }
    // A build stopped mid-write must not leave a half container that looks up to date.
    QSaveFile out(arg[1]);
    const QByteArray date = ResursaExterna::ConstruiesteContainer(intrari);
    if (!out.open(QIODevice::WriteOnly) || out.write(date) != date.size() || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arg[1]));
        return 1;
    }
    return 0;
}
