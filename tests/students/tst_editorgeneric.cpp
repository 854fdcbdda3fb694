#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEditorCampCF.h"
#include "UEroare.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// The generic load and save of a field editor on a real database: which owner column
// addresses the row, trimming and cutting, updates that clear the other owners.
class TstEditorGeneric : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;

    QVariantList Rand(const QString &coloane)
    {
        TCitire citire(DM->Tr);
        QVariantList rez;
        DM->Q1.SQL(QStringLiteral("select %1 from \"DATE\" where COD_FORMULAR='F'").arg(coloane));
        DM->Q1.Open();
        if (!DM->Q1.Eof())
            for (int i = 0; i < coloane.count(QLatin1Char(',')) + 1; ++i)
                rez << DM->Q1.Camp(i);
        DM->Q1.Close();
        return rez;
    }
    static void Salveaza(TEditorGeneric &e, int idElev, int idInreg, const QString &asociat)
    {
        TScriere s(DM->Tr);
        e.SalveazaCamp(idElev, idInreg, asociat);
        s.Commit();
    }
    static void Incarca(TEditorGeneric &e, const QString &asociat, int idElev, int idInreg)
    {
        TCitire c(DM->Tr);
        e.IncarcaCamp(QStringLiteral("F"), QStringLiteral("P"), QStringLiteral("C"), asociat, idElev, idInreg);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_b = new TBazaTest;
        m_b->Porneste();
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)"),
                      QStringLiteral("insert into ELEVI (ID_ELEVI) values (7)"),
                      QStringLiteral("insert into SCOALA (ID_SCOALA) values (3)")});
    }
    void cleanupTestCase() { delete m_b; }
    void init() { m_b->Executa({QStringLiteral("delete from \"DATE\"")}); }

    void IdEfectiv_data()
    {
        QTest::addColumn<QString>("asociat");
        QTest::addColumn<int>("asteptat");
        QTest::newRow("ELEVI") << "ELEVI" << 7;
        QTest::newRow("SCOALA") << "SCOALA" << 3;
        QTest::newRow("elevi lower case") << "elevi" << 3;
        QTest::newRow("ELEVI with blank") << "ELEVI " << 3;
    }
    void IdEfectiv()
    {
        QFETCH(QString, asociat);
        QFETCH(int, asteptat);
        QCOMPARE(TEditorGeneric::IdEfectiv(asociat, 7, 3), asteptat);
    }

    void SalvareInsereaza_data()
    {
        QTest::addColumn<QString>("asociat");
        QTest::addColumn<QVariant>("idElevi");
        QTest::addColumn<QVariant>("idScoala");
        QTest::newRow("student field") << "ELEVI" << QVariant(7) << QVariant();
        QTest::newRow("school field") << "SCOALA" << QVariant() << QVariant(3);
        QTest::newRow("lower-case elevi uses the record id") << "elevi" << QVariant(3) << QVariant();
    }
    void SalvareInsereaza()
    {
        QFETCH(QString, asociat);
        QFETCH(QVariant, idElevi);
        QFETCH(QVariant, idScoala);
        TEditorCampCF e;
        Incarca(e, QStringLiteral("ELEVI"), -1, -1);
        QVERIFY(e.RzEdit1->text().isEmpty());
        e.RzEdit1->setText(QStringLiteral("RO123"));
        Salveaza(e, 7, 3, asociat);
        const QVariantList r = Rand(QStringLiteral("ID_ELEVI, ID_SCOALA, VALOARE_TEXT, VALOARE_NUM, COD_PAGINA, COD_CAMP"));
        QCOMPARE(r.size(), 6);
        QCOMPARE(r[0].isNull(), idElevi.isNull());
        QCOMPARE(r[1].isNull(), idScoala.isNull());
        if (!idElevi.isNull())
            QCOMPARE(r[0].toInt(), idElevi.toInt());
        if (!idScoala.isNull())
            QCOMPARE(r[1].toInt(), idScoala.toInt());
        QCOMPARE(r[2].toString(), QStringLiteral("RO123"));
        QCOMPARE(r[3].toDouble(), 0.0);
        QCOMPARE(r[4].toString(), QStringLiteral("P"));
        QCOMPARE(r[5].toString(), QStringLiteral("C"));
    }

    void TextSalvat_data()
    {
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<QString>("stocat");
        const QString s70 = QString(70, QLatin1Char('x')).replace(64, 6, QStringLiteral("ABCDEF"));
        QTest::newRow("70 cut to 64") << s70 << QString(64, QLatin1Char('x'));
        QTest::newRow("blanks removed before cutting") << QStringLiteral("   ") + QString(64, QLatin1Char('y')) + QStringLiteral("z")
                                                       << QString(64, QLatin1Char('y'));
        QTest::newRow("control characters") << QStringLiteral("\t\x01 abc d \r\n") << QStringLiteral("abc d");
        QTest::newRow("inner blanks kept") << QStringLiteral("a  b") << QStringLiteral("a  b");
        QTest::newRow("empty") << QString() << QStringLiteral("");
        QTest::newRow("only blanks") << QStringLiteral("   ") << QStringLiteral("");
    }
    void TextSalvat()
    {
        QFETCH(QString, tastat);
        QFETCH(QString, stocat);
        TEditorCampCF e;
        Incarca(e, QStringLiteral("ELEVI"), 7, -1);
        e.RzEdit1->setText(tastat);
        Salveaza(e, 7, -1, QStringLiteral("ELEVI"));
        const QVariantList r = Rand(QStringLiteral("VALOARE_TEXT"));
        QCOMPARE(r.size(), 1);   // a row exists even for an empty value
        QCOMPARE(r[0].toString(), stocat);
    }

    void Incarcare_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QString>("asociat");
        QTest::addColumn<QString>("afisat");
        QTest::newRow("missing row") << QStringList() << "ELEVI" << "";
        QTest::newRow("null value") << QStringList{QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                                                                 "ID_ELEVI) values ('F', 'P', 'C', 7)")}
                                    << "ELEVI" << "";
        QTest::newRow("own value") << QStringList{QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                                                                "ID_ELEVI, VALOARE_TEXT) values ('F', 'P', 'C', 7, 'Pop')")}
                                   << "ELEVI" << "Pop";
        QTest::newRow("other student's value") << QStringList{QStringLiteral(
                                                       "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                                       "VALOARE_TEXT) values ('F', 'P', 'C', 3, 'Ion')")}
                                               << "ELEVI" << "";
        QTest::newRow("school value by record id") << QStringList{QStringLiteral(
                                                          "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, "
                                                          "VALOARE_TEXT) values ('F', 'P', 'C', 3, 'Liceul')")}
                                                   << "SCOALA" << "Liceul";
        QTest::newRow("other field") << QStringList{QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                                                                  "ID_ELEVI, VALOARE_TEXT) values ('F', 'P', 'X', 7, 'Pop')")}
                                     << "ELEVI" << "";
    }
    void Incarcare()
    {
        QFETCH(QStringList, sql);
        QFETCH(QString, asociat);
        QFETCH(QString, afisat);
        if (!sql.isEmpty())
            m_b->Executa(sql);
        TEditorCampCF e;
        Incarca(e, asociat, 7, 3);
        QCOMPARE(e.RzEdit1->text(), afisat);
        QCOMPARE(e.CodFormular() + e.CodPagina() + e.CodCamp(), QStringLiteral("FPC"));
        QVERIFY(!DM->Q1.Activ());
    }

    void ActualizareGolesteAlteProprietare()
    {
        m_b->Executa({QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, ID_SCOALA, IDF_SCOALA, "
                                     "VALOARE_TEXT, VALOARE_NUM) values ('F', 'P', 'C', 7, 3, 3, 'vechi', 5)")});
        TEditorCampCF e;
        Incarca(e, QStringLiteral("ELEVI"), 7, -1);
        QCOMPARE(e.RzEdit1->text(), QStringLiteral("vechi"));
        e.RzEdit1->setText(QStringLiteral("nou"));
        Salveaza(e, 7, -1, QStringLiteral("ELEVI"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 1);
        const QVariantList r = Rand(QStringLiteral("ID_ELEVI, ID_SCOALA, IDF_SCOALA, VALOARE_TEXT, VALOARE_NUM"));
        QCOMPARE(r[0].toInt(), 7);
        QVERIFY(r[1].isNull());          // the other owner column is cleared
        QCOMPARE(r[2].toInt(), 3);       // links are left alone
        QCOMPARE(r[3].toString(), QStringLiteral("nou"));
        QCOMPARE(r[4].toDouble(), 0.0);
    }

    void SalvareFolosesteArgumenteleApelului()
    {
        // Bound for student 3, saved for student 7: the save's arguments decide.
        TEditorCampCF e;
        Incarca(e, QStringLiteral("ELEVI"), 3, -1);
        e.RzEdit1->setText(QStringLiteral("x"));
        Salveaza(e, 7, -1, QStringLiteral("ELEVI"));
        QCOMPARE(Rand(QStringLiteral("ID_ELEVI")).value(0).toInt(), 7);
    }

    void ColoanaInexistentaPropagaEroarea()
    {
        TEditorCampCF e;
        Incarca(e, QStringLiteral("ELEVI"), 7, -1);
        e.RzEdit1->setText(QStringLiteral("x"));
        {
            TScriere s(DM->Tr);
            QVERIFY_THROWS_EXCEPTION(EEroare, e.SalveazaCamp(7, -1, QStringLiteral("NUEXISTA")));
            QVERIFY(!DM->Q1.Activ());
            QVERIFY(!DM->Q2.Activ());
            QVERIFY(DM->Tr.Active());   // the caller's transaction decides
        }
        QVERIFY_THROWS_EXCEPTION(EEroare, Incarca(e, QStringLiteral("NUEXISTA"), 7, -1));
        QVERIFY(!DM->Q1.Activ());
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 0);
    }

    void PotSalvaDeBazaAvertizeaza()
    {
        TPrompterScriptat p;
        TEditorGeneric e;
        QVERIFY(!e.PotSalva());
        QCOMPARE(p.Avertizari, QStringList{QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru TEditorGeneric")});
        // The base saves nothing.
        {
            TScriere s(DM->Tr);
            e.SalveazaCamp(7, -1, QStringLiteral("ELEVI"));
            s.Commit();
        }
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 0);
    }

    void Interfata()
    {
        TEditorCampCF e;
        IEditorGeneric *i = &e;
        QCOMPARE(i->GetControl(), static_cast<QWidget *>(&e));
        i->SetIdElev(12);
        i->SetIdInregistrare(4);
        i->SetAsociatCu(QStringLiteral("SCOALA"));
        QCOMPARE(e.property("IdElev").toInt(), 12);
        QCOMPARE(e.property("IdInregistrare").toInt(), 4);
        QCOMPARE(e.property("AsociatCu").toString(), QStringLiteral("SCOALA"));
        QVERIFY(i->PotSalva());
        QCOMPARE(e.height(), 36);
        QVERIFY(e.findChild<QLabel *>(QStringLiteral("RzLabel1")));
        QVERIFY(e.objectName().isEmpty());
    }
};

QTEST_MAIN(TstEditorGeneric)
#include "tst_editorgeneric.moc"
