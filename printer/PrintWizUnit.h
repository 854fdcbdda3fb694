#pragma once
#include <QDialog>
#include <QMarginsF>
#include <optional>
#include <QMap>
#include <QStringList>

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

// The printer preparation wizard: which printer, how it takes paper, three test prints on a
// plain sheet fed back in, and what came out; the answers go into the calibration.
class TPrintWiz : public QDialog
{
    Q_OBJECT
public:
    // imprimante: the system's printer names in system order; imprimanta: where the test
    // prints go (the program's current printer when none is given).
    explicit TPrintWiz(QWidget *parent = nullptr, const QStringList &imprimante = NumeImprimante(),
                       QPrinter *imprimanta = nullptr);

    static QStringList NumeImprimante();
    // Where a test drawing of size d goes on a printable area of pw x ph pixels.
    static QRect DreptunghiDesen(QSize d, int pw, int ph);

    // Starts at page 0 with a fresh history; on Ok stores the answers in the calibration.
    int ShowModal();

    int PaginaCurenta() const;
    bool Terminat() const { return m_terminat; }

    // The answers.
    bool FataPeParteaOpusa = false;
    bool LinieVerticalaDreapta = false;
    bool LinieOrizontalaJos = false;
    int ModAlimentare = 0;

    QTabWidget *PageControl1;
    QTreeWidget *ListaImprimante;
    QRadioButton *AlimentareSus, *AlimentareFrontala, *AlimentareCaseta;
    QRadioButton *HartieNormala, *HartieRasturnata;
    QRadioButton *PeAceeasiParte, *PeParteaOpusa;
    QRadioButton *LiniiSusStanga, *LiniiSusDreapta, *LiniiJosDreapta, *LiniiJosStanga;
    QLabel *ImagineAlimentare6, *ImagineAlimentare8, *TextReintroducere8;
    QPushButton *ButonInapoi, *ButonInainte, *ButonRenunt;
    std::optional<QMarginsF> MarginiNeimprimabile;     // tests: a printer's unprintable margins

private Q_SLOTS:
    void InainteClick();
    void InapoiClick();

private:
    QWidget *Pagina(int numar, const QString &titlu);
    void ArataPagina(int numar);
    void MergiLa(int numar);
    void TiparesteTest(const QString &titlu, void (*desen)(QPainter &), QSize marime);

    QMap<int, QWidget *> m_pagini;
    QMap<int, int> m_venitDin;      // for each page reached, the page it was reached from
    bool m_terminat = false;
    QStringList m_imprimante;
    QPrinter *m_imprimanta;
};

// "Configurare imprimanta": the wizard, shown modally and freed.
void ArataPrintWiz(QWidget *owner);
