#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "InsertPaper.h"
#include "UCertavoMain.h"
#include "UListaElevi.h"

#include <QAction>
#include <QMenuBar>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

class TstCertavoMain : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->Porneste();
    }
    void cleanup() { m_b.reset(); }

    void menu_data()
    {
        QTest::addColumn<QString>("meniu");
        QTest::addColumn<QString>("nume");
        QTest::addColumn<QString>("text");
        QTest::newRow("diploma") << "Configurare" << "Configurarediploma1" << "Configurare diploma";
        QTest::newRow("scoala") << "Configurare" << "Configurarescoala1" << "Configurare scoala";
        QTest::newRow("nota") << "Configurare" << "Configurarenota1" << "Configurare nota";
        QTest::newRow("imprimanta") << "Configurare" << "Configurareimprimanta2" << "Configurare imprimanta";
        QTest::newRow("import") << "Preluare date" << "ImportdinExcel1" << "Import din Excel";
        QTest::newRow("despre") << "Ajutor" << "Desprenoi1" << "Despre noi";
    }
    void menu()
    {
        QFETCH(QString, meniu);
        QFETCH(QString, nume);
        QFETCH(QString, text);
        TCertavoMain w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Certavo"));
        QAction *a = w.findChild<QAction *>(nume);
        QVERIFY(a);
        QCOMPARE(a->text(), text);
        QMenu *m = qobject_cast<QMenu *>(a->parent());
        QVERIFY(m);
        QCOMPARE(m->title(), meniu);
    }

    void menuOrder()
    {
        TCertavoMain w;
        QStringList titluri;
        for (QAction *a : w.menuBar()->actions())
            titluri << a->text();
        QCOMPARE(titluri, (QStringList{"Configurare", "Preluare date", "Ajutor"}));
        QStringList configurare;
        for (QAction *a : w.findChild<QMenu *>(QStringLiteral("Configurare1"))->actions())
            configurare << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(configurare, (QStringList{"Configurare diploma", "Configurare scoala", "-", "Configurare nota",
                                           "Configurare imprimanta"}));
    }

    // Each command opens its dialog; one whose dialog is not there yet says so instead of doing nothing.
    void commands()
    {
        TPrompterScriptat p;
        TCertavoMain w;
        w.Configurarediploma1->trigger();
        QCOMPARE(p.DialoguriDeschise, QStringList{QStringLiteral("Configurare Diploma")});
        w.Configurarescoala1->trigger();
        w.Configurarenota1->trigger();
        QCOMPARE(p.DialoguriDeschise, (QStringList{"Configurare Diploma", "Configurare scoala", "Editor informatii globale"}));
        // The printer wizard, or why it cannot open on a machine without printers.
        w.Configurareimprimanta2->trigger();
        if (ExistaImprimante()) {
            QCOMPARE(p.DialoguriDeschise.last(), QStringLiteral("Formular pentru pregatirea imprimantei"));
            QVERIFY(p.Mesaje.isEmpty());
        } else {
            QCOMPARE(p.Mesaje, QStringList{MesajFaraImprimanta});
            QCOMPARE(p.DialoguriDeschise.size(), 3);
        }
    }

    // The import opens its wizard; rows it wrote stay after "Renunt", so the list is reloaded anyway.
    void importReloadsList()
    {
        TPrompterScriptat p;
        TCertavoMain w;
        QCOMPARE(w.Lista->VT->topLevelItemCount(), 0);
        p.Dialoguri.enqueue([this](QDialog *d) {
            m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (7)")});
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("RzBitBtn3")), Qt::LeftButton);
            return d->result();
        });
        w.ImportdinExcel1->trigger();
        QCOMPARE(p.DialoguriDeschise, QStringList{QStringLiteral("Import de date din Excel")});
        QVERIFY(p.Dialoguri.isEmpty());
        QCOMPARE(w.Lista->VT->topLevelItemCount(), 1);
        QVERIFY(p.Mesaje.isEmpty());
    }

    // The student list fills the main window and is loaded when the window opens.
    void studentList()
    {
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)")});
        TCertavoMain w;
        QVERIFY(w.Lista);
        QCOMPARE(w.centralWidget(), w.Lista);
        QCOMPARE(w.Lista->VT->topLevelItemCount(), 1);
    }

};

QTEST_MAIN(TstCertavoMain)
#include "tst_certavomain.moc"
