#include "UHandlerFormular.h"

TListaHandlerFormularDePrintat &TListaHandlerFormularDePrintat::Instanta()
{
    static TListaHandlerFormularDePrintat lista;
    return lista;
}

void TListaHandlerFormularDePrintat::RegisterHandler(std::unique_ptr<THandlerFormularDePrintat> handler)
{
    m_handlere.push_back(std::move(handler));
}

TVariabileFormular *TVariabileFormular::Din(QObject *fereastra, bool creeaza)
{
    auto *v = fereastra->findChild<TVariabileFormular *>(QString(), Qt::FindDirectChildrenOnly);
    if (!v && creeaza)
        v = new TVariabileFormular(fereastra);
    return v;
}
