#pragma once
#include "UEditorCampEdit.h"

// A fiscal code, stored as typed.
class TEditorCampCF : public TEditorCampEdit
{
    Q_OBJECT
public:
    explicit TEditorCampCF(QWidget *Owner = nullptr) : TEditorCampEdit(Owner) {}
    bool PotSalva() override { return true; }
};
