#pragma once
#include <QPixmap>
#include <QSize>

class QPainter;

// The pictures of the printer dialogs, drawn by the program: how a sheet goes into the
// printer, and the test drawings the preparation wizard prints.
namespace ImaginiImprimanta {

// Feed case 1..4: 1 top feed, 2 front feed, 3 internal cassette with the sheet upside down,
// 4 internal cassette with the sheet in normal position (the calibration's ModAlimentare).
QPixmap Alimentare(int caz);
// The sheet turned over ("Hartie rasturnata.") or in normal position.
QPixmap Foaie(bool rasturnata);
// What the line test may look like on paper.
QPixmap Linii(bool orizontalaJos, bool verticalaDreapta);

// The test drawings in the units of the reference page (677 x 1073 stands for the printable page).
inline constexpr QSize PaginaReferinta{677, 1073};
inline constexpr QSize MarimePrimaSageata{344, 661};
inline constexpr QSize MarimeSageataHasurata{253, 584};
inline constexpr QSize MarimeLinii{452, 736};
// Each draws itself in those units from (0, 0); the caller scales it onto the page (vector
// drawing, so it prints sharp at any resolution).
void DesenPrimaSageata(QPainter &p);
void DesenSageataHasurata(QPainter &p);
void DesenLinii(QPainter &p);

} // namespace ImaginiImprimanta
