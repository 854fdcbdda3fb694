#pragma once
#include <QFrame>
#include <QPushButton>
#include <functional>
#include <vector>

class QDialog;
class QLabel;
class THandlerFormularDePrintat;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

struct TLinieElev
{
    int IdElev;
    QString Nume;
};
using TListaLiniiElevi = std::vector<TLinieElev>;

// Every student's id in the list's order (creation order).
QList<int> EleviInOrdine();
// The selected rows in the order the list shows them (not the order they were clicked in).
QList<QTreeWidgetItem *> RanduriSelectate(const QTreeWidget *arbore);

// One document's button: opens that document's preview for the selected student,
// creating the window on the first click and keeping it for the next ones.
class TButonFormular : public QPushButton
{
    Q_OBJECT
public:
    TButonFormular(THandlerFormularDePrintat *handler, QTreeWidget *arbore, QWidget *owner);
    THandlerFormularDePrintat *Handler;
    QTreeWidget *Arbore;
    QDialog *Formular = nullptr;
    // The document's preview window, created on first use.
    QDialog *Fereastra();

public Q_SLOTS:
    void ButonClick();
};

// The body of the main window: every student by its display name, a search box,
// and the commands that add, modify and delete students.
class TListaElevi : public QFrame
{
    Q_OBJECT
public:
    explicit TListaElevi(QWidget *owner = nullptr);

    void Reincarca();
    void Filtreaza();
    // One button per registered document, in Panel2.
    void FaButoane();
    QList<TButonFormular *> Butoane;
    // The student of the first selected row, or -1.
    int ElevSelectat() const;
    // The selected students in list order, with their display names.
    TListaLiniiElevi EleviSelectati() const;

    // "Tipareste pentru elevii selectati": one page of a document for every selected student;
    // set by the printing part of the program.
    static std::function<void(TListaElevi *lista)> TiparireSelectati;

    TListaLiniiElevi Linii;
    QFrame *RzPanel2, *Panel2, *Panel1, *RzPanel1;
    QLabel *RzLabel1;
    QLineEdit *RzEdit1;
    QTreeWidget *VT;
    QPushButton *RzBitBtn1, *RzBitBtn2, *RzBitBtn3, *RzBitBtn4;

public Q_SLOTS:
    void RzEdit1Change();
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();
    void RzBitBtn4Click();

private:
    // Shows the student dialog; true when it was closed with "Ok".
    bool EditeazaElev(int idElev);
};
