#include "TPozitiePdf.h"
#include "QFormularTextArea.h"

#include <algorithm>
#include <cmath>

double AbatereText(const TPaginaPdf &pagina, const TFormularTextArea *a, double dx, double dy, bool rotit,
                   const QString &text)
{
    const QString cauta = text.isEmpty() ? a->Text() : text;
    const double stanga = a->_Left() + dx, dreapta = stanga + a->_Width();
    const double jos = a->_Top() + a->_Height() + dy;
    const auto al = a->Alignment();
    double x = al == TFormularTextArea::taLeftJustify ? stanga
               : al == TFormularTextArea::taRightJustify ? dreapta
                                                          : (stanga + dreapta) / 2;
    double y = jos;
    if (rotit) {
        x = pagina.Mm.width() - x;
        y = pagina.Mm.height() - jos;
    }
    double minim = -1;
    for (const TCuvantPdf &c : pagina.Cuvinte) {
        if (c.Text != cauta)
            continue;
        // A turned text runs leftwards: its aligned edge is the other one, its foot the top.
        const bool laStanga = (al == TFormularTextArea::taLeftJustify) != rotit;
        const double xc = al == TFormularTextArea::taCenter ? c.Mm.center().x() : laStanga ? c.Mm.left() : c.Mm.right();
        const double yc = rotit ? c.Mm.top() : c.Mm.bottom();
        const double d = std::max(std::abs(xc - x), std::abs(yc - y));
        if (minim < 0 || d < minim)
            minim = d;
    }
    return minim;
}
