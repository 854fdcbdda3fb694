#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

// How the values of a grid column become text; the order is part of the type names below.
enum TKelTipDeDateColoana {
    atCurrency,
    atInteger,
    atIntegerDouaZecimale,
    atString,
    atDataScurtFaraAn,
    atDataScurtCuAn,
    atDataLung,
    atAuto,
    atAsk,
    atCurrency4Zecimale,
};

// "Currency", "Integer", ... ; the tenth type and anything else is "#" and its number.
QString NumeTipValoare(int Tip);

// One typed cell value. Currency amounts are ten-thousandths (9,5 is 95000).
class TKelValoareDate
{
public:
    // atAuto means no value.
    TKelTipDeDateColoana Tip() const { return m_tip; }
    const QVariant &Valoare() const { return m_valoare; }
    // True when a value was given (neither atAuto nor atAsk).
    bool AreValoare() const { return m_tip != atAuto && m_tip != atAsk; }

    void SetCurrency(qint64 Valoare) { Pune(atCurrency, Valoare); }
    void SetInteger(qint64 Valoare) { Pune(atInteger, Valoare); }
    void SetIntegerDouaZecimale(qint64 Valoare) { Pune(atIntegerDouaZecimale, Valoare); }
    void SetString(const QString &Valoare) { Pune(atString, Valoare); }
    void SetDataScurtFaraAn(const QDate &Valoare) { Pune(atDataScurtFaraAn, Valoare); }
    void SetDataScurtCuAn(const QDate &Valoare) { Pune(atDataScurtCuAn, Valoare); }
    void SetDataLung(const QDate &Valoare) { Pune(atDataLung, Valoare); }

    // Raise EEroare when the stored type cannot be read as the asked one.
    qint64 Currency() const;
    qint64 Currency4Zecimale() const;
    qint64 Integer() const;
    qint64 IntegerDouaZecimale() const;
    QString String() const;
    QDate DataScurtFaraAn() const;
    QDate DataScurtCuAn() const;
    QDate DataLung() const;

private:
    void Pune(TKelTipDeDateColoana Tip, const QVariant &Valoare)
    {
        m_tip = Tip;
        m_valoare = Valoare;
    }
    // Only the two currency types, and the three date types, read each other.
    void Verifica(TKelTipDeDateColoana Cerut) const;

    TKelTipDeDateColoana m_tip = atAuto;
    QVariant m_valoare;
};

// The text of a data cell in a column of type TipColoana (caption NumeColoana names it in errors);
// "!NoData!" for no value. Raises EEroare on a type mismatch.
QString TextCelula(TKelTipDeDateColoana TipColoana, const QString &NumeColoana, const TKelValoareDate &V);
