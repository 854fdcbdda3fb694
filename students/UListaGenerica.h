#pragma once
#include <QDialog>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

struct TLinieGenerica
{
    int Id;
    QString Denumire;
};
using TListaLiniiGenerice = std::vector<TLinieGenerica>;

// Lists, adds, modifies and deletes the records of one record table (the schools).
class TListaGenerica : public QDialog
{
    Q_OBJECT
public:
    explicit TListaGenerica(QWidget *owner = nullptr);
    void Reincarca();

    TListaLiniiGenerice Linii;
    QString Tabel;
    QTreeWidget *VT;
    QPushButton *RzBitBtn1, *RzBitBtn2, *RzBitBtn3;

public Q_SLOTS:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();

private:
    bool Editeaza(int id);
    QTreeWidgetItem *RandSelectat() const;
};
