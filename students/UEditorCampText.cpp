#include "UEditorCampText.h"
#include "UDm.h"
#include "URutineComune.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QStringList>

TEditorCampText::TEditorCampText(QWidget *Owner) : TEditorGeneric(Owner)
{
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(true);
    // Typed text stays as typed: Enter must not add it to the suggestions.
    RzComboBox1->setInsertPolicy(QComboBox::NoInsert);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    RzComboBox1->setFont(f);
    m_completare = new QCompleter(RzComboBox1->model(), this);
    m_completare->setCompletionMode(QCompleter::InlineCompletion);
    m_completare->setCaseSensitivity(Qt::CaseInsensitive);
    RzComboBox1->setCompleter(m_completare);
    PuneControl(RzComboBox1);
}

void TEditorCampText::IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                                  const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    TEditorGeneric::IncarcaCamp(CodFormular, CodPagina, CodCamp, AsociatCu, IdElev, IdInregistrare);
    QStringList sugestii;
    {
        TQuery &q1 = DM->Q1;
        TInchide inchide(q1);
        q1.SQL(QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                              "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
        q1.ParamCod(CodFormular, CodPagina, CodCamp);
        for (q1.Open(); !q1.Eof(); q1.Next()) {
            const QVariant v = q1.Camp(0);
            const QString t = v.isNull() ? QString() : v.toString();
            // A null and an empty text would show as two identical empty items.
            if (!sugestii.contains(t))
                sugestii << t;
        }
    }
    sugestii.sort(Qt::CaseInsensitive);
    RzComboBox1->addItems(sugestii);
    RzComboBox1->setCurrentIndex(-1);
    const QString v = CitesteTextul(AsociatCu, IdElev, IdInregistrare);
    RzComboBox1->setEditText(v.isNull() ? QString() : v);
    RzComboBox1->lineEdit()->deselect();
    RzComboBox1->lineEdit()->setCursorPosition(RzComboBox1->currentText().size());
}

bool TEditorCampText::PotSalva()
{
    RzComboBox1->setEditText(DecodeDiacritics(RzComboBox1->currentText()));
    return true;
}

void TEditorCampText::SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    SalveazaTextul(IdElev, IdInregistrare, AsociatCu, RzComboBox1->currentText(), LungimeMaxima);
}

void TEditorCampText::DupaAfisare()
{
    RzComboBox1->lineEdit()->deselect();
    RzComboBox1->lineEdit()->setCursorPosition(0);
}

void TEditorCampText::SetGhiceste(bool Activ) { RzComboBox1->setCompleter(Activ ? m_completare : nullptr); }

void TEditorCampText::Goleste()
{
    RzComboBox1->clear();
    RzComboBox1->setEditText(QString());
}
