#include "base/qt/clsQtPump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>

// Counts the calls delivered to this thread from others: the accessibility bridge's queries
// arrive so, as do queued signals.
class clsQtPump::CallWatch final : public QObject
{
public:
    std::int64_t Calls = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall) {
            ++Calls;
        }
        return QObject::eventFilter(watched, event);
    }
};

clsQtPump::clsQtPump()
{
    m_clock.start();
}

clsQtPump::~clsQtPump() = default;

void clsQtPump::DoEvents()
{
    // Long work calls this every few thousand steps, often many times a frame; each pass
    // repaints what changed and, with a screen reader attached, tells it. One pass a frame
    // keeps the window as lively for a fraction of the cost.
    const qint64 now = m_clock.elapsed();
    if (m_lastPass >= 0 && now - m_lastPass < kPassIntervalMs) {
        return;
    }
    m_lastPass = now;
    if (!m_watch && QCoreApplication::instance() != nullptr) {
        m_watch = std::make_unique<CallWatch>();
        QCoreApplication::instance()->installEventFilter(m_watch.get());
    }
    const std::int64_t calls = m_watch ? m_watch->Calls : 0;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (m_watch && m_watch->Calls != calls) {
        Linger();
    }
}

void clsQtPump::Linger()
{
    // A walk of the window's accessible tree is thousands of questions, each asked after the
    // last answer: one answer a pass would make it take minutes.
    QElapsedTimer spent;
    spent.start();
    std::int64_t seen = m_watch->Calls;
    while (spent.elapsed() < kLingerMs) {
        QTimer wake;
        wake.setSingleShot(true);
        wake.start(kQuietMs);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (m_watch->Calls == seen) {
            break;
        }
        seen = m_watch->Calls;
    }
    m_lastPass = m_clock.elapsed();
}

std::int64_t clsQtPump::TickMs() const
{
    return m_clock.elapsed();
}

void clsQtPump::SleepMs(std::int32_t lngMs)
{
    if (lngMs > 0) {
        QThread::msleep(static_cast<unsigned long>(lngMs));
    }
}

void clsQtPump::WaitForEvents(std::int32_t lngMs)
{
    if (lngMs > 0) {
        // The timer is the event that ends the wait when the user gives none.
        QTimer wake;
        wake.setSingleShot(true);
        wake.start(lngMs);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_lastPass = m_clock.elapsed();
}
