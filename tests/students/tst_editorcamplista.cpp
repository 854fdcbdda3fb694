#include "TBazaTest.h"
#include "UEditorCampLista.h"
#include "UEroare.h"
#include "UProfilDiploma.h"

#include <QComboBox>
#include <QtTest>

// The link drop-down: the rows of the linked table by their display text, the current
// link selected, the only row preselected for a new student, and the link written into
// every field of the linked table.
class TstEditorCampLista : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;

    void Scoli(const QList<int> &ids)
    {
        QStringList sql;
        for (int id : ids) {
            sql << QStringLiteral("insert into SCOALA (ID_SCOALA) values (%1)").arg(id)
                << QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, VALOARE_TEXT) "
                                  "values ('S', 'P', 'NUME', %1, 'Liceul %1')")
                       .arg(id);
            if (id != 2)
                sql << QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, VALOARE_TEXT) "
                                      "values ('S', 'P', 'ORAS', %1, 'Oras %1')")
                           .arg(id);
        }
        m_b->Executa(sql);
    }
    void Legatura(int elev, const QString &camp, int scoala)
    {
        m_b->Executa({QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA, "
                                     "VALOARE_TEXT, VALOARE_NUM) values ('S', 'P', '%1', %2, %3, 'pastrat', 0)")
                          .arg(camp)
                          .arg(elev)
                          .arg(scoala)});
    }
    static QStringList Elemente(const TEditorCampLista &e)
    {
        QStringList r;
        for (int i = 0; i < e.RzComboBox1->count(); ++i)
            r << e.RzComboBox1->itemText(i);
        return r;
    }
    static void Incarca(TEditorCampLista &e, int idElev)
    {
        e.IncarcaCamp(QString(), QString(), QString(), QStringLiteral("SCOALA"), idElev, -1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_b = new TBazaTest;
        m_b->Porneste();
        m_b->Executa({QStringLiteral("delete from PROFIL_DIPLOMA where ASOCIAT_CU = 'SCOALA'"),
                      QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, "
                                     "ONOREZ_SIMILAR, SIMILAR_CU, TIP_DE_DATE) values ('S', 'P', 'NUME', 'SCOALA', 'DA', '', "
                                     "'TEXT')"),
                      QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, "
                                     "ONOREZ_SIMILAR, SIMILAR_CU, TIP_DE_DATE) values ('S', 'P', 'ORAS', 'SCOALA', 'DA', '', "
                                     "'TEXT')"),
                      QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                      QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)")});
        QCOMPARE(ProfilInregistrat()->CampuriTabel(QStringLiteral("SCOALA")), QStringLiteral("{S.P.NUME}; {S.P.ORAS}"));
    }
    void cleanupTestCase() { delete m_b; }
    void init() { m_b->Executa({QStringLiteral("delete from \"DATE\""), QStringLiteral("delete from SCOALA")}); }

    void StudentLegatSelectat()
    {
        Scoli({1, 2, 3});
        Legatura(1, QStringLiteral("NUME"), 3);
        TEditorCampLista e;
        Incarca(e, 1);
        QCOMPARE(Elemente(e), (QStringList{QStringLiteral("-= fara selectie =-"), QStringLiteral("Liceul 1; Oras 1"),
                                           QStringLiteral("Liceul 2"), QStringLiteral("Liceul 3; Oras 3")}));
        QCOMPARE(e.ListaId, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(e.RzComboBox1->currentIndex(), 3);
        QCOMPARE(e.TabelLegat, QStringLiteral("SCOALA"));
        QVERIFY(!DM->Tr.Active());   // its own reading transaction is gone
        QVERIFY(!DM->Q7.Activ());
    }

    void Preselectie_data()
    {
        QTest::addColumn<QList<int>>("scoli");
        QTest::addColumn<int>("elev");
        QTest::addColumn<int>("selectat");
        QTest::newRow("new student, one school") << QList<int>{5} << -1 << 1;
        QTest::newRow("new student, two schools") << QList<int>{5, 6} << -1 << 0;
        QTest::newRow("saved student without a link, one school") << QList<int>{5} << 2 << 0;
        QTest::newRow("no schools") << QList<int>{} << -1 << 0;
    }
    void Preselectie()
    {
        QFETCH(QList<int>, scoli);
        QFETCH(int, elev);
        QFETCH(int, selectat);
        Scoli(scoli);
        TEditorCampLista e;
        Incarca(e, elev);
        QCOMPARE(e.RzComboBox1->count(), scoli.size() + 1);
        QCOMPARE(e.RzComboBox1->itemText(0), QStringLiteral("-= fara selectie =-"));
        QCOMPARE(e.RzComboBox1->currentIndex(), selectat);
    }

    void InTranzactiaApelantului()
    {
        Scoli({1});
        TCitire c(DM->Tr);
        TEditorCampLista e;
        Incarca(e, 1);
        QVERIFY(DM->Tr.Active());
        QCOMPARE(e.RzComboBox1->count(), 2);
    }

    void SalvareFaraSelectie()
    {
        Scoli({1, 3});
        Legatura(1, QStringLiteral("NUME"), 3);
        TEditorCampLista e;
        Incarca(e, 1);
        QCOMPARE(e.RzComboBox1->currentIndex(), 2);
        e.RzComboBox1->setCurrentIndex(0);
        QVERIFY(e.PotSalva());
        {
            TScriere s(DM->Tr);
            e.SalveazaCamp(1, 99, QStringLiteral("ignorat"));
            s.Commit();
        }
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = 1")).toInt(), 2);
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = 1 and IDF_SCOALA is null")).toInt(), 2);
        // The existing row keeps its text; the inserted one is empty with 0.
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = 1 and COD_CAMP = 'NUME'")).toString(),
                 QStringLiteral("pastrat"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = 1 and COD_CAMP = 'ORAS'")).toString(),
                 QStringLiteral(""));
        QCOMPARE(m_b->Valoare(QStringLiteral("select VALOARE_NUM from \"DATE\" where ID_ELEVI = 1 and COD_CAMP = 'ORAS'")).toDouble(), 0.0);
    }

    void SalvareScoalaAleasa()
    {
        Scoli({1, 2, 3});
        TEditorCampLista e;
        Incarca(e, 2);
        QCOMPARE(e.RzComboBox1->currentIndex(), 0);
        e.RzComboBox1->setCurrentIndex(2);
        {
            TScriere s(DM->Tr);
            e.SalveazaCamp(2, -1, QStringLiteral("ELEVI"));
            s.Commit();
        }
        QCOMPARE(m_b->Coloana(QStringLiteral("select IDF_SCOALA from \"DATE\" where ID_ELEVI = 2")),
                 (QVariantList{2, 2}));
        // The value lookup now follows the link.
        QCOMPARE(DM->CitesteValoare(QStringLiteral("S"), QStringLiteral("P"), QStringLiteral("NUME"), 2, -1),
                 QStringLiteral("Liceul 2"));
        TEditorCampLista din;
        Incarca(din, 2);
        QCOMPARE(din.RzComboBox1->currentIndex(), 2);
    }

    void SalvareFaraTranzactie()
    {
        Scoli({1});
        TEditorCampLista e;
        Incarca(e, 1);
        try {
            e.SalveazaCamp(1, -1, QStringLiteral("ELEVI"));
            QFAIL("no error");
        } catch (const EEroare &err) {
            QCOMPARE(err.Mesaj(), QStringLiteral("Nu am tranzactia deschisa!"));
        }
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI = 1")).toInt(), 0);
    }

    void Goleste()
    {
        Scoli({1, 2});
        TEditorCampLista e;
        Incarca(e, 1);
        e.Goleste();
        QCOMPARE(Elemente(e), QStringList{QStringLiteral("-= fara selectie =-")});
        QVERIFY(e.ListaId.isEmpty());
    }

    void CurataDenumirea_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("curat");
        QTest::newRow("trailing and doubled separators") << "Liceul X; ; Arad; ;" << "Liceul X; Arad";
        QTest::newRow("trailing separators") << "A; ; ; " << "A";
        QTest::newRow("many empty in the middle") << "A; ; ; ; B" << "A; B";
        QTest::newRow("only separators") << "; ; ;" << "";
        QTest::newRow("leading empty kept") << "; A" << "; A";
        QTest::newRow("plain") << "Liceul" << "Liceul";
        QTest::newRow("empty") << "" << "";
    }
    void CurataDenumirea()
    {
        QFETCH(QString, text);
        QFETCH(QString, curat);
        QCOMPARE(TEditorCampLista::CurataDenumirea(text), curat);
    }
};

QTEST_MAIN(TstEditorCampLista)
#include "tst_editorcamplista.moc"
