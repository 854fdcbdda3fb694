#include "UEditorCampNota.h"
#include "UKelNumEdit.h"
#include "UPrompter.h"

TEditorCampNota::TEditorCampNota(QWidget *Owner) : TEditorGeneric(Owner)
{
    KelNumEdit1 = new TKelNumEdit(this);
    KelNumEdit1->setObjectName(QStringLiteral("KelNumEdit1"));
    KelNumEdit1->setCursor(Qt::IBeamCursor);
    KelNumEdit1->SetKeepSelection(false);
    KelNumEdit1->SetRightAlignNonEdit(false);
    KelNumEdit1->SetAutoSelectOnEnter(true);
    KelNumEdit1->setFocusPolicy(Qt::StrongFocus);
    KelNumEdit1->SetNoDots(true);
    KelNumEdit1->SetNrCifreDupaVirgula(2);
    PuneControl(KelNumEdit1);
}

void TEditorCampNota::IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                                  const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    TEditorGeneric::IncarcaCamp(CodFormular, CodPagina, CodCamp, AsociatCu, IdElev, IdInregistrare);
    const QString v = CitesteTextul(AsociatCu, IdElev, IdInregistrare);
    if (!v.isNull())
        KelNumEdit1->SetAsCurrency(TextInNota(v));
    // Missing, unreadable and zero grades all show as an empty edit.
    if (KelNumEdit1->CuDouaZecimale() == 0)
        KelNumEdit1->SetText(QString());
}

bool TEditorCampNota::PotSalva()
{
    if (KelNumEdit1->Text().trimmed().isEmpty())
        return true;
    const qint64 v = KelNumEdit1->AsCurrency();
    if (v < 50000) {
        UI::Avertizare(QStringLiteral("Nota este prea mica"));
        return false;
    }
    if (v > 100000) {
        UI::Avertizare(QStringLiteral("Nota este prea mare"));
        return false;
    }
    return true;
}

void TEditorCampNota::SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    SalveazaTextul(IdElev, IdInregistrare, AsociatCu, KelNumEdit1->Text(), LungimeMaxima);
}

void TEditorCampNota::Goleste() { KelNumEdit1->SetText(QString()); }

namespace {
bool EsteCifra(QChar C) { return C >= QLatin1Char('0') && C <= QLatin1Char('9'); }
bool EsteSeparator(QChar C) { return C == QLatin1Char(',') || C == QLatin1Char('.'); }
// The decimal digits as hundredths: padded on the right to two, cut to two.
qint64 Sutimi(const QString &Zecimale) { return Zecimale.leftJustified(2, QLatin1Char('0'), true).toLongLong(); }
} // namespace

qint64 TEditorCampNota::TextInNota(const QString &Text)
{
    QString intregi, zecimale;
    int stare = 0;
    for (const QChar c : Text) {
        if (EsteCifra(c)) {
            if (stare == 0)
                intregi += c;
            else if (stare == 1)
                zecimale += c;
        } else if (EsteSeparator(c)) {
            ++stare;
        } else {
            break;
        }
    }
    bool ok = false;
    const qint64 i = intregi.toLongLong(&ok);
    return (ok ? i : 0) * 10000 + Sutimi(zecimale) * 100;
}

bool TEditorCampNota::EsteNotaValida(const QString &Text)
{
    QString intregi, zecimale;
    int separatori = 0;
    for (const QChar c : Text) {
        if (EsteSeparator(c))
            ++separatori;
        else if (EsteCifra(c) && separatori == 0)
            intregi += c;
        else if (EsteCifra(c) && separatori == 1)
            zecimale += c;
        else if (!EsteCifra(c) && c.unicode() > ' ')
            return false;   // "clasa a 9-a" is a text, not the grade 9
    }
    if (separatori > 1 || intregi.size() > 2 || zecimale.size() > 2)
        return false;
    const qint64 n = (intregi + zecimale.leftJustified(2, QLatin1Char('0'))).toLongLong();
    return n >= 500 && n <= 1000;
}
