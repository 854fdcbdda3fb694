#pragma once
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TFoaieDeCalcul;

// One sheet column: its letters and one text per data row.
class TColoanaExcel : public QStringList
{
public:
    explicit TColoanaExcel(QString litere = {}) : Litere(std::move(litere)) {}
    QString Litere;
};

// The columns of the read sheet, from "A"; all hold the same number of texts.
class TListaColoaneExcel
{
public:
    int Count() const { return int(m_coloane.size()); }
    TColoanaExcel &Item(int i) const { return *m_coloane.at(size_t(i)); }
    TColoanaExcel &Adauga(const QString &litere);
    void Clear() { m_coloane.clear(); }
    // nullptr when no column has these letters.
    const TColoanaExcel *DupaLitere(const QString &litere) const;
    int NrRanduri() const { return m_coloane.empty() ? 0 : int(m_coloane.front()->size()); }
    void StergeRandul(int rand);

private:
    std::vector<std::unique_ptr<TColoanaExcel>> m_coloane;
};

// The wizard reads at most this many rows and columns ("ZZ").
inline constexpr int UltimulRandCitit = 999;
inline constexpr int UltimaColoanaCitita = 702;

// "A" -> "B", "Z" -> "AA", "AZ" -> "BA", "ZZ" -> "AAA".
QString ColoanaUrmatoare(const QString &litere);

// Reads rows 1.. and columns A.. of the used range into the list (replacing it), each cell
// through TextCelula, trimmed. True when the sheet has rows beyond the 999th, which are left out.
bool CitesteColoaneExcel(const TFoaieDeCalcul &foaie, TListaColoaneExcel &coloane);

// A text of exactly 13 digits.
bool ArataCaUnCnp(const QString &text);
// Drops every row where no column holds such a text (headers, blank rows).
void PastreazaRandurileCuCnp(TListaColoaneExcel &coloane);
