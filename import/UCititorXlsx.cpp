#include "UCititorXlsx.h"

#include "UCititorXml.h"
#include "UEroare.h"

#include <QHash>
#include <QSet>

namespace {

const QString ParteRegistru = QStringLiteral("xl/workbook.xml");

// Relationship targets are relative to the folder of the part that names them.
QString CaleParte(const QString &tinta)
{
    if (tinta.startsWith(QLatin1Char('/')))
        return tinta.mid(1);
    QString cale = QStringLiteral("xl/") + tinta;
    cale.replace(QStringLiteral("/./"), QStringLiteral("/"));
    return cale;
}

bool Adevarat(QStringView v)
{
    return v == u"1" || v == u"true";
}

// Built-in number formats that show a date or a time.
bool FormatIncorporatDeData(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47)
           || (id >= 50 && id <= 58);
}

// A format code shows a date when, outside quoted text, escapes and [colour] sections, it uses
// a day, month, year, hour or second code.
bool CodDeData(const QString &cod)
{
    bool inGhilimele = false;
    for (qsizetype i = 0; i < cod.size(); ++i) {
        const QChar c = cod.at(i);
        if (inGhilimele) {
            inGhilimele = c != QLatin1Char('"');
            continue;
        }
        if (c == QLatin1Char('"')) {
            inGhilimele = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            const qsizetype sf = cod.indexOf(QLatin1Char(']'), i);
            const QString interior = cod.mid(i + 1, sf < 0 ? -1 : sf - i - 1).toLower();
            // [h], [mm], [ss] are elapsed times; other sections are colours or conditions.
            if (!interior.isEmpty() && QStringLiteral("hms").contains(interior.at(0))
                && interior.count(interior.at(0)) == interior.size())
                return true;
            if (sf < 0)
                return false;
            i = sf;
        } else if (QStringLiteral("dmyhsDMYHS").contains(c)) {
            return true;
        } else if (c == QLatin1Char(';')) {
            return false; // only the first section decides
        }
    }
    return false;
}

} // namespace

TCititorXlsx::TCititorXlsx(const QString &cale) : m_arhiva(cale)
{
    CitesteRegistrul();
}

void TCititorXlsx::CitesteRegistrul()
{
    // Relationship ids to parts.
    QHash<QString, QString> tinte;
    QString parteTexte = QStringLiteral("xl/sharedStrings.xml");
    QString parteStiluri = QStringLiteral("xl/styles.xml");
    const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
    if (m_arhiva.Contine(rels)) {
        TCititorXml x(m_arhiva.Citeste(rels), rels);
        while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
            if (!x.isStartElement() || x.name() != u"Relationship")
                continue;
            const auto a = x.attributes();
            const QString tinta = CaleParte(a.value(QLatin1String("Target")).toString());
            const QStringView tip = a.value(QLatin1String("Type"));
            tinte.insert(a.value(QLatin1String("Id")).toString(), tinta);
            if (tip.endsWith(u"/sharedStrings"))
                parteTexte = tinta;
            else if (tip.endsWith(u"/styles"))
                parteStiluri = tinta;
        }
    }

    TCititorXml x(m_arhiva.Citeste(ParteRegistru), ParteRegistru);
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (!x.isStartElement())
            continue;
        const auto a = x.attributes();
        if (x.name() == u"workbookPr") {
            m_sistem1904 = Adevarat(a.value(QLatin1String("date1904")));
        } else if (x.name() == u"sheet") {
            QString id;
            for (const QXmlStreamAttribute &at : a)
                if (at.name() == u"id") // r:id, whatever the prefix
                    id = at.value().toString();
            QString parte = tinte.value(id);
            if (parte.isEmpty()) // without relationships, Excel's own naming
                parte = QStringLiteral("xl/worksheets/sheet%1.xml").arg(m_numeFoi.size() + 1);
            m_numeFoi.append(a.value(QLatin1String("name")).toString());
            m_partiFoi.append(parte);
        }
    }
    if (m_arhiva.Contine(parteTexte))
        CitesteTexteComune(parteTexte);
    if (m_arhiva.Contine(parteStiluri))
        CitesteStiluri(parteStiluri);
}

void TCititorXlsx::CitesteTexteComune(const QString &parte)
{
    TCititorXml x(m_arhiva.Citeste(parte), parte);
    QString curent;
    bool inSi = false;
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (x.isStartElement()) {
            if (x.name() == u"si") {
                inSi = true;
                curent.clear();
            } else if (x.name() == u"t" && inSi) {
                curent += x.TextElement();
            } else if (x.name() == u"rPh") {
                x.SaltaElement(); // phonetic guide, not part of the text
            }
        } else if (x.isEndElement() && x.name() == u"si") {
            m_texteComune.append(curent);
            inSi = false;
        }
    }
}

void TCititorXlsx::CitesteStiluri(const QString &parte)
{
    TCititorXml x(m_arhiva.Citeste(parte), parte);
    QSet<int> formateData;
    bool inCellXfs = false;
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (x.isStartElement()) {
            const auto a = x.attributes();
            if (x.name() == u"numFmt") {
                if (CodDeData(a.value(QLatin1String("formatCode")).toString()))
                    formateData.insert(a.value(QLatin1String("numFmtId")).toInt());
            } else if (x.name() == u"cellXfs") {
                inCellXfs = true;
            } else if (x.name() == u"xf" && inCellXfs) {
                const int id = a.value(QLatin1String("numFmtId")).toInt();
                m_stilEsteData.append(formateData.contains(id) || FormatIncorporatDeData(id));
            }
        } else if (x.isEndElement() && x.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
}

TCelula TCititorXlsx::Valoare(const QString &tip, const QString &text, int stil, const QString &adresa) const
{
    if (tip == u"inlineStr" || tip == u"str")
        return text.isEmpty() ? TCelula() : TCelula::DinText(text);
    if (text.isEmpty())
        return {};
    if (tip == u"e")
        return TCelula::DeEroare();
    if (tip == u"b")
        return TCelula::DinBoolean(Adevarat(text.trimmed()));
    if (tip == u"s") {
        bool ok = false;
        const int i = text.trimmed().toInt(&ok);
        if (!ok || i < 0 || i >= m_texteComune.size())
            throw EEroare(QStringLiteral("Celula %1 trimite la textul comun %2, care nu exista in fisier")
                              .arg(adresa, text.trimmed()));
        const QString &t = m_texteComune.at(i);
        return t.isEmpty() ? TCelula() : TCelula::DinText(t);
    }
    if (tip == u"d")
        return TCelula::DinData(DataIso(text));
    bool ok = false;
    const double numar = text.trimmed().toDouble(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("Celula %1 are valoarea numerica \"%2\", care nu este valida")
                          .arg(adresa, text.left(40)));
    if (stil >= 0 && stil < m_stilEsteData.size() && m_stilEsteData.at(stil))
        return TCelula::DinData(DataDinSerial(numar, m_sistem1904));
    return TCelula::DinNumar(numar);
}

TFoaieDeCalcul TCititorXlsx::CitesteFoaie(int index)
{
    TFoaieDeCalcul foaie(m_numeFoi.at(index));
    const QString &parte = m_partiFoi.at(index);
    TCititorXml x(m_arhiva.Citeste(parte), parte);
    int rand = 0;
    int coloana = 0;
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (!x.isStartElement())
            continue;
        const auto a = x.attributes();
        if (x.name() == u"row") {
            // Without r, a row follows the previous one.
            const QStringView r = a.value(QLatin1String("r"));
            rand = r.isEmpty() ? rand + 1 : r.toInt();
            if (rand < 1 || rand > LimitaAdresa)
                x.Refuza(QStringLiteral("are un numar de linie invalid"));
            coloana = 0;
        } else if (x.name() == u"c") {
            const QStringView r = a.value(QLatin1String("r"));
            if (r.isEmpty()) {
                ++coloana;
            } else {
                const TAdresaCelula ad = CitesteAdresaCelula(r);
                rand = ad.Rand;
                coloana = ad.Coloana;
            }
            if (rand < 1 || coloana < 1 || coloana > LimitaAdresa)
                x.Refuza(QStringLiteral("are o celula fara adresa valida"));
            const QString tip = a.value(QLatin1String("t")).toString();
            const int stil = a.hasAttribute(QLatin1String("s")) ? a.value(QLatin1String("s")).toInt() : 0;
            QString text;
            // Children: <v> value (the cached result of a formula), <f> formula, <is> inline string.
            int adancime = 1;
            while (adancime > 0) {
                const auto t = x.Urmatorul();
                if (t == QXmlStreamReader::StartElement) {
                    if (x.name() == u"v" || (x.name() == u"is" && tip == u"inlineStr")) {
                        text = x.TextElement();
                    } else {
                        x.SaltaElement(); // the formula itself, extensions
                    }
                } else if (t == QXmlStreamReader::EndElement) {
                    --adancime;
                }
            }
            const QString adresa = LitereColoana(coloana) + QString::number(rand);
            foaie.Pune(rand, coloana, Valoare(tip, text, stil, adresa));
        } else if (x.name() == u"mergeCell") {
            // A merged area is used as a whole; its value sits in the top-left cell.
            foaie.ExtindeZona(CitesteBlocCelule(a.value(QLatin1String("ref"))));
        }
    }
    return foaie;
}
