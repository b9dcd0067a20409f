#pragma once
// The extraction processes events between its steps; off the window's thread that is where an
// abandoned live count or a stopped back-test learns it may stop.

#include "base/clsThreadPump.h"
#include "conditions/clsTX.h"

#include <stop_token>
#include <utility>

class clsTXStopPump final : public clsThreadPump
{
public:
    explicit clsTXStopPump(std::stop_token token)
        : m_token(std::move(token))
    {}
    // The extraction to cancel once a stop is asked.
    void Bind(clsTX& tx) { m_tx = &tx; }
    void DoEvents() override
    {
        if (m_tx != nullptr && m_token.stop_requested()) {
            m_tx->Cancel();
        }
    }

private:
    std::stop_token m_token;
    clsTX* m_tx = nullptr;
};
