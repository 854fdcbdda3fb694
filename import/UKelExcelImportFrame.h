#pragma once
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
    // Value sources, by combo item.
    enum { SursaColoana, SursaConstanta, SursaSex, SursaPrimaParte, SursaADouaParte };

    TKelExcelImportFrame(TImportExcelExpert *expert, QWidget *parinte);

    void Initializeaza(const QString &codComplet, const QString &eticheta);
    // The text the page gives for data row Linie of a student with this CNP.
    QString Valoare(int Linie, const QString &CNP) const;
    // Writes that text into the student's row of the field, inside the caller's transaction.
    void ImportaValoare(int Linie, int IdElev, const QString &CNP);

    // The part of a name before its first blank (or after it), both trimmed.
    static QString ParteNume(const QString &text, bool primaParte);
    // The sex digit of a boy (odd: 1, 3, 5, 7); every other CNP gets the girls' text.
    static bool EsteBaiat(const QString &CNP);
    bool NuImport() const;
    // Ticks or unticks "NU import" as a click would.
    void SeteazaNuImport(bool bifat);

    // The size of DATE.VALOARE_TEXT.
    static constexpr int LungimeMaxima = 256;

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
