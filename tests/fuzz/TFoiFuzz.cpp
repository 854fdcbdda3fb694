#include "TFoiFuzz.h"

#include "UColoaneExcel.h"
#include "UFoaieDeCalcul.h"

void CitesteToateFoile(TRegistru &registru)
{
    const int foi = std::min<int>(int(registru.NumeFoi().size()), 4);
    for (int i = 0; i < foi; ++i) {
        const std::shared_ptr<const TFoaieDeCalcul> foaie = registru.Foaie(i);
        TListaColoaneExcel coloane;
        CitesteColoaneExcel(*foaie, coloane);
        PastreazaRandurileCuCnp(coloane);
    }
}
