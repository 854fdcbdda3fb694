#pragma once
#include "UAdresaA1.h"
#include "UCelulaFoaie.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The rectangle of the sheet that holds anything; empty when the sheet holds nothing.
struct TZonaFolosita
{
    TAdresaCelula De;
    TAdresaCelula Pana;
    bool Goala() const { return De.Rand == 0; }
    bool Contine(int rand, int coloana) const
    {
        return !Goala() && rand >= De.Rand && rand <= Pana.Rand && coloana >= De.Coloana
               && coloana <= Pana.Coloana;
    }
    bool operator==(const TZonaFolosita &) const = default;
};

// One worksheet read into memory. The used range covers the whole sheet, but only the cells the
// import can ask for are kept (rows up to 1000, columns up to "ZZ"), so a huge sheet stays small.
class TFoaieDeCalcul
{
public:
    static constexpr int LimitaRanduri = 1000;
    static constexpr int LimitaColoane = 702; // "ZZ"

    explicit TFoaieDeCalcul(QString nume = {}) : m_nume(std::move(nume)) {}

    const QString &Nume() const { return m_nume; }
    const TZonaFolosita &ZonaFolosita() const { return m_zona; }

    bool InZonaFolosita(int rand, int coloana) const { return m_zona.Contine(rand, coloana); }
    bool InZonaFolosita(QStringView adresaCelula) const;

    TCelula Celula(int rand, int coloana) const;
    // One column block, rows in order; EEroare past the kept rows and columns.
    QList<TCelula> CitesteColoana(int coloana, int primulRand, int ultimulRand) const;
    // The same by address, such as "C1:C57".
    QList<TCelula> CitesteBloc(QStringView adresa) const;

    // Filling, by the readers: a cell extends the used range even where it is not kept.
    void Pune(int rand, int coloana, const TCelula &celula);
    void ExtindeZona(int rand, int coloana);
    void ExtindeZona(const TBlocCelule &bloc);

private:
    static quint64 Cheie(int rand, int coloana) { return (quint64(rand) << 32) | quint32(coloana); }

    QString m_nume;
    TZonaFolosita m_zona;
    QHash<quint64, TCelula> m_celule;
};

// An opened workbook: its sheet names in order and each sheet on demand.
class TRegistru
{
public:
    virtual ~TRegistru() = default;

    const QStringList &NumeFoi() const { return m_numeFoi; }
    // Read on first use; the last sheet read stays in memory.
    std::shared_ptr<const TFoaieDeCalcul> Foaie(int index);

protected:
    virtual TFoaieDeCalcul CitesteFoaie(int index) = 0;
    QStringList m_numeFoi;

private:
    int m_indexCitit = -1;
    std::shared_ptr<const TFoaieDeCalcul> m_citita;
};
