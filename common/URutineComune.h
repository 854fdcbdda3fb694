#pragma once
#include <QColor>
#include <QDate>
#include <QList>
#include <QString>

// Small routines shared by the editors, the print code and the control library.
// Fixed-point values are ten-thousandths held in a qint64 (9,5 is 95000).

// Romanian separators ("." for thousands, "," for decimals); the decimals are cut, not rounded.
QString FormatNumber(int Decimals, qint64 Value);

QString DateLong(const QDate &Date);       // 5 martie 2008
QString DateDayMonth(const QDate &Date);   // 05/03
QString DateShort(const QDate &Date);      // 05/03/08

// "@a" -> ă, "@S" -> Ş, "@@" -> "@" ...; an unknown escape is dropped with its character.
QString DecodeDiacritics(const QString &S);
// Only A-Z, Ş, Ţ, Ă (and the comma-below Ș, Ț) change case; Â and Î are left as they are.
QString LowerRomanian(const QString &S);
QString UpperRomanian(const QString &S);

QString DigitsOnly(const QString &S);
QString PadRight(const QString &S, int N, QChar Ch);
bool NearlyEqual(double A, double B);
QString NormalizePath(const QString &P);
// The system's temporary folder with a trailing separator, read once.
QString TempFolder();

QColor ShadeColor(int DR, int DG, int DB, const QColor &Color);
QColor ShadeLiteBlue(const QColor &Color);       // (-20, -20, 0)
QColor ShadeLiteLiteRed(const QColor &Color);    // (0, -10, -10)
QColor ShadeLite(const QColor &Color);           // (20, 20, 20)
QColor ShadeLiteLite(const QColor &Color);       // (10, 10, 10)
QColor ShadeLiteLiteGreen(const QColor &Color);  // (-10, 0, -10)
QColor ShadeLiteLiteBlue(const QColor &Color);   // (-10, -10, 0)
QColor ShadeLiteRed(const QColor &Color);        // (0, -20, -20)
QColor ShadeLiteGreen(const QColor &Color);      // (-20, 0, -20)

struct THsv
{
    double H = 0, S = 0, V = 0;   // each 0..1
};
THsv RgbToHsv(const QColor &Color);
QColor HsvToRgb(const THsv &Hsv);
// N + 1 colours from C1 towards C2, the last one a step short of C2.
QList<QColor> ColorGradient(const QColor &C1, const QColor &C2, int N);

// Romanian personal numeric code: form, birth date and control digit.
bool CnpValid(const QString &S);
