#include "URutineComune.h"

#include <QDir>
#include <QStringList>
#include <cmath>

QString FormatNumber(int Decimals, qint64 Value)
{
    // Unsigned magnitude: the most negative value has no positive counterpart.
    const quint64 abs = Value < 0 ? 0 - quint64(Value) : quint64(Value);
    const QString digits = QString::number(abs / 10000);
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        text += digits[i];
        const qsizetype right = digits.size() - 1 - i;
        if (right > 0 && right % 3 == 0)
            text += QLatin1Char('.');
    }
    if (Decimals > 0)
        text += QLatin1Char(',') + QString::number(abs % 10000).rightJustified(4, QLatin1Char('0')).left(Decimals);
    return Value < 0 ? QLatin1Char('-') + text : text;
}

QString DateLong(const QDate &Date)
{
    static const char *const luni[] = {"ianuarie", "februarie", "martie", "aprilie", "mai", "iunie",
                                       "iulie", "august", "septembrie", "octombrie", "noiembrie", "decembrie"};
    if (!Date.isValid())
        return {};
    return QStringLiteral("%1 %2 %3").arg(Date.day()).arg(QLatin1String(luni[Date.month() - 1])).arg(Date.year());
}

QString DateDayMonth(const QDate &Date)
{
    if (!Date.isValid())
        return {};
    return QStringLiteral("%1/%2").arg(Date.day(), 2, 10, QLatin1Char('0')).arg(Date.month(), 2, 10, QLatin1Char('0'));
}

QString DateShort(const QDate &Date)
{
    if (!Date.isValid())
        return {};
    return DateDayMonth(Date) + QLatin1Char('/')
        + PadRight(QString::number(Date.year()), 4, QLatin1Char('?')).mid(2, 2);
}

QString DecodeDiacritics(const QString &S)
{
    static const QString coduri = QStringLiteral("@ahistAHIST");
    static const QString litere = QStringLiteral("@ăâîşţĂÂÎŞŢ");
    QString rezultat;
    rezultat.reserve(S.size());
    bool escape = false;
    for (QChar c : S) {
        if (escape) {
            const qsizetype k = coduri.indexOf(c);
            if (k >= 0)
                rezultat += litere[k];
            escape = false;
        } else if (c == QLatin1Char('@')) {
            escape = true;
        } else {
            rezultat += c;
        }
    }
    return rezultat;
}

namespace {
// Maps the characters of S found in `din` to those in `in`, at the same index.
QString Inlocuieste(QString S, const QString &din, const QString &in)
{
    for (QChar &c : S) {
        const qsizetype k = din.indexOf(c);
        if (k >= 0)
            c = in[k];
    }
    return S;
}
const QString &Mari() { static const QString s = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZŞŢĂȘȚ"); return s; }
const QString &Mici() { static const QString s = QStringLiteral("abcdefghijklmnopqrstuvwxyzşţășț"); return s; }
} // namespace

QString LowerRomanian(const QString &S) { return Inlocuieste(S, Mari(), Mici()); }
QString UpperRomanian(const QString &S) { return Inlocuieste(S, Mici(), Mari()); }

QString DigitsOnly(const QString &S)
{
    QString rezultat;
    for (QChar c : S)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            rezultat += c;
    return rezultat;
}

QString PadRight(const QString &S, int N, QChar Ch) { return S.leftJustified(N, Ch); }

bool NearlyEqual(double A, double B) { return std::fabs(A - B) < 0.001; }

QString NormalizePath(const QString &P)
{
    const QString unc = QStringLiteral("\\\\");
    const bool eraUnc = P.startsWith(unc);
    QString cale = eraUnc ? P.mid(2) : P;
    cale.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (cale.contains(unc))
        cale.replace(unc, QStringLiteral("\\"));
    return eraUnc ? unc + cale : cale;
}

namespace {
// Read while the program loads, as the rest of the program expects it fixed.
const QString g_tempFolder = [] {
    QString d = QDir::toNativeSeparators(QDir::tempPath());
    if (!d.endsWith(QDir::separator()))
        d += QDir::separator();
    return d.left(2048);
}();
} // namespace

QString TempFolder() { return g_tempFolder; }

QColor ShadeColor(int DR, int DG, int DB, const QColor &Color)
{
    const QColor c = Color.toRgb();
    return QColor(qBound(0, c.red() + DR, 255), qBound(0, c.green() + DG, 255), qBound(0, c.blue() + DB, 255));
}

QColor ShadeLiteBlue(const QColor &Color) { return ShadeColor(-20, -20, 0, Color); }
QColor ShadeLiteLiteRed(const QColor &Color) { return ShadeColor(0, -10, -10, Color); }
QColor ShadeLite(const QColor &Color) { return ShadeColor(20, 20, 20, Color); }
QColor ShadeLiteLite(const QColor &Color) { return ShadeColor(10, 10, 10, Color); }
QColor ShadeLiteLiteGreen(const QColor &Color) { return ShadeColor(-10, 0, -10, Color); }
QColor ShadeLiteLiteBlue(const QColor &Color) { return ShadeColor(-10, -10, 0, Color); }
QColor ShadeLiteRed(const QColor &Color) { return ShadeColor(0, -20, -20, Color); }
QColor ShadeLiteGreen(const QColor &Color) { return ShadeColor(-20, 0, -20, Color); }

THsv RgbToHsv(const QColor &Color)
{
    const QColor c = Color.toRgb();
    const double r = c.red() / 255.0, g = c.green() / 255.0, b = c.blue() / 255.0;
    const double maxim = std::max({r, g, b}), minim = std::min({r, g, b});
    const double delta = maxim - minim;
    THsv hsv;
    hsv.V = maxim;
    // Greys (and black) have no hue and no saturation; avoids dividing by zero.
    if (maxim <= 0 || delta <= 0)
        return hsv;
    hsv.S = delta / maxim;
    double h;
    if (NearlyEqual(r, maxim))
        h = (g - b) / delta;
    else if (NearlyEqual(g, maxim))
        h = 2 + (b - r) / delta;
    else
        h = 4 + (r - g) / delta;
    h /= 6;
    h -= std::floor(h);
    hsv.H = h;
    return hsv;
}

QColor HsvToRgb(const THsv &Hsv)
{
    const double v = Hsv.V, s = Hsv.S;
    double r = v, g = v, b = v;
    if (s > 0) {
        double h = (Hsv.H - std::floor(Hsv.H)) * 6;
        const int sector = int(h) % 6;
        const double f = h - std::floor(h);
        const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
        switch (sector) {
        case 0: r = v; g = t; b = p; break;
        case 1: r = q; g = v; b = p; break;
        case 2: r = p; g = v; b = t; break;
        case 3: r = p; g = q; b = v; break;
        case 4: r = t; g = p; b = v; break;
        default: r = v; g = p; b = q; break;
        }
    }
    auto canal = [](double x) { return qBound(0, int(x * 255), 255); };
    return QColor(canal(r), canal(g), canal(b));
}

QList<QColor> ColorGradient(const QColor &C1, const QColor &C2, int N)
{
    QList<QColor> culori;
    if (N < 0)
        return culori;
    const THsv a = RgbToHsv(C1), b = RgbToHsv(C2);
    auto mix = [N](double x, double y, int i) { return ((N + 1 - i) * x + i * y) / (N + 1); };
    for (int i = 0; i <= N; ++i)
        culori << HsvToRgb({mix(a.H, b.H, i), mix(a.S, b.S, i), mix(a.V, b.V, i)});
    return culori;
}

bool CnpValid(const QString &S)
{
    if (S.size() != 13)
        return false;
    int cifre[13];
    for (int i = 0; i < 13; ++i) {
        if (S[i] < QLatin1Char('0') || S[i] > QLatin1Char('9'))
            return false;
        cifre[i] = S[i].unicode() - '0';
    }
    if (cifre[0] != 1 && cifre[0] != 2 && cifre[0] != 5 && cifre[0] != 6)
        return false;
    const int aa = cifre[1] * 10 + cifre[2], ll = cifre[3] * 10 + cifre[4], zz = cifre[5] * 10 + cifre[6];
    const int an = aa < 5 ? 2000 + aa : 1900 + aa;
    if (ll == 0 || !QDate::isValid(an, ll, zz))
        return false;
    static const int ponderi[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int i = 0; i < 12; ++i)
        suma += cifre[i] * ponderi[i];
    int rest = suma % 11;
    if (rest == 10)
        rest = 1;
    return rest == cifre[12];
}
