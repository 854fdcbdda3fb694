#include "UFoaieDeCalcul.h"

#include "UEroare.h"

bool TFoaieDeCalcul::InZonaFolosita(QStringView adresaCelula) const
{
    const TAdresaCelula a = CitesteAdresaCelula(adresaCelula);
    return InZonaFolosita(a.Rand, a.Coloana);
}

TCelula TFoaieDeCalcul::Celula(int rand, int coloana) const
{
    return m_celule.value(Cheie(rand, coloana));
}

QList<TCelula> TFoaieDeCalcul::CitesteColoana(int coloana, int primulRand, int ultimulRand) const
{
    if (coloana < 1 || coloana > LimitaColoane || primulRand < 1 || ultimulRand > LimitaRanduri
        || primulRand > ultimulRand)
        throw EEroare(QStringLiteral("Se pot citi numai coloanele A pana la ZZ si liniile 1 pana la %1")
                          .arg(LimitaRanduri));
    QList<TCelula> celule;
    celule.reserve(ultimulRand - primulRand + 1);
    for (int r = primulRand; r <= ultimulRand; ++r)
        celule.append(Celula(r, coloana));
    return celule;
}

QList<TCelula> TFoaieDeCalcul::CitesteBloc(QStringView adresa) const
{
    const TBlocCelule b = CitesteBlocCelule(adresa);
    if (b.De.Coloana != b.Pana.Coloana)
        throw EEroare(QStringLiteral("Blocul \"%1\" trebuie sa cuprinda o singura coloana").arg(adresa));
    return CitesteColoana(b.De.Coloana, b.De.Rand, b.Pana.Rand);
}

void TFoaieDeCalcul::Pune(int rand, int coloana, const TCelula &celula)
{
    ExtindeZona(rand, coloana);
    if (rand <= LimitaRanduri && coloana <= LimitaColoane) {
        if (celula.Tip == TCelula::tcGol)
            m_celule.remove(Cheie(rand, coloana));
        else
            m_celule.insert(Cheie(rand, coloana), celula);
    }
}

void TFoaieDeCalcul::ExtindeZona(int rand, int coloana)
{
    if (rand < 1 || coloana < 1)
        return;
    if (m_zona.Goala()) {
        m_zona.De = m_zona.Pana = {rand, coloana};
        return;
    }
    m_zona.De = {std::min(m_zona.De.Rand, rand), std::min(m_zona.De.Coloana, coloana)};
    m_zona.Pana = {std::max(m_zona.Pana.Rand, rand), std::max(m_zona.Pana.Coloana, coloana)};
}

void TFoaieDeCalcul::ExtindeZona(const TBlocCelule &bloc)
{
    ExtindeZona(bloc.De.Rand, bloc.De.Coloana);
    ExtindeZona(bloc.Pana.Rand, bloc.Pana.Coloana);
}

std::shared_ptr<const TFoaieDeCalcul> TRegistru::Foaie(int index)
{
    if (index < 0 || index >= m_numeFoi.size())
        throw EEroare(QStringLiteral("Foaia de calcul numarul %1 nu exista in fisier").arg(index + 1));
    if (index != m_indexCitit) {
        m_citita.reset(); // free the previous sheet before reading the next
        m_indexCitit = -1;
        m_citita = std::make_shared<const TFoaieDeCalcul>(CitesteFoaie(index));
        m_indexCitit = index;
    }
    return m_citita;
}
