#include "base/qt/clsQtPump.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

clsQtPump::clsQtPump()
{
    m_clock.start();
}

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
    QCoreApplication::processEvents(QEventLoop::AllEvents);
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
