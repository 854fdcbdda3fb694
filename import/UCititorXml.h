#pragma once
#include <QXmlStreamReader>

// A stream reader over one XML part of a workbook that refuses any DOCTYPE (so no entity of any
// kind is ever declared or expanded) and turns every XML error into a Romanian EEroare.
class TCititorXml : public QXmlStreamReader
{
public:
    TCititorXml(const QByteArray &date, QString numeParte);

    // The next token; EEroare on a DOCTYPE or malformed XML.
    TokenType Urmatorul();
    // The text of the current element and of all inside it (for <t>, <v>, <f>).
    QString TextElement();
    // Skips the rest of the current element.
    void SaltaElement();

    [[noreturn]] void Refuza(const QString &motiv) const;

private:
    QString m_numeParte;
};
