#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TBazaTest.h"
#include "TCititorPdf.h"
#include "TPozitiePdf.h"
#include "TemplateForm.h"
#include "UAllStuffReg.h"
#include "UExportPdf.h"

#include <QProcess>
#include <QtTest>

namespace {
const QString Cnp = QStringLiteral("1900101123457");

struct TRulare
{
    int Cod = -1;
    QString Iesire, Erori;
};
} // namespace

// The program run from a script: "certavo --export-pdf ...", without a display, in a program
// folder of its own with its database beside it.
class TstLinieComanda : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

    QString Cale(const QString &nume) const { return m_b->Director().Cale(nume); }

    TRulare Ruleaza(const QStringList &argumente)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display and no platform chosen: the program must manage on its own.
        for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Cale(QStringLiteral("settings")));
        p.setProcessEnvironment(env);
        p.start(Cale(QStringLiteral("certavo")), argumente);
        if (!p.waitForFinished(120000))
            p.kill();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    // Students with a short value in every field of their own, so each area shows one word.
    void Elevi(int n)
    {
        QStringList sql;
        const QVariantList campuri = m_b->Coloana(QStringLiteral(
            "select trim(COD_FORMULAR) || '|' || trim(COD_PAGINA) || '|' || trim(COD_CAMP) || '|' || trim(TIP_DE_DATE) "
            "from PROFIL_DIPLOMA where ASOCIAT_CU = 'ELEVI' and coalesce(trim(SIMILAR_CU), '') = ''"));
        QVERIFY(campuri.size() > 30);
        for (int id = 1; id <= n; ++id) {
            sql << QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id);
            int k = 0;
            for (const QVariant &c : campuri) {
                const QStringList p = c.toString().split(QLatin1Char('|'));
                if (p[3] == QLatin1String("NOTA"))
                    continue;
                const QString v = p[3] == QLatin1String("CNP") ? QString(Cnp).replace(12, 1, QString::number(id))
                                                               : QStringLiteral("V%1e%2").arg(++k).arg(id);
                sql << QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                      "VALOARE_NUM, ID_ELEVI) values ('%1', '%2', '%3', '%4', 0, %5)")
                           .arg(p[0], p[1], p[2], v)
                           .arg(id);
            }
        }
        m_b->Executa(sql);
    }

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->CopiazaDocumentele();
        m_b->Director().Copiaza(QStringLiteral("certavo"));
        QFile::setPermissions(Cale(QStringLiteral("certavo")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void cleanup() { m_b.reset(); }

    // Every value lies at its layout position plus the page's margins, turned with the sheet
    // when the page prints turned, within 0.2 mm of the paper's corner.
    void pozitii_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<bool>("proba");
        QTest::addColumn<QList<int>>("pagini");
        QTest::addColumn<QString>("oglindaFata");
        QTest::addColumn<QString>("oglindaVerso");
        QTest::newRow("zez") << "zez" << "fata" << false << QList<int>{0} << "N" << "*";
        QTest::newRow("zez rotit") << "zez" << "toate" << false << QList<int>{0} << "D" << "N";
        QTest::newRow("calificare") << "calificare" << "toate" << false << QList<int>{0, 1} << "N" << "D";
        QTest::newRow("calificare verso proba") << "calificare" << "verso" << true << QList<int>{1} << "D" << "N";
        // Never chosen: as the paper prompt proposes for front feed, the back page turned.
        QTest::newRow("calificare nealeasa") << "calificare" << "toate" << false << QList<int>{0, 1} << "*" << "*";
    }
    void pozitii()
    {
        QFETCH(QString, document);
        QFETCH(QString, pagina);
        QFETCH(bool, proba);
        QFETCH(QList<int>, pagini);
        QFETCH(QString, oglindaFata);
        QFETCH(QString, oglindaVerso);
        m_b->Porneste();
        Elevi(2);
        m_b->Opreste();
        {
            TAllStuffReg r;
            r.ModAlimentare = 2;
            r.MargineStangaFata = 2.5;
            r.MargineSusFata = -1.5;
            r.MargineStangaVerso = -1.25;
            r.MargineSusVerso = 0.75;
            r.OglindescFata = oglindaFata;
            r.OglindescVerso = oglindaVerso;
        }
        const QString cnp = QString(Cnp).replace(12, 1, QStringLiteral("2"));
        const QString fisier = Cale(QStringLiteral("iesire.pdf"));
        QStringList argumente{QStringLiteral("--export-pdf"), fisier, QStringLiteral("--document"), document,
                              QStringLiteral("--page"), pagina, QStringLiteral("--cnp"), cnp};
        if (proba)
            argumente << QStringLiteral("--proof");
        const TRulare r = Ruleaza(argumente);
        QVERIFY2(r.Cod == 0, qPrintable(r.Erori));
        QVERIFY2(r.Iesire.contains(QStringLiteral("%1 pagini scrise in %2").arg(pagini.size()).arg(fisier)),
                 qPrintable(r.Iesire));

        m_b->Porneste();
        const std::unique_ptr<TTemplate> w = DocumentDupaCod(document);
        FillPreview(w.get(), 2);
        const QList<TPaginaPdf> citite = CitestePaginiPdf(fisier);
        QCOMPARE(citite.size(), pagini.size());
        const TAllStuffReg reg;
        double abatere = 0;
        for (int k = 0; k < pagini.size(); ++k) {
            const TFormularDePrintat *s = w->Suprafete().at(pagini[k]);
            const TCalibrarePagina c = reg.Calibrare(pagini[k]);
            QCOMPARE(c.Rotit, pagini[k] == 1 ? oglindaVerso != QLatin1String("N") : oglindaFata == QLatin1String("D"));
            int verificate = 0;
            for (const TFormularTextArea *a : s->TextAreas()) {
                // A grade pair left without a grade holds a blank.
                if (a->Text().trimmed().isEmpty())
                    continue;
                const double d = AbatereText(citite[k], a, c.Stanga + s->DeltaStanga(), c.Sus + s->DeltaSus(), c.Rotit);
                QVERIFY2(d >= 0 && d < 0.2, qPrintable(QStringLiteral("%1 \"%2\": %3 mm").arg(a->objectName(), a->Text()).arg(d)));
                abatere = std::max(abatere, d);
                ++verificate;
            }
            QVERIFY2(verificate > 20, qPrintable(QString::number(verificate)));
        }
        qInfo() << "largest deviation (mm)" << abatere;
    }

    // Without --cnp: every student, in list order.
    void totiElevii()
    {
        m_b->Porneste();
        Elevi(3);
        m_b->Opreste();
        const QString fisier = Cale(QStringLiteral("toti.pdf"));
        const TRulare r = Ruleaza({QStringLiteral("--export-pdf"), fisier, QStringLiteral("--document"),
                                   QStringLiteral("zez")});
        QVERIFY2(r.Cod == 0, qPrintable(r.Erori));
        const QList<TPaginaPdf> citite = CitestePaginiPdf(fisier);
        QCOMPARE(citite.size(), 3);
        // Each page carries the values of its own student only: "V<field>e<student>".
        const QRegularExpression valoare(QStringLiteral("^V[0-9]+e([0-9]+)$"));
        for (int i = 0; i < 3; ++i) {
            QSet<int> elevi;
            for (const TCuvantPdf &c : citite[i].Cuvinte)
                if (const auto m = valoare.match(c.Text); m.hasMatch())
                    elevi << m.captured(1).toInt();
            QCOMPARE(elevi, QSet<int>{i + 1});
        }
    }

    // Refused runs: a Romanian message on standard error, their own exit code, and no file.
    void erori_data()
    {
        QTest::addColumn<QString>("baza");       // "elev", "stricata", "lipsa"
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("cod");
        QTest::addColumn<QString>("mesaj");
        const QString o = QStringLiteral("--export-pdf"), d = QStringLiteral("--document");
        QTest::newRow("document necunoscut") << "elev" << QStringList{o, "x.pdf", d, "diploma"} << 2
                                             << "Eroare: Document necunoscut: \"diploma\". Documentele sunt: zez, calificare.";
        QTest::newRow("pagina necunoscuta") << "elev" << QStringList{o, "x.pdf", d, "zez", "--page", "spate"} << 2
                                            << "Eroare: Pagina necunoscuta: \"spate\". Paginile sunt: fata, verso, toate.";
        QTest::newRow("zez fara verso") << "elev" << QStringList{o, "x.pdf", d, "zez", "--page", "verso"} << 2
                                        << "Eroare: Documentul nu are pagina \"verso\".";
        QTest::newRow("optiune necunoscuta") << "elev" << QStringList{o, "x.pdf", d, "zez", "--culoare"} << 2
                                             << "Eroare: Optiune necunoscuta: culoare";
        QTest::newRow("fara document") << "elev" << QStringList{o, "x.pdf"} << 2 << "Eroare: Lipseste --document";
        QTest::newRow("fara valoare") << "elev" << QStringList{o, "x.pdf", d} << 2
                                      << "Eroare: Optiunea --document cere o valoare.";
        QTest::newRow("cnp necunoscut") << "elev" << QStringList{o, "x.pdf", d, "zez", "--cnp", Cnp.chopped(1) + "1", "2990101123450"}
                                        << 3 << "Eroare: Niciun elev nu are CNP-ul 2990101123450.";
        QTest::newRow("dosar inexistent") << "elev" << QStringList{o, "lipsa/x.pdf", d, "zez"} << 4
                                          << "Eroare: Nu pot scrie fisierul ";
        QTest::newRow("baza de date stricata") << "stricata" << QStringList{o, "x.pdf", d, "zez"} << 1
                                               << "Eroare: Nu pot deschide baza de date";
        QTest::newRow("baza noua, fara elevi") << "lipsa" << QStringList{o, "x.pdf", d, "zez"} << 3
                                               << "Eroare: Nu exista niciun elev in baza de date.";
    }
    void erori()
    {
        QFETCH(QString, baza);
        QFETCH(QStringList, argumente);
        QFETCH(int, cod);
        QFETCH(QString, mesaj);
        const QString fdb = Cale(QStringLiteral("DB/DOZ2009.FDB"));
        if (baza == QLatin1String("elev")) {
            m_b->Porneste();
            Elevi(1);
            m_b->Opreste();
        } else if (baza == QLatin1String("stricata")) {
            QVERIFY(QDir().mkpath(Cale(QStringLiteral("DB"))));
            QFile f(fdb);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a database");
        }
        const QStringList inainte = QDir(Cale(QString())).entryList(QDir::Files);
        argumente[1] = Cale(argumente[1]);
        const TRulare r = Ruleaza(argumente);
        QCOMPARE(r.Cod, cod);
        QVERIFY2(r.Erori.contains(mesaj), qPrintable(r.Erori));
        QVERIFY(!QFile::exists(argumente[1]));
        QCOMPARE(QDir(Cale(QString())).entryList(QDir::Files), inainte);
        // A missing database is created as the program does at every start.
        QCOMPARE(QFile::exists(fdb), true);
    }
};

QTEST_MAIN(TstLinieComanda)
#include "tst_liniecomanda.moc"
