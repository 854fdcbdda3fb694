#pragma once
#include <QString>
#include <QStringView>

// Cell addresses in A1 notation; rows and columns count from 1 ("A" is 1, "ZZ" is 702).
struct TAdresaCelula
{
    int Rand = 0;
    int Coloana = 0;
    bool operator==(const TAdresaCelula &) const = default;
};

// A rectangular block such as "C1:C57"; a single cell is a block of one.
struct TBlocCelule
{
    TAdresaCelula De;
    TAdresaCelula Pana;
    bool operator==(const TBlocCelule &) const = default;
};

// Largest row or column an address may name; keeps the numbers of a crafted file in range.
inline constexpr int LimitaAdresa = 1 << 24;

// 0 when the text is not a column name of letters A-Z.
int ColoanaDinLitere(QStringView litere);
QString LitereColoana(int coloana);

// Raise EEroare with a Romanian message on a malformed address.
TAdresaCelula CitesteAdresaCelula(QStringView adresa);
TBlocCelule CitesteBlocCelule(QStringView adresa);
