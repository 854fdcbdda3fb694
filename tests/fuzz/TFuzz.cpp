#include "TFuzz.h"

#include "UEroare.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Code pages and image plugins are found through the application, as in the program.
    static QCoreApplication app(*argc, *argv);
    // Decoders warn about every damaged picture; millions of such lines only slow the run.
    qInstallMessageHandler([](QtMsgType tip, const QMessageLogContext &, const QString &mesaj) {
        if (tip == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(mesaj));
            std::abort();
        }
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *octeti, size_t n)
{
    // No copy: reading one byte past the input is then seen by the address sanitizer.
    const QByteArray date = QByteArray::fromRawData(reinterpret_cast<const char *>(octeti), qsizetype(n));
    try {
        Fuzz(date);
    } catch (const EEroare &) {
    }
    return 0;
}

QString FisierFuzz(const QByteArray &date, const QString &extensie)
{
    const QString cale = QDir::temp().filePath(
        QStringLiteral("certavo-fuzz-%1.%2").arg(QCoreApplication::applicationPid()).arg(extensie));
    QFile f(cale);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(date) != date.size())
        qFatal("cannot write %s", qPrintable(cale));
    return cale;
}

QList<QByteArray> PartiFuzz(const QByteArray &date, int maxim)
{
    QList<QByteArray> parti = date.split('\0');
    if (parti.size() > maxim)
        parti.resize(maxim);
    return parti;
}
