#pragma once
#include <QDialog>
#include <QMarginsF>
#include <optional>
#include <functional>
#include "ULucrareTiparire.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class TFormularDePrintat;

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

// The printer the program prints on (the wizard selects it); the system's default at first.
QPrinter &ImprimantaCurenta();
bool ExistaImprimante();

// The steps before a print run of a page: the printer must be prepared and present, the paper
// prompt answered with Ok. Returns the page's calibration, stored as the new one; nothing when
// the run must not go on (the reason was shown).
std::optional<TCalibrarePagina> PregatesteTiparirea(int pagina, const QPrinter &imprimanta);

// The print job's title for a page, as the printer's queue shows it.
QString TitluLucrare(int pagina);

// "Tipareste" of a preview window for its page (0 "Fata", 1 "Verso").
void PrintPage(TFormularDePrintat *suprafata, int pagina);
// The same on a printer chosen by the caller (a PDF printer in tests).
void PrintPage(TFormularDePrintat *suprafata, int pagina, QPrinter &imprimanta,
               const std::optional<QMarginsF> &neimprimabilMm = {});

inline const QString MesajFaraImprimanta =
    QStringLiteral("Nu este instalata nicio imprimanta. Instalati o imprimanta si incercati din nou.");
