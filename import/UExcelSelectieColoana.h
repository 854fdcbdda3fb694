#pragma once
#include "KelVirtualGridLine.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TKelVirtualGrid;
class TListaColoaneExcel;

// A grid line of the picker: the data row it shows.
class TLinieGrid : public TKelVirtualGridLine
{
public:
    explicit TLinieGrid(int index) : Index(index) {}
    int Index;
};

// The column picker: the read sheet in a grid; a click on any cell picks its column.
class TExcelSelectieColoana : public QDialog
{
    Q_OBJECT
public:
    explicit TExcelSelectieColoana(QWidget *owner = nullptr);

    void Incarca(const TListaColoaneExcel *coloaneExcel);

    const TListaColoaneExcel *ColoaneExcel = nullptr;
    QString ColoanaSelectata;

    QLabel *Label1, *Label2;
    TKelVirtualGrid *G;
    QPushButton *RzBitBtn1, *RzBitBtn2;

    // Width of a column showing these texts.
    int LatimeColoana(const QStringList &texte) const;

public Q_SLOTS:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    void FormCreate();
    void GSelectCell(QObject *Sender, int ACol, int ARow, bool &CanSelect);
    // Picks the column of a data cell; nothing when it is the picked one already.
    void AlegeColoana(int ACol);
};
