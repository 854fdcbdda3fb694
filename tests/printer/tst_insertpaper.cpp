#include "FormularDePrintat.h"
#include "InsertPaper.h"
#include "QFormularTextArea.h"
#include "TCititorPdf.h"
#include "TPozitiePdf.h"
#include "TDirectorTest.h"
#include "TPrompterScriptat.h"
#include "UAllStuffReg.h"
#include "UIncarcaMachete.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(QMarginsF)

namespace {
void Apasa(QDialog *d, const char *nume) { QTest::mouseClick(d->findChild<QPushButton *>(QLatin1String(nume)), Qt::LeftButton); }

void Calibrare(int mod, bool opusa, const QString &oglindaFata = QStringLiteral("*"),
               const QString &oglindaVerso = QStringLiteral("*"))
{
    TAllStuffReg r;
    r.Configurat = true;
    r.ModAlimentare = mod;
    r.FataPeParteaOpusa = opusa;
    r.OglindescFata = oglindaFata;
    r.OglindescVerso = oglindaVerso;
}

// Answers the prompt: types the margins, sets the check box, presses Ok.
std::function<int(QDialog *)> Raspunde(const QString &stanga, const QString &sus, bool oglinda)
{
    return [=](QDialog *d) {
        auto *f = static_cast<TInsertPaperForm *>(d);
        f->EditMargineStanga->setText(stanga);
        f->EditMargineSus->setText(sus);
        if (f->CheckBoxOglinda->isChecked() != oglinda)
            QTest::mouseClick(f->CheckBoxOglinda, Qt::LeftButton);
        Apasa(d, "ButonOk");
        return d->result();
    };
}
} // namespace

class TstInsertPaper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TListaParticularizareTextArea::Uita(); }

    void cazuri_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<bool>("opusa");
        QTest::addColumn<QString>("titlu");
        QTest::addColumn<int>("nerotit");
        QTest::addColumn<int>("rotit");
        QTest::newRow("fata opusa") << 0 << true << "(2)" << 2 << 4;
        QTest::newRow("fata") << 0 << false << "(1)" << 3 << 1;
        QTest::newRow("verso opusa") << 1 << true << "(4)" << 1 << 3;
        QTest::newRow("verso") << 1 << false << "(3)" << 2 << 4;
    }
    void cazuri()
    {
        QFETCH(int, pagina);
        QFETCH(bool, opusa);
        QFETCH(QString, titlu);
        QFETCH(int, nerotit);
        QFETCH(int, rotit);
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, opusa, QStringLiteral("N"), QStringLiteral("N"));
        TAllStuffReg reg;
        QList<int> vazute;
        p.Dialoguri << [&](QDialog *d) {
            auto *f = static_cast<TInsertPaperForm *>(d);
            vazute << f->CazAfisat();
            QTest::mouseClick(f->CheckBoxOglinda, Qt::LeftButton);
            vazute << f->CazAfisat();
            QTest::mouseClick(f->CheckBoxOglinda, Qt::LeftButton);
            vazute << f->CazAfisat();
            return int(UI::RezultatRenunt);
        };
        bool r = true;
        double s = 0, u = 0;
        QCOMPARE(TInsertPaperForm::Instanta().AskForPaper(pagina, r, s, u), int(UI::RezultatRenunt));
        QCOMPARE(p.DialoguriDeschise, QStringList{titlu});
        QCOMPARE(vazute, (QList<int>{nerotit, rotit, nerotit}));
        // Only one feed picture shows at a time.
        int vizibile = 0;
        for (QLabel *l : TInsertPaperForm::Instanta().ImagineCaz)
            vizibile += l->isHidden() ? 0 : 1;
        QCOMPARE(vizibile, 1);
    }

    // Rotation never chosen: the box follows the page and the feed type; a choice once made holds.
    void oglindaInitiala_data()
    {
        QTest::addColumn<int>("mod");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("stocat");
        QTest::addColumn<bool>("bifat");
        QTest::addColumn<bool>("foaieNormala");
        QTest::newRow("verso mod 2") << 2 << 1 << "*" << true << true;
        QTest::newRow("fata mod 2") << 2 << 0 << "*" << false << true;
        QTest::newRow("verso mod 1") << 1 << 1 << "*" << false << false;
        QTest::newRow("fata mod 1") << 1 << 0 << "*" << true << false;
        QTest::newRow("fata mod 3") << 3 << 0 << "*" << true << false;
        QTest::newRow("fata mod 4") << 4 << 0 << "*" << false << true;
        QTest::newRow("ales D") << 2 << 0 << "D" << true << true;
        QTest::newRow("ales N") << 1 << 0 << "N" << false << false;
    }
    void oglindaInitiala()
    {
        QFETCH(int, mod);
        QFETCH(int, pagina);
        QFETCH(QString, stocat);
        QFETCH(bool, bifat);
        QFETCH(bool, foaieNormala);
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(mod, false, stocat, stocat);
        TAllStuffReg reg;
        bool vazut = !bifat, normala = !foaieNormala, rasturnataAscunsa = !foaieNormala;
        p.Dialoguri << [&](QDialog *d) {
            auto *f = static_cast<TInsertPaperForm *>(d);
            vazut = f->CheckBoxOglinda->isChecked();
            normala = f->ImagineNormalaVizibila();
            rasturnataAscunsa = f->ImagineRasturnata->isHidden();
            return int(UI::RezultatRenunt);
        };
        bool r = false;
        double s = 0, u = 0;
        TInsertPaperForm::Instanta().AskForPaper(pagina, r, s, u);
        QCOMPARE(vazut, bifat);
        QCOMPARE(normala, foaieNormala);
        QCOMPARE(rasturnataAscunsa, foaieNormala);
        QCOMPARE(r, bifat);
        // Even a cancelled prompt records the box for its page only.
        QCOMPARE(reg.MirrorSetting(pagina), bifat ? QStringLiteral("D") : QStringLiteral("N"));
        QCOMPARE(reg.MirrorSetting(1 - pagina), stocat);
    }

    void margini()
    {
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, false);
        TAllStuffReg reg;
        QStringList afisate;
        p.Dialoguri << [&](QDialog *d) {
            auto *f = static_cast<TInsertPaperForm *>(d);
            afisate << f->EditMargineStanga->text() << f->EditMargineSus->text();
            return Raspunde(QStringLiteral("3,75"), QStringLiteral("-0,5"), true)(d);
        };
        bool r = false;
        double s = 12.5, u = 0;
        QCOMPARE(TInsertPaperForm::Instanta().AskForPaper(0, r, s, u), int(UI::RezultatOk));
        QCOMPARE(afisate, (QStringList{"12,5", "0"}));
        QCOMPARE(s, 3.75);
        QCOMPARE(u, -0.5);
        QVERIFY(r);
        QCOMPARE(reg.OglindescFata, QStringLiteral("D"));
    }

    // A margin that is no number: the error, and the prompt stays open until it is corrected.
    void margineGresita()
    {
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, false);
        TAllStuffReg reg;
        bool deschisDupaEroare = false;
        p.Dialoguri << [&](QDialog *d) {
            auto *f = static_cast<TInsertPaperForm *>(d);
            f->show();
            f->EditMargineStanga->setText(QStringLiteral("doi"));
            Apasa(d, "ButonOk");
            deschisDupaEroare = f->isVisible() && f->result() == 0;
            return Raspunde(QStringLiteral("2"), QStringLiteral("1,5"), false)(d);
        };
        bool r = true;
        double s = 0, u = 0;
        QCOMPARE(TInsertPaperForm::Instanta().AskForPaper(1, r, s, u), int(UI::RezultatOk));
        QVERIFY(deschisDupaEroare);
        QCOMPARE(p.Erori, QStringList{QStringLiteral("'doi' nu este o valoare reala valida")});
        QCOMPARE(s, 2.0);
        QCOMPARE(u, 1.5);
    }

    // Cancelled with a box that does not convert: no error, the margins stay as they were.
    void renuntCuMargineGresita()
    {
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, false);
        TAllStuffReg reg;
        p.Dialoguri << [&](QDialog *d) {
            static_cast<TInsertPaperForm *>(d)->EditMargineSus->setText(QStringLiteral("x"));
            Apasa(d, "ButonRenunt");
            return d->result();
        };
        bool r = false;
        double s = 1.5, u = 2.5;
        QCOMPARE(TInsertPaperForm::Instanta().AskForPaper(0, r, s, u), int(UI::RezultatRenunt));
        QVERIFY(p.Erori.isEmpty());
        QCOMPARE(s, 1.5);
        QCOMPARE(u, 2.5);
    }

    void neconfigurat()
    {
        TDirectorTest dir;
        TPrompterScriptat p;
        TFormularDePrintat s;
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.Cale(QStringLiteral("x.pdf")));
        PrintPage(&s, 0, pdf);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Configureaza imprimanta")});
        QVERIFY(p.DialoguriDeschise.isEmpty());
        QVERIFY(!QFile::exists(dir.Cale(QStringLiteral("x.pdf"))));
    }

    void faraImprimanta()
    {
        if (ExistaImprimante())
            QSKIP("a printer is installed here");
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, false);
        const QString inainte = TAllStuffReg().TextAll();
        TFormularDePrintat s;
        PrintPage(&s, 0);
        QCOMPARE(p.Mesaje, QStringList{MesajFaraImprimanta});
        QVERIFY(p.DialoguriDeschise.isEmpty());
        QCOMPARE(TAllStuffReg().TextAll(), inainte);
    }

    void aranjarePagina_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::newRow("tipar") << false;
        QTest::newRow("teste") << true;
    }
    void aranjarePagina()
    {
        QFETCH(bool, portrait);
        QPrinter pr(QPrinter::HighResolution);
        pr.setOutputFormat(QPrinter::PdfFormat);
        pr.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        SetupPrinterPage(pr, portrait);
        QVERIFY(pr.fullPage());
        QCOMPARE(pr.pageLayout().orientation(), portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
        QCOMPARE(pr.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(pr.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
        QCOMPARE(pr.colorMode(), QPrinter::GrayScale);
        QCOMPARE(pr.pageRect(QPrinter::DevicePixel), pr.paperRect(QPrinter::DevicePixel));
    }

    // A filled certificate page printed to PDF: every text lands at its layout position plus
    // the margins and deltas from the paper's corner, whatever the unprintable margins.
    void pdf_data()
    {
        QTest::addColumn<QString>("macheta");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QMarginsF>("neimprimabil");
        QTest::addColumn<bool>("mirror");
        const QMarginsF inegale(6.35, 3.1, 5, 12.7);
        QTest::newRow("zez") << Machete::ZEZ << 0 << QMarginsF() << false;
        QTest::newRow("zez 4,2") << Machete::ZEZ << 0 << QMarginsF(4.2, 4.2, 4.2, 4.2) << false;
        QTest::newRow("zez inegale") << Machete::ZEZ << 0 << inegale << false;
        QTest::newRow("zez rotit") << Machete::ZEZ << 0 << inegale << true;
        QTest::newRow("ccpn1 verso") << Machete::CCPN1 << 1 << QMarginsF(4.2, 4.2, 4.2, 4.2) << false;
        QTest::newRow("ccpn1 verso rotit") << Machete::CCPN1 << 1 << QMarginsF() << true;
    }
    void pdf()
    {
        QFETCH(QString, macheta);
        QFETCH(int, pagina);
        QFETCH(QMarginsF, neimprimabil);
        QFETCH(bool, mirror);
        TDirectorTest dir;
        TPrompterScriptat p;
        Calibrare(2, false);
        {
            TAllStuffReg r;
            // The other page's margins must stay out of it.
            r.MargineStangaFata = r.MargineStangaVerso = 9;
            r.MargineSusFata = r.MargineSusVerso = 9;
        }
        QWidget w;
        const TMacheta m = IncarcaMacheta(TDirectorTest::DinBuild(QStringLiteral("layouts/") + macheta), &w);
        TFormularDePrintat *s = m.Pagini[pagina].Suprafata;
        s->SetDeltaStanga(0.6);
        s->SetDeltaSus(-0.4);
        const QList<TFormularTextArea *> arii = s->TextAreas();
        QVERIFY(arii.size() > 20);
        for (TFormularTextArea *a : arii)
            a->SetText(QStringLiteral("T") + a->objectName().mid(16));
        QPrinter pr(QPrinter::HighResolution);
        pr.setOutputFormat(QPrinter::PdfFormat);
        const QString fisier = dir.Cale(QStringLiteral("pagina.pdf"));
        pr.setOutputFileName(fisier);
        QString margineAfisata;
        p.Dialoguri << [&](QDialog *d) {
            margineAfisata = static_cast<TInsertPaperForm *>(d)->EditMargineStanga->text();
            return Raspunde(QStringLiteral("2,5"), QStringLiteral("-1,5"), mirror)(d);
        };
        PrintPage(s, pagina, pr, neimprimabil);
        QCOMPARE(margineAfisata, QStringLiteral("9"));
        QVERIFY(p.Erori.isEmpty());

        TAllStuffReg r;
        QCOMPARE(pagina == 1 ? r.MargineStangaVerso : r.MargineStangaFata, 2.5);
        QCOMPARE(pagina == 1 ? r.MargineSusVerso : r.MargineSusFata, -1.5);
        QCOMPARE(pagina == 1 ? r.MargineStangaFata : r.MargineStangaVerso, 9.0);
        QCOMPARE(r.MirrorSetting(pagina), mirror ? QStringLiteral("D") : QStringLiteral("N"));
        QCOMPARE(TitluPdf(fisier), pagina == 1 ? QStringLiteral("Diploma de examen national - verso")
                                               : QStringLiteral("Diploma de examen national - fata"));

        const TPaginaPdf pdf = CitestePdf(fisier);
        QVERIFY(std::abs(pdf.Mm.width() - 297) < 0.1 && std::abs(pdf.Mm.height() - 210) < 0.1);
        double abatere = 0;
        for (TFormularTextArea *a : arii) {
            const double d = AbatereText(pdf, a, 2.5 + 0.6, -1.5 - 0.4, mirror);
            QVERIFY2(d >= 0 && d < 0.2, qPrintable(QStringLiteral("%1: %2 mm").arg(a->Text()).arg(d)));
            abatere = std::max(abatere, d);
        }
        qInfo() << "largest deviation (mm)" << abatere;

        const QString png = RandeazaPdf(fisier, 100);
        const QImage img(png);
        QVERIFY(!img.isNull());
        const QString copie = qEnvironmentVariable("CERTAVO_RANDARE");
        if (!copie.isEmpty())
            QFile::copy(png, copie + QLatin1Char('/') + QString::fromLatin1(QTest::currentDataTag()) + ".png");
    }
};

QTEST_MAIN(TstInsertPaper)
#include "tst_insertpaper.moc"
