#pragma once
// The host the engine benchmarks and the code-table generator run searches under: a real clock,
// a pump that calls OnEvents (a benchmark stops or pauses a search from there), messages on
// stderr.

#include "base/clsIMessage.h"
#include "base/clsIPump.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <thread>

class BenchHost final : public clsIPump, public clsIMessage
{
public:
    void DoEvents() override
    {
        if (OnEvents) {
            OnEvents();
        }
    }
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
    void ShowMessage(MsgIcon, std::string_view strText, std::string_view strCaption) override
    {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(strCaption.size()), strCaption.data(),
                     static_cast<int>(strText.size()), strText.data());
    }
    std::function<void()> OnEvents;
};
