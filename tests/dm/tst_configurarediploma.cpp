#include "TBazaTest.h"
#include "TPrompterScriptat.h"
#include "UConfigurareDiploma.h"
#include "UModificaLinieProfil.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kCnp = QStringLiteral("A_CNP");

QTreeWidgetItem *Rand(TConfigurareDiploma &d, const QString &camp)
{
    for (int i = 0; i < d.VT->topLevelItemCount(); ++i) {
        QTreeWidgetItem *r = d.VT->topLevelItem(i);
        if (d.Linii.at(r->data(0, Qt::UserRole).toULongLong()).CodCamp == camp)
            return r;
    }
    return nullptr;
}

// A scripted answer for the change dialog: picks the given items and presses "Ok".
std::function<int(QDialog *)> Alege(int onorez, const QString &tabel, int *onorezAfisat = nullptr)
{
    return [=](QDialog *d) {
        auto *m = qobject_cast<TModificaLinieProfil *>(d);
        if (onorezAfisat)
            *onorezAfisat = m->RzComboBox1->currentIndex();
        if (onorez >= 0)
            m->RzComboBox1->setCurrentIndex(onorez);
        if (!tabel.isEmpty())
            m->RzComboBox2->setCurrentText(tabel);
        QTest::mouseClick(m->RzBitBtn1, Qt::LeftButton);
        return m->result();
    };
}
} // namespace

class TstConfigurareDiploma : public QObject
{
    Q_OBJECT
    QString Onorez(TBazaTest &b, const QString &camp)
    {
        return b.Valoare(QStringLiteral("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_FORMULAR = 'Certavo' and "
                                        "COD_PAGINA = 'FATA' and COD_CAMP = '%1'")
                             .arg(camp))
            .toString();
    }

private Q_SLOTS:
    void listsEveryField()
    {
        TBazaTest b;
        b.Porneste();
        TConfigurareDiploma d;
        QCOMPARE(d.VT->topLevelItemCount(), b.Valoare(QStringLiteral("select count(*) from PROFIL_DIPLOMA")).toInt());
        QTreeWidgetItem *r = Rand(d, kCnp);
        QVERIFY(r);
        QCOMPARE(r->text(0), QStringLiteral("[Elev]Cod numeric personal"));
        QCOMPARE(r->text(1), QStringLiteral("DA"));
        QCOMPARE(r->text(2), QStringLiteral("ELEVI"));
    }

    void noSelection()
    {
        TBazaTest b;
        b.Porneste();
        TPrompterScriptat p;
        TConfigurareDiploma d;
        QTest::mouseClick(d.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.Mesaje, QStringList{QStringLiteral("Va rog selectati o linie pentru a o modifica!")});
        QVERIFY(p.DialoguriDeschise.isEmpty());
    }

    // "DA" to "NU" is kept across a restart; the list shows the change at once.
    void changeSurvivesRestart()
    {
        TBazaTest b;
        b.Porneste();
        TPrompterScriptat p;
        TConfigurareDiploma d;
        d.VT->setCurrentItem(Rand(d, kCnp));
        p.Dialoguri << Alege(2, {});
        QTest::mouseClick(d.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(p.DialoguriDeschise, QStringList{QStringLiteral("Modifica linie profil")});
        QCOMPARE(Rand(d, kCnp)->text(1), QStringLiteral("NU"));
        b.Porneste();
        QCOMPARE(Onorez(b, kCnp), QStringLiteral("NU"));
    }

    // An empty or unknown value opens as "NU" and is stored as "NU".
    void emptyOpensAsNu_data()
    {
        QTest::addColumn<QString>("stocat");
        QTest::newRow("empty") << "";
        QTest::newRow("OPTIONAL") << "OPTIONAL";
        QTest::newRow("SELECTIV stays") << "SELECTIV";
    }
    void emptyOpensAsNu()
    {
        QFETCH(QString, stocat);
        TBazaTest b;
        b.Porneste();
        b.Executa({QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '%1' where COD_CAMP = 'A_CNP'").arg(stocat)});
        TPrompterScriptat p;
        TConfigurareDiploma d;
        d.VT->setCurrentItem(Rand(d, kCnp));
        int afisat = -1;
        p.Dialoguri << Alege(-1, {}, &afisat);
        QTest::mouseClick(d.RzBitBtn3, Qt::LeftButton);
        QCOMPARE(afisat, stocat == QLatin1String("SELECTIV") ? 1 : 2);
        QCOMPARE(Onorez(b, kCnp), stocat == QLatin1String("SELECTIV") ? stocat : QStringLiteral("NU"));
    }

    // The owner table lasts until the next start rewrites it from the profile file; an owner
    // that is no record table is kept when none is chosen.
    void ownerTable()
    {
        TBazaTest b;
        b.Porneste();
        TPrompterScriptat p;
        {
            TConfigurareDiploma d;
            d.VT->setCurrentItem(Rand(d, kCnp));
            p.Dialoguri << Alege(-1, QStringLiteral("SCOALA"));
            QTest::mouseClick(d.RzBitBtn3, Qt::LeftButton);
        }
        const QString sql = QStringLiteral("select ASOCIAT_CU from PROFIL_DIPLOMA where COD_CAMP = 'A_CNP' and COD_FORMULAR = "
                                           "'Certavo'");
        QCOMPARE(b.Valoare(sql).toString(), QStringLiteral("SCOALA"));
        b.Executa({QStringLiteral("update PROFIL_DIPLOMA set ASOCIAT_CU = 'ALTA' where COD_CAMP = 'A_CNP'")});
        {
            TConfigurareDiploma d;
            d.VT->setCurrentItem(Rand(d, kCnp));
            p.Dialoguri << [](QDialog *dlg) {
                auto *m = qobject_cast<TModificaLinieProfil *>(dlg);
                const int ales = m->RzComboBox2->currentIndex();
                QTest::mouseClick(m->RzBitBtn1, Qt::LeftButton);
                return ales == -1 ? m->result() : -99;
            };
            QTest::mouseClick(d.RzBitBtn3, Qt::LeftButton);
        }
        QCOMPARE(b.Valoare(sql).toString(), QStringLiteral("ALTA"));
        b.Porneste();
        QCOMPARE(b.Valoare(sql).toString(), QStringLiteral("ELEVI"));
    }

    void cancelWritesNothing()
    {
        TBazaTest b;
        b.Porneste();
        TModificaLinieProfil m;
        m.IncarcaLinie(QStringLiteral("Certavo"), QStringLiteral("FATA"), kCnp);
        m.RzComboBox1->setCurrentIndex(2);
        QTest::mouseClick(m.RzBitBtn2, Qt::LeftButton);
        QCOMPARE(m.result(), 2);
        QCOMPARE(Onorez(b, kCnp), QStringLiteral("DA"));
    }
};

QTEST_MAIN(TstConfigurareDiploma)
#include "tst_configurarediploma.moc"
