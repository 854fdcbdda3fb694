#include "UCititorOds.h"

#include "UCititorXml.h"
#include "UEroare.h"

#include <QList>

const QString TCititorOds::TipMime = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");

namespace {

const QString ParteContinut = QStringLiteral("content.xml");
const QString NsTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString NsOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString NsText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString NsCalcExt = QStringLiteral("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

bool Este(const TCititorXml &x, const QString &ns, QStringView nume)
{
    return x.namespaceUri() == ns && x.name() == nume;
}

// A repeat or span count, at least 1 and never past the largest address.
qint64 Numar(const QXmlStreamAttributes &a, const QString &ns, QLatin1String nume)
{
    const qint64 n = a.value(ns, nume).toLongLong();
    return std::clamp<qint64>(n, 1, LimitaAdresa);
}

// "PT13H30M05.5S"; hours may pass 24 in a duration.
QDateTime Durata(QStringView text)
{
    static const QDate ZiuaZero(1899, 12, 30);
    const qsizetype t = text.indexOf(u'T');
    if (!text.startsWith(u"P") || t < 0)
        return {};
    double secunde = 0;
    QString numar;
    for (QChar c : text.mid(t + 1)) {
        if (c.isDigit() || c == u'.') {
            numar += c;
            continue;
        }
        bool ok = false;
        const double v = numar.toDouble(&ok);
        if (!ok)
            return {};
        if (c == u'H')
            secunde += v * 3600;
        else if (c == u'M')
            secunde += v * 60;
        else if (c == u'S')
            secunde += v;
        else
            return {};
        numar.clear();
    }
    if (secunde > 86400.0 * 3000000)
        return {};
    const qint64 ms = qint64(secunde * 1000 + 0.5);
    return QDateTime(ZiuaZero.addDays(ms / 86400000), QTime::fromMSecsSinceStartOfDay(int(ms % 86400000)));
}

// The text of a cell: its paragraphs joined by line breaks, without annotations.
QString TextParagrafe(TCititorXml &x)
{
    QString text;
    int paragrafe = 0;
    int adancime = 1;
    while (adancime > 0) {
        switch (x.Urmatorul()) {
        case QXmlStreamReader::StartElement:
            if (Este(x, NsOffice, u"annotation")) {
                x.SaltaElement();
                continue;
            }
            if (adancime == 1 && Este(x, NsText, u"p") && paragrafe++ > 0)
                text += QLatin1Char('\n');
            else if (Este(x, NsText, u"s"))
                text += QString(qsizetype(std::min<qint64>(Numar(x.attributes(), NsText, QLatin1String("c")), 1000)), u' ');
            else if (Este(x, NsText, u"tab"))
                text += QLatin1Char('\t');
            else if (Este(x, NsText, u"line-break"))
                text += QLatin1Char('\n');
            ++adancime;
            break;
        case QXmlStreamReader::EndElement:
            --adancime;
            break;
        case QXmlStreamReader::Characters:
            text += x.text();
            break;
        default:
            break;
        }
    }
    return text;
}

TCelula ValoareCelula(TCititorXml &x)
{
    const QXmlStreamAttributes a = x.attributes();
    const QStringView tip = a.value(NsOffice, QLatin1String("value-type"));
    const bool eroare = a.value(NsCalcExt, QLatin1String("value-type")) == u"error";
    const QString text = TextParagrafe(x);
    if (eroare)
        return TCelula::DeEroare();
    if (tip == u"float" || tip == u"percentage" || tip == u"currency") {
        bool ok = false;
        const double v = a.value(NsOffice, QLatin1String("value")).toDouble(&ok);
        return ok ? TCelula::DinNumar(v) : TCelula::DeEroare();
    }
    if (tip == u"date")
        return TCelula::DinData(DataIso(a.value(NsOffice, QLatin1String("date-value"))));
    if (tip == u"time")
        return TCelula::DinData(Durata(a.value(NsOffice, QLatin1String("time-value"))));
    if (tip == u"boolean")
        return TCelula::DinBoolean(a.value(NsOffice, QLatin1String("boolean-value")) == u"true");
    if (a.hasAttribute(NsOffice, QLatin1String("string-value"))) {
        const QString v = a.value(NsOffice, QLatin1String("string-value")).toString();
        return v.isEmpty() ? TCelula() : TCelula::DinText(v);
    }
    return text.isEmpty() ? TCelula() : TCelula::DinText(text);
}

// Cells of one row that hold something: `Repetari` equal cells from column `Coloana`.
struct TSegment
{
    qint64 Coloana;
    qint64 Repetari;
    TCelula Valoare;
};

struct TUnire
{
    qint64 Coloana, Coloane, Randuri;
};

int Limitat(qint64 n)
{
    return int(std::min<qint64>(n, LimitaAdresa));
}

} // namespace

TCititorOds::TCititorOds(const QString &cale) : m_arhiva(cale)
{
    if (m_arhiva.Contine(QStringLiteral("mimetype"))
        && m_arhiva.Citeste(QStringLiteral("mimetype")).trimmed() != TipMime.toLatin1())
        throw EEroare(QStringLiteral("Fisierul este un document OpenDocument, dar nu o foaie de calcul"));
    TCititorXml x(m_arhiva.Citeste(ParteContinut), ParteContinut);
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (x.isStartElement() && Este(x, NsTable, u"table")) {
            m_numeFoi.append(x.attributes().value(NsTable, QLatin1String("name")).toString());
            x.SaltaElement();
        }
    }
}

TFoaieDeCalcul TCititorOds::CitesteFoaie(int index)
{
    TFoaieDeCalcul foaie(m_numeFoi.at(index));
    TCititorXml x(m_arhiva.Citeste(ParteContinut), ParteContinut);
    int gasite = 0;
    while (x.Urmatorul() != QXmlStreamReader::EndDocument) {
        if (!x.isStartElement() || !Este(x, NsTable, u"table"))
            continue;
        if (gasite++ == index) {
            CitesteTabel(x, foaie);
            break;
        }
        x.SaltaElement();
    }
    return foaie;
}

void TCititorOds::CitesteTabel(TCititorXml &x, TFoaieDeCalcul &foaie)
{
    qint64 rand = 0; // rows already passed
    int adancime = 1;
    while (adancime > 0) {
        const auto t = x.Urmatorul();
        if (t == QXmlStreamReader::EndElement) {
            --adancime;
            continue;
        }
        if (t != QXmlStreamReader::StartElement)
            continue;
        if (!Este(x, NsTable, u"table-row")) {
            // Row groups and header rows hold rows; column definitions and the rest do not matter.
            if (Este(x, NsTable, u"table-header-rows") || Este(x, NsTable, u"table-row-group")
                || Este(x, NsTable, u"table-rows"))
                ++adancime;
            else
                x.SaltaElement();
            continue;
        }
        const qint64 repetariRand = Numar(x.attributes(), NsTable, QLatin1String("number-rows-repeated"));
        QList<TSegment> segmente;
        QList<TUnire> uniri;
        qint64 coloana = 0;
        int adancimeRand = 1;
        while (adancimeRand > 0) {
            const auto tc = x.Urmatorul();
            if (tc == QXmlStreamReader::EndElement) {
                --adancimeRand;
                continue;
            }
            if (tc != QXmlStreamReader::StartElement)
                continue;
            const bool acoperita = Este(x, NsTable, u"covered-table-cell");
            if (!acoperita && !Este(x, NsTable, u"table-cell")) {
                x.SaltaElement();
                continue;
            }
            const QXmlStreamAttributes a = x.attributes();
            const qint64 repetari = Numar(a, NsTable, QLatin1String("number-columns-repeated"));
            if (acoperita) {
                x.SaltaElement();
            } else {
                const TCelula v = ValoareCelula(x);
                if (v.Tip != TCelula::tcGol)
                    segmente.append({coloana + 1, repetari, v});
                const qint64 coloane = Numar(a, NsTable, QLatin1String("number-columns-spanned"));
                const qint64 randuri = Numar(a, NsTable, QLatin1String("number-rows-spanned"));
                if (coloane > 1 || randuri > 1)
                    uniri.append({coloana + 1, coloane, randuri});
            }
            coloana = std::min<qint64>(coloana + repetari, LimitaAdresa);
        }
        // Kept rows get their cells one by one; rows past the limit only widen the used range.
        const qint64 primul = rand + 1;
        const qint64 ultimul = std::min<qint64>(rand + repetariRand, LimitaAdresa);
        for (const TSegment &s : segmente) {
            const qint64 ultimaColoana = std::min<qint64>(s.Coloana + s.Repetari - 1, LimitaAdresa);
            for (qint64 r = primul; r <= std::min<qint64>(ultimul, TFoaieDeCalcul::LimitaRanduri); ++r)
                for (qint64 c = s.Coloana; c <= std::min<qint64>(ultimaColoana, TFoaieDeCalcul::LimitaColoane); ++c)
                    foaie.Pune(int(r), int(c), s.Valoare);
            foaie.ExtindeZona(Limitat(primul), Limitat(s.Coloana));
            foaie.ExtindeZona(Limitat(ultimul), Limitat(ultimaColoana));
        }
        for (const TUnire &u : uniri)
            foaie.ExtindeZona({{Limitat(primul), Limitat(u.Coloana)},
                               {Limitat(ultimul + u.Randuri - 1), Limitat(u.Coloana + u.Coloane - 1)}});
        rand = ultimul;
    }
}
