#pragma once
#include "UCampCnp.h"
#include "UColoaneExcel.h"

#include <QList>
#include <QString>

#include <utility>

// Where the value of one student field comes from for every sheet row: what a field page of the
// import wizard says, without the page.
struct TSursaCamp
{
    // In the order of the page's combo.
    enum TFel { Coloana, Constanta, Sex, PrimaParte, ADouaParte };

    QString CodComplet; // "FORMULAR.PAGINA.CAMP"
    int Fel = Coloana;
    QString Litere;     // the column, for Coloana, PrimaParte and ADouaParte
    QString TextConstant;
    QString Fete, Baieti;
    bool NuImport = false;
};

// Writes the rows of a read sheet into the database, with no window: one student per row,
// matched by CNP (created when new). Each row is written in a transaction of its own (run again
// when another workstation wrote the same rows at once), so an interruption at any moment leaves
// every student either whole or not written at all.
class TPreluareElevi
{
public:
    // EEroare when the profile has no CNP field or the sheet no such CNP column.
    TPreluareElevi(const TListaColoaneExcel &coloane, const QString &litereCnp, QList<TSursaCamp> surse);

    int NrRanduri() const { return m_coloane.NrRanduri(); }
    const TColoanaExcel &ColoanaCnp() const { return *m_cnp; }
    // Writes data row `rand` (from 0) and commits it; false, writing nothing, for a row without a
    // CNP. EEroare naming the CNP when it fails, and then nothing of that row is written.
    bool ImportaRand(int rand);

    // The text the source gives for data row `rand` of a student with this CNP.
    static QString Valoare(const TSursaCamp &sursa, const TListaColoaneExcel &coloane, int rand, const QString &cnp);
    // The part of a name before its first blank (or after it), both trimmed.
    static QString ParteNume(const QString &text, bool primaParte);
    // The sex digit of a boy (odd: 1, 3, 5, 7); every other CNP gets the girls' text.
    static bool EsteBaiat(const QString &cnp);

    // The size of DATE.VALOARE_TEXT.
    static constexpr int LungimeMaxima = 256;

private:
    struct TCod
    {
        QString Formular, Pagina, Camp;
    };
    using TValori = QList<std::pair<TCod, QString>>;

    // The texts the sources give for row `rand`, in source order. EEroare for one too long.
    TValori Valori(int rand, const QString &cnp) const;
    // A new student with a row for every student field of the profile, holding its value.
    void CreeazaElev(const QString &cnp, const TValori &valori);
    // The field's row of the student gets the text (inserted when missing).
    static void ScrieText(int idElev, const TCod &cod, const QString &text);

    const TListaColoaneExcel &m_coloane;
    const TColoanaExcel *m_cnp = nullptr;
    QList<TSursaCamp> m_surse;
    TCampCnp m_campCnp;
    QList<TCod> m_campuriElev; // the profile's student fields, read once
};
