#pragma once
#include "UEroare.h"

#include <QString>
#include <functional>

// The Romanian message of the error the action raised; empty when it raised none.
inline QString MesajEroare(const std::function<void()> &actiune)
{
    try {
        actiune();
    } catch (const EEroare &e) {
        return e.Mesaj();
    }
    return {};
}
