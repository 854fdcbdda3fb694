#include "UKelNumEdit.h"

#include "UEroare.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtNumeric>

namespace {
[[noreturn]] void PreaMare(const QString &Text)
{
    throw EEroare(QStringLiteral("Numarul \"%1\" este prea mare!").arg(Text));
}

qint64 Numar(const QString &Cifre, const QString &Text)
{
    bool ok = false;
    const qint64 v = Cifre.toLongLong(&ok);
    if (!ok)
        PreaMare(Text);
    return v;
}

// Unsigned magnitude, so that the most negative value is written correctly too.
quint64 Modul(qint64 V) { return V < 0 ? 0 - quint64(V) : quint64(V); }

qsizetype Separator(const QString &T)
{
    const qsizetype v = T.indexOf(QLatin1Char(',')), p = T.indexOf(QLatin1Char('.'));
    return v < 0 ? p : (p < 0 ? v : qMin(v, p));
}
} // namespace

TKelNumEdit::TKelNumEdit(QWidget *Parent) : TKelTextEdit(Parent)
{
    SetRightAlignNonEdit(true);
}

void TKelNumEdit::SetNoDots(bool Value)
{
    m_noDots = Value;
    update();
}

bool TKelNumEdit::CanAcceptText(QString &Text)
{
    int minus = 0, separatori = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == QLatin1Char('-')) {
            if (i > 0 || ++minus > 1)
                return false;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (++separatori > 1)
                return false;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    const qsizetype sep = Separator(Text);
    if (sep >= 0 && Text.size() - sep - 1 > m_nrCifreDupaVirgula)
        return false;
    if (Text.size() - separatori >= 18)
        return false;
    Text.replace(QLatin1Char('.'), QLatin1Char(','));
    return TKelTextEdit::CanAcceptText(Text);
}

qint64 TKelNumEdit::AsCurrency() const
{
    QString t = Text();
    const bool negativ = t.contains(QLatin1Char('-'));
    if (negativ)
        t.remove(0, 1);
    const qsizetype virgula = t.indexOf(QLatin1Char(','));
    QString intreg = virgula < 0 ? t : t.left(virgula);
    QString zecimale = virgula < 0 ? QString() : t.mid(virgula + 1).remove(QLatin1Char(','));
    if (intreg.isEmpty())
        intreg = QStringLiteral("0");
    zecimale = zecimale.leftJustified(4, QLatin1Char('0'), true);
    qint64 v;
    if (qMulOverflow(Numar(intreg, Text()), qint64(10000), &v) || qAddOverflow(v, Numar(zecimale, Text()), &v))
        PreaMare(Text());
    return negativ ? -v : v;
}

void TKelNumEdit::SetAsCurrency(qint64 Value)
{
    const quint64 a = Modul(Value);
    SetText((Value < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 10000) + QLatin1Char(',')
            + QString::number(a % 10000).rightJustified(4, QLatin1Char('0')).left(2));
}

qint64 TKelNumEdit::CuZecimale(int Zecimale) const
{
    const QString &t = Text();
    const qsizetype sep = Separator(t);
    const QString intreg = sep < 0 ? t : t.left(sep);
    QString zecimale = sep < 0 ? QString() : t.mid(sep + 1);
    zecimale.remove(QLatin1Char(',')).remove(QLatin1Char('.'));
    return Numar(intreg + zecimale.leftJustified(Zecimale, QLatin1Char('0'), true), t);
}

void TKelNumEdit::SeteazaCuZecimale(qint64 Value, int Zecimale)
{
    const quint64 unitate = Zecimale == 2 ? 100 : 10000;
    const quint64 a = Modul(Value), i = a / unitate, f = a % unitate;
    QString t = QString::number(i);
    if (f != 0)
        t += QLatin1Char(',') + QString::number(f).rightJustified(Zecimale, QLatin1Char('0'));
    SetText(Value < 0 ? QLatin1Char('-') + t : t);
}

qint64 TKelNumEdit::CuDouaZecimale() const { return CuZecimale(2); }
void TKelNumEdit::SetCuDouaZecimale(qint64 Value) { SeteazaCuZecimale(Value, 2); }
qint64 TKelNumEdit::CuPatruZecimale() const { return CuZecimale(4); }
void TKelNumEdit::SetCuPatruZecimale(qint64 Value) { SeteazaCuZecimale(Value, 4); }

qint64 TKelNumEdit::CuDoiPatruZecimale() const
{
    qint64 v;
    if (qMulOverflow(CuDouaZecimale(), qint64(100), &v))
        PreaMare(Text());
    return v;
}

void TKelNumEdit::SetCuDoiPatruZecimale(qint64 Value) { SetCuDouaZecimale(Value / 100); }

qint64 TKelNumEdit::FaraZecimale() const
{
    const qsizetype sep = Separator(Text());
    bool ok = false;
    const qint64 v = (sep < 0 ? Text() : Text().left(sep)).toLongLong(&ok);
    return ok ? v : 0;
}

void TKelNumEdit::SetFaraZecimale(qint64 Value) { SetText(QString::number(Value)); }

void TKelNumEdit::PrepareFont(QPainter &Canvas, int, bool Normal)
{
    if (Normal && Text().contains(QLatin1Char('-')))
        Canvas.setPen(QColor(Qt::red));
}

void TKelNumEdit::PaintText(QPainter &Canvas, int State)
{
    TKelTextEdit::PaintText(Canvas, State);
    if (m_noDots || Text().isEmpty())
        return;
    ApplyStateFont(Canvas, State);
    const QFontMetrics fm(Canvas.font());
    const int x0 = TextLeft(State), sus = TextTop(State);
    const qsizetype virgula = Text().indexOf(QLatin1Char(','));
    const QString intreg = virgula < 0 ? Text() : Text().left(virgula);
    Canvas.setPen(QColor(Qt::blue));
    for (qsizetype j = 1; j < intreg.size(); ++j) {
        if ((intreg.size() - j) % 3 != 0 || intreg.left(j) == QLatin1String("-"))
            continue;
        const int x = x0 + fm.horizontalAdvance(intreg.left(j)) - 1, y = sus + fm.height() - 1;
        const QPoint bifa[] = {{x - 1, y}, {x, y}, {x, y - 2}, {x - 1, y}};
        Canvas.drawPolyline(bifa, 4);
    }
    if (virgula >= 0) {
        const int x = x0 + fm.horizontalAdvance(intreg + QLatin1Char(',')) - 2;
        Canvas.setPen(QColor(Qt::red));
        Canvas.drawLine(x, height() / 2, x, height() - 4);
    }
}
