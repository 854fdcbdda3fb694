#pragma once
#include "UEroare.h"

#include <optional>

// One class per kind may be registered, once.
template <class C>
void Inregistreaza(std::optional<C> &loc, const C &clasa)
{
    if (loc)
        throw EEroare(QStringLiteral("Am inregistrat deja un profil de diploma: ") + loc->Nume);
    loc = clasa;
}
