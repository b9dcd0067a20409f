#pragma once
// Event pumping and the millisecond clock for long work on the user-interface thread.
// The clock starts when the object is made; only differences of ticks mean anything.

#include "base/clsIPump.h"

#include <QElapsedTimer>

#include <memory>

class clsQtPump final : public clsIPump
{
public:
    // DoEvents passes the events at most this often; calls in between return at once.
    static constexpr qint64 kPassIntervalMs = 15;
    // While calls from another thread or process keep coming (a screen reader asks one thing
    // at a time and waits for each answer), a pass stays up to this long to answer them: a walk
    // of the whole tree then goes at nearly the idle window's pace, and the search slows only
    // while someone asks.
    static constexpr qint64 kLingerMs = 40;
    // ... and ends when none came for this long (a loaded machine's reader takes a few ms to
    // ask the next thing).
    static constexpr int kQuietMs = 4;

    clsQtPump(const clsQtPump&) = delete;
    clsQtPump& operator=(const clsQtPump&) = delete;
    ~clsQtPump() override;

    clsQtPump();
    void DoEvents() override;
    std::int64_t TickMs() const override;
    void SleepMs(std::int32_t lngMs) override;
    void WaitForEvents(std::int32_t lngMs) override;

private:
    class CallWatch;
    void Linger();

    QElapsedTimer m_clock;
    std::unique_ptr<CallWatch> m_watch;
    qint64 m_lastPass = -1;
};
