#pragma once
#include "UEditorCampEdit.h"

// A grade or a word grade in one text; digits that do not make a grade need a confirmation.
class TEditorGenericNotaSauCalificativ : public TEditorCampEdit
{
    Q_OBJECT
public:
    explicit TEditorGenericNotaSauCalificativ(QWidget *Owner = nullptr);
    bool PotSalva() override;
};
