#include "UKelMouseInWindowThread.h"

#include <QCursor>
#include <QtTest>

namespace {
// Counts the watcher's messages it receives.
class TFereastraMesaje : public QWidget
{
public:
    QList<int> Mesaje;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == TKelMesajEvent::Tip()) {
            Mesaje << static_cast<TKelMesajEvent *>(e)->Mesaj;
            return true;
        }
        return QWidget::event(e);
    }
};
} // namespace

class TTestMouseInWindowThread : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void postsOnceWhenCursorOutside();
    void postsNothingWhileInside();
    void endsWhenWindowIsGone();

private:
    std::unique_ptr<TFereastraMesaje> m_fereastra;
};

void TTestMouseInWindowThread::init()
{
    m_fereastra = std::make_unique<TFereastraMesaje>();
    m_fereastra->setGeometry(100, 100, 200, 100);
    m_fereastra->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fereastra.get()));
}

void TTestMouseInWindowThread::postsOnceWhenCursorOutside()
{
    QCursor::setPos(m_fereastra->mapToGlobal(QPoint(50, 50)));
    QPointer<TKelMouseInWindowThread> t = new TKelMouseInWindowThread(m_fereastra.get(), 1124);
    QTest::qWait(250);
    QVERIFY(m_fereastra->Mesaje.isEmpty());
    QCursor::setPos(m_fereastra->mapToGlobal(QPoint(400, 50)));
    QTRY_COMPARE_WITH_TIMEOUT(m_fereastra->Mesaje, QList<int>{1124}, 1000);
    // It has ended and freed itself, and posts no second message.
    QTRY_VERIFY(t.isNull());
    QTest::qWait(250);
    QCOMPARE(m_fereastra->Mesaje.size(), 1);
}

void TTestMouseInWindowThread::postsNothingWhileInside()
{
    // The right and bottom edges still count as inside.
    const QRect r(m_fereastra->mapToGlobal(QPoint(0, 0)), m_fereastra->size());
    QCursor::setPos(r.left() + r.width(), r.top() + r.height());
    QPointer<TKelMouseInWindowThread> t = new TKelMouseInWindowThread(m_fereastra.get(), 7);
    QTest::qWait(350);
    QVERIFY(m_fereastra->Mesaje.isEmpty());
    QVERIFY(!t.isNull());
    QCursor::setPos(r.left() - 1, r.top());
    QTRY_COMPARE(m_fereastra->Mesaje, QList<int>{7});
}

void TTestMouseInWindowThread::endsWhenWindowIsGone()
{
    QCursor::setPos(m_fereastra->mapToGlobal(QPoint(50, 50)));
    QPointer<TKelMouseInWindowThread> t = new TKelMouseInWindowThread(m_fereastra.get(), 1124);
    QTest::qWait(150);
    m_fereastra.reset();
    QTRY_VERIFY(t.isNull());
}

QTEST_MAIN(TTestMouseInWindowThread)
#include "tst_kelmouseinwindowthread.moc"
