#pragma once
#include <QDateTime>
#include <QString>

// One typed cell value as a spreadsheet holds it.
struct TCelula
{
    enum TTip { tcGol, tcEroare, tcText, tcNumar, tcData, tcBoolean };

    TTip Tip = tcGol;
    QString Text;       // Text
    double Numar = 0;   // Numar; Boolean as 0 or 1
    QDateTime Data;     // Data, without time zone

    static TCelula DinText(QString text);
    static TCelula DinNumar(double numar);
    static TCelula DinData(QDateTime data);
    static TCelula DinBoolean(bool valoare);
    static TCelula DeEroare();

    bool operator==(const TCelula &) const = default;
};

// The text the import takes from a cell: empty, "#Eroare", the text itself, the number with ","
// decimals, the date as dd/mm/yyyy (with hh:mm:ss when it has a time), "True" or "False".
QString TextCelula(const TCelula &celula);

// A number as the program's fixed format settings write it: up to 15 significant digits, ",".
QString NumarInText(double numar);

// A date written in ISO 8601 ("2005-03-14", "2005-03-14T13:30:00.000Z"), as written: the time
// zone, if any, is dropped. Invalid when the text is no such date.
QDateTime DataIso(QStringView text);

// The day a spreadsheet serial number means, in the 1900 system (with its fictitious
// 29 February 1900) or in the 1904 system; the fraction is the time of day.
QDateTime DataDinSerial(double serial, bool sistem1904);
