#include "UNoteInLitere.h"

#include "QFormularTextArea.h"
#include "UEditorConfigGlobal.h"
#include "URutineComune.h"

#include <QStringList>

namespace {

const QStringList Unitati{QString(), "UNU", "DOI", "TREI", "PATRU", "CINCI", QString::fromUtf8("ŞASE"),
                          QString::fromUtf8("ŞAPTE"), "OPT", QString::fromUtf8("NOUĂ"), "ZECE"};
const QStringList Adolescenti{"UNSPREZECE", QString::fromUtf8("DOUĂSPREZECE"), "TREISPREZECE", "PATRUSPREZECE",
                              "CINCISPREZECE", QString::fromUtf8("ŞASESPREZECE"), QString::fromUtf8("ŞAPTESPREZECE"),
                              "OPTSPREZECE", QString::fromUtf8("NOUĂSPREZECE")};
const QStringList Zeci{QString(), QString(), QString::fromUtf8("DOUĂZECI"), "TREIZECI", "PATRUZECI", "CINCIZECI",
                       QString::fromUtf8("ŞAIZECI"), QString::fromUtf8("ŞAPTEZECI"), "OPTZECI", QString::fromUtf8("NOUĂZECI")};

QString Sutimi(int h)
{
    const int t = h / 10, u = h % 10;
    if (t == 0)
        return QStringLiteral("ZERO") + Unitati[u];
    if (h == 10)
        return QStringLiteral("ZECE");
    if (t == 1)
        return Adolescenti[u - 1];
    if (u == 0)
        return Zeci[t];
    return Zeci[t] + QString::fromUtf8("ŞI") + Unitati[u];
}

} // namespace

NoteInLitere::TMod NoteInLitere::ModDinText(const QString &mod)
{
    const int i = TEditorConfigGlobal::Moduri.indexOf(mod);
    return i < 0 ? Nota : TMod(i);
}

QString GradeWords(int n, int kind)
{
    const int intreg = n / 100, h = n % 100;
    const QString w = (intreg >= 1 && intreg <= 10) ? Unitati[intreg] : QString();
    QString a = w, b = w;
    const bool faraZecimale = intreg == 10 || h == 0;
    if (!faraZecimale) {
        a = w + QStringLiteral(", ") + QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
        b = w + QStringLiteral(", ") + Sutimi(h);
    }
    switch (kind) {
    case 1: return QLatin1Char('(') + b + QLatin1Char(')');
    case 2: return QLatin1Char('(') + a + QLatin1Char(')');
    case 3: return QLatin1Char('(') + a + (faraZecimale ? QStringLiteral(")") : QStringLiteral("%)"));
    default: return {};
    }
}

void PlaceGrade(TFormularTextArea *numberArea, TFormularTextArea *wordsArea, std::optional<int> grade, int role)
{
    using namespace NoteInLitere;
    for (TFormularTextArea *a : {numberArea, wordsArea})
        if (a)
            a->SetText(QStringLiteral(" "));
    if (!numberArea) {
        numberArea = wordsArea;
        wordsArea = nullptr;
    }
    if (!numberArea)
        return;

    // The case rule applies however the placement ends.
    QString litereMari;
    struct TCaz
    {
        TFormularTextArea *numar, *litere;
        const QString &mari;
        ~TCaz()
        {
            for (TFormularTextArea *a : {numar, litere})
                if (a)
                    a->SetText(mari == QLatin1String("1") ? UpperRomanian(a->Text()) : LowerRomanian(a->Text()));
        }
    } caz{numberArea, wordsArea, litereMari};

    numberArea->SalveazaGeometriaInitiala();
    if (wordsArea)
        wordsArea->SalveazaGeometriaInitiala();

    QString modText;
    {
        TInfoGlobal2005 info;
        switch (role) {
        case NotaDiploma: modText = info.NotaDiploma(); break;
        case NotaCotor: modText = info.NotaCotor(); break;
        case MedieDiploma: modText = info.MedieDiploma(); break;
        case MedieCotor: modText = info.MedieCotor(); break;
        default: break;
        }
        litereMari = info.ScriuCuLitereMari();
    }
    TMod mod = ModDinText(modText);
    if (mod > NotaProcent && !wordsArea)
        mod = NotaProcent;

    if (mod >= NotaSlashProcent) {
        numberArea->Set_Top(numberArea->TopInitial());
        wordsArea->show();
    } else if (wordsArea) {
        // The single text sits between the form's two lines.
        wordsArea->hide();
        numberArea->Set_Top((numberArea->TopInitial() + wordsArea->TopInitial()) / 2);
    }
    numberArea->ZoomChanged();

    if (grade) {
        const QString cifre = FormatNumber(2, qint64(*grade) * 100);
        QString cuvinte;
        if (mod == NotaProcent || mod == NotaSlashProcent)
            cuvinte = GradeWords(*grade, 3);
        else if (mod == NotaSlashLitere)
            cuvinte = GradeWords(*grade, 1);
        if (mod >= NotaSlashProcent) {
            numberArea->SetText(cifre);
            wordsArea->SetText(cuvinte);
        } else if (mod == NotaProcent) {
            numberArea->SetText(cifre + QLatin1Char(' ') + cuvinte);
        } else {
            numberArea->SetText(cifre);
        }
    } else {
        if (mod >= NotaSlashProcent)
            wordsArea->SetText(QStringLiteral(" "));
        numberArea->SetText(QStringLiteral("----"));
    }
}
