#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UDm.h"
#include "UEditeaza.h"
#include "UEditorGeneric.h"
#include "UListaGenerica.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
TEditorGeneric *EditorPentru(QWidget *w, const QString &camp)
{
    for (TEditorGeneric *e : w->findChildren<TEditorGeneric *>())
        if (e->CodCamp() == camp && e->CodFormular() == QLatin1String("Certavo"))
            return e;
    return nullptr;
}

// Types a value into a record dialog's text field and presses "Ok".
std::function<int(QDialog *)> Scrie(const QString &camp, const QString &text)
{
    return [=](QDialog *d) {
        auto *dlg = qobject_cast<TEditeaza *>(d);
        TEditorGeneric *e = EditorPentru(dlg, camp);
        if (!e)
            return -1;
        e->findChild<QComboBox *>(QStringLiteral("RzComboBox1"))->setCurrentText(text);
        QTest::mouseClick(dlg->RzBitBtn1, Qt::LeftButton);
        return dlg->result();
    };
}
} // namespace

// The schools: listed by their naming fields, added, modified and deleted through the record dialog.
class TstListaGenerica : public QObject
{
    Q_OBJECT
    std::unique_ptr<TBazaTest> m_b;

private Q_SLOTS:
    void init()
    {
        m_b = std::make_unique<TBazaTest>();
        m_b->Porneste();
        // Two naming fields keep the display text short.
        m_b->Executa({QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'NU' where ASOCIAT_CU = 'SCOALA' and "
                                     "not (COD_FORMULAR = 'Certavo' and COD_CAMP in ('C_UNITATEA_L1', 'C_LOCALITATEA'))")});
    }
    void cleanup() { m_b.reset(); }

    void emptyListNeedsSelection()
    {
        TPrompterScriptat p;
        TListaGenerica l;
        l.Tabel = QStringLiteral("SCOALA");
        l.Reincarca();
        QCOMPARE(l.VT->topLevelItemCount(), 0);
        QTest::mouseClick(l.RzBitBtn2, Qt::LeftButton);
        QTest::mouseClick(l.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.Mesaje, (QStringList{"Va rog selectati o linie!", "Va rog selectati o linie!"}));
    }

    void addModifyDelete()
    {
        TPrompterScriptat p;
        TListaGenerica l;
        l.Tabel = QStringLiteral("SCOALA");
        l.Reincarca();
        p.Dialoguri << Scrie(QStringLiteral("C_UNITATEA_L1"), QStringLiteral("Liceul X"));
        QTest::mouseClick(l.RzBitBtn1, Qt::LeftButton);
        QCOMPARE(p.DialoguriDeschise, QStringList{"Editeaza"});
        QCOMPARE(l.VT->topLevelItemCount(), 1);
        QCOMPARE(l.VT->topLevelItem(0)->text(0), QStringLiteral("Liceul X; "));

        l.VT->setCurrentItem(l.VT->topLevelItem(0));
        p.Dialoguri << Scrie(QStringLiteral("C_LOCALITATEA"), QStringLiteral("Arad"));
        QTest::mouseClick(l.RzBitBtn2, Qt::LeftButton);
        QCOMPARE(l.VT->topLevelItem(0)->text(0), QStringLiteral("Liceul X; Arad"));
        QCOMPARE(m_b->Valoare(QStringLiteral("select count(*) from SCOALA")).toInt(), 1);

        // A student linked to the school loses its school values with it.
        const int scoala = m_b->Valoare(QStringLiteral("select ID_SCOALA from SCOALA")).toInt();
        m_b->Executa({QStringLiteral("insert into ELEVI (ID_ELEVI) values (9)"),
                      QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA) values "
                                     "('Certavo', 'FATA', 'C_LOCALITATEA', 9, %1)")
                          .arg(scoala)});
        QCOMPARE(DM->CitesteValoare(QStringLiteral("Certavo"), QStringLiteral("FATA"), QStringLiteral("C_LOCALITATEA"), 9, -1),
                 QStringLiteral("Arad"));
        l.VT->setCurrentItem(l.VT->topLevelItem(0));
        p.Raspunsuri << true;
        QTest::mouseClick(l.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.Intrebari, QStringList{"Doriti sa stergeti linia: Liceul X; Arad"});
        QCOMPARE(l.VT->topLevelItemCount(), 0);
        QCOMPARE(DM->CitesteValoare(QStringLiteral("Certavo"), QStringLiteral("FATA"), QStringLiteral("C_LOCALITATEA"), 9, -1),
                 QString());
    }
};

QTEST_MAIN(TstListaGenerica)
#include "tst_listagenerica.moc"
