#pragma once
#include "UArhivaZip.h"
#include "UFoaieDeCalcul.h"

class TCititorXml;

// An OpenDocument spreadsheet (.ods): typed cells of content.xml with repeated rows and columns
// (a repeat reaches only as far as the kept cells, so a million repeated rows cost nothing),
// spanned cells and cached formula values.
class TCititorOds : public TRegistru
{
public:
    static const QString TipMime; // "application/vnd.oasis.opendocument.spreadsheet"

    explicit TCititorOds(const QString &cale);

protected:
    TFoaieDeCalcul CitesteFoaie(int index) override;

private:
    void CitesteTabel(TCititorXml &x, TFoaieDeCalcul &foaie);

    TArhivaZip m_arhiva;
};
