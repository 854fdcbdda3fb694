#include "UCelulaFoaie.h"

#include <cmath>

TCelula TCelula::DinText(QString text)
{
    TCelula c;
    c.Tip = tcText;
    c.Text = std::move(text);
    return c;
}

TCelula TCelula::DinNumar(double numar)
{
    // A non-finite number cannot come from a sound file: show it as a cell error.
    if (!std::isfinite(numar))
        return DeEroare();
    TCelula c;
    c.Tip = tcNumar;
    c.Numar = numar;
    return c;
}

TCelula TCelula::DinData(QDateTime data)
{
    if (!data.isValid())
        return DeEroare();
    TCelula c;
    c.Tip = tcData;
    c.Data = std::move(data);
    return c;
}

TCelula TCelula::DinBoolean(bool valoare)
{
    TCelula c;
    c.Tip = tcBoolean;
    c.Numar = valoare ? 1 : 0;
    return c;
}

TCelula TCelula::DeEroare()
{
    TCelula c;
    c.Tip = tcEroare;
    return c;
}

QString NumarInText(double numar)
{
    if (numar == 0)
        return QStringLiteral("0"); // also -0
    QString t = QString::number(numar, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    const qsizetype e = t.indexOf(QLatin1Char('e'));
    if (e < 0)
        return t;
    // Exponent written as the program's conversion does: "1,5E-7", "1E20".
    QString mantisa = t.left(e);
    int exponent = t.mid(e + 1).toInt();
    return mantisa + QLatin1Char('E') + QString::number(exponent);
}

QDateTime DataDinSerial(double serial, bool sistem1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466) // up to 31/12/9999
        return {};
    const qint64 ms = std::llround(serial * 86400000.0);
    qint64 zile = ms / 86400000;
    const qint64 msZi = ms % 86400000;
    QDate baza;
    if (sistem1904) {
        baza = QDate(1904, 1, 1);
    } else if (zile < 60) {
        // Serial 1 is 1 January 1900; 60 is the fictitious 29 February, read as the 28th.
        baza = QDate(1899, 12, 31);
        if (zile == 0)
            zile = -1; // serial 0 is the automation's day zero, 30/12/1899
    } else if (zile == 60) {
        baza = QDate(1900, 2, 28);
        zile = 0;
    } else {
        baza = QDate(1899, 12, 30);
    }
    return QDateTime(baza.addDays(zile), QTime::fromMSecsSinceStartOfDay(int(msZi)));
}

QDateTime DataIso(QStringView text)
{
    const QString t = text.trimmed().toString();
    QDateTime d = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!d.isValid())
        d = QDateTime(QDate::fromString(t.left(10), Qt::ISODate), QTime(0, 0));
    return d.isValid() ? QDateTime(d.date(), d.time()) : QDateTime();
}

namespace {

// Day zero of the automation's dates: a value on it is a time of day only.
const QDate ZiuaZero(1899, 12, 30);

QString DataInText(const QDateTime &d)
{
    const QTime ora = d.time();
    const QString textOra = ora.toString(QStringLiteral("hh:mm:ss"));
    if (d.date() == ZiuaZero)
        return textOra;
    const QString textData = d.date().toString(QStringLiteral("dd/MM/yyyy"));
    if (ora.msecsSinceStartOfDay() < 1000)
        return textData;
    return textData + QLatin1Char(' ') + textOra;
}

} // namespace

QString TextCelula(const TCelula &celula)
{
    switch (celula.Tip) {
    case TCelula::tcGol:
        return {};
    case TCelula::tcEroare:
        return QStringLiteral("#Eroare");
    case TCelula::tcText:
        return celula.Text;
    case TCelula::tcNumar:
        return NumarInText(celula.Numar);
    case TCelula::tcData:
        return DataInText(celula.Data);
    case TCelula::tcBoolean:
        return celula.Numar != 0 ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}
