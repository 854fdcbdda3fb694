#pragma once
#include <QString>

// The field students are matched on by their personal numeric code.
struct TCampCnp
{
    QString Formular, Pagina, Camp;

    // The profile's CNP field: the student's own one (not inherited) when there is one.
    // Raises EEroare when the profile has none. Reads inside the caller's transaction, if any.
    static TCampCnp DinProfil();
    // The student whose CNP this is, or -1. Uses Q1.
    int Elev(const QString &cnp) const;
};
