#include "TMesajEroare.h"
#include "TDirectorTest.h"
#include "TPrompterScriptat.h"
#include "UEditorConfigGlobal.h"
#include "UEroare.h"
#include "UKelQuickRegStuff.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QSettings>
#include <sys/stat.h>
#include <QTabWidget>
#include <QtTest>

using TValori = QMap<QString, QString>;

namespace {
const QString CheieProba = QStringLiteral("Software\\Firma Proba\\Program\\1\\Setari");

class TSetariProba : public TKelRegistryClass
{
    Q_OBJECT
    Q_PROPERTY(int numar MEMBER Numar)
    Q_PROPERTY(QString Zeta MEMBER Zeta)
    Q_PROPERTY(double Real MEMBER Real)
    Q_PROPERTY(qint64 Mare MEMBER Mare)
    Q_PROPERTY(Qt::Alignment Aliniere MEMBER Aliniere)
    Q_PROPERTY(Qt::CheckState Stare MEMBER Stare)

public:
    explicit TSetariProba(bool incarca = true) : TKelRegistryClass(CheieProba)
    {
        if (incarca)
            Incarca();
    }
    ~TSetariProba() override { Salveaza(); }
    int Numar = 0;
    QString Zeta;
    double Real = 0;
    qint64 Mare = 0;
    Qt::Alignment Aliniere;
    Qt::CheckState Stare = Qt::Unchecked;
};

// A descendant repeating a name in other letters and adding one of its own.
class TSetariDerivate : public TSetariProba
{
    Q_OBJECT
    Q_PROPERTY(QString alfa MEMBER Alfa)
    Q_PROPERTY(QString ZETA MEMBER AltZeta)
public:
    TSetariDerivate() : TSetariProba(false) {}
    QString Alfa, AltZeta;
};

constexpr auto Eroare = &MesajEroare;

QMap<QString, QString> Stocate()
{
    const auto s = DeschideCheie(TInfoGlobal2005::CheieGlobal());
    QMap<QString, QString> r;
    for (const QString &k : s->allKeys())
        r.insert(k, s->value(k).toString());
    return r;
}

void Stocheaza(const QMap<QString, QString> &valori)
{
    const auto s = DeschideCheie(TInfoGlobal2005::CheieGlobal());
    for (auto it = valori.begin(); it != valori.end(); ++it)
        s->setValue(it.key(), it.value());
}

template <typename T> T *Copil(QWidget &w, const char *nume)
{
    T *c = w.findChild<T *>(QLatin1String(nume));
    if (!c)
        qFatal("missing %s", nume);
    return c;
}
} // namespace

class TstEditorConfigGlobal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shellListsPropertiesSortedWithKinds()
    {
        TDirectorTest dir;
        TSetariDerivate o;
        TKelRTTIShell shell(&o);
        QStringList nume;
        QList<TKelRTTIShell::TTip> tipuri;
        for (int i = 0; i < shell.NumarProprietati(); ++i) {
            nume << shell.NumeProprietate(i);
            tipuri << shell.TipProprietate(i);
        }
        QCOMPARE(nume, (QStringList{"alfa", "Aliniere", "Mare", "numar", "Real", "Stare", "ZETA"}));
        using T = TKelRTTIShell;
        QCOMPARE(tipuri, (QList<T::TTip>{T::tipText, T::tipIntreg, T::tipIntreg, T::tipIntreg, T::tipAltul, T::tipIntreg, T::tipText}));
        shell.SeteazaProprietate(3, 41);
        QCOMPARE(o.Numar, 41);
        QCOMPARE(shell.ValoareProprietate(3), QVariant(41));
    }

    // Integers and texts go through the store under the property's name; reals are not stored.
    void savesAndLoadsByKind()
    {
        TDirectorTest dir;
        {
            TSetariProba o;
            o.Numar = -7;
            o.Zeta = QString::fromUtf8("Ştefan");
            o.Real = 2.5;
            o.Mare = 123456;
            o.Stare = Qt::Checked;
        }
        QVERIFY(QFileInfo(dir.Cale(QStringLiteral("settings"))).isDir());
        const auto s = DeschideCheie(CheieProba);
        QCOMPARE(s->allKeys(), (QStringList{"Aliniere", "Mare", "Stare", "Zeta", "numar"}));
        TSetariProba o;
        QCOMPARE(o.Numar, -7);
        QCOMPARE(o.Zeta, QString::fromUtf8("Ştefan"));
        QCOMPARE(o.Real, 0.0);
        QCOMPARE(o.Mare, qint64(123456));
        QCOMPARE(o.Stare, Qt::Checked);
    }

    // Freeing writes what changed; an unchanged object leaves the file as it was (no rewrite).
    void unchangedValuesAreNotRewritten()
    {
        TDirectorTest dir;
        {
            TSetariProba o;
            o.Numar = 3;
            o.Zeta = QStringLiteral("z");
        }
        const QString fisier = DeschideCheie(CheieProba)->fileName();
        const auto inod = [&] {
            struct stat st {};
            return ::stat(QFile::encodeName(fisier).constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        const ino_t inainte = inod();
        QVERIFY(inainte != 0);
        { TSetariProba o; }
        QCOMPARE(inod(), inainte);
        {
            TSetariProba o;
            o.Zeta = QStringLiteral("alt");
        }
        QVERIFY(inod() != inainte);
        TSetariProba o;
        QCOMPARE(o.Numar, 3);
        QCOMPARE(o.Zeta, QStringLiteral("alt"));
    }

    void wrongKindFailsLoading()
    {
        TDirectorTest dir;
        DeschideCheie(CheieProba)->setValue(QStringLiteral("numar"), QStringLiteral("sapte"));
        const QString m = Eroare([] { TSetariProba o; });
        QVERIFY2(m.startsWith(QStringLiteral("Valoarea numar din cheia ")), qPrintable(m));
    }

    void globalInfoValueNames()
    {
        TDirectorTest dir;
        QCOMPARE(TInfoGlobal2005::CheieGlobal(), QStringLiteral("Software\\Tavrin SOFT\\Velunda\\2009\\Global"));
        {
            TInfoGlobal2005 info;
            QVERIFY(info.NotaDiploma().isEmpty() && info.ScriuCuLitereMari().isEmpty());
            info.SetMedieCotor(QStringLiteral("NOTA"));
        }
        const auto v = Stocate();
        QCOMPARE(v.keys(), (QStringList{"MedieCotor", "MedieDiploma", "NotaCotor", "NotaDiploma", "ScriuCuLitereMari",
                                        "SufixBaieti", "SufixFete"}));
        QCOMPARE(v.value("MedieCotor"), QStringLiteral("NOTA"));
        TInfoGlobal2005 info;
        QCOMPARE(info.MedieCotor(), QStringLiteral("NOTA"));
    }

    void dialogLayout()
    {
        TDirectorTest dir;
        TEditorConfigGlobal d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Editor informatii globale"));
        QCOMPARE(d.size(), QSize(588, 347));
        auto *pc = Copil<QTabWidget>(d, "RzPageControl1");
        QCOMPARE(pc->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QVERIFY(!pc->isTabVisible(0));
        QCOMPARE(pc->tabText(1), QStringLiteral("Mod tiparire note"));
        QCOMPARE(Copil<QComboBox>(d, "RzComboBox3")->pos(), QPoint(24, 96));
        QCOMPARE(Copil<QComboBox>(d, "RzComboBox6")->pos(), QPoint(216, 168));
        QCOMPARE(Copil<QComboBox>(d, "RzComboBox4")->count(), 4);
        QCOMPARE(Copil<QPushButton>(d, "RzBitBtn1")->pos(), QPoint(512, 8));
        QCOMPARE(Copil<QPushButton>(d, "RzBitBtn2")->text(), QStringLiteral("Renunt"));
        QCOMPARE(Copil<QRadioButton>(d, "RzRadioButton1")->text(), QStringLiteral("Scriu notele cu LITERE MARI"));
        QCOMPARE(Copil<QLabel>(d, "RzLabel3")->text(), QStringLiteral("Nota:"));
        QCOMPARE(Copil<QComboBox>(d, "RzComboBox1")->count(), 3);
    }

    // What the boxes show for what is stored, and what opening the dialog leaves stored.
    void opening_data()
    {
        QTest::addColumn<TValori>("inainte");
        QTest::addColumn<QStringList>("afisate");
        QTest::addColumn<bool>("litereMari");
        QTest::addColumn<QString>("fete");
        QTest::addColumn<TValori>("dupa");
        const QMap<QString, QString> implicite{{"NotaDiploma", "NOTA/LITERE"}, {"MedieDiploma", "NOTA/LITERE"},
                                               {"NotaCotor", "NOTA(PROCENT)"}, {"MedieCotor", "NOTA(PROCENT)"},
                                               {"ScriuCuLitereMari", ""}, {"SufixFete", ""}, {"SufixBaieti", ""}};
        QTest::newRow("first use") << QMap<QString, QString>{}
                                   << QStringList{"NOTA/LITERE", "NOTA/LITERE", "NOTA(PROCENT)", "NOTA(PROCENT)"} << true
                                   << "dra" << implicite;
        QMap<QString, QString> stocat{{"NotaDiploma", "NOTA"}, {"MedieDiploma", "nota/litere"}, {"NotaCotor", "NOTA/PROCENT"},
                                      {"MedieCotor", "NOTA/LITERE"}, {"ScriuCuLitereMari", "0"}, {"SufixFete", "doamna"},
                                      {"SufixBaieti", "dl"}};
        QTest::newRow("stored, one in small letters")
            << stocat << QStringList{"NOTA", "", "NOTA/PROCENT", "NOTA/LITERE"} << false << "doamna" << stocat;
    }
    void opening()
    {
        QFETCH(TValori, inainte);
        QFETCH(QStringList, afisate);
        QFETCH(bool, litereMari);
        QFETCH(QString, fete);
        QFETCH(TValori, dupa);
        TDirectorTest dir;
        Stocheaza(inainte);
        TEditorConfigGlobal d;
        QStringList vazute;
        for (const char *n : {"RzComboBox3", "RzComboBox4", "RzComboBox5", "RzComboBox6"})
            vazute << Copil<QComboBox>(d, n)->currentText();
        QCOMPARE(vazute, afisate);
        QCOMPARE(Copil<QRadioButton>(d, "RzRadioButton1")->isChecked(), litereMari);
        QCOMPARE(Copil<QRadioButton>(d, "RzRadioButton2")->isChecked(), !litereMari);
        QCOMPARE(Copil<QComboBox>(d, "RzComboBox1")->currentText(), fete);
        QCOMPARE(Stocate(), dupa);
        QTest::mouseClick(Copil<QPushButton>(d, "RzBitBtn2"), Qt::LeftButton);
        QCOMPARE(d.result(), 2);
        QCOMPARE(Stocate(), dupa);
    }

    void okWritesChoices()
    {
        TDirectorTest dir;
        Stocheaza({{"MedieDiploma", "nota/litere"}});
        TEditorConfigGlobal d;
        Copil<QComboBox>(d, "RzComboBox3")->setCurrentIndex(0);
        Copil<QComboBox>(d, "RzComboBox6")->setCurrentIndex(2);
        Copil<QRadioButton>(d, "RzRadioButton2")->setChecked(true);
        Copil<QComboBox>(d, "RzComboBox2")->setCurrentText(QStringLiteral("dl"));
        QTest::mouseClick(Copil<QPushButton>(d, "RzBitBtn1"), Qt::LeftButton);
        QCOMPARE(d.result(), 1);
        const auto v = Stocate();
        QCOMPARE(v.value("NotaDiploma"), QStringLiteral("NOTA"));
        QCOMPARE(v.value("MedieDiploma"), QStringLiteral("nota/litere"));     // no selection: kept
        QCOMPARE(v.value("NotaCotor"), QStringLiteral("NOTA(PROCENT)"));
        QCOMPARE(v.value("MedieCotor"), QStringLiteral("NOTA/PROCENT"));
        QCOMPARE(v.value("ScriuCuLitereMari"), QStringLiteral("0"));
        QCOMPARE(v.value("SufixFete"), QStringLiteral("dra"));
        QCOMPARE(v.value("SufixBaieti"), QStringLiteral("dl"));
    }

    // Each mode item shows its sample lines, centred.
    void itemSamples()
    {
        QImage img(161, 32 * 4, QImage::Format_RGB32);
        QPainter p(&img);
        QPalette pal;
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        pal.setColor(QPalette::Highlight, Qt::blue);
        for (int i = 0; i < 4; ++i)
            TEditorConfigGlobal::RzComboBox3DrawItem(p, QRect(0, 32 * i, 161, 32), i, i == 1, pal);
        p.end();
        QCOMPARE(img.pixelColor(2, 32 + 2), QColor(Qt::blue));
        QCOMPARE(img.pixelColor(2, 2), QColor(Qt::white));
        auto randuriCuText = [&](int item) {
            int randuri = 0;
            bool inText = false;
            for (int y = 32 * item; y < 32 * item + 32; ++y) {
                bool are = false;
                for (int x = 0; x < 161; ++x)
                    are |= qGray(img.pixel(x, y)) < 128;
                if (are && !inText)
                    ++randuri;
                inText = are;
            }
            return randuri;
        };
        QCOMPARE(randuriCuText(0), 1);
        QCOMPARE(randuriCuText(2), 2);
        QCOMPARE(randuriCuText(3), 2);
    }
};

QTEST_MAIN(TstEditorConfigGlobal)
#include "tst_editorconfigglobal.moc"
