#pragma once
#include <QString>

// Where the database is: the embedded file beside the program by default, or a database on a
// Firebird server shared by several workstations, named in "certavo.ini" beside the program:
//   [BazaDeDate]
//   Server=host or host/port      Cale=path of the database on the server
//   Utilizator=...                Parola=...
struct TConexiune
{
    QString Server;
    QString Cale;
    QString Utilizator = QStringLiteral("sysdba");
    QString Parola = QStringLiteral("plovdamer");

    bool PeServer() const { return !Server.trimmed().isEmpty(); }
    // The name the Firebird client opens: "host/port:path" for a server.
    QString NumeBazaDeDate() const { return Server.trimmed() + QLatin1Char(':') + Cale.trimmed(); }

    // The settings file beside the program; defaults when it is absent.
    static TConexiune Citeste();
    static QString FisierSetari();
};
