#pragma once
#include <QDialog>
#include <QMarginsF>
#include <optional>

class QComboBox;
class QLabel;
class QPrinter;
class TButonFormular;
class TListaElevi;
class TTemplate;

// The choice before a print run for several students: one document and one of its pages.
class TAlegereLot : public QDialog
{
    Q_OBJECT
public:
    TAlegereLot(TListaElevi *lista, int elevi);

    // The chosen document's preview window (the one its button opens) and page.
    TTemplate *Document() const;
    int Pagina() const;

    QComboBox *ComboDocument, *ComboPagina;
    QLabel *LabelElevi;

private Q_SLOTS:
    void DocumentAles();

private:
    TListaElevi *m_lista;
};

// "Tipareste pentru elevii selectati": the document and page are chosen, the paper prompt is
// asked once, then one job holds one page per selected student in list order, with a progress
// dialog whose "Renunt" stops after the current page. Students whose fill fails are listed at
// the end; nothing is printed for them.
void TiparesteSelectati(TListaElevi *lista);
// The same on a printer chosen by the caller (a PDF printer in tests).
void TiparesteSelectati(TListaElevi *lista, QPrinter &imprimanta, const std::optional<QMarginsF> &neimprimabilMm = {});
