#include "UTabele.h"
#include "UInregistrare.h"

namespace {
std::optional<TClasaTabele> g_tabele;
}

void InregistreazaTabele(const TClasaTabele &clasa) { Inregistreaza(g_tabele, clasa); }

const TClasaTabele *TabeleInregistrate() { return g_tabele ? &*g_tabele : nullptr; }

void AnuleazaInregistrareaTabelelor() { g_tabele.reset(); }
