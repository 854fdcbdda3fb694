#include "UInstalareTiparire.h"
#include "InsertPaper.h"
#include "TemplateForm.h"
#include "UListaElevi.h"
#include "USalveazaPdf.h"
#include "UTiparireLot.h"

void InstaleazaTiparirea()
{
    TTemplate::Tiparire = [](TFormularDePrintat *suprafata, int pagina) { PrintPage(suprafata, pagina); };
    TTemplate::SalvarePdf = [](TTemplate *fereastra) { SalveazaPdf(fereastra); };
    TListaElevi::TiparireSelectati = [](TListaElevi *lista) { TiparesteSelectati(lista); };
}
