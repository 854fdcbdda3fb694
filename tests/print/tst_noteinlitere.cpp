#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "TDirectorTest.h"
#include "UEditorConfigGlobal.h"
#include "UKelQuickRegStuff.h"
#include "UNoteInLitere.h"

#include <QSettings>
#include <QtTest>

namespace {
QString U(const char *s) { return QString::fromUtf8(s); }

void Seteaza(const QString &mod, const QString &litereMari)
{
    TInfoGlobal2005 info;
    info.SetNotaDiploma(mod);
    info.SetNotaCotor(mod);
    info.SetMedieDiploma(mod);
    info.SetMedieCotor(mod);
    info.SetScriuCuLitereMari(litereMari);
}

// The upper and lower areas of one grade field, 2.6 mm apart.
struct TPereche
{
    TFormularDePrintat s;
    TFontFormular font{&s, QStringLiteral("Dreapta")};
    TFormularTextArea *numar, *litere;
    TPereche()
    {
        s.SetLatime(290.5);
        s.SetInaltime(208.9);
        numar = Arie(QStringLiteral("FormularTextArea70"), 43.871);
        litere = Arie(QStringLiteral("FormularTextArea71"), 46.471);
    }
    TFormularTextArea *Arie(const QString &nume, double top)
    {
        auto *a = new TFormularTextArea(&s);
        a->setObjectName(nume);
        a->Set_Left(142.936);
        a->Set_Top(top);
        a->Set_Width(31.288);
        a->Set_Height(2.6);
        a->SetFont(&font);
        a->ZoomChanged();
        return a;
    }
};
} // namespace

class TstNoteInLitere : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TListaParticularizareTextArea::Uita(); }

    void gradeWords_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("fel");
        QTest::addColumn<QString>("text");
        QTest::newRow("963 kind 3") << 963 << 3 << U("(NOUĂ, 63%)");
        QTest::newRow("963 kind 1") << 963 << 1 << U("(NOUĂ, ŞAIZECIŞITREI)");
        QTest::newRow("963 kind 2") << 963 << 2 << U("(NOUĂ, 63)");
        QTest::newRow("1000 kind 3") << 1000 << 3 << U("(ZECE)");
        QTest::newRow("800 kind 1") << 800 << 1 << U("(OPT)");
        QTest::newRow("905 kind 1") << 905 << 1 << U("(NOUĂ, ZEROCINCI)");
        QTest::newRow("905 kind 3") << 905 << 3 << U("(NOUĂ, 05%)");
        QTest::newRow("912 kind 1") << 912 << 1 << U("(NOUĂ, DOUĂSPREZECE)");
        QTest::newRow("921 kind 1") << 921 << 1 << U("(NOUĂ, DOUĂZECIŞIUNU)");
        QTest::newRow("920 kind 1") << 920 << 1 << U("(NOUĂ, DOUĂZECI)");
        QTest::newRow("1000 kind 1") << 1000 << 1 << U("(ZECE)");
        QTest::newRow("700 kind 3") << 700 << 3 << U("(ŞAPTE)");
        QTest::newRow("610 kind 1") << 610 << 1 << U("(ŞASE, ZECE)");
        QTest::newRow("511 kind 1") << 511 << 1 << U("(CINCI, UNSPREZECE)");
        QTest::newRow("499 kind 1") << 499 << 1 << U("(PATRU, NOUĂZECIŞINOUĂ)");
        QTest::newRow("777 kind 1") << 777 << 1 << U("(ŞAPTE, ŞAPTEZECIŞIŞAPTE)");
        QTest::newRow("150 kind 1") << 150 << 1 << U("(UNU, CINCIZECI)");
        QTest::newRow("201 kind 3") << 201 << 3 << U("(DOI, 01%)");
        QTest::newRow("no integer word") << 45 << 3 << U("(, 45%)");
        QTest::newRow("other kind") << 963 << 4 << QString();
    }
    void gradeWords()
    {
        QFETCH(int, n);
        QFETCH(int, fel);
        QFETCH(QString, text);
        QCOMPARE(GradeWords(n, fel), text);
    }

    void modeNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mod");
        QTest::newRow("NOTA") << "NOTA" << 0;
        QTest::newRow("NOTA(PROCENT)") << "NOTA(PROCENT)" << 1;
        QTest::newRow("NOTA/PROCENT") << "NOTA/PROCENT" << 2;
        QTest::newRow("NOTA/LITERE") << "NOTA/LITERE" << 3;
        QTest::newRow("small letters") << "nota/litere" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void modeNames()
    {
        QFETCH(QString, text);
        QFETCH(int, mod);
        QCOMPARE(int(NoteInLitere::ModDinText(text)), mod);
    }

    // Texts, visibility and the upper area's top for every mode, case and grade.
    void placeGrade_data()
    {
        QTest::addColumn<QString>("mod");
        QTest::addColumn<QString>("litereMari");
        QTest::addColumn<int>("nota");        // -1: no value
        QTest::addColumn<bool>("pereche");
        QTest::addColumn<QString>("numar");
        QTest::addColumn<QString>("litere");
        QTest::addColumn<bool>("litereVizibile");
        QTest::addColumn<bool>("laMijloc");
        QTest::newRow("NOTA(PROCENT) lower") << "NOTA(PROCENT)" << "0" << 963 << true << U("9,63 (nouă, 63%)") << " " << false << true;
        QTest::newRow("NOTA/LITERE lower") << "NOTA/LITERE" << "" << 963 << true << "9,63" << U("(nouă, şaizecişitrei)") << true << false;
        QTest::newRow("NOTA/LITERE capitals") << "NOTA/LITERE" << "1" << 963 << true << "9,63" << U("(NOUĂ, ŞAIZECIŞITREI)") << true << false;
        QTest::newRow("NOTA/PROCENT") << "NOTA/PROCENT" << "0" << 905 << true << "9,05" << U("(nouă, 05%)") << true << false;
        QTest::newRow("NOTA") << "NOTA" << "1" << 1000 << true << "10,00" << " " << false << true;
        QTest::newRow("unknown mode is NOTA") << "nota/litere" << "0" << 750 << true << "7,50" << " " << false << true;
        QTest::newRow("no value, words mode") << "NOTA/LITERE" << "0" << -1 << true << "----" << " " << true << false;
        QTest::newRow("no value, NOTA") << "NOTA" << "0" << -1 << true << "----" << " " << false << true;
        QTest::newRow("single area, words mode") << "NOTA/LITERE" << "0" << 963 << false << U("9,63 (nouă, 63%)") << "" << false << false;
        QTest::newRow("single area, capitals") << "NOTA/PROCENT" << "1" << 800 << false << U("8,00 (OPT)") << "" << false << false;
    }
    void placeGrade()
    {
        QFETCH(QString, mod);
        QFETCH(QString, litereMari);
        QFETCH(int, nota);
        QFETCH(bool, pereche);
        QFETCH(QString, numar);
        QFETCH(QString, litere);
        QFETCH(bool, litereVizibile);
        QFETCH(bool, laMijloc);
        TDirectorTest dir;
        Seteaza(mod, litereMari);
        TPereche p;
        p.s.show();
        const std::optional<int> n = nota < 0 ? std::nullopt : std::optional<int>(nota);
        PlaceGrade(p.numar, pereche ? p.litere : nullptr, n, NoteInLitere::NotaDiploma);
        QCOMPARE(p.numar->Text(), numar);
        if (pereche) {
            QCOMPARE(p.litere->Text(), litere);
            QCOMPARE(p.litere->isVisible(), litereVizibile);
        }
        const double top = laMijloc ? (43.871 + 46.471) / 2 : 43.871;
        QCOMPARE(p.numar->_Top(), top);
        QCOMPARE(p.numar->y(), TFormularDePrintat::MmToPixels(p.s.ScreenDpi(), top));
    }

    // Changing the mode between fills moves the upper area back: the first tops are kept.
    void modeChangeRestoresTop()
    {
        TDirectorTest dir;
        TPereche p;
        p.s.show();
        Seteaza(QStringLiteral("NOTA"), QStringLiteral("0"));
        PlaceGrade(p.numar, p.litere, 963, NoteInLitere::MedieCotor);
        PlaceGrade(p.numar, p.litere, 963, NoteInLitere::MedieCotor);
        QCOMPARE(p.numar->_Top(), (43.871 + 46.471) / 2);
        Seteaza(QStringLiteral("NOTA/LITERE"), QStringLiteral("0"));
        PlaceGrade(p.numar, p.litere, 963, NoteInLitere::MedieCotor);
        QCOMPARE(p.numar->_Top(), 43.871);
        QVERIFY(p.litere->isVisible());
    }

    // Each role reads its own setting.
    void roleSelectsSetting_data()
    {
        QTest::addColumn<int>("rol");
        QTest::addColumn<QString>("numar");
        QTest::newRow("NOTA_DIPLOMA") << 0 << "9,63";
        QTest::newRow("NOTA_COTOR") << 1 << U("9,63 (nouă, 63%)");
        QTest::newRow("MEDIE_DIPLOMA") << 2 << "9,63";
        QTest::newRow("MEDIE_COTOR") << 3 << "9,63";
    }
    void roleSelectsSetting()
    {
        QFETCH(int, rol);
        QFETCH(QString, numar);
        TDirectorTest dir;
        {
            TInfoGlobal2005 info;
            info.SetNotaDiploma(QStringLiteral("NOTA"));
            info.SetNotaCotor(QStringLiteral("NOTA(PROCENT)"));
            info.SetMedieDiploma(QStringLiteral("NOTA/PROCENT"));
            info.SetMedieCotor(QStringLiteral("NOTA/LITERE"));
        }
        TPereche p;
        PlaceGrade(p.numar, p.litere, 963, rol);
        QCOMPARE(p.numar->Text(), numar);
        QCOMPARE(p.litere->Text(), (QStringList{" ", " ", U("(nouă, 63%)"), U("(nouă, şaizecişitrei)")}[rol]));
    }

    void onlyWordsAreaTakesThePlace()
    {
        TDirectorTest dir;
        Seteaza(QStringLiteral("NOTA/LITERE"), QStringLiteral("0"));
        TPereche p;
        PlaceGrade(nullptr, p.litere, 963, NoteInLitere::NotaDiploma);
        QCOMPARE(p.litere->Text(), U("9,63 (nouă, 63%)"));
        QCOMPARE(p.numar->Text(), QString());
    }
};

QTEST_MAIN(TstNoteInLitere)
#include "tst_noteinlitere.moc"
