#include "UPaginaOk.h"

#include "UAfisareErori.h"

TPaginaOk::TPaginaOk(QWidget *parinte) : QPushButton(parinte)
{
    setObjectName(QStringLiteral("PaginaOk"));
    setText(QStringLiteral("PaginaOk"));
    hide();
}

bool VerificaPagina(QWidget *pagina)
{
    auto *buton = pagina ? pagina->findChild<TPaginaOk *>(QStringLiteral("PaginaOk")) : nullptr;
    if (!buton || !buton->OnClick)
        return true;
    return IncearcaSiArata(buton->OnClick);
}
