#include "TBazaTest.h"
#include "UEroare.h"
#include "UFluxEtichetat.h"
#include "UProfilDiploma.h"
#include "UProfilZEZ.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Builds a profile stream piece by piece, so each case shows what it breaks.
struct TFlux
{
    TScriitorFlux w;
    TFlux &I(int v) { w.ScrieInt(v); return *this; }
    TFlux &T(const QString &s) { w.ScrieText(s); return *this; }
    TFlux &Linie(int marcaj = 0, const QString &cod = QStringLiteral("C"), int ordine = 1)
    {
        I(marcaj).T(QStringLiteral("F")).T(QStringLiteral("P")).T(cod);
        for (int i = 0; i < 8; ++i)
            T(QStringLiteral("v%1").arg(i));
        return I(ordine).I(0).T(QStringLiteral("L"));
    }
};

TListaLiniiProfilDiploma Citeste(const QByteArray &b)
{
    TCititorFlux r(b);
    TListaLiniiProfilDiploma p;
    p.CitesteProfil(r);
    return p;
}

} // namespace

class TstProfil : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyVersion0()
    {
        TFlux f;
        f.I(0).I(0);
        const TListaLiniiProfilDiploma p = Citeste(f.w.Date());
        QVERIFY(p.Linii.empty());
        QVERIFY(p.Formulare.empty());
    }

    void version1WithDocuments()
    {
        TFlux f;
        f.I(1).I(2).Linie(0, QStringLiteral("A"), 40000).Linie(0, QString(300, QLatin1Char('x')));
        f.I(0).I(1).I(0).T(QStringLiteral("Doc")).T(QStringLiteral("Document")).I(0).I(2);
        f.I(0).T(QStringLiteral("FATA")).T(QStringLiteral("Fata")).I(0).T(QStringLiteral("SPATE")).T(QStringLiteral("Verso"));
        const TListaLiniiProfilDiploma p = Citeste(f.w.Date());
        QCOMPARE(p.Linii.size(), size_t(2));
        QCOMPARE(p.Linii[0].CodCamp, QStringLiteral("A"));
        QCOMPARE(p.Linii[0].Ordine, 40000);
        QCOMPARE(p.Linii[0].SimilarCu, QStringLiteral("v0"));
        QCOMPARE(p.Linii[0].Grup, QStringLiteral("v7"));
        QCOMPARE(p.Linii[0].CodLinie, QStringLiteral("L"));
        QCOMPARE(p.Linii[1].CodCamp.size(), 300);
        QCOMPARE(p.Formulare.size(), size_t(1));
        QCOMPARE(p.Formulare[0].Pagini.size(), size_t(2));
        QCOMPARE(p.Formulare[0].Pagini[1].Valoare2, QStringLiteral("Verso"));
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("flux");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("version 2") << TFlux().I(2).I(0).w.Date() << "Invalid stream";
        QTest::newRow("negative version") << TFlux().I(-1).I(0).w.Date() << "Invalid stream";
        QTest::newRow("line marker") << TFlux().I(0).I(1).Linie(1).w.Date() << "Invalid Stream!";
        QTest::newRow("documents marker") << TFlux().I(1).I(0).I(5).w.Date() << "Invalid stream";
        QTest::newRow("document marker")
            << TFlux().I(1).I(0).I(0).I(1).I(3).T("a").T("b").I(0).I(0).w.Date() << "Invalid stream";
        QTest::newRow("pages marker")
            << TFlux().I(1).I(0).I(0).I(1).I(0).T("a").T("b").I(1).w.Date() << "Invalid stream";
        QTest::newRow("page marker")
            << TFlux().I(1).I(0).I(0).I(1).I(0).T("a").T("b").I(0).I(1).I(4).T("c").T("d").w.Date() << "Invalid stream";
        QTest::newRow("two billion lines") << TFlux().I(0).I(2000000000).Linie().w.Date() << "Fisier deteriorat";
        QTest::newRow("two billion documents") << TFlux().I(1).I(0).I(0).I(2000000000).w.Date() << "Fisier deteriorat";
        QTest::newRow("two billion pages")
            << TFlux().I(1).I(0).I(0).I(1).I(0).T("a").T("b").I(0).I(2000000000).w.Date() << "Fisier deteriorat";
        QTest::newRow("negative document count") << TFlux().I(1).I(0).I(0).I(-1).w.Date() << "Fisier deteriorat";
        QTest::newRow("fewer lines than counted") << TFlux().I(0).I(3).Linie().Linie().w.Date() << "Fisier deteriorat";
        QTest::newRow("text where a number goes") << TFlux().T("0").w.Date() << "Fisier deteriorat";
    }
    void errors()
    {
        QFETCH(QByteArray, flux);
        QFETCH(QString, mesaj);
        try {
            Citeste(flux);
            QFAIL("accepted");
        } catch (const EEroare &e) {
            QVERIFY2(e.Mesaj().startsWith(mesaj), qPrintable(e.Mesaj()));
        }
    }

    // The profile the build ships: one row for every field code the layouts print, types,
    // owners and labels that fit, and inheritance links that lead to a field typed once.
    void shippedProfile()
    {
        TDirectorTest d({QStringLiteral("DOZ2009.binprof")});
        const TListaLiniiProfilZEZ p;
        QHash<QString, const TLinieProfilDiploma *> dupaCod;
        for (const TLinieProfilDiploma &l : p.Linii)
            dupaCod.insert(l.CodFormular + QLatin1Char('.') + l.CodPagina + QLatin1Char('.') + l.CodCamp, &l);
        QCOMPARE(dupaCod.size(), int(p.Linii.size()));
        QFile coduri(QStringLiteral(CERTAVO_TEST_DATA "/coduri_machete.txt"));
        QVERIFY(coduri.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList deTiparit = QString::fromUtf8(coduri.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(deTiparit.size(), 129);
        for (const QString &c : deTiparit)
            QVERIFY2(dupaCod.contains(c), qPrintable(c));
        QVERIFY(dupaCod.contains(QStringLiteral("Certavo.FATA.C_NUME")));
        QCOMPARE(dupaCod.size(), 130);

        const QRegularExpression eticheta(QStringLiteral("^\\[[^\\]]+\\][^\\[\\]{}]+$"));
        QSet<int> ordini;
        for (auto it = dupaCod.cbegin(); it != dupaCod.cend(); ++it) {
            const TLinieProfilDiploma &l = **it;
            const QString &camp = l.CodCamp;
            const QString tip = camp.endsWith(QLatin1String("CNP"))          ? QStringLiteral("CNP")
                                : camp.contains(QLatin1String("SIRUES"))     ? QStringLiteral("SIRUES")
                                : camp.contains(QLatin1String("NOTA_L")) || camp.contains(QLatin1String("REZULTAT"))
                                    ? QStringLiteral("NOTA")
                                    : QStringLiteral("TEXT");
            QVERIFY2(l.TipDeDate == tip, qPrintable(it.key()));
            QVERIFY2(l.AsociatCu == QLatin1String("ELEVI") || l.AsociatCu == QLatin1String("SCOALA"), qPrintable(it.key()));
            QVERIFY2(eticheta.match(l.EtichetaEditor).hasMatch(), qPrintable(l.EtichetaEditor));
            ordini.insert(l.Ordine);
            if (!l.SimilarCu.isEmpty()) {
                QCOMPARE(l.OnorezSimilar, QStringLiteral("DA"));
                // The chain ends, within a few steps, at a field with an editor of its own,
                // where the value is typed once.
                const TLinieProfilDiploma *sursa = &l;
                for (int pas = 0; pas < 4 && !sursa->SimilarCu.isEmpty(); ++pas) {
                    sursa = dupaCod.value(sursa->SimilarCu);
                    QVERIFY2(sursa, qPrintable(it.key()));
                }
                QVERIFY2(sursa->SimilarCu.isEmpty(), qPrintable(it.key()));
                QCOMPARE(sursa->AsociatCu, l.AsociatCu);
                QCOMPARE(sursa->TipDeDate, l.TipDeDate);
            }
        }
        QCOMPARE(ordini.size(), dupaCod.size());
        // School data belong to the school, the name to the student.
        for (const char *c : {"Certavo.FATA.C_UNITATEA_L1", "Certavo.FATA.C_LOCALITATEA", "Certavo.FATA.C_JUDETUL",
                              "Certavo.FATA.C_COD_SIRUES", "Certavo.FATA.C_SECRETAR", "CertificatAbsolvireZez.FATA.C_DIRECTOR"})
            QCOMPARE(dupaCod.value(QString::fromLatin1(c))->AsociatCu, QStringLiteral("SCOALA"));
        for (const char *c : {"Certavo.FATA.C_NUME", "Certavo.FATA.C_CNP", "CertificatCalificareProfesionalaNivel 1.SPATE.C_NOTA_L1"})
            QCOMPARE(dupaCod.value(QString::fromLatin1(c))->AsociatCu, QStringLiteral("ELEVI"));
        QCOMPARE(dupaCod.value(QStringLiteral("Certavo.FATA.A_CNP"))->SimilarCu, QStringLiteral("Certavo.FATA.C_CNP"));
    }
};

QTEST_GUILESS_MAIN(TstProfil)
#include "tst_profil.moc"
