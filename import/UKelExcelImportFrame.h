#pragma once
#include "UPreluareElevi.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class TEditCuButon;
class TImportExcelExpert;
class TPaginaOk;

// The wizard's page of one student field: where the field's value comes from for each sheet row.
class TKelExcelImportFrame : public QFrame
{
    Q_OBJECT
public:
    TKelExcelImportFrame(TImportExcelExpert *expert, QWidget *parinte);

    void Initializeaza(const QString &codComplet, const QString &eticheta);
    // What the page says, for the import.
    TSursaCamp Sursa() const;
    // The text the page gives for data row Linie of a student with this CNP.
    QString Valoare(int Linie, const QString &CNP) const;

    bool NuImport() const;
    // Ticks or unticks "NU import" as a click would.
    void SeteazaNuImport(bool bifat);

    QString CodComplet;
    QString CodFormular;
    // The wizard ticked "NU import" because the field's document was not chosen; it unticks
    // it again when the document is chosen later, unless the user changed the box meanwhile.
    bool BifatDeExpert = false;

    QLabel *Label8, *Label3, *Label6, *Label1, *Label9, *Label2, *Label4, *Label5;
    QComboBox *RzComboBox1;
    QCheckBox *RzCheckBox1;
    QStackedWidget *RzPageControl1;
    TEditCuButon *RzButtonEdit1;
    QLineEdit *RzEdit1, *RzEdit2, *RzEdit3;
    TPaginaOk *PaginaOk;

public Q_SLOTS:
    void RzComboBox1Change();
    void RzCheckBox1Click();
    void RzButtonEdit1ButtonClick();
    void PaginaOkClick();

private:
    TImportExcelExpert *m_expert;
};
