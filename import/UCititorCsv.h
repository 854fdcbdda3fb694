#pragma once
#include "UFoaieDeCalcul.h"

// A text table (.csv): one sheet named after the file, every field a text cell.
// Separator "," or ";" (the one more frequent in the first record), fields quoted with '"'
// (holding separators, doubled quotes and line breaks), UTF-8 with or without BOM, or else
// Windows-1250.
class TCititorCsv : public TRegistru
{
public:
    explicit TCititorCsv(const QString &cale);
    // From bytes already read; `nume` names the sheet.
    TCititorCsv(const QByteArray &date, const QString &nume);

    static QString Decodeaza(const QByteArray &date);
    static QChar Separator(QStringView text);

protected:
    TFoaieDeCalcul CitesteFoaie(int index) override;

private:
    QString m_text;
};
