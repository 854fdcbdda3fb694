#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UAdaugaElev.h"
#include "UEditorGeneric.h"
#include "UEditorGenericComplex.h"
#include "UListaElevi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
// A student with a name and a CNP, as the student dialog would store them.
QStringList Elev(int id, const QString &nume, const QString &cnp)
{
    const QString valoare = QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                                           "values ('Certavo', 'FATA', '%1', '%2', %3)");
    return {QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id), valoare.arg(QStringLiteral("C_NUME"), nume).arg(id),
            valoare.arg(QStringLiteral("C_CNP"), cnp).arg(id)};
}

QStringList Randuri(const TListaElevi &l)
{
    QStringList r;
    for (int i = 0; i < l.VT->topLevelItemCount(); ++i)
        r << l.VT->topLevelItem(i)->text(0);
    return r;
}

TEditorGeneric *EditorPentru(QWidget *w, const QString &camp)
{
    for (TEditorGeneric *e : w->findChildren<TEditorGeneric *>())
        if (e->CodCamp() == camp && e->CodFormular() == QLatin1String("Certavo"))
            return e;
    return nullptr;
}
} // namespace

class TstListaElevi : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->Porneste();
        m_b->Executa(Elev(1, QStringLiteral("Pop Ion abc"), QStringLiteral("1900101123457"))
                     + Elev(2, QStringLiteral("Ionescu ABC"), QStringLiteral("2900101123459"))
                     + QStringList{QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)"),
                                   QStringLiteral("SET GENERATOR G_ID_ELEVI TO 3")});
    }
    void cleanup() { m_b.reset(); }

    // The display text is the profile's name expression; a student without values shows its literal parts.
    void displayTexts()
    {
        TListaElevi l;
        l.Reincarca();
        QCOMPARE(Randuri(l), (QStringList{"Pop Ion abc / Pop Ion abc  (1900101123457)",
                                          "Ionescu ABC / Ionescu ABC  (2900101123459)", " /   ()"}));
    }

    void filter_data()
    {
        QTest::addColumn<QString>("cauta");
        QTest::addColumn<int>("randuri");
        QTest::newRow("empty shows all") << "" << 3;
        QTest::newRow("blanks show all") << "   " << 3;
        QTest::newRow("case-sensitive") << "ab" << 1;
        QTest::newRow("upper case") << "ABC" << 1;
        QTest::newRow("trailing blank must match") << "Ion " << 1;
        QTest::newRow("CNP digits") << "2900101" << 1;
        QTest::newRow("nothing matches") << "Zamfir" << 0;
    }
    void filter()
    {
        QFETCH(QString, cauta);
        QFETCH(int, randuri);
        TListaElevi l;
        l.Reincarca();
        QTest::keyClicks(l.RzEdit1, cauta);
        QCOMPARE(l.VT->topLevelItemCount(), randuri);
    }

    void needsSelection()
    {
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        QTest::mouseClick(l.RzBitBtn2, Qt::LeftButton);
        QTest::mouseClick(l.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.Mesaje, (QStringList{"Va rog selectati un elev!", "Va rog selectati un elev!"}));
        QVERIFY(p.Intrebari.isEmpty());
        QVERIFY(p.DialoguriDeschise.isEmpty());
    }

    void deleteAsks_data()
    {
        QTest::addColumn<bool>("raspuns");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsks()
    {
        QFETCH(bool, raspuns);
        TPrompterScriptat p;
        p.Raspunsuri << raspuns;
        TListaElevi l;
        l.Reincarca();
        l.VT->setCurrentItem(l.VT->topLevelItem(0));
        QTest::mouseClick(l.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.Intrebari, QStringList{"Doriti sa stergeti elevul: Pop Ion abc / Pop Ion abc  (1900101123457)"});
        QCOMPARE(l.VT->topLevelItemCount(), raspuns ? 2 : 3);
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = 1")).toInt(), raspuns ? 0 : 2);
    }

    // "Adauga": the dialog saves a new student with the values typed; "Renunt" writes nothing.
    void addStudent()
    {
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        p.Dialoguri << [](QDialog *d) {
            auto *dlg = qobject_cast<TAdaugaElev *>(d);
            TEditorGeneric *nume = EditorPentru(dlg, QStringLiteral("C_NUME"));
            TEditorGeneric *cnp = EditorPentru(dlg, QStringLiteral("C_CNP"));
            if (!nume || !cnp)
                return -1;
            QTest::keyClicks(nume->findChild<QComboBox *>(QStringLiteral("RzComboBox1")), QStringLiteral("Zamfir Ana"));
            QTest::keyClicks(cnp->findChild<QLineEdit *>(QStringLiteral("RzEdit1")), QStringLiteral("2950101123451"));
            QTest::mouseClick(dlg->RzBitBtn1, Qt::LeftButton);
            return dlg->result();
        };
        QTest::mouseClick(l.RzBitBtn1, Qt::LeftButton);
        QCOMPARE(p.DialoguriDeschise, QStringList{"Adauga elev"});
        QVERIFY2(Randuri(l).contains(QStringLiteral("Zamfir Ana / Zamfir Ana  (2950101123451)")), qPrintable(Randuri(l).join('|')));
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from ELEVI")).toInt(), 4);

        QTest::mouseClick(l.RzBitBtn1, Qt::LeftButton);   // no script left: cancelled
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from ELEVI")).toInt(), 4);
        QCOMPARE(l.VT->topLevelItemCount(), 4);
    }

    // A refused grade keeps the dialog open and writes nothing, not even the fields already typed.
    void refusedGradeWritesNothing()
    {
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        bool deschis = false;
        p.Dialoguri << [&deschis](QDialog *d) {
            auto *dlg = qobject_cast<TAdaugaElev *>(d);
            QTest::keyClicks(EditorPentru(dlg, QStringLiteral("C_NUME"))->findChild<QComboBox *>(QStringLiteral("RzComboBox1")),
                             QStringLiteral("Zamfir Ana"));
            QTest::keyClicks(EditorPentru(dlg, QStringLiteral("C_CNP"))->findChild<QLineEdit *>(QStringLiteral("RzEdit1")),
                             QStringLiteral("2950101123451"));
            TEditorGeneric *nota = nullptr;
            for (TEditorGeneric *e : dlg->findChildren<TEditorGeneric *>())
                if (e->CodCamp() == QLatin1String("C_NOTA_L1"))
                    nota = e;
            QWidget *edit = nota->findChild<QWidget *>(QStringLiteral("KelNumEdit1"));
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("4,99"));
            QTest::mouseClick(dlg->RzBitBtn1, Qt::LeftButton);
            deschis = dlg->result() == 0;
            return 2;
        };
        QTest::mouseClick(l.RzBitBtn1, Qt::LeftButton);
        QVERIFY(deschis);
        QCOMPARE(p.Avertizari, QStringList{QStringLiteral("Nota este prea mica")});
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from ELEVI")).toInt(), 3);
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where VALOARE_TEXT = 'Zamfir Ana'")).toInt(), 0);
    }

    // "Modifica" loads the student's values and saves the change in place.
    void modifyStudent()
    {
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        l.VT->setCurrentItem(l.VT->topLevelItem(1));
        QString incarcat;
        p.Dialoguri << [&incarcat](QDialog *d) {
            auto *dlg = qobject_cast<TAdaugaElev *>(d);
            auto *c = EditorPentru(dlg, QStringLiteral("C_NUME"))->findChild<QComboBox *>(QStringLiteral("RzComboBox1"));
            incarcat = c->currentText();
            c->setCurrentText(QStringLiteral("Ionescu Maria"));
            QTest::mouseClick(dlg->RzBitBtn1, Qt::LeftButton);
            return dlg->result();
        };
        QTest::mouseClick(l.RzBitBtn2, Qt::LeftButton);
        QVERIFY(p.Intrebari.isEmpty());
        QCOMPARE(incarcat, QStringLiteral("Ionescu ABC"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from ELEVI")).toInt(), 3);
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = 2 and COD_CAMP = 'C_NUME'"))
                     .toString(),
                 QStringLiteral("Ionescu Maria"));
    }
};

QTEST_MAIN(TstListaElevi)
#include "tst_listaelevi.moc"
