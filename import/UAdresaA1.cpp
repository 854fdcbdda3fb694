#include "UAdresaA1.h"

#include "UEroare.h"

int ColoanaDinLitere(QStringView litere)
{
    if (litere.isEmpty() || litere.size() > 4)
        return 0;
    int coloana = 0;
    for (QChar c : litere) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        coloana = coloana * 26 + (u - u'A' + 1);
    }
    return coloana <= LimitaAdresa ? coloana : 0;
}

QString LitereColoana(int coloana)
{
    QString litere;
    while (coloana > 0) {
        const int rest = (coloana - 1) % 26;
        litere.prepend(QChar(u'A' + rest));
        coloana = (coloana - 1) / 26;
    }
    return litere;
}

namespace {

[[noreturn]] void AdresaGresita(QStringView adresa)
{
    throw EEroare(QStringLiteral("Adresa de celula \"%1\" nu este valida").arg(adresa));
}

} // namespace

TAdresaCelula CitesteAdresaCelula(QStringView adresa)
{
    // "$" marks absolute references; they name the same cell.
    QString curata = adresa.toString().remove(QLatin1Char('$'));
    qsizetype i = 0;
    while (i < curata.size() && curata.at(i).isLetter())
        ++i;
    const int coloana = ColoanaDinLitere(QStringView(curata).left(i));
    bool ok = false;
    const QStringView cifre = QStringView(curata).mid(i);
    const int rand = cifre.size() <= 9 ? cifre.toInt(&ok) : 0;
    if (coloana == 0 || !ok || rand < 1 || rand > LimitaAdresa || !cifre.front().isDigit())
        AdresaGresita(adresa);
    return {rand, coloana};
}

TBlocCelule CitesteBlocCelule(QStringView adresa)
{
    const qsizetype doua = adresa.indexOf(QLatin1Char(':'));
    if (doua < 0) {
        const TAdresaCelula c = CitesteAdresaCelula(adresa);
        return {c, c};
    }
    TAdresaCelula de = CitesteAdresaCelula(adresa.left(doua));
    TAdresaCelula pana = CitesteAdresaCelula(adresa.mid(doua + 1));
    // Either corner may be written first.
    return {{std::min(de.Rand, pana.Rand), std::min(de.Coloana, pana.Coloana)},
            {std::max(de.Rand, pana.Rand), std::max(de.Coloana, pana.Coloana)}};
}
