// The customization file "licenta.lic", read and written back.
#include "QFormularTextArea.h"
#include "TFuzz.h"

#include <cstdlib>

void Fuzz(const QByteArray &date)
{
    const QList<TParticularizareTextArea> lista = TListaParticularizareTextArea::Citeste(date);
    // What was read must survive a save and a second read unchanged.
    if (TListaParticularizareTextArea::Citeste(TListaParticularizareTextArea::Scrie(lista)) != lista)
        std::abort();
}
