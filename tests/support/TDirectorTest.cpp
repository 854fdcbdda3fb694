#include "TDirectorTest.h"
#include "UDirectorProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

TDirectorTest::TDirectorTest(const QStringList &fisiere)
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    SeteazaDirectorProgram(m_dir.path());
    // Never touch the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Cale(QStringLiteral("settings")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Cale(QStringLiteral("settings")));
    for (const QString &f : fisiere)
        Copiaza(f);
}

TDirectorTest::~TDirectorTest() { SeteazaDirectorProgram(QString()); }

QString TDirectorTest::Cale(const QString &nume) const
{
    return nume.isEmpty() ? m_dir.path() + QLatin1Char('/') : m_dir.filePath(nume);
}

QString TDirectorTest::DinBuild(const QString &nume)
{
    return QStringLiteral(CERTAVO_BIN_DIR "/") + nume;
}

void TDirectorTest::Copiaza(const QString &numeBuild, const QString &numeDestinatie) const
{
    const QString dest = Cale(numeDestinatie.isEmpty() ? numeBuild : numeDestinatie);
    QDir().mkpath(QFileInfo(dest).absolutePath());
    QFile::remove(dest);
    QVERIFY2(QFile::copy(DinBuild(numeBuild), dest), qPrintable(QStringLiteral("cannot copy ") + numeBuild));
    QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
}
