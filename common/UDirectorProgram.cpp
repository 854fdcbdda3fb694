#include "UDirectorProgram.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_director;
}

QString DirectorProgram()
{
    QString d = g_director.isEmpty() ? QCoreApplication::applicationDirPath() : g_director;
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

void SeteazaDirectorProgram(const QString &dir) { g_director = QDir::cleanPath(dir); }

QString FisierProgram(const QString &nume) { return DirectorProgram() + nume; }
