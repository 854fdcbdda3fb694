#include "UCititorXml.h"

#include "UEroare.h"

TCititorXml::TCititorXml(const QByteArray &date, QString numeParte)
    : QXmlStreamReader(date), m_numeParte(std::move(numeParte))
{
    // Defence in depth: even if an entity slipped through, it could not grow without bound.
    setEntityExpansionLimit(0);
}

QXmlStreamReader::TokenType TCititorXml::Urmatorul()
{
    const TokenType t = readNext();
    if (t == DTD)
        Refuza(QStringLiteral("contine o declaratie DOCTYPE, care nu este permisa"));
    if (hasError())
        Refuza(QStringLiteral("nu este un XML valid (linia %1: %2)").arg(lineNumber()).arg(errorString()));
    return t;
}

QString TCititorXml::TextElement()
{
    QString text;
    int adancime = 1;
    while (adancime > 0) {
        switch (Urmatorul()) {
        case StartElement:
            ++adancime;
            break;
        case EndElement:
            --adancime;
            break;
        case Characters:
            text += this->text();
            break;
        case EndDocument:
            Refuza(QStringLiteral("se termina inainte de vreme"));
        default:
            break;
        }
    }
    return text;
}

void TCititorXml::SaltaElement()
{
    int adancime = 1;
    while (adancime > 0) {
        const TokenType t = Urmatorul();
        if (t == StartElement)
            ++adancime;
        else if (t == EndElement)
            --adancime;
        else if (t == EndDocument)
            Refuza(QStringLiteral("se termina inainte de vreme"));
    }
}

void TCititorXml::Refuza(const QString &motiv) const
{
    throw EEroare(QStringLiteral("Partea \"%1\" a fisierului %2").arg(m_numeParte, motiv));
}
