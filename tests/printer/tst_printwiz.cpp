#include "PrintWizUnit.h"
#include "TCititorPdf.h"
#include "TDirectorTest.h"
#include "TPrompterScriptat.h"
#include "UAllStuffReg.h"
#include "UImaginiImprimanta.h"

#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QStringList Imprimante{QStringLiteral("Imprimanta A"), QStringLiteral("Imprimanta B")};

struct TWizTest
{
    TDirectorTest dir;
    TPrompterScriptat p;
    QPrinter pdf{QPrinter::HighResolution};
    std::unique_ptr<TPrintWiz> wiz;
    TWizTest()
    {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.Cale(QStringLiteral("test.pdf")));
        wiz = std::make_unique<TPrintWiz>(nullptr, Imprimante, &pdf);
    }
    void Inainte() { QTest::mouseClick(wiz->ButonInainte, Qt::LeftButton); }
    void Inapoi() { QTest::mouseClick(wiz->ButonInapoi, Qt::LeftButton); }
    void Alege(QRadioButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2)); }
};

// Before the preparation: margins and rotation of an earlier calibration.
void CalibrareVeche()
{
    TAllStuffReg r;
    r.MargineStangaFata = 2.5;
    r.MargineSusVerso = -1;
    r.OglindescVerso = QStringLiteral("D");
}
} // namespace

class TstPrintWiz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void creare()
    {
        TWizTest t;
        QCOMPARE(t.wiz->windowTitle(), QStringLiteral("Formular pentru pregatirea imprimantei"));
        QCOMPARE(t.wiz->PaginaCurenta(), 0);
        QVERIFY(t.wiz->PageControl1->tabBar()->isHidden());
        QCOMPARE(t.wiz->ListaImprimante->headerItem()->text(0), QStringLiteral("Denumire"));
        QCOMPARE(t.wiz->ListaImprimante->topLevelItemCount(), 2);
        QCOMPARE(t.wiz->ListaImprimante->topLevelItem(1)->text(0), QStringLiteral("Imprimanta B"));
        QVERIFY(t.wiz->ListaImprimante->currentItem());
        QVERIFY(!t.wiz->ButonInapoi->isEnabled());
    }

    // The feed type decides the way to page 5, and "Inapoi" retraces it exactly.
    void drumuri_data()
    {
        QTest::addColumn<QString>("alimentare");
        QTest::addColumn<QList<int>>("drum");
        QTest::newRow("sus") << "AlimentareSus" << QList<int>{0, 1, 5};
        QTest::newRow("frontala") << "AlimentareFrontala" << QList<int>{0, 1, 2, 5};
        QTest::newRow("caseta") << "AlimentareCaseta" << QList<int>{0, 1, 3, 4, 5};
    }
    void drumuri()
    {
        QFETCH(QString, alimentare);
        QFETCH(QList<int>, drum);
        TWizTest t;
        QList<int> inainte{t.wiz->PaginaCurenta()};
        t.Inainte();
        inainte << t.wiz->PaginaCurenta();
        t.Alege(t.wiz->findChild<QRadioButton *>(alimentare));
        while (t.wiz->PaginaCurenta() != 5) {
            t.Inainte();
            inainte << t.wiz->PaginaCurenta();
            QVERIFY(inainte.size() <= 5);
        }
        QCOMPARE(inainte, drum);
        QList<int> inapoi{t.wiz->PaginaCurenta()};
        while (t.wiz->ButonInapoi->isEnabled()) {
            t.Inapoi();
            inapoi << t.wiz->PaginaCurenta();
        }
        std::reverse(inapoi.begin(), inapoi.end());
        QCOMPARE(inapoi, drum);
        QVERIFY(!QFile::exists(t.pdf.outputFileName()));
    }

    // The whole preparation: three test prints, the answers stored, margins and rotation kept.
    void pregatire_data()
    {
        QTest::addColumn<QString>("alimentare");
        QTest::addColumn<QString>("hartie");
        QTest::addColumn<QString>("parte");
        QTest::addColumn<QString>("linii");
        QTest::addColumn<int>("mod");
        QTest::addColumn<bool>("opusa");
        QTest::addColumn<bool>("dreapta");
        QTest::addColumn<bool>("jos");
        QTest::newRow("sus") << "AlimentareSus" << "" << "PeAceeasiParte" << "LiniiSusStanga" << 1 << false << false
                             << false;
        QTest::newRow("frontala") << "AlimentareFrontala" << "" << "PeParteaOpusa" << "LiniiJosDreapta" << 2 << true
                                  << true << true;
        QTest::newRow("caseta normala") << "AlimentareCaseta" << "HartieNormala" << "PeParteaOpusa"
                                        << "LiniiSusDreapta" << 4 << true << true << false;
        QTest::newRow("caseta rasturnata") << "AlimentareCaseta" << "HartieRasturnata" << "PeAceeasiParte"
                                           << "LiniiJosStanga" << 3 << false << false << true;
    }
    void pregatire()
    {
        QFETCH(QString, alimentare);
        QFETCH(QString, hartie);
        QFETCH(QString, parte);
        QFETCH(QString, linii);
        QFETCH(int, mod);
        QFETCH(bool, opusa);
        QFETCH(bool, dreapta);
        QFETCH(bool, jos);
        TWizTest t;
        CalibrareVeche();
        QStringList titluri;
        QString text8;
        QList<int> pagini;
        t.p.Dialoguri << [&](QDialog *) {
            t.wiz->ListaImprimante->setCurrentItem(t.wiz->ListaImprimante->topLevelItem(1));
            t.Inainte();
            t.Alege(t.wiz->findChild<QRadioButton *>(alimentare));
            while (t.wiz->PaginaCurenta() != 5) {
                if (t.wiz->PaginaCurenta() == 4)
                    t.Alege(t.wiz->findChild<QRadioButton *>(hartie));
                t.Inainte();
            }
            for (int i = 0; i < 5; ++i) {
                const int p = t.wiz->PaginaCurenta();
                pagini << p;
                if (p == 7)
                    t.Alege(t.wiz->findChild<QRadioButton *>(parte));
                if (p == 9)
                    t.Alege(t.wiz->findChild<QRadioButton *>(linii));
                t.Inainte();
                if (p == 5 || p == 6 || p == 8)
                    titluri << TitluPdf(t.pdf.outputFileName());
                if (p == 7)
                    text8 = t.wiz->TextReintroducere8->text();
            }
            pagini << t.wiz->PaginaCurenta();
            t.Inainte();
            return t.wiz->result();
        };
        QCOMPARE(t.wiz->ShowModal(), int(UI::RezultatOk));
        QVERIFY(t.p.Erori.isEmpty());
        QCOMPARE(pagini, (QList<int>{5, 6, 7, 8, 9, 13}));
        QCOMPARE(titluri, (QStringList{"Prima sageata", "A doua sageata", "Liniile orizonala si verticala"}));
        QVERIFY(text8.contains(opusa ? QStringLiteral("sageata HASURATA") : QStringLiteral("cu sagetile pe")));
        QVERIFY(t.wiz->Terminat());
        TAllStuffReg r;
        QVERIFY(r.Configurat);
        QCOMPARE(r.ModAlimentare, mod);
        QCOMPARE(r.FataPeParteaOpusa, opusa);
        QCOMPARE(r.LinieVerticalaDreapta, dreapta);
        QCOMPARE(r.LinieOrizontalaJos, jos);
        QCOMPARE(r.NumeImprimanta, QStringLiteral("Imprimanta B"));
        QCOMPARE(r.IndexImprimanta, 1);
        QCOMPARE(r.MargineStangaFata, 2.5);
        QCOMPARE(r.MargineSusVerso, -1.0);
        QCOMPARE(r.OglindescVerso, QStringLiteral("D"));
    }

    void renunt_data()
    {
        QTest::addColumn<int>("pasi");
        QTest::newRow("pagina 0") << 0;
        QTest::newRow("pagina 5") << 2;
        QTest::newRow("pagina 7") << 4;
        QTest::newRow("pagina 13") << 7;
    }
    void renunt()
    {
        QFETCH(int, pasi);
        TWizTest t;
        CalibrareVeche();
        const QString inainte = TAllStuffReg().TextAll();
        t.p.Dialoguri << [&](QDialog *d) {
            for (int i = 0; i < pasi; ++i)
                t.Inainte();
            QTest::mouseClick(t.wiz->ButonRenunt, Qt::LeftButton);
            return d->result();
        };
        QCOMPARE(t.wiz->ShowModal(), int(UI::RezultatRenunt));
        QCOMPARE(TAllStuffReg().TextAll(), inainte);
        QVERIFY(!TAllStuffReg().Configurat);
    }

    // Every showing starts again at page 0 with a fresh history.
    void reafisare()
    {
        TWizTest t;
        t.p.Dialoguri << [&](QDialog *) {
            t.Inainte();
            t.Inainte();
            return int(UI::RezultatRenunt);
        };
        t.wiz->ShowModal();
        int pagina = -1;
        bool inapoi = true;
        t.p.Dialoguri << [&](QDialog *) {
            pagina = t.wiz->PaginaCurenta();
            inapoi = t.wiz->ButonInapoi->isEnabled();
            return int(UI::RezultatRenunt);
        };
        t.wiz->ShowModal();
        QCOMPARE(pagina, 0);
        QVERIFY(!inapoi);
    }

    void locDesen_data()
    {
        QTest::addColumn<QSize>("desen");
        QTest::addColumn<int>("pw");
        QTest::addColumn<int>("ph");
        QTest::addColumn<QRect>("loc");
        // x = PW * ((677 - w) div 2) / 677 ...; the corners truncated.
        QTest::newRow("prima sageata") << QSize(344, 661) << 4760 << 6814
                                       << QRect(QPoint(1167, 1308), QPoint(3585, 5505));
        QTest::newRow("hasurata") << QSize(253, 584) << 4760 << 6814 << QRect(QPoint(1490, 1549), QPoint(3269, 5258));
        QTest::newRow("linii") << QSize(452, 736) << 677 << 1073 << QRect(QPoint(112, 168), QPoint(564, 904));
    }
    void locDesen()
    {
        QFETCH(QSize, desen);
        QFETCH(int, pw);
        QFETCH(int, ph);
        QFETCH(QRect, loc);
        QCOMPARE(TPrintWiz::DreptunghiDesen(desen, pw, ph), loc);
    }

    // A test print that cannot start is reported and the wizard stays where it was.
    void tiparireEsuata()
    {
        TWizTest t;
        t.pdf.setOutputFileName(t.dir.Cale(QStringLiteral("lipsa/test.pdf")));
        t.Inainte();
        t.Inainte();
        t.Inainte();
        QCOMPARE(t.wiz->PaginaCurenta(), 5);
        QCOMPARE(t.p.Erori.size(), 1);
        QVERIFY(t.p.Erori.first().startsWith(QStringLiteral("Nu pot porni tiparirea")));
    }

    // The test drawing lands where the reference page puts it, on a printer with unprintable margins.
    void desenTiparit()
    {
        TWizTest t;
        t.wiz->MarginiNeimprimabile = QMarginsF(5, 4, 5, 4);
        t.Inainte();
        t.Inainte();
        QCOMPARE(t.wiz->PaginaCurenta(), 5);
        t.Inainte();
        QCOMPARE(t.p.Erori, QStringList());
        QCOMPARE(t.wiz->PaginaCurenta(), 6);
        QCOMPARE(TitluPdf(t.pdf.outputFileName()), QStringLiteral("Prima sageata"));
        const QImage img(RandeazaPdf(t.pdf.outputFileName(), 50));
        if (!qEnvironmentVariable("CERTAVO_RANDARE").isEmpty())
            img.save(qEnvironmentVariable("CERTAVO_RANDARE") + QStringLiteral("/sageata.png"));
        QVERIFY(!img.isNull());
        QVERIFY(img.width() < img.height());     // portrait
        // The ink's bounding box, in mm.
        QRect ink;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        const double mm = 25.4 / 50;
        const QRect asteptat = TPrintWiz::DreptunghiDesen(ImaginiImprimanta::MarimePrimaSageata, 200, 289);
        QVERIFY2(std::abs(ink.left() * mm - (5 + asteptat.left())) < 1.5, qPrintable(QString::number(ink.left() * mm)));
        QVERIFY2(std::abs(ink.top() * mm - (4 + asteptat.top())) < 1.5, qPrintable(QString::number(ink.top() * mm)));
        QVERIFY(std::abs(ink.right() * mm - (5 + asteptat.right())) < 1.5);
        QVERIFY(std::abs(ink.bottom() * mm - (4 + asteptat.bottom())) < 1.5);
    }
};

QTEST_MAIN(TstPrintWiz)
#include "tst_printwiz.moc"
