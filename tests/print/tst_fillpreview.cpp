#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "TemplateForm.h"
#include "UEroare.h"
#include "UListaElevi.h"
#include "UPrintCertificatAbsolvireZEZ.h"
#include "UPrintCertificatCalificareProfesionalaNivel1.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kCcp = QStringLiteral("CertificatCalificareProfesionalaNivel 1");

QString Valoare(const QString &f, const QString &p, const QString &c, const QString &v, const QString &coloana, int id)
{
    return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, %5) values "
                          "('%1', '%2', '%3', '%4', 0, %6)")
        .arg(f, p, c, v, coloana)
        .arg(id);
}

QString TextArie(TTemplate &w, int pagina, const QString &nume)
{
    auto *a = w.Suprafete().at(pagina)->findChild<TFormularTextArea *>(nume);
    return a ? a->Text() : QStringLiteral("<lipsa>");
}

TFormularTextArea *Arie(TTemplate &w, int pagina, const QString &nume)
{
    return w.Suprafete().at(pagina)->findChild<TFormularTextArea *>(nume);
}
} // namespace

// The preview of both certificates filled from a real database, through the document buttons.
class TstFillPreview : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->CopiazaDocumentele();
        m_b->Porneste();
        const QString e = QStringLiteral("ID_ELEVI"), s = QStringLiteral("ID_SCOALA"), c = QStringLiteral("Certavo"),
                      fata = QStringLiteral("FATA"), spate = QStringLiteral("SPATE");
        m_b->Executa({
            QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
            QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
            QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)"),
            Valoare(c, fata, QStringLiteral("C_NUME"), QStringLiteral("Pop Ion"), e, 1),
            Valoare(c, fata, QStringLiteral("C_CNP"), QStringLiteral("1900101123457"), e, 1),
            Valoare(c, fata, QStringLiteral("C_CNP"), QStringLiteral("29001"), e, 2),
            Valoare(c, fata, QStringLiteral("C_NUME"), QStringLiteral("Ana Lungu"), e, 2),
            Valoare(c, fata, QStringLiteral("C_JUDETUL"), QStringLiteral("Iasi"), s, 1),
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) values "
                           "('Certavo', 'FATA', 'C_JUDETUL', 1, 1)"),
            Valoare(kCcp, spate, QStringLiteral("C_NOTA_L1"), QStringLiteral("9,63"), e, 1),
            Valoare(kCcp, fata, QStringLiteral("C_AN_SESIUNE"), QStringLiteral("2009"), e, 1),
        });
        InregistreazaDocumentele();
    }
    void cleanup() { m_b.reset(); }

    void documentButtons()
    {
        TListaElevi l;
        QCOMPARE(l.Butoane.size(), 2);
        QCOMPARE(l.Butoane[0]->Handler->Caption, QStringLiteral("Certificat calificare profesionala Nivel I"));
        QCOMPARE(l.Butoane[1]->Handler->Caption, QStringLiteral("Certificat de absolvire a scolii de arte si meserii"));
        QCOMPARE(l.Panel2->width(), 272);
        TPrompterScriptat p;
        QTest::mouseClick(l.Butoane[1], Qt::LeftButton);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Va rog selectati un elev!")});
        QVERIFY(!l.Butoane[1]->Formular);
    }

    // The same window serves every student; the second fill replaces every text.
    void twoStudentsOneWindow()
    {
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        QStringList vazute;
        for (int rand : {0, 1}) {
            l.VT->setCurrentItem(l.VT->topLevelItem(rand));
            p.Dialoguri << [&vazute](QDialog *d) {
                auto *w = qobject_cast<TTemplate *>(d);
                vazute << TextArie(*w, 0, QStringLiteral("FormularTextArea1")) + QLatin1Char('|')
                              + TextArie(*w, 0, QStringLiteral("FormularTextArea11"))
                              + TextArie(*w, 0, QStringLiteral("FormularTextArea23")) + QLatin1Char('|')
                              + TextArie(*w, 0, QStringLiteral("FormularTextArea6"));
                return 2;
            };
            QTest::mouseClick(l.Butoane[1], Qt::LeftButton);
        }
        QCOMPARE(p.Erori, QStringList());
        // Name through the inherited ZEZ counterfoil field, CNP first and last box, the school's county.
        QCOMPARE(vazute, (QStringList{"Pop Ion|17|Iasi", "Ana Lungu|2|"}));
        QCOMPARE(p.DialoguriDeschise.size(), 2);
        QVERIFY(l.Butoane[1]->Formular);
        QCOMPARE(TVariabileFormular::Din(l.Butoane[1]->Formular, false)->IdElev, 2);
    }

    // Grades in figures and words in their pair of areas; the year shows its fourth digit.
    void gradesAndYear()
    {
        TPrintCertificatCalificareProfesionalaNivel1 w;
        FillPreview(&w, 1);
        QCOMPARE(w.PC->count(), 2);
        QCOMPARE(w.PC->tabText(1), QStringLiteral("Verso"));
        // Counterfoil grade with the default mode: figures and words in one area, lower one hidden.
        TFormularTextArea *sus = Arie(w, 1, QStringLiteral("FormularTextArea169"));
        TFormularTextArea *jos = Arie(w, 1, QStringLiteral("FormularTextArea170"));
        QVERIFY(sus && jos);
        QVERIFY(sus->Text().startsWith(QStringLiteral("9,63")));
        QVERIFY(jos->isHidden());
        QCOMPARE(TextArie(w, 0, QStringLiteral("FormularTextArea25")), QStringLiteral("9"));
        // Areas whose student has no value are empty, not left with their number marks.
        QCOMPARE(TextArie(w, 0, QStringLiteral("FormularTextArea103")), QString());
    }

    void layoutErrors_data()
    {
        QTest::addColumn<QString>("denumire1");
        QTest::addColumn<QString>("denumire2");
        QTest::addColumn<QString>("denumire3");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("unknown field") << "Certavo.FATA.NU_EXISTA" << "" << ""
                                       << "FormularTextArea1.TFormularTextArea face referire la campul inexistent "
                                          "Certavo.FATA.NU_EXISTA";
        QTest::newRow("box not a number") << "Certavo.FATA.C_CNP" << "x1" << ""
                                          << "FormularTextArea1.TFormularTextArea are denumire2=\"x1\" (adica nu un numar)";
        QTest::newRow("length not a number") << "Certavo.FATA.C_CNP" << "1" << "doi"
                                             << "FormularTextArea1.TFormularTextArea are Denumire3=\"doi\" (adica nu un "
                                                "numar) (Certavo.FATA.C_CNP)";
        QTest::newRow("grade role") << "CertificatCalificareProfesionalaNivel 1.SPATE.C_NOTA_L1" << "" << "NOTA"
                                    << "FormularTextArea1.TFormularTextArea specifica un camp \"NOTA\" cu Denumire3 = "
                                       "\"NOTA\"; Denumire3 ar trebui sa fie NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau "
                                       "MEDIE_COTOR!";
    }
    void layoutErrors()
    {
        QFETCH(QString, denumire1);
        QFETCH(QString, denumire2);
        QFETCH(QString, denumire3);
        QFETCH(QString, mesaj);
        TPrintCertificatAbsolvireZEZ w;
        TFormularTextArea *a = Arie(w, 0, QStringLiteral("FormularTextArea1"));
        a->SetDenumire1(denumire1);
        a->SetDenumire2(denumire2);
        a->SetDenumire3(denumire3);
        try {
            FillPreview(&w, 1);
            QFAIL("filled a broken layout");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), mesaj);
        }
        QVERIFY(!DM->Tr.Active());
    }

    void substrings_data()
    {
        QTest::addColumn<QString>("denumire2");
        QTest::addColumn<QString>("denumire3");
        QTest::addColumn<QString>("text");
        QTest::newRow("one character") << "3" << "" << "0";
        QTest::newRow("substring") << "2" << "4" << "9001";
        QTest::newRow("past the end") << "14" << "" << "";
        QTest::newRow("negative") << "-1234" << "" << "";
        QTest::newRow("whole value") << "" << "" << "1900101123457";
    }
    void substrings()
    {
        QFETCH(QString, denumire2);
        QFETCH(QString, denumire3);
        QFETCH(QString, text);
        TPrintCertificatAbsolvireZEZ w;
        TFormularTextArea *a = Arie(w, 0, QStringLiteral("FormularTextArea11"));
        a->SetDenumire2(denumire2);
        a->SetDenumire3(denumire3);
        FillPreview(&w, 1);
        QCOMPARE(a->Text(), text);
    }

    void zoom()
    {
        TPrintCertificatAbsolvireZEZ w;
        TFormularDePrintat *s = w.SuprafataActiva();
        const QSize inainte = s->size();
        QTest::mouseClick(w.Mareste, Qt::LeftButton);
        QVERIFY(s->width() > inainte.width());
        QTest::mouseClick(w.Mareste, Qt::LeftButton);
        QTest::mouseClick(w.Micsoreaza, Qt::LeftButton);
        QTest::mouseClick(w.Micsoreaza, Qt::LeftButton);
        QVERIFY(qAbs(s->Zoom() - 100.0) < 1e-9);
        QCOMPARE(s->size(), inainte);
    }
};

QTEST_MAIN(TstFillPreview)
#include "tst_fillpreview.moc"
