#include "TBazaTest.h"
#include "UProfilDiploma.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlError>
#include <QUuid>
#include <QtTest>

namespace {
const int kRunde = 12;
const int kElevi = 5;

QString Env(const char *nume, const char *implicit = "") { return qEnvironmentVariable(nume, QString::fromLatin1(implicit)); }
} // namespace

// Two workstations on one database of a real Firebird server (started by scripts/test.sh,
// which names it in CERTAVO_FB_SERVER and the folder it may keep databases in in
// CERTAVO_FB_DIR): two processes start at once on a blank database, then save the same
// students at the same time.
class TstBazaPartajata : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;
    QString m_cale;

    struct TRezultat
    {
        QList<int> elevi;
        int reincercari = 0;
    };

    // Starts both workstations together and waits for both.
    QList<TRezultat> Lucratori(int runde, int primul)
    {
        QList<QProcess *> procese;
        for (const char *post : {"w1", "w2"}) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lucrator_baza"),
                     {m_b->Director().Cale(), QString::fromLatin1(post), QString::number(runde), QString::number(primul),
                      QString::number(kElevi)});
            procese << p;
        }
        QList<TRezultat> rez;
        for (QProcess *p : procese) {
            [&] {
                QVERIFY(p->waitForFinished(300000));
                QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0,
                         p->readAllStandardError().constData());
            }();
            TRezultat r;
            for (const QByteArray &l : p->readAllStandardOutput().split('\n')) {
                const QList<QByteArray> c = l.split(' ');
                if (c.size() == 2 && c[0] == "ELEV")
                    r.elevi << c[1].toInt();
                else if (c.size() == 2 && c[0] == "REINCERCARI")
                    r.reincercari = c[1].toInt();
            }
            rez << r;
            delete p;
        }
        return rez;
    }

    int Numar(const QString &sql) { return m_b->Valoare(sql).toInt(); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString server = Env("CERTAVO_FB_SERVER"), folder = Env("CERTAVO_FB_DIR");
        if (server.isEmpty() || folder.isEmpty())
            QSKIP("No Firebird server for this test: scripts/test.sh starts one and names it in CERTAVO_FB_SERVER "
                  "and CERTAVO_FB_DIR");
        m_b = new TBazaTest;
        m_cale = QDir(folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".FDB"));
        QVERIFY(QFile::copy(TDirectorTest::DinBuild(QStringLiteral("BLANK.FDB")), m_cale));
        QFile::setPermissions(m_cale, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
        QFile ini(m_b->Director().Cale(QStringLiteral("certavo.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[BazaDeDate]\nServer=%1\nCale=%2\nUtilizator=%3\nParola=%4\n")
                      .arg(server, m_cale, Env("CERTAVO_FB_UTILIZATOR", "SYSDBA"), Env("CERTAVO_FB_PAROLA", "masterkey"))
                      .toUtf8());
        ini.close();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("proba"));
            db.setDatabaseName(server + QLatin1Char(':') + m_cale);
            const bool deschis = db.open(Env("CERTAVO_FB_UTILIZATOR", "SYSDBA"), Env("CERTAVO_FB_PAROLA", "masterkey"));
            const QString eroare = db.lastError().text();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("proba"));
            if (!deschis)
                QSKIP(qPrintable(QStringLiteral("The Firebird server %1 cannot be reached: %2").arg(server, eroare)));
        }
    }

    void cleanupTestCase()
    {
        delete m_b;
        if (!m_cale.isEmpty())
            QFile::remove(m_cale);
    }

    // Both start-ups upgrade, make the record tables and copy the profile at the same time:
    // both succeed and every object and row is there once.
    void startAtOnce()
    {
        Lucratori(0, 0);
        if (QTest::currentTestFailed())
            return;
        TDM &dm = m_b->Porneste();
        QCOMPARE(dm.FisierBazaDeDate(), Env("CERTAVO_FB_SERVER") + QLatin1Char(':') + m_cale);
        QCOMPARE(dm.NumarComenziDDL(), 0);
        QCOMPARE(m_b->Coloana(QStringLiteral("select VERSIUNE from CONFID_DB")), QVariantList({3}));
        QCOMPARE(m_b->Coloana(QStringLiteral("select NUME_TABEL from TABELE order by 1")), QVariantList({"ELEVI", "SCOALA"}));
        QCOMPARE(Numar(QStringLiteral("select count(*) from TIPURI_DE_DATE")), 7);
        QCOMPARE(Numar(QStringLiteral("select count(*) from PROFIL_DIPLOMA")),
                 Numar(QStringLiteral("select count(*) from (select distinct COD_FORMULAR, COD_PAGINA, COD_CAMP from "
                                      "PROFIL_DIPLOMA)")));
        TListaLiniiProfilDiploma profil;
        profil.IncarcaDinFisier(TDirectorTest::DinBuild(QStringLiteral("DOZ2009.binprof")));
        QCOMPARE(Numar(QStringLiteral("select count(*) from PROFIL_DIPLOMA")), int(profil.Linii.size()));
        QCOMPARE(Numar(QStringLiteral("select count(*) from RDB$INDICES where RDB$INDEX_NAME = 'UQ_DATE_CAMP_PROPRIETAR'")),
                 1);
    }

    // The same students saved by both for a bounded number of rounds: one row per field and
    // student, none lost, both fields of a save from the same save, the last round's value
    // kept, and the students each one created have ids of their own.
    void saveAtOnce()
    {
        TDM &dm = m_b->Porneste();
        int primul = 0;
        ScrieInTranzactie(dm.Tr, [&] {
            primul = dm.InregistrareNoua(QStringLiteral("ELEVI"));
            for (int i = 1; i < kElevi; ++i)
                dm.InregistrareNoua(QStringLiteral("ELEVI"));
        });
        m_b->Opreste();
        const QList<TRezultat> rez = Lucratori(kRunde, primul);
        if (QTest::currentTestFailed())
            return;
        qInfo("writers run again after a conflict: %d and %d", rez[0].reincercari, rez[1].reincercari);
        m_b->Porneste();

        QCOMPARE(Numar(QStringLiteral("select count(*) from (select COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI from "
                                      "\"DATE\" group by 1, 2, 3, 4 having count(*) > 1)")),
                 0);
        const QString ultima = QStringLiteral(" r%1").arg(kRunde);
        for (int e = primul; e < primul + kElevi; ++e) {
            const auto text = [&](const QString &pagina, const QString &camp) {
                return m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_FORMULAR = 'T' and "
                                                   "COD_PAGINA = '%1' and COD_CAMP = '%2' and ID_ELEVI = %3")
                                        .arg(pagina, camp)
                                        .arg(e))
                    .toString();
            };
            QCOMPARE(Numar(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = %1").arg(e)), kRunde + 2);
            const QString a = text(QStringLiteral("P"), QStringLiteral("A"));
            QVERIFY2(a.endsWith(ultima), qPrintable(a));
            QCOMPARE(text(QStringLiteral("P"), QStringLiteral("B")), a);
            for (int r = 1; r <= kRunde; ++r)
                QVERIFY(text(QStringLiteral("R"), QStringLiteral("R%1").arg(r)).endsWith(QStringLiteral(" r%1").arg(r)));
        }

        QSet<int> noi;
        for (const TRezultat &r : rez) {
            QCOMPARE(r.elevi.size(), kRunde);
            for (int id : r.elevi) {
                QVERIFY2(!noi.contains(id), qPrintable(QString::number(id)));
                noi.insert(id);
                QCOMPARE(Numar(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = %1").arg(id)), 1);
            }
        }
        QCOMPARE(Numar(QStringLiteral("select count(*) from ELEVI")), kElevi + 2 * kRunde);
    }
};

QTEST_GUILESS_MAIN(TstBazaPartajata)
#include "tst_bazapartajata.moc"
