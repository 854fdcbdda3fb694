#include "UConexiune.h"
#include "UDirectorProgram.h"
#include "UEroare.h"

#include <QFileInfo>
#include <QSettings>

QString TConexiune::FisierSetari() { return FisierProgram(QStringLiteral("certavo.ini")); }

TConexiune TConexiune::Citeste()
{
    TConexiune c;
    if (!QFileInfo::exists(FisierSetari()))
        return c;
    QSettings s(FisierSetari(), QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        throw EEroare(QStringLiteral("Fisierul de setari \"%1\" nu poate fi citit.").arg(FisierSetari()));
    s.beginGroup(QStringLiteral("BazaDeDate"));
    c.Server = s.value(QStringLiteral("Server")).toString();
    c.Cale = s.value(QStringLiteral("Cale")).toString();
    c.Utilizator = s.value(QStringLiteral("Utilizator"), c.Utilizator).toString();
    c.Parola = s.value(QStringLiteral("Parola"), c.Parola).toString();
    if (c.PeServer() && c.Cale.trimmed().isEmpty())
        throw EEroare(QStringLiteral("In fisierul \"%1\" este ales serverul %2, dar lipseste calea bazei de date (Cale).")
                          .arg(FisierSetari(), c.Server));
    return c;
}
