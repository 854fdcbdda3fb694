#pragma once
#include "UHandlerFormular.h"
#include "UIncarcaMachete.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTabWidget;
class TFormularDePrintat;
class TFormularTextArea;

// A document's preview: its pages (one surface each) on tabs over the scanned blank form,
// the zoom buttons and "Tipareste" for the active page.
class TTemplate : public QDialog
{
    Q_OBJECT
public:
    // Loads the layout file of that name (beside the program).
    TTemplate(const QString &fisierMacheta, QWidget *owner);

    QList<TFormularDePrintat *> Suprafete() const;
    TFormularDePrintat *SuprafataActiva() const;
    int PaginaActiva() const;

    QTabWidget *PC;
    QPushButton *Tipareste, *SalveazaPdf, *Mareste, *Micsoreaza, *Iesire;
    TMacheta Macheta;

    // The print run of a page (0 "Fata", 1 "Verso"); set by the printing part of the program.
    static std::function<void(TFormularDePrintat *suprafata, int pagina)> Tiparire;
    // "Salveaza PDF": the window's pages into a PDF file; set by the printing part of the program.
    static std::function<void(TTemplate *fereastra)> SalvarePdf;
    // What a click on a text area opens; set by the field information dialog.
    static std::function<void(TFormularTextArea *arie)> InformatiiCamp;

public Q_SLOTS:
    void TiparesteClick();
    void SalveazaPdfClick();
    void MaresteClick();
    void MicsoreazaClick();

private:
    // A command another part of the program provides; its errors are shown.
    static void Comanda(bool instalata, const std::function<void()> &actiune);
};

// Puts the student's stored values into every text area of every page of the window.
void FillPreview(TTemplate *fereastra, int idElev);
// The same for one page.
void UmplePagina(TFormularDePrintat *suprafata, int idElev);

// The document handler of a preview window class.
template <class TFereastra>
class THandlerTemplate : public THandlerFormularDePrintat
{
public:
    using THandlerFormularDePrintat::THandlerFormularDePrintat;
    QDialog *CreatePreview(QWidget *owner) override { return new TFereastra(owner); }
    void FillPreview(QDialog *fereastra, int idElev) override { ::FillPreview(qobject_cast<TTemplate *>(fereastra), idElev); }
};

// Registers the program's documents: the qualification certificate first, then the ZEZ one,
// which fixes the order of their buttons.
void InregistreazaDocumentele();
