#include "UPornire.h"
#include "UAfisareErori.h"

#include <QApplication>
#include "UDm.h"
#include "UEroare.h"
#include "UProfilDiploma.h"
#include "UProfilZEZ.h"

TDM *PornesteDatele()
{
    if (!ProfilInregistrat())
        InregistreazaClaseleZEZ();
    auto *dm = new TDM(qApp);
    try {
        dm->DataModuleCreate();
        return dm;
    } catch (const EOprireProces &) {
        throw;
    } catch (...) {
        ArataEroarea(std::current_exception());
    }
    delete dm;
    return nullptr;
}
