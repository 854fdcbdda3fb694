#pragma once

class QWidget;

// Centres the window on the work area of the monitor under the mouse cursor; a window
// larger than the work area is pinned to its top-left corner.
void CentreazaForm(QWidget *form);
