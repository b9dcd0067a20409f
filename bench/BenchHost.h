#pragma once
// The host the engine benchmarks and the code-table generator run searches under: a real clock,
// a pump that calls OnEvents (a benchmark stops or pauses a search from there), messages on
// stderr.

#include "base/clsIMessage.h"
#include "base/clsThreadPump.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <thread>

class BenchHost final : public clsThreadPump, public clsIMessage
{
public:
    void DoEvents() override
    {
        if (OnEvents) {
            OnEvents();
        }
    }
    void ShowMessage(MsgIcon, std::string_view strText, std::string_view strCaption) override
    {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(strCaption.size()), strCaption.data(),
                     static_cast<int>(strText.size()), strText.data());
    }
    std::function<void()> OnEvents;
};
