#include "KelValoareDate.h"

#include "UEroare.h"
#include "URutineComune.h"

namespace {
bool EsteData(int Tip) { return Tip == atDataScurtFaraAn || Tip == atDataScurtCuAn || Tip == atDataLung; }
bool EsteCurrency(int Tip) { return Tip == atCurrency || Tip == atCurrency4Zecimale; }

// Hundredths with "," before the last two digits, no thousands separator.
QString Sutimi(qint64 Valoare)
{
    const quint64 abs = Valoare < 0 ? 0 - quint64(Valoare) : quint64(Valoare);
    const QString text = QStringLiteral("%1,%2").arg(abs / 100).arg(abs % 100, 2, 10, QLatin1Char('0'));
    return Valoare < 0 ? QLatin1Char('-') + text : text;
}

// Accepted value types of a column that is not atAuto/atAsk.
bool Accepta(TKelTipDeDateColoana Coloana, TKelTipDeDateColoana Valoare)
{
    if (Coloana == Valoare)
        return true;
    return (Coloana == atString && Valoare == atCurrency) || (Coloana == atCurrency && Valoare == atString)
        || (Coloana == atCurrency4Zecimale && Valoare == atCurrency);
}
} // namespace

QString NumeTipValoare(int Tip)
{
    static const char *const nume[] = {"Currency",      "Integer",       "Integer2Z", "String", "DataCalendar1",
                                       "DataCalendar2", "DataCalendar3", "Auto",      "Ask"};
    if (Tip >= 0 && Tip < int(std::size(nume)))
        return QLatin1String(nume[Tip]);
    return QLatin1Char('#') + QString::number(Tip);
}

void TKelValoareDate::Verifica(TKelTipDeDateColoana Cerut) const
{
    if (m_tip == Cerut || (EsteCurrency(m_tip) && EsteCurrency(Cerut)) || (EsteData(m_tip) && EsteData(Cerut)))
        return;
    throw EEroare(QStringLiteral("Tip incorect: Am date de tipul ") + NumeTipValoare(m_tip)
                  + QStringLiteral(" - nu pot citi cu tipul ") + NumeTipValoare(Cerut));
}

qint64 TKelValoareDate::Currency() const { return Verifica(atCurrency), m_valoare.toLongLong(); }
qint64 TKelValoareDate::Currency4Zecimale() const { return Verifica(atCurrency4Zecimale), m_valoare.toLongLong(); }
qint64 TKelValoareDate::Integer() const { return Verifica(atInteger), m_valoare.toLongLong(); }
qint64 TKelValoareDate::IntegerDouaZecimale() const { return Verifica(atIntegerDouaZecimale), m_valoare.toLongLong(); }
QString TKelValoareDate::String() const { return Verifica(atString), m_valoare.toString(); }
QDate TKelValoareDate::DataScurtFaraAn() const { return Verifica(atDataScurtFaraAn), m_valoare.toDate(); }
QDate TKelValoareDate::DataScurtCuAn() const { return Verifica(atDataScurtCuAn), m_valoare.toDate(); }
QDate TKelValoareDate::DataLung() const { return Verifica(atDataLung), m_valoare.toDate(); }

QString TextCelula(TKelTipDeDateColoana TipColoana, const QString &NumeColoana, const TKelValoareDate &V)
{
    if (!V.AreValoare())
        return QStringLiteral("!NoData!");
    TKelTipDeDateColoana tip = TipColoana;
    if (tip == atAuto || tip == atAsk) {
        tip = V.Tip();
    } else if (!Accepta(tip, V.Tip())) {
        // Here the tenth type has its own name.
        auto nume = [](int t) { return t == atCurrency4Zecimale ? QStringLiteral("atCurrency4Zecimale") : NumeTipValoare(t); };
        throw EEroare(QStringLiteral("Nepotrivire de date cand citesc coloana %1: Am primit %2, asteptam %3")
                          .arg(NumeColoana, nume(V.Tip()), nume(TipColoana)));
    }
    switch (tip) {
    case atCurrency:
    case atString:
        return V.Tip() == atString ? V.String() : FormatNumber(2, V.Currency());
    case atInteger:
        return QString::number(V.Integer());
    case atIntegerDouaZecimale:
        return Sutimi(V.IntegerDouaZecimale());
    case atDataScurtFaraAn:
        return DateDayMonth(V.DataScurtFaraAn());
    case atDataScurtCuAn:
        return DateShort(V.DataScurtCuAn());
    case atDataLung:
        return DateLong(V.DataLung());
    case atCurrency4Zecimale:
        return FormatNumber(4, V.Currency());
    default:
        throw EEroare(QStringLiteral("Nu pot converti la string!"));
    }
}
