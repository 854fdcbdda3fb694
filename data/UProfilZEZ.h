#pragma once
#include "UProfilDiploma.h"

// The profile of this build: the file DOZ2009.binprof beside the program.
class TListaLiniiProfilZEZ : public TListaLiniiProfilDiploma
{
public:
    TListaLiniiProfilZEZ();
    static QString NumeBazaDeDate() { return QStringLiteral("DOZ2009"); }
    static QString ListaCampuriElev(const QString &numeClasa);
    static QString FisierProfil();
};

// Registers this build's profile and record-table list (done once at start-up).
void InregistreazaClaseleZEZ();
