#pragma once
#include "UCelulaFoaie.h"

#include <QByteArray>
#include <QHash>
#include <QList>

// FreeXL 1.0.6 trusts the lengths inside the records of a workbook stream: a crafted string
// length makes it copy past its record buffer, a 8193rd cell format makes it index past its own
// table, a declared sheet size makes it allocate that many cells. The stream is walked here the
// way FreeXL walks it (same records, same state across CONTINUE records), every read it would make
// checked against the record, and refused with EEroare before FreeXL is given it.
// The same walk keeps the cells FreeXL reads wrong or not at all: it skips FORMULA records (a
// formula's cell would come out empty, not with its result) and turns booleans and error values
// into plain numbers.
inline constexpr qint64 LimitaCeluleXls = 4'000'000;

// The refusal of a stream that is no BIFF5 or BIFF8 workbook, also given for FreeXL's own code.
QString MesajNuEsteRegistruXls();

class TVerificareBiff
{
public:
    // EEroare, in Romanian, when FreeXL could not read `flux` safely or at all.
    explicit TVerificareBiff(const QByteArray &flux);

    // The cells FreeXL will allocate for the sheets: declared sizes, or the used area of the
    // sheet that declares none.
    qint64 Celule() const { return m_celule; }

    // For each sheet, in the workbook's order, the cells to take instead of FreeXL's, by
    // CheieCelula(row, column) from 0; only those an import can reach are kept.
    using TCorectii = QHash<quint64, TCelula>;
    QList<TCorectii> Corectii() const;
    static quint64 CheieCelula(quint32 rand, quint32 coloana) { return (quint64(rand) << 32) | coloana; }

private:
    struct TFoaie
    {
        quint32 Inceput = 0; // where its BOF is, as the workbook's BOUNDSHEET says
        bool AreDimensiune = false;
        qint64 RandMaxim = 0, ColoanaMaxima = 0; // of its cells, while it has no DIMENSION
        TCorectii Corectii;
    };

    struct TText
    {
        qint64 Inceput; // bytes before the characters: flags and the optional run/extension counts
        int Latime;     // bytes per character
        qint64 Salt;    // formatting bytes after the characters
    };

    void Record(quint16 tip);
    void Bof();
    void Foaie();
    void Dimensiune();
    void Format();
    void Celula(qint64 minim);
    void Eticheta();
    void Formula();
    void TextFormula();
    void Boolean();
    void Corecteaza(int foaie, quint32 rand, quint32 coloana, const TCelula &celula);
    TCelula Numar(double valoare, quint32 xf) const;
    void Sst();
    void VerificaFoi();

    void Cere(qint64 octeti) const;
    quint32 U16(qint64 pozitie) const;
    quint32 U32(qint64 pozitie) const;
    TText Text(qint64 pozitie) const;

    const uchar *m_r = nullptr; // the current record's data
    qint64 m_n = 0;             // and its size
    qint64 m_pozitie = 0;       // and where it starts in the stream
    int m_versiune = 0;         // 5 or 8, from the first BOF
    int m_stareBof = -1;        // -1 before the first BOF, 0 between substreams, 1 inside one
    quint16 m_tipAnterior = 0;  // the record a CONTINUE continues
    int m_formateCelula = 0;
    QList<quint32> m_formatXf;         // the number format of each cell format (XF)
    QHash<quint32, int> m_formateData; // number formats that show a date (1), a time (2) or both (3)
    bool m_sistem1904 = false;
    // A formula whose text result follows in a STRING record.
    int m_foaieText = -1;
    quint32 m_randText = 0, m_coloanaText = 0;
    qint64 m_celule = 0;

    QList<TFoaie> m_foi;
    int m_activa = -1; // the sheet FreeXL takes the records for: the one whose BOF came last

    // FreeXL's shared string table state, kept across CONTINUE records.
    bool m_sstInceput = false;
    quint32 m_siruri = 0;
    quint32 m_indice = 0;
    quint32 m_lungime = 0;     // characters of a string split over records, 0 when none
    quint32 m_deplasare = 0;   // of those, already read
    qint64 m_saltCurent = 0;   // formatting bytes after the split string
    qint64 m_saltUrmator = 0;  // formatting bytes spilled into the next record
};
