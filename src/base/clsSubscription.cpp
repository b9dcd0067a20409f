#include "base/clsSubscription.h"

#include <utility>

clsSubscription::clsSubscription(clsSubscription&& other) noexcept
    : m_cancel(std::exchange(other.m_cancel, nullptr))
{}

clsSubscription& clsSubscription::operator=(clsSubscription&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_cancel = std::exchange(other.m_cancel, nullptr);
    }
    return *this;
}

void clsSubscription::Reset() noexcept
{
    if (m_cancel) {
        const std::function<void()> cancel = std::exchange(m_cancel, nullptr);
        cancel();
    }
}
