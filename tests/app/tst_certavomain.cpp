#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UCertavoMain.h"
#include "UPornire.h"

#include <QAction>
#include <QMenuBar>
#include <QtTest>

class TstCertavoMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        TBazaTest b;
        b.Porneste();
        TPrompterScriptat p;
        TCertavoMain w;
        w.Configurarediploma1->trigger();
        QCOMPARE(p.DialoguriDeschise, QStringList{QStringLiteral("Configurare Diploma")});
        w.Configurareimprimanta2->trigger();
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Functionalitate in lucru")});
    }

    // A database that cannot be opened is reported in Romanian and the start-up stops cleanly.
    void startupErrorIsShown()
    {
        TBazaTest b;
        QVERIFY(QDir(b.Director().Cale()).mkpath(QStringLiteral("DB")));
        QFile f(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
        f.close();
        TPrompterScriptat p;
        QVERIFY(!PornesteDatele());
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().startsWith(QStringLiteral("Nu pot deschide baza de date")), qPrintable(p.Erori.first()));
    }

    void startupOpensTheDatabase()
    {
        TBazaTest b;
        TPrompterScriptat p;
        std::unique_ptr<TDM> dm(PornesteDatele());
        QVERIFY(dm);
        QVERIFY(p.Erori.isEmpty());
        QVERIFY(QFile::exists(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB"))));
    }
};

QTEST_MAIN(TstCertavoMain)
#include "tst_certavomain.moc"
