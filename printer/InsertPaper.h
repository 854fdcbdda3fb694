#pragma once
#include <QDialog>
#include <QMarginsF>
#include <optional>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class TFormularDePrintat;
struct TContextImprimanta;

// The prompt before a page prints: how to insert the blank certificate, the page's left
// and top margins, and whether the page prints turned by 180 degrees.
class TInsertPaperForm : public QDialog
{
    Q_OBJECT
public:
    explicit TInsertPaperForm(QWidget *parent = nullptr);

    // The one prompt of the program, created on first use.
    static TInsertPaperForm &Instanta();

    // pagina 0 "Fata", 1 "Verso"; the margins (mm) are read on entry and updated on Ok;
    // rotit is set on return. Returns the dialog result (1 Ok, 2 Renunt).
    int AskForPaper(int pagina, bool &rotit, double &margineStanga, double &margineSus);

    // The feed case whose picture shows now (1..4).
    int CazAfisat() const;
    bool ImagineNormalaVizibila() const;

    QLabel *ImagineCaz[4];
    QLabel *ImagineRasturnata;
    QLabel *ImagineNormala;
    QLineEdit *EditMargineStanga;
    QLineEdit *EditMargineSus;
    QCheckBox *CheckBoxOglinda;

private Q_SLOTS:
    void CheckBoxOglindaClick();
    void OkClick();

private:
    int m_cazNerotit = 1;
    int m_cazRotit = 1;
};

// The next job on this printer: full page without margins, orientation before the A4 size,
// monochrome. The print run prints landscape, the wizard's tests portrait.
void SetupPrinterPage(QPrinter &imprimanta, bool portrait);
// The printer the program prints on (the wizard selects it); the system's default at first.
QPrinter &ImprimantaCurenta();
bool ExistaImprimante();
// One print job of one page: sets the page up, draws, and ends the job also when drawing fails.
// neimprimabilMm stands for the device's unprintable margins (a PDF printer has none).
void TiparesteLucrare(QPrinter &imprimanta, bool portrait, const QString &titlu,
                      const std::function<void(TContextImprimanta &)> &deseneaza,
                      const std::optional<QMarginsF> &neimprimabilMm = {});

// "Tipareste" of a preview window for its page (0 "Fata", 1 "Verso").
void PrintPage(TFormularDePrintat *suprafata, int pagina);
// The same on a printer chosen by the caller (a PDF printer in tests).
void PrintPage(TFormularDePrintat *suprafata, int pagina, QPrinter &imprimanta,
               const std::optional<QMarginsF> &neimprimabilMm = {});

inline const QString MesajFaraImprimanta =
    QStringLiteral("Nu este instalata nicio imprimanta. Instalati o imprimanta si incercati din nou.");
