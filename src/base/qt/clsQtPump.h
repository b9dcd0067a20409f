#pragma once
// Event pumping and the millisecond clock for long work on the user-interface thread.
// The clock starts when the object is made; only differences of ticks mean anything.

#include "base/clsIPump.h"

#include <QElapsedTimer>

class clsQtPump final : public clsIPump
{
public:
    // DoEvents passes the events at most this often; calls in between return at once.
    static constexpr qint64 kPassIntervalMs = 15;

    clsQtPump();
    void DoEvents() override;
    std::int64_t TickMs() const override;
    void SleepMs(std::int32_t lngMs) override;
    void WaitForEvents(std::int32_t lngMs) override;

private:
    QElapsedTimer m_clock;
    qint64 m_lastPass = -1;
};
