#pragma once
#include "UEditorGeneric.h"

#include <QFrame>

// A row of editors side by side, sharing the width by their suggested widths.
class TLinieGrupare : public QFrame
{
    Q_OBJECT
public:
    explicit TLinieGrupare(QWidget *Owner = nullptr);

    // Adds an editor to the right of those already on the line.
    void Adauga(TEditorGeneric *Editor);
    // Recomputes the editors' widths and places them left to right.
    void Resize();

    TListaEditorGeneric Editoare;

protected:
    void resizeEvent(QResizeEvent *Event) override;
};
