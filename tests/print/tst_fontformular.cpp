#include "FontFormular.h"

#include <QtTest>
#include <memory>

namespace {
// Records what the definition tells it.
class TUtilizatorProba : public QObject, public IUtilizatorFontFormular
{
public:
    explicit TUtilizatorProba(QStringList *jurnal, QString nume) : m_jurnal(jurnal) { setObjectName(nume); }
    void FontChanged() override { *m_jurnal << objectName() + QStringLiteral(":changed"); }
    void FontDestroyed() override { *m_jurnal << objectName() + QStringLiteral(":destroyed"); }
    QObject *ObiectUtilizator() override { return this; }

private:
    QStringList *m_jurnal;
};
} // namespace

class TstFontFormular : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults_data()
    {
        QTest::addColumn<QByteArray>("proprietate");
        QTest::addColumn<QVariant>("valoare");
        QTest::newRow("face") << QByteArray("FontName") << QVariant(QStringLiteral("Arial"));
        QTest::newRow("size mm") << QByteArray("Size") << QVariant(3.0);
        QTest::newRow("charset") << QByteArray("CharSet") << QVariant(238);
        QTest::newRow("code page") << QByteArray("CodePage") << QVariant(1250);
        QTest::newRow("bold") << QByteArray("Bold") << QVariant(false);
        QTest::newRow("italic") << QByteArray("Italic") << QVariant(false);
        QTest::newRow("editor label") << QByteArray("DescrierePentruEditor") << QVariant(QString());
    }
    void defaults()
    {
        QFETCH(QByteArray, proprietate);
        QFETCH(QVariant, valoare);
        TFontFormular f;
        QCOMPARE(f.property(proprietate.constData()), valoare);
    }

    // Every drawing property restyles each user once, in list order; the label does not.
    void settersNotifyUsers_data()
    {
        QTest::addColumn<QByteArray>("proprietate");
        QTest::addColumn<QVariant>("valoare");
        QTest::addColumn<bool>("notifica");
        QTest::newRow("Size") << QByteArray("Size") << QVariant(4.7) << true;
        QTest::newRow("FontName") << QByteArray("FontName") << QVariant(QStringLiteral("Courier")) << true;
        QTest::newRow("Bold") << QByteArray("Bold") << QVariant(true) << true;
        QTest::newRow("Italic") << QByteArray("Italic") << QVariant(true) << true;
        QTest::newRow("CharSet") << QByteArray("CharSet") << QVariant(0) << true;
        QTest::newRow("CodePage") << QByteArray("CodePage") << QVariant(1252) << true;
        QTest::newRow("DescrierePentruEditor") << QByteArray("DescrierePentruEditor")
                                               << QVariant(QStringLiteral("Arial 4")) << false;
    }
    void settersNotifyUsers()
    {
        QFETCH(QByteArray, proprietate);
        QFETCH(QVariant, valoare);
        QFETCH(bool, notifica);
        QStringList jurnal;
        TUtilizatorProba a(&jurnal, QStringLiteral("a")), b(&jurnal, QStringLiteral("b")),
            altul(&jurnal, QStringLiteral("altul"));
        TFontFormular f, g;
        f.AddUser(&b);
        f.AddUser(&a);
        g.AddUser(&altul);
        QVERIFY(f.setProperty(proprietate.constData(), valoare));
        QCOMPARE(f.property(proprietate.constData()), valoare);
        const QStringList asteptat = notifica ? QStringList{QStringLiteral("b:changed"), QStringLiteral("a:changed")}
                                              : QStringList{};
        QCOMPARE(jurnal, asteptat);
    }

    void removedUserIsNotNotified()
    {
        QStringList jurnal;
        TUtilizatorProba a(&jurnal, QStringLiteral("a")), b(&jurnal, QStringLiteral("b"));
        TFontFormular f;
        f.AddUser(&a);
        f.AddUser(&b);
        f.RemoveUser(&a);
        f.SetSize(5.0);
        QCOMPARE(jurnal, QStringList{QStringLiteral("b:changed")});
    }

    // A user that dies without unregistering leaves the list by itself.
    void destroyedUserLeavesList()
    {
        QStringList jurnal;
        TFontFormular f;
        auto a = std::make_unique<TUtilizatorProba>(&jurnal, QStringLiteral("a"));
        TUtilizatorProba b(&jurnal, QStringLiteral("b"));
        f.AddUser(a.get());
        f.AddUser(&b);
        a.reset();
        QCOMPARE(f.Users().size(), 1);
        f.SetBold(true);
        QCOMPARE(jurnal, QStringList{QStringLiteral("b:changed")});
    }

    void destructionTellsUsers()
    {
        QStringList jurnal;
        TUtilizatorProba a(&jurnal, QStringLiteral("a")), b(&jurnal, QStringLiteral("b"));
        {
            TFontFormular f(nullptr, QStringLiteral("Stanga_mic"));
            QCOMPARE(f.objectName(), QStringLiteral("Stanga_mic"));
            f.AddUser(&a);
            f.AddUser(&b);
        }
        QCOMPARE(jurnal, (QStringList{QStringLiteral("a:destroyed"), QStringLiteral("b:destroyed")}));
    }
};

QTEST_MAIN(TstFontFormular)
#include "tst_fontformular.moc"
