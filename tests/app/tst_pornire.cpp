#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UPornire.h"

#include <QtTest>

class TstPornire : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(TstPornire)
#include "tst_pornire.moc"
