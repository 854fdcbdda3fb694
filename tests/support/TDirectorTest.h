#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder of its own for one test: the program's data files
// are copied into it from the build, and settings are kept inside it too.
class TDirectorTest
{
public:
    // Copies the named build files (e.g. "BLANK.FDB", "DOZ2009.binprof") into the folder.
    explicit TDirectorTest(const QStringList &fisiere = {});
    ~TDirectorTest();

    QString Cale(const QString &nume = {}) const;
    void Copiaza(const QString &numeBuild, const QString &numeDestinatie = {}) const;
    static QString DinBuild(const QString &nume);

private:
    QTemporaryDir m_dir;
};
