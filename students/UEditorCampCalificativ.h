#pragma once
#include "UEditorCampEdit.h"

// A word grade, stored as typed.
class TEditorCampCalificativ : public TEditorCampEdit
{
    Q_OBJECT
public:
    explicit TEditorCampCalificativ(QWidget *Owner = nullptr) : TEditorCampEdit(Owner) {}
    bool PotSalva() override { return true; }
};
