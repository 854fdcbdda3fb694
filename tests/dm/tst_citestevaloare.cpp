#include "TBazaTest.h"
#include "UEroare.h"

#include <QtTest>

// Value lookups on a real database: own values, every inheritance rule, school values
// reached through a student's link, and expressions.
class TstCitesteValoare : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;

    static QString Profil(const QString &cod, const QString &asociat, const QString &os, const QString &sim)
    {
        const QStringList p = cod.split(QLatin1Char('.'));
        return QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, ONOREZ_SIMILAR, "
                              "SIMILAR_CU) values ('%1', '%2', '%3', '%4', %5, '%6')")
            .arg(p[0], p[1], p[2], asociat, os.isNull() ? QStringLiteral("null") : QLatin1Char('\'') + os + QLatin1Char('\''),
                 sim);
    }
    static QString Valoare(const QString &cod, const QString &text, const QString &coloana, int id)
    {
        const QStringList p = cod.split(QLatin1Char('.'));
        return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, %5) values ('%1', "
                              "'%2', '%3', '%4', %6)")
            .arg(p[0], p[1], p[2], text, coloana)
            .arg(id);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_b = new TBazaTest;
        m_b->Porneste();
        const QString elevi = QStringLiteral("ELEVI"), scoala = QStringLiteral("SCOALA");
        const QString src = QStringLiteral("T.P.SRC");
        QStringList sql = {
            QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
            QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
            QStringLiteral("insert into SCOALA (ID_SCOALA) values (5)"),
            Profil(src, elevi, QStringLiteral("NU"), {}),
            Profil(QStringLiteral("T.P.OWN"), elevi, QStringLiteral("NU"), {}),
            Profil(QStringLiteral("T.P.NULL_OS"), elevi, QString(), src),
            Profil(QStringLiteral("T.P.NU_LOWER"), elevi, QStringLiteral("nu"), src),
            Profil(QStringLiteral("T.P.BLANK_SIM"), elevi, QStringLiteral("DA"), QStringLiteral("   ")),
            Profil(QStringLiteral("T.P.DA"), elevi, QStringLiteral("DA"), src),
            Profil(QStringLiteral("T.P.DA_LOWER"), elevi, QStringLiteral("da"), src),
            Profil(QStringLiteral("T.P.SELECTIV"), elevi, QStringLiteral("SELECTIV"), src),
            Profil(QStringLiteral("T.P.OPT_OWN"), elevi, QStringLiteral("OPTIONAL"), src),
            Profil(QStringLiteral("T.P.OPT_EMPTY"), elevi, QStringLiteral("OPTIONAL"), src),
            Profil(QStringLiteral("T.P.OPT_LOWER"), elevi, QStringLiteral("optional"), src),
            Profil(QStringLiteral("S.P.JUD"), scoala, QStringLiteral("NU"), {}),
            Profil(QStringLiteral("S.P.OPT"), scoala, QStringLiteral("OPTIONAL"), src),
            Profil(QStringLiteral("T.P.JUD_DA"), elevi, QStringLiteral("DA"), QStringLiteral("S.P.JUD")),
            Profil(QStringLiteral("T.P.C1"), elevi, QStringLiteral("DA"), QStringLiteral("T.P.C2")),
            Profil(QStringLiteral("T.P.C2"), elevi, QStringLiteral("DA"), QStringLiteral("T.P.C1")),
            Profil(QStringLiteral("Doc 1.P.BLANC"), elevi, QStringLiteral("NU"), {}),
            Valoare(src, QStringLiteral("sursa"), QStringLiteral("ID_ELEVI"), 1),
            Valoare(QStringLiteral("S.P.JUD"), QStringLiteral("Cluj"), QStringLiteral("ID_SCOALA"), 5),
            Valoare(QStringLiteral("S.P.OPT"), QStringLiteral("al scolii"), QStringLiteral("ID_SCOALA"), 5),
            Valoare(QStringLiteral("Doc 1.P.BLANC"), QStringLiteral("cu blanc"), QStringLiteral("ID_ELEVI"), 1),
            // Student 1's link to school 5, one row per school field.
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) values ('S', "
                           "'P', 'JUD', 1, 5)"),
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) values ('S', "
                           "'P', 'OPT', 1, 5)"),
        };
        for (const char *f : {"OWN", "NULL_OS", "NU_LOWER", "BLANK_SIM", "DA", "DA_LOWER", "SELECTIV", "OPT_OWN", "OPT_LOWER", "C1"})
            sql << Valoare(QStringLiteral("T.P.") + QLatin1String(f), QStringLiteral("propriu"), QStringLiteral("ID_ELEVI"), 1);
        m_b->Executa(sql);
    }
    void cleanupTestCase() { delete m_b; }

    void rules_data()
    {
        QTest::addColumn<QString>("cod");
        QTest::addColumn<int>("elev");
        QTest::addColumn<int>("inregistrare");
        QTest::addColumn<QString>("rezultat");
        QTest::newRow("own value") << "T.P.OWN" << 1 << -1 << "propriu";
        QTest::newRow("own value of another student") << "T.P.OWN" << 2 << -1 << "";
        QTest::newRow("null inheritance reads as NU") << "T.P.NULL_OS" << 1 << -1 << "propriu";
        QTest::newRow("NU in any case") << "T.P.NU_LOWER" << 1 << -1 << "propriu";
        QTest::newRow("DA without a source keeps its own") << "T.P.BLANK_SIM" << 1 << -1 << "propriu";
        QTest::newRow("DA takes the source over its own") << "T.P.DA" << 1 << -1 << "sursa";
        QTest::newRow("DA for a student without values") << "T.P.DA" << 2 << -1 << "";
        QTest::newRow("lower-case da inherits like SELECTIV") << "T.P.DA_LOWER" << 1 << -1 << "sursa";
        QTest::newRow("SELECTIV takes the source") << "T.P.SELECTIV" << 1 << -1 << "sursa";
        QTest::newRow("OPTIONAL with own value") << "T.P.OPT_OWN" << 1 << -1 << "propriu";
        QTest::newRow("OPTIONAL without own value inherits") << "T.P.OPT_EMPTY" << 1 << -1 << "sursa";
        QTest::newRow("optional is compared exactly") << "T.P.OPT_LOWER" << 1 << -1 << "sursa";
        QTest::newRow("school field through the student's link") << "S.P.JUD" << 1 << -1 << "Cluj";
        QTest::newRow("school field of an unlinked student") << "S.P.JUD" << 2 << -1 << "";
        QTest::newRow("school field of the record itself") << "S.P.JUD" << -1 << 5 << "Cluj";
        QTest::newRow("school OPTIONAL with a linked value") << "S.P.OPT" << 1 << -1 << "al scolii";
        QTest::newRow("school OPTIONAL of an unlinked student stays empty") << "S.P.OPT" << 2 << -1 << "";
        QTest::newRow("student field inheriting a school field") << "T.P.JUD_DA" << 1 << -1 << "Cluj";
        QTest::newRow("a cycle ends empty") << "T.P.C1" << 1 << -1 << "";
        QTest::newRow("field without a profile row") << "T.P.NONE" << 1 << -1 << "";
        QTest::newRow("document code with a blank") << "Doc 1.P.BLANC" << 1 << -1 << "cu blanc";
        QTest::newRow("trailing blanks in a code do not count") << "T.P.OWN  " << 1 << -1 << "propriu";
    }
    void rules()
    {
        QFETCH(QString, cod);
        QFETCH(int, elev);
        QFETCH(int, inregistrare);
        QFETCH(QString, rezultat);
        QString f, p, c;
        TDM::DescompuneCod(cod, f, p, c);
        TDM &dm = m_b->Dm();
        QCOMPARE(dm.CitesteValoare(f, p, c, elev, inregistrare), rezultat);
        QVERIFY2(!dm.Tr.Active(), "a reader left its transaction open");
        // The same answers inside a read-only pass, per value and set-based, also when asked again.
        for (const auto mod : {TCitireInBloc::UnElev, TCitireInBloc::TotiElevii}) {
            TCitireInBloc bloc(dm, mod);
            for (int i = 0; i < 2; ++i)
                QCOMPARE(dm.CitesteValoare(f, p, c, elev, inregistrare), rezultat);
        }
        QVERIFY(!dm.Bloc);
        QVERIFY(!dm.Tr.Active());
    }

    // Inside a writer's transaction a lookup neither commits nor ends it.
    void readerInsideWriter()
    {
        TDM &dm = m_b->Dm();
        TScriere s(dm.Tr);
        dm.Q2.SQL(QStringLiteral("update \"DATE\" set VALOARE_TEXT = 'schimbat' where COD_CAMP = 'SRC'"));
        dm.Q2.ExecSQL();
        QCOMPARE(dm.CitesteValoare(QStringLiteral("T"), QStringLiteral("P"), QStringLiteral("DA"), 1, -1),
                 QStringLiteral("schimbat"));
        QVERIFY(dm.Tr.Active());
        dm.Tr.Rollback();
        QCOMPARE(dm.CitesteValoare(QStringLiteral("T"), QStringLiteral("P"), QStringLiteral("SRC"), 1, -1),
                 QStringLiteral("sursa"));
    }

    void parseExp_data()
    {
        QTest::addColumn<QString>("expresie");
        QTest::addColumn<QString>("rezultat");
        QTest::newRow("two codes") << "{T.P.SRC} / {T.P.OWN}" << "sursa / propriu";
        QTest::newRow("lone closing brace") << "abc}" << "abc}";
        QTest::newRow("code left open") << "x{T.P.SRC" << "x";
        QTest::newRow("fourth part dropped") << "{T.P.SRC.D}" << "sursa";
        QTest::newRow("brace inside a code") << "{T.P{.SRC}" << "";
        QTest::newRow("unknown field") << "[{A.B.C}]" << "[]";
        QTest::newRow("empty") << "" << "";
    }
    void parseExp()
    {
        QFETCH(QString, expresie);
        QFETCH(QString, rezultat);
        TDM &dm = m_b->Dm();
        TCitire c(dm.Tr);
        QCOMPARE(dm.ParseExp(expresie, 1, -1), rezultat);
    }

    void parseExpNeedsTransaction()
    {
        try {
            m_b->Dm().ParseExp(QStringLiteral("{T.P.SRC}"), 1, -1);
            QFAIL("no error outside a transaction");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
        }
    }

    void descompuneCod_data()
    {
        QTest::addColumn<QString>("cod");
        QTest::addColumn<QStringList>("parti");
        QTest::newRow("blank kept") << "CertificatCalificareProfesionalaNivel 1.FATA.A_AN_SESIUNE"
                                    << QStringList{"CertificatCalificareProfesionalaNivel 1", "FATA", "A_AN_SESIUNE"};
        QTest::newRow("fourth part dropped") << "A.B.C.D" << QStringList{"A", "B", "C"};
        QTest::newRow("missing parts") << "A.B" << QStringList{"A", "B", ""};
        QTest::newRow("no trimming") << " A . B. C " << QStringList{" A ", " B", " C "};
        QTest::newRow("empty") << "" << QStringList{"", "", ""};
    }
    void descompuneCod()
    {
        QFETCH(QString, cod);
        QFETCH(QStringList, parti);
        QString f, p, c;
        TDM::DescompuneCod(cod, f, p, c);
        QCOMPARE((QStringList{f, p, c}), parti);
    }

    void separaCuvinte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rezultat");
        QTest::newRow("two words") << "NumeElev" << " Nume Elev";
        QTest::newRow("ASCII capitals only") << QString::fromUtf8("ŞcoalaÎnaltă") << QString::fromUtf8("ŞcoalaÎnaltă");
        QTest::newRow("every capital") << "CNP" << " C N P";
        QTest::newRow("no capitals") << "nota 9" << "nota 9";
    }
    void separaCuvinte()
    {
        QFETCH(QString, text);
        QFETCH(QString, rezultat);
        QCOMPARE(TDM::SeparaCuvinte(text), rezultat);
    }
};

QTEST_GUILESS_MAIN(TstCitesteValoare)
#include "tst_citestevaloare.moc"
