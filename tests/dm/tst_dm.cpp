#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEroare.h"
#include "UFluxEtichetat.h"
#include "UProfilDiploma.h"
#include "UProfilZEZ.h"
#include "UTabele.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

namespace {
const QString kNumarRanduri = QStringLiteral("select count(*) from PROFIL_DIPLOMA");

int LiniiInFisier()
{
    TListaLiniiProfilDiploma p;
    p.IncarcaDinFisier(TDirectorTest::DinBuild(QStringLiteral("DOZ2009.binprof")));
    return int(p.Linii.size());
}
} // namespace

class TstDm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // First start with only the blank database: folder, copy, upgrade, record tables, profile.
    void firstStart()
    {
        TBazaTest b;
        TDM &dm = b.Porneste();
        QCOMPARE(dm.FisierBazaDeDate(), b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB")));
        QVERIFY(QFile::exists(dm.FisierBazaDeDate()));
        QCOMPARE(b.Valoare(QStringLiteral("select VERSIUNE from CONFID_DB")).toInt(), 3);
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from CONFID_DB")).toInt(), 1);
        // The three columns of the upgrade exist and carry the profile's values.
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA where ORDINE is not null and "
                                          "LATIME_SUGERATA is not null"))
                     .toInt(),
                 LiniiInFisier());
        QCOMPARE(b.Valoare(kNumarRanduri).toInt(), LiniiInFisier());
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA where ONOREZ_SIMILAR = 'DA'")).toInt(),
                 LiniiInFisier());
        QCOMPARE(b.Coloana(QStringLiteral("select trim(RDB$CONSTRAINT_NAME) from RDB$RELATION_CONSTRAINTS where "
                                          "RDB$CONSTRAINT_NAME starting with 'FK_' order by 1")),
                 QVariantList({"FK_ELEVI_1", "FK_ELEVI_2", "FK_SCOALA_1", "FK_SCOALA_2"}));
        QCOMPARE(b.Coloana(QStringLiteral("select trim(RDB$CONSTRAINT_NAME) from RDB$RELATION_CONSTRAINTS where "
                                          "RDB$CONSTRAINT_NAME starting with 'PK_' order by 1")),
                 QVariantList({"PK_ELEVI", "PK_SCOALA"}));
        QCOMPARE(b.Coloana(QStringLiteral("select trim(RDB$GENERATOR_NAME) from RDB$GENERATORS where RDB$GENERATOR_NAME "
                                          "starting with 'G_ID_' order by 1")),
                 QVariantList({"G_ID_ELEVI", "G_ID_SCOALA"}));
        QCOMPARE(b.Coloana(QStringLiteral("select trim(RDB$FIELD_NAME) from RDB$RELATION_FIELDS where RDB$RELATION_NAME = "
                                          "'DATE' and RDB$FIELD_NAME starting with 'ID' order by 1")),
                 QVariantList({"IDF_ELEVI", "IDF_SCOALA", "ID_ELEVI", "ID_SCOALA"}));
        QCOMPARE(b.Coloana(QStringLiteral("select NUME_TABEL from TABELE order by NUME_TABEL")),
                 QVariantList({"ELEVI", "SCOALA"}));
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from TIPURI_DE_DATE")).toInt(), 7);
        QCOMPARE(b.Valoare(QStringLiteral("select GEN_ID(G_ID_SCOALA, 1) from RDB$DATABASE")).toInt(), 1);
        QVERIFY(dm.NumarComenziDDL() > 0);
    }

    // A second start runs no DDL, keeps the user's choices and removes only rows the profile dropped.
    void secondStart()
    {
        TBazaTest b;
        b.Porneste();
        b.Executa({QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'NU' where COD_CAMP = 'A_NUME'"),
                   QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR) "
                                  "values ('Vechi', 'FATA', 'X', 'DA')"),
                   // Same document and page as a real field, other field code: only an exact match stays.
                   QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR) "
                                  "values ('Certavo', 'FATA', 'c_nume', 'DA')"),
                   QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)"),
                   QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_SCOALA) "
                                  "values ('Certavo', 'FATA', 'C_JUDETUL', 'Ilfov', 1)")});
        TDM &dm = b.Porneste();
        QCOMPARE(dm.NumarComenziDDL(), 0);
        QCOMPARE(b.Valoare(QStringLiteral("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_CAMP = 'A_NUME'")).toString(),
                 QStringLiteral("NU"));
        QCOMPARE(b.Valoare(kNumarRanduri).toInt(), LiniiInFisier());
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA where COD_FORMULAR = 'Vechi'")).toInt(), 0);
        QCOMPARE(b.Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_SCOALA = 1")).toString(),
                 QStringLiteral("Ilfov"));
        QCOMPARE(b.Valoare(QStringLiteral("select VERSIUNE from CONFID_DB")).toInt(), 3);
    }

    // A version table without its row, or with a null version, counts as the base schema, and
    // after the upgrade it holds the current version, so the next start does not upgrade again.
    void missingVersion_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("no row") << QStringLiteral("delete from CONFID_DB");
        QTest::newRow("null version") << QStringLiteral("update CONFID_DB set VERSIUNE = null");
    }
    void missingVersion()
    {
        QFETCH(QString, sql);
        TBazaTest b;
        const QString fdb = b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB"));
        QVERIFY(QDir(b.Director().Cale()).mkpath(QStringLiteral("DB")));
        QVERIFY(QFile::copy(b.Director().Cale(QStringLiteral("BLANK.FDB")), fdb));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("direct"));
            db.setDatabaseName(fdb);
            QVERIFY(db.open(QStringLiteral("sysdba"), QStringLiteral("x")));
            QVERIFY(QSqlQuery(db).exec(sql));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("direct"));
        b.Porneste();
        QCOMPARE(b.Coloana(QStringLiteral("select VERSIUNE from CONFID_DB")), QVariantList({3}));
        TDM &dm = b.Porneste();
        QCOMPARE(dm.NumarComenziDDL(), 0);
    }

    // A profile file that cannot be read stops the start-up and leaves the profile table alone.
    void badProfile_data()
    {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("mesaj");
        QFile f(TDirectorTest::DinBuild(QStringLiteral("DOZ2009.binprof")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bun = f.readAll();
        QTest::newRow("truncated") << bun.left(bun.size() / 2) << QStringLiteral("Fisier deteriorat");
        TScriitorFlux v2;
        v2.ScrieText(QStringLiteral("titlu"));
        v2.ScrieInt(2);
        QTest::newRow("version 2") << v2.Date() << QStringLiteral("Invalid stream");
        QByteArray tagGresit = bun;
        tagGresit[0] = char(9);
        QTest::newRow("wrong tag") << tagGresit << QStringLiteral("Fisier deteriorat");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("Nu pot deschide fisierul de profil");
    }
    void badProfile()
    {
        QFETCH(QByteArray, continut);
        QFETCH(QString, mesaj);
        TBazaTest b;
        b.Porneste();
        b.Executa({QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'SELECTIV' where COD_CAMP = 'A_CNP'")});
        b.Opreste();
        const QString cale = b.Director().Cale(QStringLiteral("DOZ2009.binprof"));
        QFile::remove(cale);
        if (!continut.isEmpty()) {
            QFile f(cale);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(continut);
        }
        try {
            b.Porneste();
            QFAIL("start-up accepted a bad profile");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().startsWith(mesaj), qPrintable(e.Mesaj()));
        }
        b.Director().Copiaza(QStringLiteral("DOZ2009.binprof"));
        b.Porneste();
        QCOMPARE(b.Valoare(kNumarRanduri).toInt(), LiniiInFisier());
        QCOMPARE(b.Valoare(QStringLiteral("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_CAMP = 'A_CNP'")).toString(),
                 QStringLiteral("SELECTIV"));
    }

    void missingBlank()
    {
        TBazaTest b;
        QFile::remove(b.Director().Cale(QStringLiteral("BLANK.FDB")));
        TPrompterScriptat p;
        try {
            b.Porneste();
            QFAIL("no stop");
        } catch (const EOprireProces &e) {
            QCOMPARE(e.Cod, 1);
        }
        QCOMPARE(p.Avertizari.size(), 1);
        const QString db = QDir::toNativeSeparators(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB")));
        const QString blank = QDir::toNativeSeparators(b.Director().Cale(QStringLiteral("BLANK.FDB")));
        QCOMPARE(p.Avertizari.first(),
                 QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru initializare.\n"
                                "DB Curent:")
                     + db + QStringLiteral("\r\nDB Blank:") + blank);
        QVERIFY(!QFile::exists(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB"))));
    }

    // A database file that is not a database: a Romanian error naming it, nothing else touched.
    void corruptDatabase()
    {
        TBazaTest b;
        QVERIFY(QDir(b.Director().Cale()).mkpath(QStringLiteral("DB")));
        QFile f(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(20000, 'x'));
        f.close();
        try {
            b.Porneste();
            QFAIL("opened a corrupt database");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().startsWith(QStringLiteral("Nu pot deschide baza de date")), qPrintable(e.Mesaj()));
        }
        QCOMPARE(QFileInfo(f.fileName()).size(), 20000);
    }

    // A shared database named in certavo.ini that cannot be reached: a Romanian error naming the
    // server and the path, and no local database is made in its place.
    void unreachableServer_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("refused") << "[BazaDeDate]\nServer=127.0.0.1/1\nCale=/srv/scoala/DOZ2009.FDB\n"
                                 << "Nu pot deschide baza de date \"/srv/scoala/DOZ2009.FDB\" de pe serverul 127.0.0.1/1:";
        QTest::newRow("no path") << "[BazaDeDate]\nServer=127.0.0.1\n"
                                 << "In fisierul \"%1\" este ales serverul 127.0.0.1, dar lipseste calea bazei de date (Cale).";
    }
    void unreachableServer()
    {
        QFETCH(QString, ini);
        QFETCH(QString, mesaj);
        TBazaTest b;
        QFile f(b.Director().Cale(QStringLiteral("certavo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini.toUtf8());
        f.close();
        try {
            b.Porneste();
            QFAIL("started without its database");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().startsWith(mesaj.arg(f.fileName())), qPrintable(e.Mesaj()));
        }
        QVERIFY(!QFile::exists(b.Director().Cale(QStringLiteral("DB/DOZ2009.FDB"))));
    }

    void registration()
    {
        TBazaTest::InregistreazaZEZ();
        try {
            InregistreazaProfil(ClasaProfil<TListaLiniiProfilDiploma>(QStringLiteral("TAltProfil")));
            QFAIL("second profile registered");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Am inregistrat deja un profil de diploma: TListaLiniiProfilZEZ"));
        }
        try {
            InregistreazaTabele(ClasaTabele<TListaLiniiTabel>(QStringLiteral("TAlteTabele")));
            QFAIL("second table list registered");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Am inregistrat deja un profil de diploma: TListaLiniiTabelZEZ"));
        }
        try {
            ClasaProfil<TListaLiniiProfilDiploma>(QStringLiteral("TBaza")).ListaCampuriElev();
            QFAIL("base class named the students");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Nu ai definit TBaza.ListaCampuriElev; Lista trebuie sa fie de tipul "
                                               "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\""));
        }
    }

    void unregistered()
    {
        TDirectorTest d({QStringLiteral("BLANK.FDB")});
        AnuleazaInregistrareaProfilului();
        AnuleazaInregistrareaTabelelor();
        try {
            TDM dm;
            dm.DataModuleCreate();
            QFAIL("started without a profile");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("NU ai definit profilul diplomei"));
        }
        InregistreazaProfil(ClasaProfil<TListaLiniiProfilZEZ>(QStringLiteral("TListaLiniiProfilZEZ")));
        try {
            TDM dm;
            dm.DataModuleCreate();
            QFAIL("started without record tables");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
        }
        AnuleazaInregistrareaProfilului();
        TBazaTest::InregistreazaZEZ();
    }

    // Deleting a school takes its values and the students' links to it.
    void cascades()
    {
        TBazaTest b;
        b.Porneste();
        b.Executa({QStringLiteral("insert into SCOALA (ID_SCOALA) values (7)"),
                   QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)"),
                   QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_SCOALA) "
                                  "values ('Certavo', 'FATA', 'C_JUDETUL', 'Cluj', 7)"),
                   QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) "
                                  "values ('Certavo', 'FATA', 'C_JUDETUL', 3, 7)"),
                   QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                                  "values ('Certavo', 'FATA', 'C_NUME', 'Pop Ion', 3)"),
                   QStringLiteral("delete from SCOALA where ID_SCOALA = 7")});
        QCOMPARE(b.Coloana(QStringLiteral("select VALOARE_TEXT from \"DATE\"")), QVariantList({"Pop Ion"}));
        b.Executa({QStringLiteral("delete from ELEVI where ID_ELEVI = 3")});
        QCOMPARE(b.Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TstDm)
#include "tst_dm.moc"
