#pragma once
#include "UArhivaZip.h"
#include "UFoaieDeCalcul.h"

#include <QList>

// An Office Open XML workbook (.xlsx): sheets, shared and inline strings, numbers, booleans,
// errors, dates by the cell's number format in the workbook's date system, cached formula values.
class TCititorXlsx : public TRegistru
{
public:
    explicit TCititorXlsx(const QString &cale);

protected:
    TFoaieDeCalcul CitesteFoaie(int index) override;

private:
    void CitesteRegistrul();
    void CitesteTexteComune(const QString &parte);
    void CitesteStiluri(const QString &parte);
    TCelula Valoare(const QString &tip, const QString &text, int stil, const QString &adresa) const;

    TArhivaZip m_arhiva;
    QStringList m_partiFoi;  // the part of each sheet, in sheet order
    QStringList m_texteComune;
    QList<bool> m_stilEsteData; // by cell style index
    bool m_sistem1904 = false;
};
