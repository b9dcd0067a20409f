#pragma once
// Event pumping and the clock for long work: lets pause and stop reach a run, and gives the
// run clock and time limits a tick that tests can drive by hand.

#include <cstdint>

class clsIPump
{
public:
    virtual ~clsIPump() = default;
    // Process pending user-interface events (a no-op without a window).
    virtual void DoEvents() = 0;
    // Monotonic milliseconds.
    virtual std::int64_t TickMs() const = 0;
    virtual void SleepMs(std::int32_t lngMs) = 0;
    // Waits until an event comes or lngMs have passed, then processes what came: a paused run
    // waits here, so a resume or a stop is seen as soon as the user gives it.
    virtual void WaitForEvents(std::int32_t lngMs) = 0;
};
