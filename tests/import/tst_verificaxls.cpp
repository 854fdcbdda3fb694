#include "UVerificaXls.h"

#include <QtTest>

namespace {

QByteArray Record(quint16 tip, const QByteArray &date)
{
    QByteArray r;
    r.append(char(tip & 0xFF)).append(char(tip >> 8));
    r.append(char(date.size() & 0xFF)).append(char(date.size() >> 8));
    return r + date;
}

QByteArray Le(quint64 v, int octeti)
{
    QByteArray b;
    for (int i = 0; i < octeti; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray Biff8(quint32 randuri, quint16 coloane)
{
    return Record(0x0200, Le(0, 4) + Le(randuri, 4) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

QByteArray Biff5(quint16 randuri, quint16 coloane)
{
    return Record(0x0200, Le(0, 2) + Le(randuri, 2) + Le(0, 2) + Le(coloane, 2) + Le(0, 2));
}

} // namespace

class TestVerificaXls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void celuleDeclarate_data()
    {
        QTest::addColumn<QByteArray>("flux");
        QTest::addColumn<qint64>("celule");
        const QByteArray bof = Record(0x0809, QByteArray(16, '\0'));
        const QByteArray eof = Record(0x000A, {});
        QTest::newRow("biff8") << bof + Biff8(4, 7) + eof << qint64(28);
        QTest::newRow("biff5") << bof + Biff5(10, 3) + eof << qint64(30);
        QTest::newRow("doua foi") << bof + Biff8(4, 7) + eof + bof + Biff8(65536, 256) + eof
                                  << qint64(28 + 65536LL * 256);
        QTest::newRow("record scurt") << bof + Record(0x0200, "abc") << qint64(0);
        QTest::newRow("trunchiat") << bof + Biff8(1000, 10).left(10) << qint64(0);
        QTest::newRow("gol") << QByteArray() << qint64(0);
    }

    void celuleDeclarate()
    {
        QFETCH(QByteArray, flux);
        QFETCH(qint64, celule);
        QCOMPARE(CeluleDeclarate(reinterpret_cast<const unsigned char *>(flux.constData()), flux.size()), celule);
    }
};

QTEST_MAIN(TestVerificaXls)
#include "tst_verificaxls.moc"
