#pragma once
#include "UEditorCampEdit.h"

// The registry code of a school unit, stored as typed.
class TEditorCampSirues : public TEditorCampEdit
{
    Q_OBJECT
public:
    explicit TEditorCampSirues(QWidget *Owner = nullptr) : TEditorCampEdit(Owner) {}
    bool PotSalva() override { return true; }
};
