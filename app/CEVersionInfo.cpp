#include "CEVersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef CERTAVO_VERSION
#define CERTAVO_VERSION ""
#endif

const QString TCEVersionInfo::Indisponibil = QStringLiteral("<info not available>");

TCEVersionInfo::TCEVersionInfo(QObject *owner) : QObject(owner)
{
    GetInfo(QCoreApplication::applicationFilePath());
}

void TCEVersionInfo::GetInfo(const QString &fileName)
{
    const QFileInfo fi(fileName);
    if (!fi.isFile()) {
        for (QString *p : {&CompanyName, &FileDescription, &FileVersion, &Internalname, &LegalCopyright,
                           &LegalTradeMarks, &OriginalFilename, &ProductName, &ProductVersion, &Comments,
                           &MajorVersion, &MinorVersion, &Release, &Build})
            *p = Indisponibil;
        return;
    }
    const QString versiune = QStringLiteral(CERTAVO_VERSION);
    CompanyName = QStringLiteral("Certavo");
    FileDescription = QStringLiteral("Tiparirea certificatelor de absolvire");
    FileVersion = versiune;
    Internalname = fi.completeBaseName();
    LegalCopyright.clear();
    LegalTradeMarks.clear();
    OriginalFilename = fi.fileName();
    ProductName = QStringLiteral("Certavo");
    ProductVersion = versiune;
    Comments.clear();
    ImparteVersiune(FileVersion);
}

void TCEVersionInfo::ImparteVersiune(const QString &versiune)
{
    const QChar sep = versiune.contains(QLatin1Char('.')) ? QLatin1Char('.') : QLatin1Char(',');
    if (versiune.isEmpty() || !versiune.contains(sep)) {
        MajorVersion = MinorVersion = Release = Build = Indisponibil;
        return;
    }
    const QStringList p = versiune.split(sep);
    MajorVersion = p.value(0);
    MinorVersion = p.value(1);
    Release = p.value(2);
    Build = p.mid(3).join(sep);
}

QString TextVersiune()
{
    const TCEVersionInfo v;
    return v.MajorVersion + QLatin1Char('.') + v.MinorVersion + QLatin1Char('.') + v.Release + QLatin1Char('.') +
           v.Build;
}
