#include "KelVirtualGrid.h"
#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEditCuButon.h"
#include "UExcelSelectieColoana.h"
#include "UImportExcelExpert.h"
#include "UKelExcelImportFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString Fixtura(const QString &nume) { return QStringLiteral(CERTAVO_TEST_DATA "/") + nume; }

const QString Cotor = QStringLiteral("CertificatAbsolvireZez");
const QString Calificare = QStringLiteral("CertificatCalificareProfesionalaNivel 1");

// How a test fills one field page.
struct TSursa
{
    int Item = 0;
    QString Coloana;
    QString Constanta, Fete, Baieti;
};

// Answers the picker by clicking a cell of the wanted column (by keyboard past the visible ones).
std::function<int(QDialog *)> AlegeColoana(const QString &litere)
{
    return [litere](QDialog *d) {
        auto *p = qobject_cast<TExcelSelectieColoana *>(d);
        if (!p)
            return 2;
        p->show();
        for (int c = 0; c < p->G->Coloane()->Count(); ++c)
            if (p->G->Coloane()->Item(c)->NumeColoana() == litere) {
                const QRect r = p->G->CellRect(c, 1);
                if (p->G->viewport()->rect().contains(r))
                    QTest::mouseClick(p->G->viewport(), Qt::LeftButton, {}, r.center());
                else
                    p->G->MutaCurent(c, 1);
            }
        p->RzBitBtn1->click();
        return p->result();
    };
}

void Click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
} // namespace

class TestImportExcelExpert : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

    QString Valoare(int id, const QString &cod)
    {
        const QStringList p = cod.split(QLatin1Char('.'));
        return m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where ID_ELEVI=%1 and COD_FORMULAR='%2' "
                                           "and COD_PAGINA='%3' and COD_CAMP='%4'")
                                .arg(id)
                                .arg(p[0], p[1], p[2]))
            .toString();
    }
    int ElevCuCnp(const QString &cnp)
    {
        const QVariantList ids = m_b->Coloana(QStringLiteral("select ID_ELEVI from \"DATE\" where COD_CAMP='C_CNP' "
                                                             "and VALOARE_TEXT='%1'")
                                                  .arg(cnp));
        return ids.size() == 1 ? ids.first().toInt() : -ids.size();
    }
    int NumarElevi() { return m_b->Valoare(QStringLiteral("select count(*) from ELEVI")).toInt(); }

    // From page 0 to page 2 with the file, sheet and document ticks given; false when it stopped.
    bool PanaLaCnp(TImportExcelExpert &w, TPrompterScriptat &p, const QString &fisier, int foaie,
                   const QStringList &documente)
    {
        Click(w.RzBitBtn2);
        for (int i = 0; i < w.RzCheckList1->count(); ++i)
            if (documente.contains(w.CoduriFormulare.at(i)))
                w.RzCheckList1->item(i)->setCheckState(Qt::Checked);
        Click(w.RzBitBtn2);
        if (w.PageControl1->currentIndex() != 1)
            return false;
        p.Fisiere.enqueue(fisier);
        Click(w.RzBitBtn4);
        if (!w.RzComboBox1->isEnabled())
            return false;
        w.RzComboBox1->setCurrentIndex(foaie);
        Click(w.RzBitBtn2);
        return w.PageControl1->currentIndex() == 2;
    }

    // Sets every shown field page (unmentioned ones: "NU import") and goes on to page 3.
    void CampuriPanaLaFinal(TImportExcelExpert &w, TPrompterScriptat &p, const QHash<QString, TSursa> &surse,
                            QStringList *afisate = nullptr)
    {
        Click(w.RzBitBtn2);
        while (w.PageControl1->currentIndex() >= 5) {
            TKelExcelImportFrame *f = w.PaginiCampuri.at(w.PageControl1->currentIndex() - 5);
            if (afisate)
                *afisate << f->CodComplet;
            if (!surse.contains(f->CodComplet)) {
                QTest::mouseClick(f->RzCheckBox1, Qt::LeftButton, {}, QPoint(4, f->RzCheckBox1->height() / 2));
            } else {
                const TSursa &s = surse[f->CodComplet];
                f->RzComboBox1->setCurrentIndex(s.Item);
                f->RzEdit1->setText(s.Constanta);
                f->RzEdit2->setText(s.Fete);
                f->RzEdit3->setText(s.Baieti);
                if (!s.Coloana.isEmpty()) {
                    p.Dialoguri.enqueue(AlegeColoana(s.Coloana));
                    f->RzButtonEdit1->Buton->trigger();
                    QCOMPARE(f->RzButtonEdit1->text(), s.Coloana);
                }
            }
            const int inainte = w.PageControl1->currentIndex();
            Click(w.RzBitBtn2);
            QVERIFY(w.PageControl1->currentIndex() != inainte);
        }
        QCOMPARE(w.PageControl1->currentIndex(), 3);
    }

    // The whole road through the wizard's widgets; the wizard's result.
    int Importa(const QString &fisier, int foaie, const QString &coloanaCnp, const QHash<QString, TSursa> &surse,
                TPrompterScriptat &p, const QStringList &documente = {QStringLiteral("Certavo"), Cotor})
    {
        TImportExcelExpert w;
        w.show();
        if (!PanaLaCnp(w, p, fisier, foaie, documente))
            return -1;
        p.Dialoguri.enqueue(AlegeColoana(coloanaCnp));
        w.RzButtonEdit1->Buton->trigger();
        CampuriPanaLaFinal(w, p, surse);
        Click(w.RzBitBtn2);
        return w.isVisible() ? 0 : w.result();
    }

    static QHash<QString, TSursa> SurseElevi()
    {
        return {
            {QStringLiteral("Certavo.FATA.C_NUME"), {0, QStringLiteral("B")}},
            {QStringLiteral("Certavo.FATA.C_ABREVIERE"), {2, {}, {}, QStringLiteral("dna"), QStringLiteral("dl")}},
            {QStringLiteral("Certavo.FATA.A_DOMENIU_L1"), {1, {}, QStringLiteral("Tehnic")}},
            {QStringLiteral("Certavo.FATA.A_DOMENIU_L2"), {3, QStringLiteral("B")}},
            {QStringLiteral("Certavo.FATA.A_CALIFICARE_L1"), {4, QStringLiteral("B")}},
            {QStringLiteral("Certavo.FATA.A_CALIFICARE_L2"), {0, QStringLiteral("AD")}},
            {Cotor + QStringLiteral(".FATA.C_REG_NR"), {0, QStringLiteral("D")}},
            {Cotor + QStringLiteral(".FATA.C_REG_ANUL"), {0, QStringLiteral("E")}},
        };
    }

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->Porneste();
    }
    void cleanup() { m_b.reset(); }

    void eticheta_data()
    {
        QTest::addColumn<QString>("eticheta");
        QTest::addColumn<QString>("rezultat");
        QTest::newRow("grup") << "[Elev]Nume si prenume" << "Nume si prenume";
        QTest::newRow("coada") << " Nota {NOTA} finala " << " Nota  finala ";
        QTest::newRow("imbricat") << "a[b{c}d]e" << "ae";
        QTest::newRow("fara") << "Text" << "Text";
        QTest::newRow("gol") << "" << "";
    }
    void eticheta()
    {
        QFETCH(QString, eticheta);
        QFETCH(QString, rezultat);
        QCOMPARE(TImportExcelExpert::EtichetaFaraParanteze(eticheta), rezultat);
    }

    // One field page per own student field of the profile, the CNP excepted, in the profile's order;
    // one check line per document.
    void paginiDinProfil()
    {
        TImportExcelExpert w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Import de date din Excel"));
        const int campuri = m_b->Valoare(QStringLiteral(
            "select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU='ELEVI' and SIMILAR_CU='' and TIP_DE_DATE<>'CNP'")).toInt();
        QCOMPARE(w.PaginiCampuri.size(), campuri);
        QCOMPARE(w.PageControl1->count(), 5 + campuri);
        QCOMPARE(w.PaginiCampuri.first()->CodComplet, QStringLiteral("Certavo.FATA.C_NUME"));
        QCOMPARE(w.PaginiCampuri.first()->Label6->text(), QStringLiteral("Nume si prenume"));
        QCOMPARE(w.PaginiCampuri.first()->Label3->text(), QStringLiteral(" Certavo. F A T A. C_ N U M E"));
        QCOMPARE(w.CoduriFormulare, (QStringList{"Certavo", Cotor, Calificare}));
        QCOMPARE(w.RzCheckList1->item(2)->text(), QStringLiteral(" Certificat Calificare Profesionala Nivel 1"));
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        QVERIFY(!w.RzBitBtn1->isEnabled());
        for (TKelExcelImportFrame *f : w.PaginiCampuri) {
            QCOMPARE(f->RzComboBox1->currentIndex(), 0);
            QVERIFY(f->RzButtonEdit1->text().isEmpty());
        }
    }

    // Next: 0, 4, 1, 2, the pages of the ticked documents, 3; Back retraces them.
    void ordineaPaginilor()
    {
        TPrompterScriptat p;
        TImportExcelExpert w;
        w.show();
        Click(w.RzBitBtn2);
        QCOMPARE(w.PageControl1->currentIndex(), 4);
        Click(w.RzBitBtn2);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Va rugam bifati cel putin un formular")});
        QCOMPARE(w.PageControl1->currentIndex(), 4);
        w.RzCheckList1->item(1)->setCheckState(Qt::Checked);
        Click(w.RzBitBtn2);
        QCOMPARE(w.PageControl1->currentIndex(), 1);
        QCOMPARE(w.FormulareSelectate, QStringList{Cotor});
        Click(w.RzBitBtn2);
        QCOMPARE(p.Mesaje.last(), QStringLiteral("Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe "
                                                 "care se va face importul"));
        p.Fisiere.enqueue(Fixtura(QStringLiteral("elevi.xlsx")));
        Click(w.RzBitBtn4);
        QCOMPARE(p.Filtre, QStringList{QStringLiteral("Foi de calcul (*.xls *.xlsx *.ods *.csv)")});
        QCOMPARE(w.RzComboBox1->currentIndex(), -1);
        Click(w.RzBitBtn2);
        QCOMPARE(w.PageControl1->currentIndex(), 1);
        w.RzComboBox1->setCurrentIndex(0);
        Click(w.RzBitBtn2);
        QCOMPARE(w.PageControl1->currentIndex(), 2);
        QCOMPARE(w.ColoaneExcel.NrRanduri(), 5);
        QVERIFY(!w.RzBitBtn1->isEnabled());
        // No CNP column: the page's own check refuses.
        Click(w.RzBitBtn2);
        QCOMPARE(p.Erori, QStringList{QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP")});
        QCOMPARE(w.PageControl1->currentIndex(), 2);
        p.Dialoguri.enqueue(AlegeColoana(QStringLiteral("C")));
        w.RzButtonEdit1->Buton->trigger();
        QCOMPARE(w.RzButtonEdit1->text(), QStringLiteral("C"));
        // A field page without a column is refused too.
        Click(w.RzBitBtn2);
        const int prima = w.PageControl1->currentIndex();
        QCOMPARE(w.PaginiCampuri.at(prima - 5)->CodFormular, Cotor);
        QVERIFY(w.RzBitBtn1->isEnabled());
        Click(w.RzBitBtn2);
        QCOMPARE(p.Erori.last(), QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
        QCOMPARE(w.PageControl1->currentIndex(), prima);
        TKelExcelImportFrame *primaPagina = w.PaginiCampuri.at(prima - 5);
        QTest::mouseClick(primaPagina->RzCheckBox1, Qt::LeftButton, {}, QPoint(4, primaPagina->RzCheckBox1->height() / 2));
        QStringList afisate{primaPagina->CodComplet};
        CampuriPanaLaFinal(w, p, {}, &afisate);
        QCOMPARE(afisate.size(), 9);
        for (const QString &c : afisate)
            QVERIFY(c.startsWith(Cotor + QLatin1Char('.')));
        // The other documents' pages were passed over with "NU import" ticked.
        for (TKelExcelImportFrame *f : w.PaginiCampuri)
            QVERIFY(f->NuImport());
        // Back: the last shown field page, ..., the first one, then the CNP page, 1, 4, 0.
        Click(w.RzBitBtn1);
        QCOMPARE(w.PaginiCampuri.at(w.PageControl1->currentIndex() - 5)->CodComplet, afisate.last());
        for (int i = 0; i < 8; ++i)
            Click(w.RzBitBtn1);
        QCOMPARE(w.PageControl1->currentIndex(), prima);
        for (int pag : {2, 1, 4, 0, 0}) {
            Click(w.RzBitBtn1);
            QCOMPARE(w.PageControl1->currentIndex(), pag);
        }
        // A document ticked later gets its pages back.
        Click(w.RzBitBtn2);
        w.RzCheckList1->item(0)->setCheckState(Qt::Checked);
        Click(w.RzBitBtn2);
        Click(w.RzBitBtn2);
        Click(w.RzBitBtn2);
        QCOMPARE(w.PaginiCampuri.at(w.PageControl1->currentIndex() - 5)->CodComplet,
                 QStringLiteral("Certavo.FATA.C_NUME"));
        QVERIFY(!w.PaginiCampuri.first()->NuImport());
        QVERIFY(w.PaginiCampuri.last()->NuImport());
        Click(w.RzBitBtn3);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), 2);
        QCOMPARE(NumarElevi(), 0);
    }

    void paginaCamp()
    {
        TImportExcelExpert w;
        TKelExcelImportFrame *f = w.PaginiCampuri.first();
        const QStringList pagini{"0", "1", "2", "0", "0"};
        for (int i = 0; i < 5; ++i) {
            f->RzComboBox1->setCurrentIndex(i);
            QCOMPARE(f->RzPageControl1->currentIndex(), pagini[i].toInt());
        }
        // Sources 1 and 2 need no column, even with empty texts.
        for (int i = 0; i < 5; ++i) {
            f->RzComboBox1->setCurrentIndex(i);
            bool refuzat = false;
            try {
                f->PaginaOkClick();
            } catch (const std::exception &) {
                refuzat = true;
            }
            QCOMPARE(refuzat, i == 0 || i >= 3);
        }
        QTest::mouseClick(f->RzCheckBox1, Qt::LeftButton, {}, QPoint(4, f->RzCheckBox1->height() / 2));
        QVERIFY(f->NuImport());
        QVERIFY(!f->RzComboBox1->isEnabled());
        QVERIFY(f->RzPageControl1->isHidden());
        f->PaginaOkClick();
    }

    void parteNume_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("aDoua");
        QTest::newRow("doua") << "Pop Ion" << "Pop" << "Ion";
        QTest::newRow("trei") << "Pop Ion  Marius" << "Pop" << "Ion  Marius";
        QTest::newRow("blancuri") << "   Pop    Ion " << "Pop" << "Ion";
        QTest::newRow("unul") << "Stan" << "Stan" << "";
        QTest::newRow("gol") << "" << "" << "";
    }
    void parteNume()
    {
        QFETCH(QString, text);
        QFETCH(QString, prima);
        QFETCH(QString, aDoua);
        QCOMPARE(TPreluareElevi::ParteNume(text, true), prima);
        QCOMPARE(TPreluareElevi::ParteNume(text, false), aDoua);
    }

    void sex_data()
    {
        QTest::addColumn<QString>("cnp");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << "1991231050330" << "dl";
        QTest::newRow("2") << "2980101014411" << "dna";
        QTest::newRow("5 (dupa 2000)") << "5050314400116" << "dl";
        QTest::newRow("6 (dupa 2000)") << "6040229120223" << "dna";
        QTest::newRow("3") << "3000101000000" << "dl";
        QTest::newRow("7") << "7000101000000" << "dl";
        QTest::newRow("9") << "9000101000000" << "dna";
        QTest::newRow("gol") << "" << "dna";
    }
    void sex()
    {
        QFETCH(QString, cnp);
        QFETCH(QString, text);
        TImportExcelExpert w;
        TKelExcelImportFrame *f = w.PaginiCampuri.first();
        f->RzComboBox1->setCurrentIndex(2);
        f->RzEdit2->setText(QStringLiteral("dna"));
        f->RzEdit3->setText(QStringLiteral("dl"));
        QCOMPARE(f->Valoare(0, cnp), text);
    }

    // A workbook written by SheetJS, through the real widgets: the students are created with the mapped
    // values; a second import updates them without duplicates.
    void importaSiReimporta_data()
    {
        QTest::addColumn<QString>("fisier");
        QTest::newRow("xls") << "elevi.xls";
        // elevi.ods saved by LibreOffice 7.4 as "MS Excel 97": a real writer's records.
        QTest::newRow("xls LibreOffice") << "elevi_libreoffice.xls";
        QTest::newRow("xlsx") << "elevi.xlsx";
        QTest::newRow("ods") << "elevi.ods";
    }
    void importaSiReimporta()
    {
        QFETCH(QString, fisier);
        TPrompterScriptat p;
        QCOMPARE(Importa(Fixtura(fisier), 0, QStringLiteral("C"), SurseElevi(), p), 1);
        QCOMPARE(p.Erori, QStringList());
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Am finalizat preluarea din Excel cu succes")});
        QCOMPARE(NumarElevi(), 5);
        struct TAsteptat
        {
            QString Cnp, Nume, Apelativ, Prima, ADoua, Calificare, Medie, Data;
        };
        const QList<TAsteptat> asteptat{
            {"5050314400110", "Popescu Ion Marius", "dl", "Popescu", "Ion Marius", "Mecanic auto", "9,75", "14/03/2005"},
            {"6040229120225", "Ionescu   Maria", "dna", "Ionescu", "Maria", "Coafor", "10", "29/02/2004"},
            {"1991231050330", "Georgescu Andrei", "dl", "Georgescu", "Andrei", "Sudor", "8,5", "31/12/1999"},
            {"2980101010449", "Dumitru Elena-Ioana", "dna", "Dumitru", "Elena-Ioana", "", "9,25", "01/01/1998"},
            {"6061120220552", "Stan", "dna", "Stan", "", "Ospatar", "", ""},
        };
        QList<int> ids;
        for (const TAsteptat &a : asteptat) {
            const int id = ElevCuCnp(a.Cnp);
            QVERIFY2(id > 0, qPrintable(a.Cnp));
            ids << id;
            QCOMPARE(Valoare(id, "Certavo.FATA.C_NUME"), a.Nume);
            QCOMPARE(Valoare(id, "Certavo.FATA.C_ABREVIERE"), a.Apelativ);
            QCOMPARE(Valoare(id, "Certavo.FATA.A_DOMENIU_L1"), QStringLiteral("Tehnic"));
            QCOMPARE(Valoare(id, "Certavo.FATA.A_DOMENIU_L2"), a.Prima);
            QCOMPARE(Valoare(id, "Certavo.FATA.A_CALIFICARE_L1"), a.ADoua);
            QCOMPARE(Valoare(id, "Certavo.FATA.A_CALIFICARE_L2"), a.Calificare);
            QCOMPARE(Valoare(id, Cotor + ".FATA.C_REG_NR"), a.Medie);
            QCOMPARE(Valoare(id, Cotor + ".FATA.C_REG_ANUL"), a.Data);
            // Not mapped, or of a document not ticked: the empty row the import created.
            QCOMPARE(Valoare(id, Cotor + ".FATA.C_REG_LUNA"), QString());
            QCOMPARE(Valoare(id, Calificare + ".FATA.C_DOMENIU"), QString());
        }
        // Every student field got its row, values as text only.
        const int randuri = m_b->Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU='ELEVI'")).toInt();
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 5 * randuri);
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where VALOARE_NUM<>0")).toInt(), 0);

        // The second import with other settings finds the same students.
        QHash<QString, TSursa> alte = SurseElevi();
        alte[QStringLiteral("Certavo.FATA.A_DOMENIU_L1")] = {1, {}, QStringLiteral("Servicii")};
        alte[QStringLiteral("Certavo.FATA.C_NUME")] = {3, QStringLiteral("B")};
        TPrompterScriptat p2;
        QCOMPARE(Importa(Fixtura(fisier), 0, QStringLiteral("C"), alte, p2), 1);
        QCOMPARE(NumarElevi(), 5);
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\"")).toInt(), 5 * randuri);
        for (int i = 0; i < asteptat.size(); ++i) {
            QCOMPARE(ElevCuCnp(asteptat[i].Cnp), ids[i]);
            QCOMPARE(Valoare(ids[i], "Certavo.FATA.A_DOMENIU_L1"), QStringLiteral("Servicii"));
            QCOMPARE(Valoare(ids[i], "Certavo.FATA.C_NUME"), asteptat[i].Prima);
        }
    }

    // An existing student keeps its id and CNP; a field row it lacks is added, not lost.
    void elevExistent()
    {
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (100)"),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                                     "ID_ELEVI) values ('Certavo', 'FATA', 'C_CNP', '1991231050330', 0, 100)")});
        TPrompterScriptat p;
        QCOMPARE(Importa(Fixtura("elevi.xlsx"), 0, QStringLiteral("C"), SurseElevi(), p), 1);
        QCOMPARE(ElevCuCnp(QStringLiteral("1991231050330")), 100);
        QCOMPARE(Valoare(100, "Certavo.FATA.C_NUME"), QStringLiteral("Georgescu Andrei"));
        QCOMPARE(Valoare(100, "Certavo.FATA.C_ABREVIERE"), QStringLiteral("dl"));
        QCOMPARE(NumarElevi(), 5);
    }

    // The second row cannot be written: it is rolled back, the first stays, the error is shown and
    // the wizard stays on its last page.
    void randCuEroare()
    {
        // The generator's second id is taken already, so the second row's student cannot be stored.
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)")});
        TPrompterScriptat p;
        const QHash<QString, TSursa> surse{{QStringLiteral("Certavo.FATA.C_NUME"), {0, QStringLiteral("A")}}};
        QCOMPARE(Importa(Fixtura("elevi.xls"), 1, QStringLiteral("B"), surse, p, {QStringLiteral("Certavo")}), 0);
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().contains(QStringLiteral("2020708401024")), qPrintable(p.Erori.first()));
        QVERIFY(p.Mesaje.isEmpty());
        QCOMPARE(NumarElevi(), 2);
        const int primul = ElevCuCnp(QStringLiteral("1010506401013"));
        QCOMPARE(primul, 1);
        QCOMPARE(Valoare(primul, "Certavo.FATA.C_NUME"), QStringLiteral("Primul Elev"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from \"DATE\" where ID_ELEVI<>1")).toInt(), 0);
        QCOMPARE(ElevCuCnp(QStringLiteral("5030910401037")), 0);
    }

    // A value longer than the database keeps is refused, not cut: its row is rolled back.
    void valoarePreaLunga()
    {
        TPrompterScriptat p;
        const QHash<QString, TSursa> surse{{QStringLiteral("Certavo.FATA.C_NUME"), {0, QStringLiteral("A")}}};
        QCOMPARE(Importa(Fixtura("elevi.xlsx"), 1, QStringLiteral("B"), surse, p, {QStringLiteral("Certavo")}), 0);
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().contains(QStringLiteral("2020708401024")), qPrintable(p.Erori.first()));
        QVERIFY2(p.Erori.first().contains(QStringLiteral("300 caractere")), qPrintable(p.Erori.first()));
        QCOMPARE(NumarElevi(), 1);
        QCOMPARE(Valoare(ElevCuCnp(QStringLiteral("1010506401013")), "Certavo.FATA.C_NUME"), QStringLiteral("Primul Elev"));
        QCOMPARE(ElevCuCnp(QStringLiteral("2020708401024")), 0);
    }

    // "Renunt" during the import stops after the current row's commit; the bar counts the rows.
    void oprireInTimpulImportului()
    {
        TPrompterScriptat p;
        TImportExcelExpert w;
        w.show();
        QVERIFY(PanaLaCnp(w, p, Fixtura("elevi.xlsx"), 0, {QStringLiteral("Certavo")}));
        p.Dialoguri.enqueue(AlegeColoana(QStringLiteral("C")));
        w.RzButtonEdit1->Buton->trigger();
        CampuriPanaLaFinal(w, p, {{QStringLiteral("Certavo.FATA.C_NUME"), {0, QStringLiteral("B")}}});
        QList<std::pair<int, int>> progres;
        connect(&w, &TImportExcelExpert::RandImportat, &w, [&](int n, int total) {
            progres << std::pair{n, total};
            QCOMPARE(w.ProgressBar1->maximum(), total);
            QCOMPARE(w.ProgressBar1->value(), n);
            QVERIFY(w.ImportInCurs());
            QVERIFY(!w.RzBitBtn2->isEnabled());
            if (n == 2)
                Click(w.RzBitBtn3);
        });
        Click(w.RzBitBtn2);
        QCOMPARE(progres, (QList<std::pair<int, int>>{{1, 5}, {2, 5}}));
        QCOMPARE(NumarElevi(), 2);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), 2);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Preluarea a fost oprita: au fost preluate 2 din 5 randuri")});
    }

    // A row kept for a 13-digit number in another column, without a CNP, is not matched to anyone.
    void randFaraCnp()
    {
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (100)"),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                                     "ID_ELEVI) values ('Certavo', 'FATA', 'C_CNP', '', 0, 100)")});
        TPrompterScriptat p;
        const QHash<QString, TSursa> surse{{QStringLiteral("Certavo.FATA.C_NUME"), {0, QStringLiteral("A")}}};
        QCOMPARE(Importa(Fixtura("elevi.xlsx"), 2, QStringLiteral("B"), surse, p, {QStringLiteral("Certavo")}), 1);
        QCOMPARE(NumarElevi(), 2);
        QCOMPARE(Valoare(100, "Certavo.FATA.C_NUME"), QString());
        QCOMPARE(Valoare(ElevCuCnp(QStringLiteral("2000102401046")), "Certavo.FATA.C_NUME"), QStringLiteral("Cu Cnp"));
        QCOMPARE(p.Avertizari, QStringList{QStringLiteral("1 randuri fara CNP in coloana B nu au fost preluate")});
    }

    // Files that are no workbook: a Romanian error naming the file, no sheet to choose, nothing written.
    void fisiereRele_data()
    {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("inMesaj");
        QFile xls(Fixtura("elevi.xls"));
        xls.open(QIODevice::ReadOnly);
        const QByteArray tot = xls.readAll();
        QFile parola(Fixtura("elevi_parola.xls"));
        parola.open(QIODevice::ReadOnly);
        QTest::newRow("text") << QByteArray("\x01\x02\x00 nu e registru", 17) << "nu este o foaie de calcul";
        QTest::newRow("xls trunchiat") << tot.left(tot.size() / 2) << "";
        QTest::newRow("xls cu parola") << parola.readAll() << "parola";
    }
    void fisiereRele()
    {
        QFETCH(QByteArray, continut);
        QFETCH(QString, inMesaj);
        QTemporaryDir dir;
        const QString cale = dir.filePath(QStringLiteral("elevii mei.xls"));
        QFile f(cale);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(continut);
        f.close();
        TPrompterScriptat p;
        QCOMPARE(Importa(cale, 0, QStringLiteral("C"), SurseElevi(), p), -1);
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().contains(cale), qPrintable(p.Erori.first()));
        QVERIFY2(p.Erori.first().contains(inMesaj), qPrintable(p.Erori.first()));
        QCOMPARE(NumarElevi(), 0);
    }
};

QTEST_MAIN(TestImportExcelExpert)
#include "tst_importexcelexpert.moc"
