#pragma once
#include "TCititorPdf.h"

class TFormularTextArea;

// How far (mm) the area's text lies on the PDF page from where the print run must put it: the
// area's layout rectangle moved by (dx, dy) mm from the paper's corner, the text against its
// aligned edge and standing on the bottom edge, all turned with the sheet when rotit. The word
// nearest that place among those holding the text (the area's own when none is given) is taken;
// -1 when there is none.
double AbatereText(const TPaginaPdf &pagina, const TFormularTextArea *a, double dx, double dy, bool rotit,
                   const QString &text = {});
