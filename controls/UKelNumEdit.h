#pragma once
#include "UKelEditors.h"

// A text edit for Romanian decimal numbers ("-12,5"): filters typing, turns "." into ",",
// paints negatives red, marks thousands and the decimal comma.
// Values are fixed-point qint64; reading digits beyond 64 bits raises EEroare.
class TKelNumEdit : public TKelTextEdit
{
    Q_OBJECT
    Q_PROPERTY(bool NoDots READ NoDots WRITE SetNoDots)
    Q_PROPERTY(int NrCifreDupaVirgula READ NrCifreDupaVirgula WRITE SetNrCifreDupaVirgula)
public:
    explicit TKelNumEdit(QWidget *Parent = nullptr);

    bool NoDots() const { return m_noDots; }
    void SetNoDots(bool Value);
    int NrCifreDupaVirgula() const { return m_nrCifreDupaVirgula; }
    // Only stored: the current text is not tested again.
    void SetNrCifreDupaVirgula(int Value) { m_nrCifreDupaVirgula = Value; }

    qint64 AsCurrency() const;            // ten-thousandths
    void SetAsCurrency(qint64 Value);     // always two decimals, cut
    qint64 CuDouaZecimale() const;        // hundredths
    void SetCuDouaZecimale(qint64 Value);
    qint64 CuPatruZecimale() const;       // ten-thousandths
    void SetCuPatruZecimale(qint64 Value);
    qint64 CuDoiPatruZecimale() const;    // ten-thousandths of two-decimal precision
    void SetCuDoiPatruZecimale(qint64 Value);
    qint64 FaraZecimale() const;          // integer part
    void SetFaraZecimale(qint64 Value);

    bool CanAcceptText(QString &Text) override;
    void PaintText(QPainter &Canvas, int State) override;
    void PrepareFont(QPainter &Canvas, int State, bool Normal) override;

private:
    qint64 CuZecimale(int Zecimale) const;
    void SeteazaCuZecimale(qint64 Value, int Zecimale);

    bool m_noDots = false;
    int m_nrCifreDupaVirgula = 2;
};
