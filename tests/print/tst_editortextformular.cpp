#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEditorCampCNP.h"
#include "UEditorTextFormular.h"
#include "UPrintCertificatAbsolvireZEZ.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
QString Valoare(const QString &c, const QString &v, const QString &coloana, int id)
{
    return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, %3) values "
                          "('Certavo', 'FATA', '%1', '%2', 0, %4)")
        .arg(c, v, coloana)
        .arg(id);
}
} // namespace

// A click on a preview area: the dialog explains the field, corrects its value, switches its
// inheritance and keeps the area's print customization.
class TstEditorTextFormular : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;
    std::unique_ptr<TPrintCertificatAbsolvireZEZ> m_w;

    TFormularTextArea *Arie(const char *nume)
    {
        return m_w->Suprafete().first()->findChild<TFormularTextArea *>(QString::fromLatin1(nume));
    }
    // Clicks the area; the dialog is answered by the given script.
    void Click(TFormularTextArea *a, TPrompterScriptat &p, std::function<int(TEditorTextFormular *)> script)
    {
        p.Dialoguri << [script](QDialog *d) { return script(qobject_cast<TEditorTextFormular *>(d)); };
        QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(2, 2));
    }
    static int Apasa(QPushButton *b, QDialog *d)
    {
        QTest::mouseClick(b, Qt::LeftButton);
        return d->result();
    }

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->Director().Copiaza(QStringLiteral("layouts/CertificatAbsolvireZEZ.json"));
        m_b->Porneste();
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                      QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
                      QStringLiteral("insert into SCOALA (ID_SCOALA) values (4)"),
                      Valoare(QStringLiteral("C_NUME"), QStringLiteral("Pop Ion"), QStringLiteral("ID_ELEVI"), 1),
                      Valoare(QStringLiteral("C_CNP"), QStringLiteral("1900101123457"), QStringLiteral("ID_ELEVI"), 1),
                      Valoare(QStringLiteral("C_JUDETUL"), QStringLiteral("Iasi"), QStringLiteral("ID_SCOALA"), 4),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) values "
                                     "('Certavo', 'FATA', 'C_JUDETUL', 1, 4)")});
        TListaParticularizareTextArea::Uita();
        InstaleazaInformatiiCamp();
        m_w = std::make_unique<TPrintCertificatAbsolvireZEZ>();
        TVariabileFormular::Din(m_w.get(), true)->IdElev = 1;
        FillPreview(m_w.get(), 1);
    }
    void cleanup()
    {
        m_w.reset();
        m_b.reset();
        TListaParticularizareTextArea::Uita();
    }

    // An inherited field explains itself and edits its source; correcting it refills the preview.
    void correctsTheSourceValue()
    {
        TPrompterScriptat p;
        QString memo, editat;
        bool respect = false;
        Click(Arie("FormularTextArea1"), p, [&](TEditorTextFormular *d) {
            memo = d->MemoSursa->toPlainText();
            respect = !d->RespectAsocierea->isHidden() && d->RespectAsocierea->isChecked();
            auto *c = d->Editor->findChild<QComboBox *>(QStringLiteral("RzComboBox1"));
            editat = c->currentText();
            c->setCurrentText(QStringLiteral("Pop Ionel"));
            return Apasa(d->Ok, d);
        });
        QCOMPARE(p.DialoguriDeschise, QStringList{QStringLiteral("Informatii camp")});
        QCOMPARE(memo, QStringLiteral("Datele pentru acest camp sunt preluate din formularul pentru editat ELEVI, campul cu "
                                      "numele \"Nume si prenume\" (grupul de campuri \"Elev\")"));
        QVERIFY(respect);
        QCOMPARE(editat, QStringLiteral("Pop Ion"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = 1 and COD_CAMP = 'C_NUME' "
                                             "and COD_FORMULAR = 'Certavo'"))
                     .toString(),
                 QStringLiteral("Pop Ionel"));
        QCOMPARE(Arie("FormularTextArea1")->Text(), QStringLiteral("Pop Ionel"));
        QCOMPARE(Arie("FormularTextArea36")->Text(), QStringLiteral("Pop Ionel"));
    }

    // Unticking "Respect asocierea textului" makes the field print its own (empty) value.
    void stopsInheriting()
    {
        TPrompterScriptat p;
        Click(Arie("FormularTextArea37"), p, [&](TEditorTextFormular *d) {
            d->RespectAsocierea->setChecked(false);
            return Apasa(d->Ok, d);
        });
        QCOMPARE(m_b->Valoare(QStringLiteral("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_FORMULAR = 'Certavo' and "
                                             "COD_CAMP = 'A_CNP'"))
                     .toString(),
                 QStringLiteral("NU"));
        QCOMPARE(Arie("FormularTextArea37")->Text(), QString());
        QCOMPARE(Arie("FormularTextArea11")->Text(), QStringLiteral("1"));
    }

    // A school value is edited for the school the student is linked to.
    void schoolValue()
    {
        TPrompterScriptat p;
        Click(Arie("FormularTextArea6"), p, [&](TEditorTextFormular *d) {
            d->Editor->findChild<QComboBox *>(QStringLiteral("RzComboBox1"))->setCurrentText(QStringLiteral("Vaslui"));
            return Apasa(d->Ok, d);
        });
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_SCOALA = 4 and COD_CAMP = 'C_JUDETUL'"))
                     .toString(),
                 QStringLiteral("Vaslui"));
        QCOMPARE(Arie("FormularTextArea6")->Text(), QStringLiteral("Vaslui"));
    }

    // No profile row: no explanation, no editor, no check box; the placement options still work,
    // and "Mai jos cu 0,5 mm" changes nothing on screen.
    void unknownFieldCustomization()
    {
        TFormularTextArea *a = Arie("FormularTextArea61");
        a->SetDenumire1(QStringLiteral("Nu.Exista.Camp"));
        const QRect inainte = a->geometry();
        TPrompterScriptat p;
        bool faraEditor = false;
        Click(a, p, [&](TEditorTextFormular *d) {
            faraEditor = !d->Editor && d->RespectAsocierea->isHidden()
                         && d->MemoAsociere->toPlainText() == QStringLiteral("Acest camp nu este asociat cu nici un alt camp.");
            d->Verticala->button(1)->setChecked(true);
            d->TextRedefinit->setText(QStringLiteral("manual"));
            return Apasa(d->Ok, d);
        });
        QVERIFY(faraEditor);
        QCOMPARE(a->geometry(), inainte);
        const TParticularizareTextArea *rec = TListaParticularizareTextArea::Instanta().FindCustomization(a, false);
        QVERIFY(rec);
        QCOMPARE(rec->PozitieVerticala, 1);
        QCOMPARE(rec->TextRedefinit, QStringLiteral("manual"));
        // Stored in the file: a fresh read finds it.
        TListaParticularizareTextArea::Uita();
        QCOMPARE(TListaParticularizareTextArea::Instanta().FindCustomization(a, false)->PozitieVerticala, 1);
    }

    // Cancelling still leaves the new (empty) record in the file; an editor that refuses keeps the dialog open.
    void cancelAndRefusal()
    {
        TPrompterScriptat p;
        TFormularTextArea *a = Arie("FormularTextArea10");
        Click(a, p, [&](TEditorTextFormular *d) { return Apasa(d->Renunt, d); });
        TListaParticularizareTextArea::Uita();
        QVERIFY(TListaParticularizareTextArea::Instanta().FindCustomization(a, false));

        bool deschis = false;
        Click(Arie("FormularTextArea11"), p, [&](TEditorTextFormular *d) {
            auto *e = d->Editor->findChild<QLineEdit *>(QStringLiteral("RzEdit1"));
            e->setText(QStringLiteral("123"));
            QTest::mouseClick(d->Ok, Qt::LeftButton);     // the CNP question is answered No
            deschis = d->result() == 0;
            return Apasa(d->Renunt, d);
        });
        QVERIFY(deschis);
        QCOMPARE(p.Intrebari.size(), 1);
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = 1 and COD_CAMP = 'C_CNP'"))
                     .toString(),
                 QStringLiteral("1900101123457"));
    }
};

QTEST_MAIN(TstEditorTextFormular)
#include "tst_editortextformular.moc"
