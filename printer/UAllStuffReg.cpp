#include "UAllStuffReg.h"
#include "UEroare.h"
#include "UKelQuickRegStuff.h"
#include "UPrompter.h"

#include <QLocale>
#include <QSettings>
#include <cmath>

const QString TAllStuffReg::Cheie = QStringLiteral("SOFTWARE\\Tavrin SOFT\\Velunda\\2009\\Certavo");

namespace {
TAllStuffReg *g_curent = nullptr;
constexpr int NumarElemente = 12;

const QString NumeAll = QStringLiteral("all");
const QString NumeFata = QStringLiteral("OglindescFata");
const QString NumeVerso = QStringLiteral("OglindescVerso");

QString Bool(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

bool EsteSeparatorAlb(QChar c) { return c.unicode() >= 1 && c.unicode() <= ' '; }

void VerificaCheie(const QSettings &s)
{
    if (s.status() != QSettings::NoError)
        throw EEroare(QStringLiteral("Nu pot accesa cheia de registru %1").arg(TAllStuffReg::Cheie));
}
} // namespace

TAllStuffReg::TAllStuffReg()
{
    Load();
    // Only an instance that loaded becomes current: a failed one never existed.
    if (!g_curent)
        g_curent = this;
}

TAllStuffReg::~TAllStuffReg()
{
    if (g_curent == this)
        g_curent = nullptr;
    try {
        Save();
    } catch (const EEroare &e) {
        UI::Eroare(e.Mesaj());
    }
}

TAllStuffReg *TAllStuffReg::Curent() { return g_curent; }

QString TAllStuffReg::MirrorSetting(int pagina) const
{
    switch (pagina) {
    case 0: return OglindescFata;
    case 1: return OglindescVerso;
    default: return QStringLiteral("*");
    }
}

void TAllStuffReg::SetMirrorSetting(int pagina, const QString &valoare)
{
    if (pagina == 0)
        OglindescFata = valoare;
    else if (pagina == 1)
        OglindescVerso = valoare;
}

bool TAllStuffReg::Rotit(const QString &setare, int pagina, int modAlimentare)
{
    if (setare != QLatin1String("*"))
        return setare == QLatin1String("D");
    const bool rasturnata = modAlimentare == 1 || modAlimentare == 3;
    return (pagina == 1) != rasturnata;
}

TCalibrarePagina TAllStuffReg::Calibrare(int pagina) const
{
    const bool verso = pagina == 1;
    return {verso ? MargineStangaVerso : MargineStangaFata, verso ? MargineSusVerso : MargineSusFata,
            Rotit(MirrorSetting(pagina), pagina, ModAlimentare)};
}

QString TAllStuffReg::TextAll() const
{
    return TextDinLista({QStringLiteral("0"), Bool(Configurat), Bool(FataPeParteaOpusa), Bool(LinieVerticalaDreapta),
                         Bool(LinieOrizontalaJos), QString::number(ModAlimentare), RealInText(MargineStangaFata),
                         RealInText(MargineSusFata), RealInText(MargineStangaVerso), RealInText(MargineSusVerso),
                         NumeImprimanta, QString::number(IndexImprimanta)});
}

void TAllStuffReg::CitesteTextAll(const QString &text)
{
    const QStringList l = ListaDinText(text);
    if (l.size() < NumarElemente)
        throw EEroare(QStringLiteral("Indice de lista in afara limitelor (%1)").arg(l.size()));
    // Everything converts before anything changes.
    const int mod = TextInIntreg(l[5]);
    const double m6 = TextInReal(l[6]), m7 = TextInReal(l[7]), m8 = TextInReal(l[8]), m9 = TextInReal(l[9]);
    const int index = TextInIntreg(l[11]);
    Configurat = l[1] == QLatin1String("1");
    FataPeParteaOpusa = l[2] == QLatin1String("1");
    LinieVerticalaDreapta = l[3] == QLatin1String("1");
    LinieOrizontalaJos = l[4] == QLatin1String("1");
    ModAlimentare = mod;
    MargineStangaFata = m6;
    MargineSusFata = m7;
    MargineStangaVerso = m8;
    MargineSusVerso = m9;
    NumeImprimanta = l[10];
    IndexImprimanta = index;
}

void TAllStuffReg::Load()
{
    const std::unique_ptr<QSettings> s = DeschideCheie(Cheie);
    VerificaCheie(*s);
    if (s->contains(NumeAll)) {
        const QVariant v = s->value(NumeAll);
        // A hand-edited INI file may hold the list unquoted, which reads back split.
        CitesteTextAll(v.metaType().id() == QMetaType::QStringList ? v.toStringList().join(QLatin1Char(','))
                                                                   : v.toString());
    }
    OglindescFata = s->value(NumeFata, QStringLiteral("*")).toString();
    OglindescVerso = s->value(NumeVerso, QStringLiteral("*")).toString();
}

void TAllStuffReg::Save() const
{
    const std::unique_ptr<QSettings> s = DeschideCheie(Cheie);
    s->setValue(NumeAll, TextAll());
    s->setValue(NumeFata, OglindescFata);
    s->setValue(NumeVerso, OglindescVerso);
    s->sync();
    VerificaCheie(*s);
}

// ---------------------------------------------------------------- comma lists

QString TextDinLista(const QStringList &lista)
{
    if (lista.size() == 1 && lista.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList parti;
    for (const QString &e : lista) {
        bool citat = false;
        for (QChar c : e)
            if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"'))
                citat = true;
        if (citat) {
            QString q = e;
            q.replace(QLatin1String("\""), QLatin1String("\"\""));
            parti << QLatin1Char('"') + q + QLatin1Char('"');
        } else {
            parti << e;
        }
    }
    return parti.join(QLatin1Char(','));
}

QStringList ListaDinText(const QString &text)
{
    QStringList r;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto sariAlbe = [&] {
        while (i < n && EsteSeparatorAlb(text[i]))
            ++i;
    };
    sariAlbe();
    while (i < n) {
        QString e;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        e += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                e += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i].unicode() > ' ' && text[i] != QLatin1Char(','))
                ++i;
            e = text.mid(start, i - start);
        }
        r << e;
        sariAlbe();
        if (i < n && text[i] == QLatin1Char(',')) {
            if (i + 1 == n)
                r << QString();     // a trailing comma ends with an empty item
            do
                ++i;
            while (i < n && EsteSeparatorAlb(text[i]));
        }
    }
    return r;
}

// ---------------------------------------------------------------- numbers

QString RealInText(double v)
{
    QString t = QString::number(v, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

double TextInReal(const QString &text)
{
    QString t = text.trimmed();
    bool ok = !t.isEmpty() && !t.contains(QLatin1Char('.'));
    double v = 0;
    if (ok) {
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        v = QLocale::c().toDouble(t, &ok);
    }
    if (!ok || !std::isfinite(v))
        throw EEroare(QStringLiteral("'%1' nu este o valoare reala valida").arg(text));
    return v;
}

int TextInIntreg(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        throw EEroare(QStringLiteral("'%1' nu este o valoare intreaga valida").arg(text));
    return v;
}
