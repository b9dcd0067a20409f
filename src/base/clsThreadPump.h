#pragma once
// The pump of work with no window to keep alive (a thread of its own, a benchmark): the steady
// clock and plain sleeps. DoEvents does nothing unless a subclass has a stop to look for there.

#include "base/clsIPump.h"

#include <chrono>
#include <thread>

class clsThreadPump : public clsIPump
{
public:
    void DoEvents() override {}
    std::int64_t TickMs() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void SleepMs(std::int32_t lngMs) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(lngMs));
    }
    void WaitForEvents(std::int32_t lngMs) override
    {
        SleepMs(lngMs);
        DoEvents();
    }
};
