#include "UVerificareBiff.h"

#include "UEroare.h"
#include "UFluxEtichetat.h"
#include "UFoaieDeCalcul.h"

#include <QtEndian>

#include <algorithm>
#include <utility>

namespace {

constexpr quint16 rBof = 0x0809;
constexpr quint16 rEof = 0x000A;
constexpr quint16 rContinue = 0x003C;
constexpr quint16 rSst = 0x00FC;
constexpr quint16 rCodepage = 0x0042;
constexpr quint16 rDatemode = 0x0022;
constexpr quint16 rFilepass = 0x002F;
constexpr quint16 rSheet = 0x0085;
constexpr quint16 rDimension = 0x0200;
constexpr quint16 rFormat = 0x041E;
constexpr quint16 rXf = 0x00E0;
constexpr quint16 rNumber = 0x0203;
constexpr quint16 rBoolerr = 0x0205;
constexpr quint16 rRk = 0x027E;
constexpr quint16 rMulrk = 0x00BD;
constexpr quint16 rLabel = 0x0204;
constexpr quint16 rLabelSst = 0x00FD;
constexpr quint16 rFormula = 0x0006;
constexpr quint16 rString = 0x0207;

// FreeXL's own bounds: its record buffer, its cell format table, its shared string count.
constexpr qint64 MarimeMaximaRecord = 8224;
constexpr int MaximFormateCelula = 8192;
constexpr quint32 MaximSiruri = 1024 * 1024;

struct TOprire
{
}; // FreeXL stops reading here by itself, with an error of its own: nothing after it is read

[[noreturn]] void Deteriorat()
{
    throw EEroare(QStringLiteral(
        "Fisierul XLS este deteriorat (o inregistrare din registru nu se potriveste cu marimea ei) "
        "si a fost refuzat"));
}

} // namespace

QString MesajNuEsteRegistruXls()
{
    return QStringLiteral("Fisierul nu contine un registru Excel 97-2003 (.xls) pe care sa-l pot citi");
}

TVerificareBiff::TVerificareBiff(const QByteArray &flux)
{
    const auto *p = reinterpret_cast<const uchar *>(flux.constData());
    const qint64 marime = flux.size();
    qint64 pozitie = 0;
    try {
        while (pozitie + 4 <= marime) {
            const quint16 tip = quint16(p[pozitie] | (p[pozitie + 1] << 8));
            const qint64 n = p[pozitie + 2] | (p[pozitie + 3] << 8);
            if (tip == 0 && n == 0)
                throw TOprire{}; // FreeXL's other end mark, and the padding of our copies
            // A longer record would end FreeXL's reading there, silently, losing what follows.
            if (n > MarimeMaximaRecord || pozitie + 4 + n > marime)
                Deteriorat();
            m_r = p + pozitie + 4;
            m_n = n;
            m_pozitie = pozitie;
            Record(tip);
            pozitie += 4 + n;
        }
        // A few bytes left would be read with the zeros after them as one more record.
        for (; pozitie < marime; ++pozitie)
            if (p[pozitie] != 0)
                Deteriorat();
    } catch (const TOprire &) {
    }
    VerificaFoi();
}

void TVerificareBiff::Record(quint16 tip)
{
    if (tip == rContinue) {
        if (m_tipAnterior == rSst)
            Sst();
        return;
    }
    m_tipAnterior = tip;
    if (m_stareBof != 1) {
        // A stream must open with a BOF; between substreams FreeXL reads only a BOF, and on
        // anything else it gives up there.
        if (tip != rBof) {
            if (m_stareBof == -1)
                throw EEroare(MesajNuEsteRegistruXls());
            throw TOprire{};
        }
        Bof();
        return;
    }
    switch (tip) {
    case rEof:
        m_stareBof = 0;
        return;
    case rSst:
        Sst();
        return;
    case rCodepage:
        Cere(2);
        return;
    case rDatemode:
        m_sistem1904 = U16(0) == 1;
        return;
    case rFilepass:
        // FreeXL would go on reading the encrypted records as if they were plain.
        throw EEroare(QStringLiteral("Fisierul XLS este protejat cu parola; salvati-l fara parola si reincercati"));
    case rSheet:
        Foaie();
        return;
    case rDimension:
        Dimensiune();
        return;
    case rFormat:
        Format();
        return;
    case rXf:
        if (++m_formateCelula > MaximFormateCelula)
            Deteriorat();
        m_formatXf.append(U16(2));
        return;
    case rNumber:
        Celula(14);
        return;
    case rBoolerr:
        Celula(7);
        Boolean();
        return;
    case rFormula:
        Formula();
        return;
    case rString:
        TextFormula();
        return;
    case rRk:
    case rLabelSst:
        Celula(10);
        return;
    case rMulrk:
        Celula(6);
        return;
    case rLabel:
        Eticheta();
        return;
    default:
        return; // not read by FreeXL
    }
}

void TVerificareBiff::Bof()
{
    Cere(4);
    if (m_stareBof == -1) {
        // Only BIFF5 and BIFF8 are read.
        const quint32 versiune = U16(0);
        if (versiune != 0x0500 && versiune != 0x0600)
            throw EEroare(MesajNuEsteRegistruXls());
        m_versiune = versiune == 0x0600 ? 8 : 5;
    } else {
        m_activa = -1;
        for (int i = 0; i < m_foi.size() && m_activa < 0; ++i)
            if (m_foi[i].Inceput == m_pozitie)
                m_activa = i;
    }
    m_stareBof = 1;
}

void TVerificareBiff::VerificaFoi()
{
    // FreeXL sizes a sheet without a DIMENSION record from its cells at the end, but gives the
    // table to the sheet read last: any other such sheet would leave that one's cells lost
    // (and their memory with them).
    int faraDimensiune = 0;
    for (int i = 0; i < m_foi.size(); ++i) {
        const TFoaie &f = m_foi[i];
        if (f.AreDimensiune)
            continue;
        if (++faraDimensiune > 1 || i != m_activa)
            throw EEroare(QStringLiteral(
                "Fisierul XLS are o foaie pe care nu o pot citi (de exemplu o foaie cu un grafic) inaintea "
                "altor foi. Deschideti-l in Excel sau LibreOffice, salvati-l ca .xlsx sau .ods si importati "
                "fisierul salvat."));
        m_celule += (f.RandMaxim + 1) * (f.ColoanaMaxima + 1);
    }
    if (m_celule > LimitaCeluleXls)
        throw EEroare(QStringLiteral(
            "Fisierul XLS declara foi prea mari (peste %1 de celule). Copiati datele elevilor intr-un "
            "registru nou si importati-l pe acela.").arg(LimitaCeluleXls));
}

void TVerificareBiff::Foaie()
{
    // BOUNDSHEET: stream offset, visibility, type, name length (1 byte), then the name.
    Cere(m_versiune == 8 ? 8 : 7);
    const qint64 lungime = m_r[6];
    if (lungime == 0)
        Deteriorat();
    if (m_versiune == 8)
        Cere(8 + lungime * (m_r[7] == 0 ? 1 : 2));
    else
        Cere(7 + lungime);
    m_foi.append(TFoaie{U32(0)});
}

void TVerificareBiff::Dimensiune()
{
    qint64 randuri = 0;
    qint64 coloane = 0;
    if (m_versiune == 8) {
        Cere(12);
        randuri = U32(4);
        coloane = U16(10);
    } else {
        Cere(8);
        randuri = U16(2);
        coloane = U16(6);
    }
    // Outside a sheet FreeXL ignores it; a second one in a sheet would get a second table.
    if (m_activa < 0)
        return;
    if (m_foi[m_activa].AreDimensiune)
        Deteriorat();
    m_foi[m_activa].AreDimensiune = true;
    m_celule += randuri * coloane;
}

void TVerificareBiff::Format()
{
    QByteArray litere; // the format's text, its ASCII letters being all that matter
    if (m_versiune == 8) {
        Cere(4);
        const qint64 lungime = U16(2);
        const TText text = Text(4);
        if (lungime == 0)
            Deteriorat();
        Cere(4 + text.Inceput + lungime * text.Latime);
        for (qint64 i = 0; i < lungime; ++i)
            litere.append(char(m_r[4 + text.Inceput + i * text.Latime]));
    } else {
        // FreeXL reads a BIFF5 format's length from its first character, but never past its
        // record buffer: nothing to check there.
        if (m_n < 3 || m_n < 3 + m_r[2])
            return;
        litere = QByteArray(reinterpret_cast<const char *>(m_r + 3), m_r[2]);
    }
    // FreeXL's rule for the formats it reads as a date, a time or both.
    const auto are = [&](const char *c) { return litere.contains(c[0]) || litere.contains(c[1]); };
    const bool y = are("yY"), m = are("mM"), d = are("dD"), h = are("hH"), sec = are("sS");
    const int fel = (y && m && d && h) ? 3 : ((y && m) || (m && d)) ? 1 : ((h && m) || (m && sec)) ? 2 : 0;
    if (fel != 0)
        m_formateData.insert(U16(0), fel);
}

void TVerificareBiff::Celula(qint64 minim)
{
    Cere(minim);
    if (m_activa < 0 || m_foi[m_activa].AreDimensiune)
        return;
    TFoaie &f = m_foi[m_activa];
    f.RandMaxim = std::max<qint64>(f.RandMaxim, U16(0));
    f.ColoanaMaxima = std::max<qint64>(f.ColoanaMaxima, U16(2));
}

QList<TVerificareBiff::TCorectii> TVerificareBiff::Corectii() const
{
    QList<TCorectii> rez;
    for (const TFoaie &f : m_foi)
        rez << f.Corectii;
    return rez;
}

void TVerificareBiff::Formula()
{
    // FORMULA: row, column, format, the cached result (8 bytes), then the formula itself.
    m_foaieText = -1;
    if (m_n < 14 || m_activa < 0)
        return;
    const quint32 rand = U16(0), coloana = U16(2);
    if (U16(12) != 0xFFFF) {
        Corecteaza(m_activa, rand, coloana, Numar(qFromLittleEndian<double>(m_r + 6), U16(4)));
        return;
    }
    switch (m_r[6]) {
    case 0: // a text, in the STRING record that follows
        m_foaieText = m_activa;
        m_randText = rand;
        m_coloanaText = coloana;
        return;
    case 1:
        Corecteaza(m_activa, rand, coloana, TCelula::DinBoolean(m_r[8] != 0));
        return;
    case 2:
        Corecteaza(m_activa, rand, coloana, TCelula::DeEroare());
        return;
    default:
        return; // an empty text
    }
}

void TVerificareBiff::TextFormula()
{
    const int foaie = std::exchange(m_foaieText, -1);
    if (foaie < 0 || m_n < 3)
        return;
    const qint64 caractere = U16(0);
    QString text;
    if (m_versiune == 8) {
        const int latime = (m_r[2] & 0x01) ? 2 : 1;
        // A text longer than the record goes on in a CONTINUE record: what is here is kept.
        const qint64 n = std::min(caractere, (m_n - 3) / latime);
        for (qint64 i = 0; i < n; ++i)
            text.append(latime == 1 ? QChar(m_r[3 + i]) : QChar(char16_t(U16(3 + 2 * i))));
    } else {
        const qint64 n = std::min(caractere, m_n - 2);
        text = Flux::DinCp1250(QByteArray(reinterpret_cast<const char *>(m_r + 2), n));
    }
    if (!text.isEmpty())
        Corecteaza(foaie, m_randText, m_coloanaText, TCelula::DinText(text));
}

void TVerificareBiff::Boolean()
{
    // BOOLERR: the value at 6, and at 7 whether it is an error code rather than a boolean.
    if (m_n < 8 || m_activa < 0)
        return;
    Corecteaza(m_activa, U16(0), U16(2), m_r[7] ? TCelula::DeEroare() : TCelula::DinBoolean(m_r[6] != 0));
}

void TVerificareBiff::Corecteaza(int foaie, quint32 rand, quint32 coloana, const TCelula &celula)
{
    if (rand < quint32(TFoaieDeCalcul::LimitaRanduri) && coloana < quint32(TFoaieDeCalcul::LimitaColoane))
        m_foi[foaie].Corectii.insert(CheieCelula(rand, coloana), celula);
}

TCelula TVerificareBiff::Numar(double valoare, quint32 xf) const
{
    // As FreeXL types a number: by the built-in format or the format text of its cell format.
    const int format = xf < quint32(m_formatXf.size()) ? int(m_formatXf[xf]) : -1;
    int fel = m_formateData.value(format, 0);
    if (format >= 14 && format <= 17)
        fel = 1;
    else if ((format >= 18 && format <= 21) || (format >= 45 && format <= 47))
        fel = 2;
    else if (format == 22)
        fel = 3;
    const QDateTime data = fel ? DataDinSerial(valoare, m_sistem1904) : QDateTime();
    if (!data.isValid())
        return TCelula::DinNumar(valoare);
    if (fel == 1)
        return TCelula::DinData(QDateTime(data.date(), QTime(0, 0)));
    if (fel == 2)
        return TCelula::DinData(QDateTime(QDate(1899, 12, 30), data.time()));
    return TCelula::DinData(data);
}

void TVerificareBiff::Eticheta()
{
    // LABEL: row, column, format, length (2 bytes), then the text.
    Celula(8);
    const qint64 lungime = U16(6);
    if (m_versiune != 8) {
        Cere(8 + lungime);
        return;
    }
    const TText text = Text(8);
    if (lungime == 0)
        Deteriorat();
    Cere(8 + text.Inceput + lungime * text.Latime);
}

void TVerificareBiff::Sst()
{
    // As FreeXL reads the shared strings: a string may begin in one record and end in the next
    // CONTINUE, its formatting bytes may spill into the one after.
    qint64 pozitie = 0;
    if (!m_sstInceput) {
        Cere(8);
        m_siruri = U32(4);
        if (m_siruri > MaximSiruri)
            Deteriorat();
        m_sstInceput = true;
        pozitie = 8;
    } else if (m_lungime > 0) {
        Cere(1);
        const int latime = (m_r[0] & 0x01) ? 2 : 1;
        pozitie = 1 + qint64(m_lungime - m_deplasare) * latime;
        Cere(pozitie);
        pozitie += m_saltCurent;
        m_saltCurent = pozitie >= m_n ? pozitie - m_n : 0;
        m_saltUrmator = 0;
        m_lungime = m_deplasare = 0;
        ++m_indice;
    }
    for (; m_indice < m_siruri; ++m_indice) {
        if (pozitie >= m_n)
            return;
        pozitie += m_saltUrmator;
        Cere(pozitie + 2);
        const quint32 lungime = U16(pozitie);
        const TText text = Text(pozitie + 2);
        pozitie += 2 + text.Inceput;
        m_saltCurent = text.Salt;
        m_saltUrmator = 0;
        const qint64 cerut = qint64(lungime) * text.Latime;
        const qint64 ramas = m_n - pozitie;
        if (cerut > ramas) {
            m_lungime = lungime;
            m_deplasare = quint32(text.Latime == 1 ? ramas : ramas / 2);
            return;
        }
        if (lungime == 0)
            Deteriorat();
        pozitie += cerut + m_saltCurent;
        m_saltUrmator = pozitie >= m_n ? pozitie - m_n : 0;
        m_saltCurent = 0;
    }
}

void TVerificareBiff::Cere(qint64 octeti) const
{
    if (octeti > m_n)
        Deteriorat();
}

quint32 TVerificareBiff::U16(qint64 pozitie) const
{
    Cere(pozitie + 2);
    return quint32(m_r[pozitie]) | (quint32(m_r[pozitie + 1]) << 8);
}

quint32 TVerificareBiff::U32(qint64 pozitie) const
{
    return U16(pozitie) | (U16(pozitie + 2) << 16);
}

TVerificareBiff::TText TVerificareBiff::Text(qint64 pozitie) const
{
    // Flags: 0x01 two bytes per character, 0x08 a run count follows (4 bytes each after the
    // text), 0x04 an extension size follows.
    Cere(pozitie + 1);
    const uchar steaguri = m_r[pozitie];
    TText text{1, (steaguri & 0x01) ? 2 : 1, 0};
    if (steaguri & 0x08) {
        text.Salt += qint64(U16(pozitie + text.Inceput)) * 4;
        text.Inceput += 2;
    }
    if (steaguri & 0x04) {
        text.Salt += U32(pozitie + text.Inceput);
        text.Inceput += 4;
    }
    return text;
}
