#pragma once
#include "UEditorCampEdit.h"

// A personal numeric code; a code that fails the check is kept only when the user confirms.
class TEditorCampCNP : public TEditorCampEdit
{
    Q_OBJECT
public:
    explicit TEditorCampCNP(QWidget *Owner = nullptr) : TEditorCampEdit(Owner) {}
    bool PotSalva() override;
};
