#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEditorCampCNP.h"
#include "UEditorCampLista.h"
#include "UEditorCampNota.h"
#include "UEditorCampText.h"
#include "UEditorGenericComplex.h"
#include "UEroare.h"
#include "UFrmGrup.h"
#include "UKelNumEdit.h"
#include "ULinieGrupare.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// The record editor built from the profile: tabs, groups, lines, skipped inherited fields,
// the link drop-downs of a student, validation and saving of all editors.
class TstEditorGenericComplex : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;
    QStringList m_profilLivrat;   // the shipped profile's rows, to restore it

    struct TRand
    {
        QString cod, tip = QStringLiteral("TEXT"), asociat = QStringLiteral("ELEVI"), eticheta, similar, onorez = QStringLiteral("DA"),
                      grup, linie;
        int latime = 0;
    };
    static QString Insert(const TRand &r, int ordine)
    {
        const QStringList p = r.cod.split(QLatin1Char('.'));
        auto t = [](const QString &s) { return s.isNull() ? QStringLiteral("null") : QLatin1Char('\'') + s + QLatin1Char('\''); };
        return QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, TIP_DE_DATE, ASOCIAT_CU, "
                              "ETICHETA_EDITOR, SIMILAR_CU, ONOREZ_SIMILAR, GRUP, LATIME_SUGERATA, COD_LINIE, ORDINE) values (%1, %2, "
                              "%3, %4, %5, %6, %7, %8, %9, %10, %11, %12)")
            .arg(t(p[0]), t(p[1]), t(p[2]), t(r.tip), t(r.asociat), t(r.eticheta), t(r.similar), t(r.onorez), t(r.grup))
            .arg(r.latime)
            .arg(t(r.linie))
            .arg(ordine);
    }
    void Profil(const QList<TRand> &randuri)
    {
        QStringList sql{QStringLiteral("delete from PROFIL_DIPLOMA")};
        int ordine = 0;
        for (const TRand &r : randuri)
            sql << Insert(r, ++ordine);
        m_b->Executa(sql);
    }
    static TEditorGeneric *Editor(TEditorGenericComplex &c, const QString &camp)
    {
        for (TEditorGeneric *e : c.Editoare)
            if (e->CodCamp() == camp)
                return e;
        return nullptr;
    }
    static QStringList Taburi(const TEditorGenericComplex &c)
    {
        QStringList r;
        for (int i = 0; i < c.PC->count(); ++i)
            r << c.PC->tabText(i);
        return r;
    }
    static TFrmGrup *GrupulLui(QWidget *w)
    {
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
            if (auto *g = qobject_cast<TFrmGrup *>(p))
                return g;
        return nullptr;
    }
    static int Tabul(TEditorGenericComplex &c, QWidget *w)
    {
        for (int i = 0; i < c.PC->count(); ++i)
            if (c.PC->widget(i)->isAncestorOf(w))
                return i;
        return -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_b = new TBazaTest;
        m_b->Porneste();
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                      QStringLiteral("insert into SCOALA (ID_SCOALA) values (4)")});
    }
    void cleanupTestCase() { delete m_b; }
    void init()
    {
        // Every test starts from the shipped profile, as synchronised at start-up.
        m_b->Executa({QStringLiteral("delete from \"DATE\""), QStringLiteral("delete from PROFIL_DIPLOMA"),
                      QStringLiteral("update TABELE set EXP_DENUMIRE = ''")});
        m_b->Dm().SincronizeazaProfil();
    }

    // ---- pure routines

    void DescompuneEticheta_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("eticheta");
        QTest::addColumn<QString>("grup");
        QTest::addColumn<QString>("nota");
        // The blank after "]" is label text too.
        QTest::newRow("group and note") << "Media generala [Note finale] {x}" << "Media generala  " << "Note finale" << "x";
        QTest::newRow("group first") << "[Elev]Nume si prenume" << "Nume si prenume" << "Elev" << "";
        QTest::newRow("plain") << "Nume" << "Nume" << "" << "";
        QTest::newRow("two groups concatenated") << "A[B]C[D]" << "AC" << "BD" << "";
        QTest::newRow("text after the note lost") << "A{n}B[G]" << "A" << "" << "n";
        QTest::newRow("nothing trimmed") << " A [ G ] " << " A  " << " G " << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void DescompuneEticheta()
    {
        QFETCH(QString, text);
        QFETCH(QString, eticheta);
        QFETCH(QString, grup);
        QFETCH(QString, nota);
        QString e, g, n;
        TEditorGenericComplex::DescompuneEticheta(text, e, g, n);
        QCOMPARE(e, eticheta);
        QCOMPARE(g, grup);
        QCOMPARE(n, nota);
    }

    void ImparteTitlul_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titlu");
        QTest::newRow("level 1 certificate") << " Certificat Calificare Profesionala Nivel 1"
                                             << " Certificat\r\nCalificare\r\nProfesionala\r\nNivel\r\n1";
        QTest::newRow("other elements") << " Alte elemente de configurare" << " Alte elemente\r\nde\r\nconfigurare";
        QTest::newRow("short") << " Certavo" << " Certavo";
        QTest::newRow("blank at count 10 kept") << "123456789 a b" << "123456789 a\r\nb";
    }
    void ImparteTitlul()
    {
        QFETCH(QString, text);
        QFETCH(QString, titlu);
        QCOMPARE(TEditorGenericComplex::ImparteTitlul(text), titlu);
    }

    void NormalizeazaTitlu()
    {
        QCOMPARE(TEditorGenericComplex::NormalizeazaTitlu(QStringLiteral(" Nivel 1\r\nX-y_Z")), QStringLiteral("nivelxyz"));
        QCOMPARE(TEditorGenericComplex::NormalizeazaTitlu(QStringLiteral("DocNivel 1")),
                 TEditorGenericComplex::NormalizeazaTitlu(QStringLiteral(" Doc\nNivel 2")));
    }

    void LatimiPeLinie_data()
    {
        QTest::addColumn<QList<int>>("sugerate");
        QTest::addColumn<QList<int>>("latimi");
        QTest::newRow("1, 1, 2") << QList<int>{1, 1, 2} << QList<int>{100, 100, 200};
        QTest::newRow("0 next to others gets 16") << QList<int>{0, 200, 200} << QList<int>{16, 200, 200};
        QTest::newRow("all 0: equal widths") << QList<int>{0, 0, 0, 0} << QList<int>{100, 100, 100, 100};
        QTest::newRow("200, 100") << QList<int>{200, 100} << QList<int>{266, 133};
    }
    void LatimiPeLinie()
    {
        QFETCH(QList<int>, sugerate);
        QFETCH(QList<int>, latimi);
        QWidget gazda;
        gazda.resize(1000, 100);
        gazda.show();
        auto *linie = new TLinieGrupare(&gazda);
        linie->show();
        linie->resize(400, 36);
        for (int s : sugerate) {
            auto *e = new TEditorCampText(&gazda);
            e->SetLatimeSugerata(s);
            linie->Adauga(e);
        }
        QList<int> rez;
        int x = 0;
        for (TEditorGeneric *e : linie->Editoare) {
            rez << e->width();
            QCOMPARE(e->x(), x);   // side by side, in the order added
            x += e->width();
        }
        QCOMPARE(rez, latimi);
        // Following the line's width.
        linie->resize(800, 36);
        int s = 0;
        for (int x : sugerate)
            s += x;
        for (int i = 0; i < sugerate.size(); ++i)
            QCOMPARE(linie->Editoare.at(i)->width(), qMax(16, s ? sugerate[i] * 800 / s : 800 / int(sugerate.size())));
    }

    // ---- the shipped profile

    void ProfilLivratPentruElevNou()
    {
        TEditorGenericComplex c;
        c.Configureaza(-1, -1, QStringLiteral("ELEVI"));
        QVERIFY(!DM->Tr.Active());
        QCOMPARE(Taburi(c), (QStringList{QStringLiteral(" Certavo"), QStringLiteral(" Certificat\nAbsolvire\nZez"),
                                         QStringLiteral(" Certificat\nCalificare\nProfesionala\nNivel\n1"),
                                         QStringLiteral(" Alte elemente\nde\nconfigurare")}));
        QVERIFY(!c.PC->tabBar()->isHidden());
        QCOMPARE(c.PC->currentIndex(), 0);

        // One editor per own student field, one drop-down for the schools.
        const int proprii = m_b->Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU = 'ELEVI' and "
                                                        "(SIMILAR_CU is null or SIMILAR_CU = '')")).toInt();
        QCOMPARE(c.Editoare.size(), proprii + 1);
        QVERIFY(!Editor(c, QStringLiteral("A_NUME")));          // inherits C_NUME
        QVERIFY(!Editor(c, QStringLiteral("A_REG_NR")));
        QVERIFY(qobject_cast<TEditorCampCNP *>(Editor(c, QStringLiteral("C_CNP"))));
        QVERIFY(qobject_cast<TEditorCampNota *>(Editor(c, QStringLiteral("C_NOTA_L1"))));

        // Groups from the label, on the tab of their document.
        TEditorGeneric *nume = Editor(c, QStringLiteral("C_NUME"));
        QCOMPARE(nume->RzLabel1->text(), QStringLiteral("Nume si prenume"));
        QCOMPARE(GrupulLui(nume)->NumeGrup, QStringLiteral("Elev"));
        QCOMPARE(GrupulLui(nume)->EtichetaGrup->text(), QStringLiteral("Elev"));
        QCOMPARE(Tabul(c, nume), 0);
        QCOMPARE(Tabul(c, Editor(c, QStringLiteral("C_REG_ZIUA"))), 1);
        QCOMPARE(GrupulLui(Editor(c, QStringLiteral("C_COMPETENTA_L1")))->NumeGrup, QStringLiteral("Competente - Cotor"));

        // A group's height holds its editors.
        TFrmGrup *elev = GrupulLui(nume);
        int suma = 0;
        for (QWidget *w : elev->PanelSuport->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            suma += w->height();
        QCOMPARE(elev->height(), suma + 18 + 16);

        // Shared lines: four zero widths share equally; 200 and 100 split two to one.
        auto *zi = Editor(c, QStringLiteral("C_REG_ZIUA"));
        auto *linie = qobject_cast<TLinieGrupare *>(zi->parentWidget());
        QVERIFY(linie);
        QCOMPARE(linie->Editoare.size(), 4);   // C_REG_* of the ZEZ certificate
        c.resize(800, 600);
        c.show();
        QTest::qWait(0);
        c.PC->setCurrentIndex(1);
        QTRY_VERIFY(linie->width() > 100);
        for (TEditorGeneric *e : linie->Editoare)
            QVERIFY(qAbs(e->width() - linie->width() / 4) <= 1);
        auto *sesiunea = Editor(c, QStringLiteral("C_SESIUNEA"));
        auto *an = Editor(c, QStringLiteral("C_AN_SESIUNE"));
        QCOMPARE(sesiunea->parentWidget(), an->parentWidget());
        c.PC->setCurrentIndex(2);
        QTRY_VERIFY(sesiunea->parentWidget()->width() > 100);
        QVERIFY(qAbs(sesiunea->width() - 2 * an->width()) <= 2);
        QVERIFY(an->x() > sesiunea->x());

        // The schools' drop-down: fields on several documents (so the other tab), all in GRUP "Scoala".
        auto *lista = qobject_cast<TEditorCampLista *>(c.Editoare.last());
        QVERIFY(lista);
        QCOMPARE(lista->RzLabel1->text(), QStringLiteral("SCOALA - "));
        QCOMPARE(GrupulLui(lista)->NumeGrup, QStringLiteral("Scoala"));
        QCOMPARE(Tabul(c, lista), 3);
        QCOMPARE(lista->RzComboBox1->currentIndex(), 1);   // the only school, for a new student
    }

    void ProfilLivratSalvare()
    {
        TPrompterScriptat p;
        p.Raspunsuri.enqueue(true);   // the empty CNP
        {
            TEditorGenericComplex c;
            c.Configureaza(-1, -1, QStringLiteral("ELEVI"));
            auto *nume = qobject_cast<TEditorCampText *>(Editor(c, QStringLiteral("C_NUME")));
            nume->RzComboBox1->setEditText(QStringLiteral("Pop@a Ion"));
            auto *nota = qobject_cast<TEditorCampNota *>(Editor(c, QStringLiteral("C_NOTA_L1")));
            nota->KelNumEdit1->SetText(QStringLiteral("9,5"));
            QVERIFY(c.PotSalvaToate());
            QCOMPARE(p.Intrebari.size(), 1);
            TScriere s(DM->Tr);
            c.SalveazaToate(1, -1, QStringLiteral("ELEVI"));
            s.Commit();
        }
        QCOMPARE(DM->CitesteValoare(QStringLiteral("Certavo"), QStringLiteral("FATA"), QStringLiteral("C_NUME"), 1, -1),
                 QStringLiteral("Pop\u0103 Ion"));
        QCOMPARE(DM->CitesteValoare(QStringLiteral("Certavo"), QStringLiteral("FATA"), QStringLiteral("A_NUME"), 1, -1),
                 QStringLiteral("Pop\u0103 Ion"));
        QCOMPARE(DM->CitesteValoare(QStringLiteral("Certavo"), QStringLiteral("FATA"), QStringLiteral("C_LOCALITATEA"), 1, -1),
                 QString());
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(distinct IDF_SCOALA) from \"DATE\" where ID_ELEVI = 1 and "
                                             "IDF_SCOALA = 4")).toInt(), 1);
        TEditorGenericComplex din;
        din.Configureaza(1, -1, QStringLiteral("ELEVI"));
        QCOMPARE(qobject_cast<TEditorCampNota *>(Editor(din, QStringLiteral("C_NOTA_L1")))->KelNumEdit1->Text(),
                 QStringLiteral("9,50"));
        QCOMPARE(qobject_cast<TEditorCampLista *>(din.Editoare.last())->RzComboBox1->currentIndex(), 1);
    }

    void ProfilLivratPentruScoala()
    {
        TEditorGenericComplex c;
        c.Configureaza(-1, 4, QStringLiteral("SCOALA"));
        for (TEditorGeneric *e : c.Editoare)
            QVERIFY(!qobject_cast<TEditorCampLista *>(e));   // links only for students
        QCOMPARE(c.PC->count(), 3);
        QCOMPARE(GrupulLui(Editor(c, QStringLiteral("C_JUDETUL")))->NumeGrup, QStringLiteral("Scoala"));
    }

    void Captura()
    {
        m_b->Executa({QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT) values "
                                     "('Certavo', 'FATA', 'C_NUME', 1, 'Popescu Ion')"),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT) values "
                                     "('Certavo', 'FATA', 'C_CNP', 1, '1850101123451')")});
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        c.resize(695, 557);
        c.show();
        for (int i = 0; i < c.PC->count(); ++i) {
            c.PC->setCurrentIndex(i);
            QTest::qWait(20);
            const QImage img = c.grab().toImage();
            QVERIFY(!img.isNull());
            img.save(QStringLiteral("/tmp/certavo_editor_%1.png").arg(i));
        }
    }

    // ---- small profiles

    void Taburi_data()
    {
        QTest::addColumn<QStringList>("formulare");
        QTest::addColumn<QStringList>("taburi");
        QTest::newRow("two documents in order of first occurrence")
            << QStringList{QStringLiteral("Beta"), QStringLiteral("Alfa"), QStringLiteral("Beta")}
            << QStringList{QStringLiteral(" Beta"), QStringLiteral(" Alfa")};
        QTest::newRow("level variants share a tab")
            << QStringList{QStringLiteral("DocNivel 1"), QStringLiteral("DocNivel 2"), QStringLiteral("Alt")}
            << QStringList{QStringLiteral(" Doc Nivel 1"), QStringLiteral(" Alt")};
        QTest::newRow("single document") << QStringList{QStringLiteral("Alfa"), QStringLiteral("Alfa")}
                                         << QStringList{QStringLiteral(" Alfa")};
        QTest::newRow("no rows") << QStringList{} << QStringList{};
    }
    void Taburi()
    {
        QFETCH(QStringList, formulare);
        QFETCH(QStringList, taburi);
        QList<TRand> r;
        for (int i = 0; i < formulare.size(); ++i)
            r << TRand{formulare[i] + QStringLiteral(".P.F") + QString::number(i)};
        Profil(r);
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        QCOMPARE(Taburi(c), taburi);
        QCOMPARE(c.Editoare.size(), formulare.size());
        QCOMPARE(c.PC->tabBar()->isHidden(), taburi.size() == 1);
        QCOMPARE(c.PC->currentIndex(), taburi.isEmpty() ? -1 : 0);
    }

    void Mostenire_data()
    {
        QTest::addColumn<QString>("similar");
        QTest::addColumn<QString>("onorez");
        QTest::addColumn<bool>("editor");
        QTest::newRow("filled, NU") << "A.P.X" << "NU" << true;
        QTest::newRow("filled, DA") << "A.P.X" << "DA" << false;
        QTest::newRow("filled, SELECTIV") << "A.P.X" << "SELECTIV" << true;
        QTest::newRow("empty, DA") << "" << "DA" << true;
        QTest::newRow("null, DA") << QString() << "DA" << true;
    }
    void Mostenire()
    {
        QFETCH(QString, similar);
        QFETCH(QString, onorez);
        QFETCH(bool, editor);
        TRand r{QStringLiteral("A.P.Y")};
        r.similar = similar;
        r.onorez = onorez;
        Profil({TRand{QStringLiteral("A.P.X")}, r});
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        QCOMPARE(Editor(c, QStringLiteral("Y")) != nullptr, editor);
    }

    void GrupuriSiEtichete()
    {
        TRand a{QStringLiteral("A.P.NUME")}, b{QStringLiteral("A.P.FARA")}, d{QStringLiteral("B.P.ALT")};
        a.eticheta = QStringLiteral("Nume [Date personale]");
        b.eticheta = QStringLiteral("Fara grup");
        d.eticheta = QStringLiteral("[Date personale]Pe alt document");
        Profil({a, b, d});
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        TEditorGeneric *nume = Editor(c, QStringLiteral("NUME"));
        QCOMPARE(nume->RzLabel1->text(), QStringLiteral("Nume "));
        QCOMPARE(GrupulLui(nume)->NumeGrup, QStringLiteral("Date personale"));
        TEditorGeneric *fara = Editor(c, QStringLiteral("FARA"));
        QVERIFY(!GrupulLui(fara));
        QVERIFY(qobject_cast<QScrollArea *>(fara->parentWidget()->parentWidget()->parentWidget()));
        QVERIFY(fara->y() >= GrupulLui(nume)->y() + GrupulLui(nume)->height() || !c.isVisible());
        // A group name of another document gathers in the group created first.
        TEditorGeneric *alt = Editor(c, QStringLiteral("ALT"));
        QCOMPARE(GrupulLui(alt), GrupulLui(nume));
        QCOMPARE(c.PC->count(), 2);   // the second document's tab exists, empty
        c.resize(500, 400);
        c.show();
        QTRY_VERIFY(fara->y() >= GrupulLui(nume)->y() + GrupulLui(nume)->height());
    }

    void LinieInProfil()
    {
        QList<TRand> r;
        const QList<int> latimi{1, 1, 2};
        for (int i = 0; i < 3; ++i) {
            TRand x{QStringLiteral("A.P.L%1").arg(i)};
            x.eticheta = QStringLiteral("[G]L%1").arg(i);
            x.linie = QStringLiteral("lin");
            x.latime = latimi[i];
            r << x;
        }
        TRand alta{QStringLiteral("B.P.L3")};
        alta.eticheta = QStringLiteral("[G]L3");
        alta.linie = QStringLiteral("LIN");   // same key, other document, other case: same line
        alta.latime = 4;
        r << alta;
        Profil(r);
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        auto *linie = qobject_cast<TLinieGrupare *>(Editor(c, QStringLiteral("L0"))->parentWidget());
        QVERIFY(linie);
        QCOMPARE(linie->Editoare.size(), 4);
        QCOMPARE(GrupulLui(linie)->NumeGrup, QStringLiteral("G"));
        QCOMPARE(Editor(c, QStringLiteral("L2"))->GetLatimeSugerata(), 2);
        c.show();
        linie->resize(800, 36);
        QCOMPARE(Editor(c, QStringLiteral("L0"))->width(), 100);
        QCOMPARE(Editor(c, QStringLiteral("L2"))->width(), 200);
        QCOMPARE(Editor(c, QStringLiteral("L3"))->width(), 400);
    }

    void TipNecunoscut_data()
    {
        QTest::addColumn<QString>("tip");
        QTest::newRow("DATA") << "DATA";
        QTest::newRow("lower case") << "text";
        QTest::newRow("empty") << "";
    }
    void TipNecunoscut()
    {
        QFETCH(QString, tip);
        TRand bun{QStringLiteral("A.P.BUN")}, rau{QStringLiteral("A.P.RAU")};
        bun.eticheta = QStringLiteral("[G]Bun");
        rau.tip = tip;
        Profil({bun, rau});
        TEditorGenericComplex c;
        try {
            c.Configureaza(1, -1, QStringLiteral("ELEVI"));
            QFAIL("no error");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Nu stiu afisa tipul de date %1").arg(tip));
        }
        QVERIFY(!DM->Tr.Active());
        QVERIFY(!DM->Q6.Activ());
        QCOMPARE(c.Editoare.size(), 1);   // built before the error, left in place
        QCOMPARE(c.PC->count(), 1);
        QVERIFY(!c.PC->tabBar()->isHidden());   // the final steps did not run
    }

    void LegaturaInGrupulTabelei()
    {
        TRand e{QStringLiteral("A.P.NUME")}, s1{QStringLiteral("Doc.P.S1")}, s2{QStringLiteral("Doc.Q.S2")};
        s1.asociat = s2.asociat = QStringLiteral("SCOALA");
        s1.grup = s2.grup = QStringLiteral("Scoala mea");
        s1.eticheta = QStringLiteral("[Altceva]Numele scolii");
        Profil({e, s1, s2});
        m_b->Executa({QStringLiteral("update TABELE set EXP_DENUMIRE = '{Doc.P.S1}' where NUME_TABEL = 'SCOALA'"),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, VALOARE_TEXT) values "
                                     "('Doc', 'P', 'S1', 4, 'Liceul 4')")});
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        QCOMPARE(c.Editoare.size(), 2);
        auto *lista = qobject_cast<TEditorCampLista *>(c.Editoare.at(1));
        QVERIFY(lista);
        QCOMPARE(lista->RzLabel1->text(), QStringLiteral("SCOALA - {Doc.P.S1}"));
        QCOMPARE(GrupulLui(lista)->NumeGrup, QStringLiteral("Scoala mea"));
        QCOMPARE(c.PC->tabText(Tabul(c, lista)), QStringLiteral(" Doc"));
        QCOMPARE(lista->RzComboBox1->itemText(1), QStringLiteral("Liceul 4"));
        QCOMPARE(lista->RzComboBox1->currentIndex(), 0);   // saved student without a link
    }

    void TranzactieActivaLaConfigurare()
    {
        TCitire t(DM->Tr);
        TEditorGenericComplex c;
        QVERIFY_THROWS_EXCEPTION(EEroare, c.Configureaza(1, -1, QStringLiteral("ELEVI")));
        QVERIFY(c.Editoare.isEmpty());
        QCOMPARE(c.PC->count(), 0);
        QVERIFY(DM->Tr.Active());   // the caller's transaction is left alone
    }

    void PotSalvaToateSeOpreste()
    {
        TRand n{QStringLiteral("A.P.NOTA")}, p{QStringLiteral("A.P.CNP")};
        n.tip = QStringLiteral("NOTA");
        p.tip = QStringLiteral("CNP");
        Profil({n, p});
        TPrompterScriptat pr;
        TEditorGenericComplex c;
        c.Configureaza(1, -1, QStringLiteral("ELEVI"));
        qobject_cast<TEditorCampNota *>(Editor(c, QStringLiteral("NOTA")))->KelNumEdit1->SetText(QStringLiteral("4"));
        QVERIFY(!c.PotSalvaToate());
        QCOMPARE(pr.Avertizari, QStringList{QStringLiteral("Nota este prea mica")});
        QVERIFY(pr.Intrebari.isEmpty());   // the CNP editor after it was not asked
        qobject_cast<TEditorCampNota *>(Editor(c, QStringLiteral("NOTA")))->KelNumEdit1->SetText(QStringLiteral("7"));
        pr.Raspunsuri.enqueue(true);
        QVERIFY(c.PotSalvaToate());
        QCOMPARE(pr.Intrebari.size(), 1);

        try {
            c.SalveazaToate(1, -1, QStringLiteral("ELEVI"));
            QFAIL("no error");
        } catch (const EEroare &e) {
            QCOMPARE(e.Mesaj(), QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
        }
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 0);
        TEditorGenericComplex gol;
        QVERIFY(gol.PotSalvaToate());
    }
};

QTEST_MAIN(TstEditorGenericComplex)
#include "tst_editorgenericcomplex.moc"
