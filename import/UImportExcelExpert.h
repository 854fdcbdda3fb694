#pragma once
#include "UColoaneExcel.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class TEditCuButon;
class TExcelSelectieColoana;
class TFoaieDeCalcul;
class TKelExcelImportFrame;
class TPaginaOk;
class TRegistru;

// The wizard that creates or updates students from the rows of one worksheet, matched by CNP.
// Pages in the order they are shown: 0, 4, 1, 2, the field pages (5 ...), 3.
class TImportExcelExpert : public QDialog
{
    Q_OBJECT
public:
    explicit TImportExcelExpert(QWidget *owner = nullptr);
    ~TImportExcelExpert() override;

    // The label of a profile row without its "[group]" and "{...}" parts.
    static QString EtichetaFaraParanteze(const QString &eticheta);

    std::unique_ptr<TRegistru> Workbook;
    std::shared_ptr<const TFoaieDeCalcul> Worksheet;
    TListaColoaneExcel ColoaneExcel;
    TExcelSelectieColoana *SelectieColoana = nullptr;
    QStringList CoduriFormulare;
    QStringList FormulareSelectate;
    // The field pages in creation order.
    QList<TKelExcelImportFrame *> PaginiCampuri;

    QStackedWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5;
    QLineEdit *RzEdit1;
    QPushButton *RzBitBtn4;
    QComboBox *RzComboBox1;
    TEditCuButon *RzButtonEdit1;
    TPaginaOk *PaginaOk;
    QListWidget *RzCheckList1;
    QProgressBar *ProgressBar1;
    QLabel *LabelProgres;
    QPushButton *RzBitBtn1, *RzBitBtn2, *RzBitBtn3;

    bool ImportInCurs() const { return m_importInCurs; }

public Q_SLOTS:
    void RzBitBtn4Click();
    void RzBitBtn2Click();
    void RzBitBtn1Click();
    void RzBitBtn3Click();
    void RzButtonEdit1ButtonClick();
    void PaginaOkClick();

Q_SIGNALS:
    // After the commit of each written row.
    void RandImportat(int randuri, int total);

protected:
    // Esc and the close box stop a running import after its current row, as "Renunt" does.
    void reject() override;

private:
    void FormCreate();
    void Inainte();
    void IntraInPagina(int index);
    TKelExcelImportFrame *PaginaCamp(int index) const;
    // Field pages that Next does not pass over.
    bool PaginaAfisata(int index) const;
    void CitesteFoaia();
    void Importa();

    bool m_importInCurs = false;
    bool m_opreste = false;
};
