#pragma once
#include "UTabele.h"

// Students and schools.
class TListaLiniiTabelZEZ : public TListaLiniiTabel
{
public:
    TListaLiniiTabelZEZ()
    {
        Adauga(QStringLiteral("ELEVI"), QString());
        Adauga(QStringLiteral("SCOALA"), QString());
    }
};
