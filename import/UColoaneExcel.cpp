#include "UColoaneExcel.h"

#include "UAdresaA1.h"
#include "UFoaieDeCalcul.h"

#include <algorithm>

TColoanaExcel &TListaColoaneExcel::Adauga(const QString &litere)
{
    m_coloane.push_back(std::make_unique<TColoanaExcel>(litere));
    return *m_coloane.back();
}

const TColoanaExcel *TListaColoaneExcel::DupaLitere(const QString &litere) const
{
    for (const auto &c : m_coloane)
        if (c->Litere == litere)
            return c.get();
    return nullptr;
}

void TListaColoaneExcel::StergeRandul(int rand)
{
    for (const auto &c : m_coloane)
        c->removeAt(rand);
}

QString ColoanaUrmatoare(const QString &litere)
{
    if (litere == QLatin1String("Z"))
        return QStringLiteral("AA");
    if (litere == QLatin1String("ZZ"))
        return QStringLiteral("AAA");
    if (litere.size() == 1)
        return QString(QChar(litere[0].unicode() + 1));
    if (litere[1] == QLatin1Char('Z'))
        return QString(QChar(litere[0].unicode() + 1)) + QLatin1Char('A');
    return QString(litere[0]) + QChar(litere[1].unicode() + 1);
}

bool CitesteColoaneExcel(const TFoaieDeCalcul &foaie, TListaColoaneExcel &coloane)
{
    coloane.Clear();
    const TZonaFolosita &zona = foaie.ZonaFolosita();
    if (zona.Goala())
        return false;
    // Cells before the used range read as empty, so a sheet whose first row or column is
    // blank still gives its data.
    const int ultimaColoana = std::min(zona.Pana.Coloana, UltimaColoanaCitita);
    const int ultimulRand = std::min(zona.Pana.Rand, UltimulRandCitit);
    for (QString litere = QStringLiteral("A"); litere.size() <= 2 && ColoanaDinLitere(litere) <= ultimaColoana;
         litere = ColoanaUrmatoare(litere)) {
        TColoanaExcel &coloana = coloane.Adauga(litere);
        const QList<TCelula> celule = foaie.CitesteBloc(litere + QStringLiteral("1:") + litere
                                                        + QString::number(ultimulRand));
        for (const TCelula &c : celule)
            coloana.append(TextCelula(c).trimmed());
    }
    return zona.Pana.Rand > UltimulRandCitit;
}

bool ArataCaUnCnp(const QString &text)
{
    return text.size() == 13
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void PastreazaRandurileCuCnp(TListaColoaneExcel &coloane)
{
    int rand = 0;
    while (rand < coloane.NrRanduri()) {
        bool areCnp = false;
        for (int c = 0; c < coloane.Count() && !areCnp; ++c)
            areCnp = ArataCaUnCnp(coloane.Item(c).at(rand));
        if (areCnp)
            ++rand;
        else
            coloane.StergeRandul(rand);
    }
}
