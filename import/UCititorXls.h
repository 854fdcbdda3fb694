#pragma once
#include "UFoaieDeCalcul.h"
#include "UVerificareBiff.h"

#include <QTemporaryFile>

#include <memory>

// An Excel 97-2003 workbook (.xls), read with FreeXL. FreeXL is given only a checked copy of the
// workbook stream (UVerificareBiff, UFluxRegistruXls), never the file itself; the cells it reads
// wrong or not at all (formula results, booleans, error values) come from the same check.
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
    void Inchide();
    const void *m_xls = nullptr;
    std::unique_ptr<QTemporaryFile> m_copie; // lives as long as FreeXL may read it
    QList<TVerificareBiff::TCorectii> m_corectii;
};
