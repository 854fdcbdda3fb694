#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Changes how one profile field honours its inheritance and which record table owns it.
class TModificaLinieProfil : public QDialog
{
    Q_OBJECT
public:
    explicit TModificaLinieProfil(QWidget *owner = nullptr);
    void IncarcaLinie(const QString &codFormular, const QString &codPagina, const QString &codCamp);

    QString CodFormular, CodPagina, CodCamp;
    QLabel *RzLabel1, *RzLabel2;
    QComboBox *RzComboBox1, *RzComboBox2;
    QPushButton *RzBitBtn1, *RzBitBtn2;

public Q_SLOTS:
    void RzBitBtn1Click();

private:
    void FormCreate();
    QString m_asociatCu;   // as stored, kept when no table is chosen
};
