#pragma once
#include <QString>
#include <QStringList>

// Where one page prints: the calibration margins (mm) and the 180 degree turn.
struct TCalibrarePagina
{
    double Stanga = 0;
    double Sus = 0;
    bool Rotit = false;
};

// What the program knows about the user's printer and paper handling. Loaded when
// created, written back when destroyed; the print run creates one for every print.
class TAllStuffReg
{
public:
    static const QString Cheie;      // registry key under the current user

    // Raises EEroare when the stored list is short or does not convert; nothing is
    // written then, so the stored settings survive the failure.
    TAllStuffReg();
    ~TAllStuffReg();
    TAllStuffReg(const TAllStuffReg &) = delete;
    TAllStuffReg &operator=(const TAllStuffReg &) = delete;

    // The first instance created while none is current; the paper prompt works on it.
    static TAllStuffReg *Curent();

    QString MirrorSetting(int pagina) const;                  // "D", "N" or "*"
    void SetMirrorSetting(int pagina, const QString &valoare);
    // Whether the page prints turned: the stored choice, or, never chosen ("*"), what the paper
    // prompt proposes for the feed type (the back page turned unless the sheet goes in upside down).
    static bool Rotit(const QString &setare, int pagina, int modAlimentare);
    // The page's stored margins and turn (0 "Fata", 1 "Verso").
    TCalibrarePagina Calibrare(int pagina) const;

    void Load();
    void Save() const;
    // The "all" value: the twelve items of the comma list.
    QString TextAll() const;
    void CitesteTextAll(const QString &text);

    bool Configurat = false;
    bool FataPeParteaOpusa = false;
    bool LinieVerticalaDreapta = false;
    bool LinieOrizontalaJos = false;
    int ModAlimentare = 0;           // 1 top, 2 front, 3 cassette upside down, 4 cassette normal
    double MargineStangaFata = 0;
    double MargineSusFata = 0;
    double MargineStangaVerso = 0;
    double MargineSusVerso = 0;
    QString NumeImprimanta;
    int IndexImprimanta = 0;
    QString OglindescFata = QStringLiteral("*");
    QString OglindescVerso = QStringLiteral("*");
};

// Comma lists: an item holding a comma, a blank, a control character or a double quote is
// quoted (inner quotes doubled); on reading, unquoted blanks separate items too.
QString TextDinLista(const QStringList &lista);
QStringList ListaDinText(const QString &text);

// Numbers as the whole program writes them: "," for decimals, up to 15 significant digits.
QString RealInText(double v);
// Raise EEroare naming the text when it is no number.
double TextInReal(const QString &text);
int TextInIntreg(const QString &text);
