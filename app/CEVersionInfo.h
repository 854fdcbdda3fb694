#pragma once
#include <QObject>
#include <QString>

// Version information of a program file. This platform has no version resource in
// the executable: the build's version (CERTAVO_VERSION) stands for it.
class TCEVersionInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName MEMBER CompanyName)
    Q_PROPERTY(QString FileDescription MEMBER FileDescription)
    Q_PROPERTY(QString FileVersion MEMBER FileVersion)
    Q_PROPERTY(QString Internalname MEMBER Internalname)
    Q_PROPERTY(QString LegalCopyright MEMBER LegalCopyright)
    Q_PROPERTY(QString LegalTradeMarks MEMBER LegalTradeMarks)
    Q_PROPERTY(QString OriginalFilename MEMBER OriginalFilename)
    Q_PROPERTY(QString ProductName MEMBER ProductName)
    Q_PROPERTY(QString ProductVersion MEMBER ProductVersion)
    Q_PROPERTY(QString Comments MEMBER Comments)
    Q_PROPERTY(QString MajorVersion MEMBER MajorVersion)
    Q_PROPERTY(QString MinorVersion MEMBER MinorVersion)
    Q_PROPERTY(QString Release MEMBER Release)
    Q_PROPERTY(QString Build MEMBER Build)

public:
    // Reads the information of the running executable.
    explicit TCEVersionInfo(QObject *owner = nullptr);

    // A file that does not exist has no version information.
    Q_INVOKABLE void GetInfo(const QString &fileName);
    // Splits a version "a.b.c.d" (or "a,b,c,d") into its four parts.
    void ImparteVersiune(const QString &versiune);

    static const QString Indisponibil;   // "<info not available>"

    QString CompanyName, FileDescription, FileVersion, Internalname, LegalCopyright, LegalTradeMarks,
        OriginalFilename, ProductName, ProductVersion, Comments;
    QString MajorVersion, MinorVersion, Release, Build;
};

// major.minor.release.build of the running program.
QString TextVersiune();
