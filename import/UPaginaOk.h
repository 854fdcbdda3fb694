#pragma once
#include <QPushButton>
#include <functional>

class QWidget;

// The hidden button by which a wizard page checks itself before "Inainte" leaves it:
// its handler raises EEroare to keep the wizard on the page.
class TPaginaOk : public QPushButton
{
    Q_OBJECT
public:
    explicit TPaginaOk(QWidget *parinte);
    std::function<void()> OnClick;
};

// Runs the check of the first "PaginaOk" button on the page or inside it; the error, if any, is
// shown and false returned.
bool VerificaPagina(QWidget *pagina);
