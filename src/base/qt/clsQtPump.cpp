#include "base/qt/clsQtPump.h"

#include <QCoreApplication>
#include <QThread>

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
