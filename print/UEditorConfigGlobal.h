#pragma once
#include "UKelQuickRegStuff.h"

#include <QComboBox>
#include <QDialog>

class QLabel;
class QPainter;
class QRadioButton;
class QTabWidget;

// How grades and averages are written on the certificates, kept under the current user.
// Loaded when created, every value written back when destroyed.
class TInfoGlobal2005 : public TKelRegistryClass
{
    Q_OBJECT
    Q_PROPERTY(QString NotaDiploma READ NotaDiploma WRITE SetNotaDiploma)
    Q_PROPERTY(QString MedieDiploma READ MedieDiploma WRITE SetMedieDiploma)
    Q_PROPERTY(QString NotaCotor READ NotaCotor WRITE SetNotaCotor)
    Q_PROPERTY(QString MedieCotor READ MedieCotor WRITE SetMedieCotor)
    Q_PROPERTY(QString ScriuCuLitereMari READ ScriuCuLitereMari WRITE SetScriuCuLitereMari)
    Q_PROPERTY(QString SufixFete READ SufixFete WRITE SetSufixFete)
    Q_PROPERTY(QString SufixBaieti READ SufixBaieti WRITE SetSufixBaieti)

public:
    static QString CheieGlobal();

    TInfoGlobal2005();
    ~TInfoGlobal2005() override;

    QString NotaDiploma() const { return m_notaDiploma; }
    void SetNotaDiploma(const QString &v) { m_notaDiploma = v; }
    QString MedieDiploma() const { return m_medieDiploma; }
    void SetMedieDiploma(const QString &v) { m_medieDiploma = v; }
    QString NotaCotor() const { return m_notaCotor; }
    void SetNotaCotor(const QString &v) { m_notaCotor = v; }
    QString MedieCotor() const { return m_medieCotor; }
    void SetMedieCotor(const QString &v) { m_medieCotor = v; }
    QString ScriuCuLitereMari() const { return m_litereMari; }
    void SetScriuCuLitereMari(const QString &v) { m_litereMari = v; }
    QString SufixFete() const { return m_sufixFete; }
    void SetSufixFete(const QString &v) { m_sufixFete = v; }
    QString SufixBaieti() const { return m_sufixBaieti; }
    void SetSufixBaieti(const QString &v) { m_sufixBaieti = v; }

private:
    QString m_notaDiploma, m_medieDiploma, m_notaCotor, m_medieCotor, m_litereMari, m_sufixFete, m_sufixBaieti;
};

// A mode box that shows the sample of its mode, closed as well as open.
class TComboModNota : public QComboBox
{
    Q_OBJECT
public:
    explicit TComboModNota(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *e) override;
};

// "Configurare nota": the grade wording settings.
class TEditorConfigGlobal : public QDialog
{
    Q_OBJECT
public:
    static const QStringList Moduri;     // "NOTA", "NOTA(PROCENT)", "NOTA/PROCENT", "NOTA/LITERE"

    explicit TEditorConfigGlobal(QWidget *parent = nullptr);

    // Draws the sample of mode item in rect (shared by the four boxes).
    static void RzComboBox3DrawItem(QPainter &p, const QRect &rect, int item, bool selectat, const QPalette &paleta);

private:
    void FormCreate();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QTabWidget *RzPageControl1;
    QComboBox *RzComboBox1, *RzComboBox2;
    TComboModNota *RzComboBox3, *RzComboBox4, *RzComboBox5, *RzComboBox6;
    QRadioButton *RzRadioButton1, *RzRadioButton2;
    QLabel *RzLabel3;
};
