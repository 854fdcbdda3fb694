#pragma once
#include "UFoaieDeCalcul.h"

// An Excel 97-2003 workbook (.xls), read with FreeXL. FreeXL hands booleans and error values
// over as plain numbers, and it cannot read a workbook small enough to sit in the compound
// file's mini stream: such a file is refused with a message that says how to save it again.
class TCititorXls : public TRegistru
{
public:
    explicit TCititorXls(const QString &cale);
    ~TCititorXls() override;
    TCititorXls(const TCititorXls &) = delete;
    TCititorXls &operator=(const TCititorXls &) = delete;

    // The Romanian message for a FreeXL error code.
    static QString MesajEroare(int cod);

protected:
    TFoaieDeCalcul CitesteFoaie(int index) override;

private:
    void CitesteNumeFoi();
    const void *m_xls = nullptr;
};
