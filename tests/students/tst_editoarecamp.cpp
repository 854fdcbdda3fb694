#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UEditorCampCF.h"
#include "UEditorCampCNP.h"
#include "UEditorCampCalificativ.h"
#include "UEditorCampNota.h"
#include "UEditorCampSirues.h"
#include "UEditorCampText.h"
#include "UEditorGenericNotaSauCalificativ.h"
#include "UKelNumEdit.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QtTest>

// The concrete field editors: suggestions, completion and the diacritics shorthand of the
// text editor, the CNP confirmation, the grade rules and the grade-or-qualifier question.
class TstEditoareCamp : public QObject
{
    Q_OBJECT
    TBazaTest *m_b = nullptr;

    static void Incarca(TEditorGeneric &e, int idElev = 7, const QString &camp = QStringLiteral("C"))
    {
        TCitire c(DM->Tr);
        e.IncarcaCamp(QStringLiteral("F"), QStringLiteral("P"), camp, QStringLiteral("ELEVI"), idElev, -1);
    }
    static void Salveaza(TEditorGeneric &e, int idElev = 7)
    {
        TScriere s(DM->Tr);
        e.SalveazaCamp(idElev, -1, QStringLiteral("ELEVI"));
        s.Commit();
    }
    QVariant Stocat(int idElev = 7)
    {
        return m_b->Valoare(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP='C' and ID_ELEVI=%1").arg(idElev));
    }
    void Valoare(int idElev, const QString &text, const QString &camp = QStringLiteral("C"))
    {
        m_b->Executa({QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT) "
                                     "values ('F', 'P', '%1', %2, %3)")
                          .arg(camp)
                          .arg(idElev)
                          .arg(text.isNull() ? QStringLiteral("null") : QLatin1Char('\'') + text + QLatin1Char('\''))});
    }

    // Types the text into a line-edit editor and asks it to validate, the confirmations answered in order.
    template <class TEditor>
    bool PotSalvaDupaTastare(TEditor &e, TPrompterScriptat &p, const QString &text, const QList<bool> &raspunsuri)
    {
        for (bool r : raspunsuri)
            p.Raspunsuri.enqueue(r);
        Incarca(e);
        e.show();
        QTest::keyClicks(e.RzEdit1, text);
        return e.PotSalva();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_b = new TBazaTest;
        m_b->Porneste();
        QStringList sql;
        for (int id : {1, 2, 3, 7})
            sql << QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id);
        m_b->Executa(sql);
    }
    void cleanupTestCase() { delete m_b; }
    void init() { m_b->Executa({QStringLiteral("delete from \"DATE\"")}); }

    // ---- text

    void TextSugestiiDistincte()
    {
        Valoare(1, QStringLiteral("Brasov"));
        Valoare(2, QStringLiteral("Arad"));
        Valoare(3, QStringLiteral("Brasov"));
        Valoare(7, QStringLiteral("Cluj"));
        Valoare(1, QStringLiteral("Alt camp"), QStringLiteral("X"));
        TEditorCampText e;
        Incarca(e);
        QStringList items;
        for (int i = 0; i < e.RzComboBox1->count(); ++i)
            items << e.RzComboBox1->itemText(i);
        QCOMPARE(items, (QStringList{QStringLiteral("Arad"), QStringLiteral("Brasov"), QStringLiteral("Cluj")}));
        QCOMPARE(e.RzComboBox1->currentText(), QStringLiteral("Cluj"));
        QCOMPARE(e.RzComboBox1->lineEdit()->cursorPosition(), 4);
        QVERIFY(!e.RzComboBox1->lineEdit()->hasSelectedText());
        e.DupaAfisare();
        QCOMPARE(e.RzComboBox1->lineEdit()->cursorPosition(), 0);
        QVERIFY(!e.RzComboBox1->lineEdit()->hasSelectedText());
        e.Goleste();
        QCOMPARE(e.RzComboBox1->count(), 0);
        QVERIFY(e.RzComboBox1->currentText().isEmpty());
    }

    void TextFaraRandEsteGol()
    {
        Valoare(1, QStringLiteral("Brasov"));
        Valoare(2, QString());
        TEditorCampText e;
        Incarca(e);
        QVERIFY(e.RzComboBox1->currentText().isEmpty());
        QCOMPARE(e.RzComboBox1->count(), 2);   // the null value is an empty item
    }

    void TextDiacritice_data()
    {
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<QString>("stocat");
        QTest::newRow("s") << "Bra@sov" << QStringLiteral("Bra\u015Fov");
        QTest::newRow("all letters") << "@a@h@i@s@t@A@H@I@S@T" << QStringLiteral("\u0103\u00E2\u00EE\u015F\u0163\u0102\u00C2\u00CE\u015E\u0162");
        QTest::newRow("doubled escape") << "a@@b" << "a@b";
        QTest::newRow("lone escape at the end") << "abc@" << "abc";
        QTest::newRow("unknown escape dropped") << "x@qy" << "xy";
        QTest::newRow("plain") << "Arad" << "Arad";
    }
    void TextDiacritice()
    {
        QFETCH(QString, tastat);
        QFETCH(QString, stocat);
        TEditorCampText e;
        Incarca(e);
        e.show();
        QTest::keyClicks(e.RzComboBox1->lineEdit(), tastat);
        QCOMPARE(e.RzComboBox1->currentText(), tastat);
        QVERIFY(e.PotSalva());
        QCOMPARE(e.RzComboBox1->currentText(), stocat);
        Salveaza(e);
        QCOMPARE(Stocat().toString(), stocat);
    }

    void TextTaiat256()
    {
        TEditorCampText e;
        Incarca(e);
        e.RzComboBox1->setEditText(QStringLiteral("  ") + QString(300, QLatin1Char('a')));
        QVERIFY(e.PotSalva());
        Salveaza(e);
        QCOMPARE(Stocat().toString(), QString(256, QLatin1Char('a')));
    }

    void TextGhiceste_data()
    {
        QTest::addColumn<bool>("activ");
        QTest::addColumn<QString>("afisat");
        QTest::newRow("completion on") << true << "Bucuresti";
        QTest::newRow("completion off") << false << "Bu";
    }
    void TextGhiceste()
    {
        QFETCH(bool, activ);
        QFETCH(QString, afisat);
        Valoare(1, QStringLiteral("Bucuresti"));
        Valoare(2, QStringLiteral("Arad"));
        TEditorCampText e;
        Incarca(e);
        QVERIFY(e.RzComboBox1->completer());   // on when created
        e.SetGhiceste(activ);
        QCOMPARE(e.RzComboBox1->completer() != nullptr, activ);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.activateWindow();
        e.RzComboBox1->setFocus();
        QTRY_VERIFY(e.RzComboBox1->hasFocus());
        QTest::keyClicks(e.RzComboBox1->lineEdit(), QStringLiteral("Bu"));
        QCOMPARE(e.RzComboBox1->currentText(), afisat);
        e.SetGhiceste(true);
        QVERIFY(e.RzComboBox1->completer());
    }

    // ---- CNP, CF, SIRUES

    void Cnp_data()
    {
        QTest::addColumn<QString>("cnp");
        QTest::addColumn<QList<bool>>("raspunsuri");
        QTest::addColumn<bool>("poate");
        QTest::addColumn<int>("intrebari");
        QTest::newRow("valid") << "1850101123451" << QList<bool>{} << true << 0;
        QTest::newRow("29 Feb 2000") << "5000229123453" << QList<bool>{} << true << 0;
        QTest::newRow("bad control digit, No") << "1850101123452" << QList<bool>{false} << false << 1;
        QTest::newRow("bad control digit, Yes") << "1850101123452" << QList<bool>{true} << true << 1;
        QTest::newRow("first digit 3") << "3850101123451" << QList<bool>{false} << false << 1;
        QTest::newRow("empty asks") << "" << QList<bool>{false} << false << 1;
        QTest::newRow("blank around") << " 1850101123451" << QList<bool>{false} << false << 1;
    }
    void Cnp()
    {
        QFETCH(QString, cnp);
        QFETCH(QList<bool>, raspunsuri);
        QFETCH(bool, poate);
        QFETCH(int, intrebari);
        TPrompterScriptat p;
        TEditorCampCNP e;
        QCOMPARE(PotSalvaDupaTastare(e, p, cnp, raspunsuri), poate);
        QCOMPARE(p.Intrebari.size(), intrebari);
        if (intrebari)
            QCOMPARE(p.Intrebari[0], QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa continuati?"));
    }

    void CfSiSiruesFaraVerificari_data()
    {
        QTest::addColumn<int>("tip");
        QTest::newRow("CF") << 0;
        QTest::newRow("SIRUES") << 1;
        QTest::newRow("CALIFICATIV") << 2;
    }
    void CfSiSiruesFaraVerificari()
    {
        QFETCH(int, tip);
        TPrompterScriptat p;
        std::unique_ptr<TEditorCampEdit> e;
        if (tip == 0)
            e = std::make_unique<TEditorCampCF>();
        else if (tip == 1)
            e = std::make_unique<TEditorCampSirues>();
        else
            e = std::make_unique<TEditorCampCalificativ>();
        Valoare(7, QStringLiteral("vechi"));
        Incarca(*e);
        QCOMPARE(e->RzEdit1->text(), QStringLiteral("vechi"));
        e->RzEdit1->setText(QStringLiteral(" 12-ab ") + QString(80, QLatin1Char('9')));
        QVERIFY(e->PotSalva());
        Salveaza(*e);
        QCOMPARE(Stocat().toString(), (QStringLiteral("12-ab ") + QString(80, QLatin1Char('9'))).left(64));
        QVERIFY(p.Intrebari.isEmpty() && p.Avertizari.isEmpty());
        e->Goleste();
        QVERIFY(e->RzEdit1->text().isEmpty());
    }

    // ---- grades

    void TextInNota_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("nota");
        QTest::newRow("9,5") << "9,5" << qint64(95000);
        QTest::newRow("9.5") << "9.5" << qint64(95000);
        QTest::newRow("9,567 cut") << "9,567" << qint64(95600);
        QTest::newRow("10") << "10" << qint64(100000);
        QTest::newRow("9,50") << "9,50" << qint64(95000);
        QTest::newRow("leading blank") << " 9,5" << qint64(0);
        QTest::newRow("letter first") << "a9" << qint64(0);
        QTest::newRow("abc") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("letter stops collecting") << "7,2x5" << qint64(72000);
        QTest::newRow("digits beyond the second separator ignored") << "8,1,9" << qint64(81000);
        QTest::newRow("only decimals") << ",75" << qint64(7500);
    }
    void TextInNota()
    {
        QFETCH(QString, text);
        QFETCH(qint64, nota);
        QCOMPARE(TEditorCampNota::TextInNota(text), nota);
    }

    void EsteNotaValida_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valida");
        for (const char *t : {"5", "9,5", "9.50", "10", "9 ,5", "5,00", "10,00", "07"})
            QTest::newRow(t) << QString::fromLatin1(t) << true;
        // Letters or signs around digits make a text, not a grade.
        for (const char *t : {"4,99", "10,01", "9,555", "100", "9,5,1", "abc", "", "0", ",9", "clasa a 9-a", "9a", "-9"})
            QTest::newRow(*t ? t : "empty") << QString::fromLatin1(t) << false;
    }
    void EsteNotaValida()
    {
        QFETCH(QString, text);
        QFETCH(bool, valida);
        QCOMPARE(TEditorCampNota::EsteNotaValida(text), valida);
    }

    void NotaTastata_data()
    {
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<QString>("afisat");
        QTest::addColumn<QString>("avertizare");
        QTest::addColumn<QString>("reincarcat");
        QTest::newRow("9.5") << "9.5" << "9,5" << "" << "9,50";
        QTest::newRow("5") << "5" << "5" << "" << "5,00";
        QTest::newRow("10") << "10" << "10" << "" << "10,00";
        QTest::newRow("4,99") << "4,99" << "4,99" << "Nota este prea mica" << "";
        QTest::newRow("10,01") << "10,01" << "10,01" << "Nota este prea mare" << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void NotaTastata()
    {
        QFETCH(QString, tastat);
        QFETCH(QString, afisat);
        QFETCH(QString, avertizare);
        QFETCH(QString, reincarcat);
        TPrompterScriptat p;
        TEditorCampNota e;
        Incarca(e);
        e.show();
        QTest::mouseClick(e.KelNumEdit1, Qt::LeftButton);
        QTest::keyClicks(e.KelNumEdit1, tastat);
        QCOMPARE(e.KelNumEdit1->Text(), afisat);
        QCOMPARE(e.PotSalva(), avertizare.isEmpty());
        QCOMPARE(p.Avertizari, avertizare.isEmpty() ? QStringList() : QStringList{avertizare});
        if (!avertizare.isEmpty())
            return;   // refused: the host saves nothing
        Salveaza(e);
        QCOMPARE(Stocat().toString(), afisat);
        TEditorCampNota din;
        Incarca(din);
        QCOMPARE(din.KelNumEdit1->Text(), reincarcat);
    }

    void NotaIncarcata_data()
    {
        QTest::addColumn<QString>("stocat");
        QTest::addColumn<QString>("afisat");
        QTest::newRow("missing row") << "-" << "";
        QTest::newRow("null") << QString() << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no digits") << "absent" << "";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("9,5") << "9,5" << "9,50";
        QTest::newRow("8.25") << "8.25" << "8,25";
        QTest::newRow("4") << "4" << "4,00";
    }
    void NotaIncarcata()
    {
        QFETCH(QString, stocat);
        QFETCH(QString, afisat);
        if (stocat != QLatin1String("-"))
            Valoare(7, stocat);
        TEditorCampNota e;
        Incarca(e);
        QCOMPARE(e.KelNumEdit1->Text(), afisat);
        e.Goleste();
        QVERIFY(e.KelNumEdit1->Text().isEmpty());
    }

    void NotaSauCalificativ_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("raspunsuri");
        QTest::addColumn<bool>("poate");
        QTest::addColumn<int>("intrebari");
        QTest::newRow("qualifier") << "Foarte bine" << QList<bool>{} << true << 0;
        QTest::newRow("grade") << "9,50" << QList<bool>{} << true << 0;
        QTest::newRow("digits, No") << "clasa a 9-a" << QList<bool>{false} << false << 1;
        QTest::newRow("digits, Yes") << "clasa a 9-a" << QList<bool>{true} << true << 1;
        QTest::newRow("letters around a grade ask") << "nota 9" << QList<bool>{false} << false << 1;
        QTest::newRow("grade too high asks") << "10,5" << QList<bool>{false} << false << 1;
        QTest::newRow("empty") << "" << QList<bool>{} << true << 0;
    }
    void NotaSauCalificativ()
    {
        QFETCH(QString, text);
        QFETCH(QList<bool>, raspunsuri);
        QFETCH(bool, poate);
        QFETCH(int, intrebari);
        TPrompterScriptat p;
        TEditorGenericNotaSauCalificativ e;
        QCOMPARE(PotSalvaDupaTastare(e, p, text, raspunsuri), poate);
        QCOMPARE(p.Intrebari.size(), intrebari);
        if (intrebari)
            QCOMPARE(p.Intrebari[0], QStringLiteral("Textul introdus ar putea fi o nota (include cifre) dar va fi tiparit "
                                                    "ca un calfiicativ!\r\nContinuati?"));
        if (poate) {
            Salveaza(e);
            QCOMPARE(Stocat().toString(), text);
        }
    }
};

QTEST_MAIN(TstEditoareCamp)
#include "tst_editoarecamp.moc"
