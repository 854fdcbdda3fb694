#pragma once
#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TEditorGeneric;
class TFontFormular;
class TFormularTextArea;

// "Informatii camp": where an area's value comes from, a direct correction of the stored
// value, the field's inheritance, and how this one area is drawn and printed.
class TEditorTextFormular : public QDialog
{
    Q_OBJECT
public:
    explicit TEditorTextFormular(QWidget *owner = nullptr);

    QTabWidget *PC;
    QPlainTextEdit *MemoSursa, *MemoAsociere;
    QListWidget *ListaFonturi;
    QComboBox *Italic, *Bold;
    QRadioButton *FontImplicit, *FontAles;
    QFontComboBox *ListaFete;
    QLineEdit *TextRedefinit;
    QCheckBox *RespectAsocierea;
    QButtonGroup *Aliniere, *Verticala, *Orizontala;
    QPushButton *Ok, *Renunt;

    // Filled by the hook that explains the field.
    TEditorGeneric *Editor = nullptr;
    int IdElev = -1;
    QString CodFormular, CodPagina, CodCamp;
    QList<TFontFormular *> Fonturi;      // in the order of ListaFonturi

    // Places the value editor under the source memo, on the first tab.
    void PuneEditorul(TEditorGeneric *editor, const QString &eticheta);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void OkClick();
};

using THookInformatiiCamp = std::function<void(TEditorTextFormular &, TFormularTextArea &)>;
// Run before the dialog shows and after "Ok"; an empty slot is skipped.
extern THookInformatiiCamp BeforeFieldInfo, AfterFieldInfo;

// The whole sequence of a click on a text area of a preview.
void ArataInformatiiCamp(TFormularTextArea *arie);
// Puts the database's explanation and value editor into the two hooks.
void InstaleazaInformatiiCamp();
