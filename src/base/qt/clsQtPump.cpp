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
}
