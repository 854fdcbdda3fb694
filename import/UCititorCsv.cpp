#include "UCititorCsv.h"

#include "UEroare.h"
#include "UFisierRegistru.h"

#include <QFileInfo>
#include <QStringDecoder>

TCititorCsv::TCititorCsv(const QString &cale)
    : TCititorCsv(CitesteFisierRegistru(cale), QFileInfo(cale).completeBaseName())
{
}

TCititorCsv::TCititorCsv(const QByteArray &date, const QString &nume) : m_text(Decodeaza(date))
{
    m_numeFoi.append(nume);
}

QString TCititorCsv::Decodeaza(const QByteArray &date)
{
    // Bytes that are not UTF-8 come from an older Romanian export.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(date);
    if (utf8.hasError()) {
        QStringDecoder cp1250("windows-1250");
        if (!cp1250.isValid())
            throw EEroare(QStringLiteral("Codificarea Windows-1250 nu este disponibila"));
        text = cp1250(date);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QChar TCititorCsv::Separator(QStringView text)
{
    qsizetype virgule = 0;
    qsizetype punctVirgule = 0;
    bool inGhilimele = false;
    for (QChar c : text) {
        if (c == u'"')
            inGhilimele = !inGhilimele;
        else if (inGhilimele)
            continue;
        else if (c == u',')
            ++virgule;
        else if (c == u';')
            ++punctVirgule;
        else if (c == u'\n' || c == u'\r')
            break;
    }
    return punctVirgule > virgule ? QChar(u';') : QChar(u',');
}

TFoaieDeCalcul TCititorCsv::CitesteFoaie(int)
{
    TFoaieDeCalcul foaie(m_numeFoi.first());
    const QChar sep = Separator(m_text);
    int rand = 1;
    int coloana = 1;
    QString camp;
    bool areCamp = false; // anything seen since the last record's end
    const auto puneCamp = [&] {
        // Empty fields, as empty cells, do not widen the used range.
        if (!camp.isEmpty())
            foaie.Pune(rand, coloana, TCelula::DinText(camp));
        camp.clear();
        if (coloana < LimitaAdresa)
            ++coloana;
    };
    const qsizetype n = m_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = m_text.at(i);
        if (c == u'"' && camp.isEmpty()) {
            // A quoted field runs to the quote not doubled; "" inside is one quote.
            for (++i; i < n; ++i) {
                if (m_text.at(i) == u'"') {
                    if (i + 1 < n && m_text.at(i + 1) == u'"')
                        ++i;
                    else
                        break;
                }
                camp += m_text.at(i);
            }
            areCamp = true;
            // Characters after the closing quote belong to the same field.
        } else if (c == sep) {
            puneCamp();
            areCamp = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && m_text.at(i + 1) == u'\n')
                ++i;
            if (areCamp || !camp.isEmpty())
                puneCamp();
            // A blank line is a record with one empty field, as a spreadsheet opens it.
            if (rand < LimitaAdresa)
                ++rand;
            coloana = 1;
            areCamp = false;
        } else {
            camp += c;
            areCamp = true;
        }
    }
    if (areCamp || !camp.isEmpty())
        puneCamp();
    return foaie;
}
