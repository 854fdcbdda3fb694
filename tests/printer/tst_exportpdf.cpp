#include "FormularDePrintat.h"
#include "InsertPaper.h"
#include "QFormularTextArea.h"
#include "TBazaTest.h"
#include "TCititorPdf.h"
#include "TPozitiePdf.h"
#include "TPrompterScriptat.h"
#include "TemplateForm.h"
#include "UAllStuffReg.h"
#include "UExportPdf.h"
#include "UInstalareTiparire.h"
#include "UListaElevi.h"
#include "UPrintCertificatCalificareProfesionalaNivel1.h"
#include "USalveazaPdf.h"
#include "UTiparireLot.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {
QString Nume(int i) { return QStringLiteral("Elev%1").arg(i, 2, 10, QLatin1Char('0')); }

void Apasa(QDialog *d) { QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("ButonOk")), Qt::LeftButton); }

// The share of a rendered page that is not white.
double Acoperire(const QString &pdf)
{
    const QImage img = QImage(RandeazaPdf(pdf, 30)).convertToFormat(QImage::Format_Grayscale8);
    qint64 inchise = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            inchise += qGray(img.pixel(x, y)) < 250;
    return img.isNull() ? 0 : double(inchise) / (qint64(img.width()) * img.height());
}
} // namespace

// Pages of a document for many students at once, and the previews' PDF export.
class TstExportPdf : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

    // n students in creation order, each named ElevNN; the one numbered gresit has a value its
    // field cannot show (a grade where the layout expects a qualifier), so its fill fails.
    void Elevi(int n, int gresit = -1)
    {
        QStringList sql{QStringLiteral("update PROFIL_DIPLOMA set TIP_DE_DATE = 'NOTA sau CALIFICATIV' where "
                                       "COD_FORMULAR = 'Certavo' and COD_PAGINA = 'FATA' and COD_CAMP = 'C_ABREVIERE'")};
        const auto valoare = [](const char *camp, const QString &v, int id) {
            return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                                  "ID_ELEVI) values ('Certavo', 'FATA', '%1', '%2', 0, %3)")
                .arg(QLatin1String(camp), v)
                .arg(id);
        };
        for (int i = 1; i <= n; ++i) {
            sql << QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(i) << valoare("C_NUME", Nume(i), i)
                << valoare("C_ABREVIERE", i == gresit ? QStringLiteral("9,50") : QStringLiteral("dl"), i);
        }
        m_b->Executa(sql);
    }

private Q_SLOTS:
    void initTestCase()
    {
        InstaleazaTiparirea();
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "poppler-utils missing");
    }

    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->CopiazaDocumentele();
        m_b->Porneste();
        InregistreazaDocumentele();
        TListaParticularizareTextArea::Uita();
        TAllStuffReg r;
        r.Configurat = true;
        r.ModAlimentare = 2;
        r.MargineStangaFata = 2.5;
        r.MargineSusFata = -1.5;
        r.OglindescFata = QStringLiteral("N");
        r.OglindescVerso = QStringLiteral("D");
    }
    void cleanup() { m_b.reset(); }

    // Selected in reverse, printed in list order: one job, one page per student, the paper
    // prompt asked once; a failing student is listed and skipped; "Renunt" stops after the page.
    void lot_data()
    {
        QTest::addColumn<int>("gresit");
        QTest::addColumn<bool>("opreste");
        QTest::addColumn<int>("pagini");
        QTest::newRow("30 elevi") << -1 << false << 30;
        QTest::newRow("un elev gresit") << 7 << false << 29;
        QTest::newRow("oprit") << -1 << true << 1;
    }
    void lot()
    {
        QFETCH(int, gresit);
        QFETCH(bool, opreste);
        QFETCH(int, pagini);
        Elevi(30, gresit);
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        QCOMPARE(l.VT->topLevelItemCount(), 30);
        for (int i = 29; i >= 0; --i)
            l.VT->topLevelItem(i)->setSelected(true);
        const QString fisier = m_b->Director().Cale(QStringLiteral("lot.pdf"));
        QPrinter &pr = ImprimantaCurenta();
        pr.setOutputFormat(QPrinter::PdfFormat);
        pr.setOutputFileName(fisier);

        QStringList pagineOferite;
        p.Dialoguri << [&](QDialog *d) {
            auto *a = static_cast<TAlegereLot *>(d);
            a->ComboDocument->setCurrentIndex(0);
            for (int i = 0; i < a->ComboPagina->count(); ++i)
                pagineOferite << a->ComboPagina->itemText(i);
            a->ComboDocument->setCurrentIndex(1);
            a->ComboPagina->setCurrentIndex(0);
            Apasa(d);
            return d->result();
        };
        p.Dialoguri << [&](QDialog *d) {
            if (opreste)
                QTimer::singleShot(0, &l, [&l] {
                    auto *progres = l.findChild<QProgressDialog *>(QStringLiteral("ProgresTiparire"));
                    QVERIFY(progres);
                    QTest::mouseClick(progres->findChild<QPushButton *>(), Qt::LeftButton);
                });
            Apasa(d);
            return d->result();
        };
        QTest::mouseClick(l.RzBitBtn4, Qt::LeftButton);
        pr.setOutputFileName(QString());

        QCOMPARE(pagineOferite, (QStringList{"Fata", "Verso"}));
        QCOMPARE(p.DialoguriDeschise.size(), 2);
        QCOMPARE(p.Erori, QStringList());
        QCOMPARE(TitluPdf(fisier), QStringLiteral("Diploma de examen national - fata"));
        const QList<TPaginaPdf> citite = CitestePaginiPdf(fisier);
        QCOMPARE(citite.size(), pagini);
        const auto *nume = l.Butoane[1]->Fereastra()->findChild<TFormularTextArea *>(QStringLiteral("FormularTextArea1"));
        QStringList asteptate, gasite;
        for (int i = 1, k = 0; i <= 30 && k < pagini; ++i) {
            if (i == gresit)
                continue;
            asteptate << Nume(i);
            const TCuvantPdf *c = citite[k].Cauta(Nume(i));
            gasite << (c ? c->Text : QString());
            // Placed with the page's margins, as the prompt gave them.
            const double d = AbatereText(citite[k++], nume, 2.5, -1.5, false, Nume(i));
            QVERIFY2(d >= 0 && d < 0.2, qPrintable(QString::number(d)));
        }
        QCOMPARE(gasite, asteptate);
        if (gresit > 0) {
            QCOMPARE(p.Avertizari.size(), 1);
            QVERIFY2(p.Avertizari.first().startsWith(QStringLiteral("Nu s-a tiparit nimic pentru 1 din 30 elevi:\n")
                                                     + Nume(gresit)),
                     qPrintable(p.Avertizari.first()));
            QVERIFY(p.Avertizari.first().contains(QStringLiteral("specifica un camp \"NOTA\"")));
        } else {
            QCOMPARE(p.Avertizari, QStringList());
        }
        QCOMPARE(p.Mesaje, opreste ? QStringList{QStringLiteral("Tiparirea a fost oprita dupa 1 din 30 elevi.")}
                                   : QStringList());
    }

    void lotFaraSelectie()
    {
        Elevi(2);
        TPrompterScriptat p;
        TListaElevi l;
        l.Reincarca();
        QTest::mouseClick(l.RzBitBtn4, Qt::LeftButton);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Va rog selectati un elev!")});
        QVERIFY(p.DialoguriDeschise.isEmpty());
    }

    // "Salveaza PDF": the active page or every page, as printed or over the form's scan.
    void salveaza_data()
    {
        QTest::addColumn<bool>("toate");
        QTest::addColumn<bool>("proba");
        QTest::newRow("pagina curenta") << false << false;
        QTest::newRow("toate, proba") << true << true;
    }
    void salveaza()
    {
        QFETCH(bool, toate);
        QFETCH(bool, proba);
        Elevi(1);
        TPrompterScriptat p;
        TPrintCertificatCalificareProfesionalaNivel1 w;
        FillPreview(&w, 1);
        w.PC->setCurrentIndex(0);
        p.Dialoguri << [&](QDialog *d) {
            auto *s = static_cast<TSalveazaPdf *>(d);
            QTest::mouseClick(toate ? s->RadioToatePaginile : s->RadioPaginaCurenta, Qt::LeftButton);
            QTest::mouseClick(proba ? s->RadioProba : s->RadioTiparire, Qt::LeftButton);
            Apasa(d);
            return d->result();
        };
        const QString fisier = m_b->Director().Cale(QStringLiteral("salvat"));
        p.Fisiere << fisier;
        QTest::mouseClick(w.SalveazaPdf, Qt::LeftButton);
        QCOMPARE(p.Erori, QStringList());
        QCOMPARE(p.Filtre, QStringList{QStringLiteral("Fisiere PDF (*.pdf)")});
        const QString pdf = fisier + QStringLiteral(".pdf");
        const QList<TPaginaPdf> citite = CitestePaginiPdf(pdf);
        QCOMPARE(citite.size(), toate ? 2 : 1);
        QCOMPARE(TitluPdf(pdf), toate ? QStringLiteral("Diploma de examen national")
                                      : QStringLiteral("Diploma de examen national - fata"));
        // The student's name where the print run puts it with the stored margins.
        const TFormularTextArea *a = w.Suprafete()[0]->findChild<TFormularTextArea *>(QStringLiteral("FormularTextArea84"));
        QCOMPARE(a->Text(), QStringLiteral("dl"));
        const double d = AbatereText(citite[0], a, 2.5, -1.5, false);
        QVERIFY2(d >= 0 && d < 0.2, qPrintable(QString::number(d)));
        // Only the proof carries the scan of the blank form.
        const double acoperire = Acoperire(pdf);
        QVERIFY2(proba ? acoperire > 0.5 : acoperire < 0.05, qPrintable(QString::number(acoperire)));
    }

    // A path that cannot be written: the error, and no file, not even a temporary one.
    void salveazaNescris_data()
    {
        QTest::addColumn<QString>("cale");
        QTest::newRow("dosar inexistent") << "lipsa/x.pdf";
        QTest::newRow("sub un fisier") << "fisier.txt/x.pdf";
    }
    void salveazaNescris()
    {
        QFETCH(QString, cale);
        Elevi(1);
        QFile f(m_b->Director().Cale(QStringLiteral("fisier.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TPrompterScriptat p;
        TPrintCertificatCalificareProfesionalaNivel1 w;
        FillPreview(&w, 1);
        p.Dialoguri << [](QDialog *d) {
            Apasa(d);
            return d->result();
        };
        const QString fisier = m_b->Director().Cale(cale);
        p.Fisiere << fisier;
        const QStringList inainte = QDir(m_b->Director().Cale()).entryList(QDir::Files | QDir::NoDotAndDotDot);
        QTest::mouseClick(w.SalveazaPdf, Qt::LeftButton);
        QCOMPARE(p.Erori.size(), 1);
        QVERIFY2(p.Erori.first().startsWith(QStringLiteral("Nu pot scrie fisierul ") + QDir::toNativeSeparators(fisier)),
                 qPrintable(p.Erori.first()));
        QVERIFY(!QFile::exists(fisier));
        QCOMPARE(QDir(m_b->Director().Cale()).entryList(QDir::Files | QDir::NoDotAndDotDot), inainte);
    }

    // A run in which no student fills writes nothing: the earlier file stays as it was.
    void exportFaraPagini()
    {
        Elevi(2, 2);
        TPrintCertificatCalificareProfesionalaNivel1 w;
        const QString fisier = m_b->Director().Cale(QStringLiteral("vechi.pdf"));
        QFile f(fisier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("vechi");
        f.close();
        const TRezultatTiparire r = ExportaPdf(&w, {0, 1}, {2}, false, fisier);
        QCOMPARE(r.Pagini, 0);
        QCOMPARE(r.Elevi, 1);
        QCOMPARE(r.Esecuri.size(), 1);
        QCOMPARE(r.Esecuri.first().IdElev, 2);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("vechi"));
        QCOMPARE(QDir(m_b->Director().Cale()).entryList({QStringLiteral("vechi*")}, QDir::Files),
                 QStringList{QStringLiteral("vechi.pdf")});
        // Both pages for each student, in order.
        const TRezultatTiparire doi = ExportaPdf(&w, {0, 1}, {1, 2, 1}, false, fisier);
        QCOMPARE(doi.Pagini, 4);
        QCOMPARE(CitestePaginiPdf(fisier).size(), 4);
    }
};

QTEST_MAIN(TstExportPdf)
#include "tst_exportpdf.moc"
