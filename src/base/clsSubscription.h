#pragma once
// One listener's place on a clsEvent: the listener stays subscribed for as long as this object
// lives (or until Reset), so a view that goes away cannot be called afterwards.

#include <functional>

class clsSubscription
{
public:
    clsSubscription() = default;
    explicit clsSubscription(std::function<void()> fnCancel)
        : m_cancel(std::move(fnCancel))
    {}
    ~clsSubscription() { Reset(); }
    clsSubscription(const clsSubscription&) = delete;
    clsSubscription& operator=(const clsSubscription&) = delete;
    clsSubscription(clsSubscription&& other) noexcept;
    clsSubscription& operator=(clsSubscription&& other) noexcept;

    // Unsubscribes now; harmless when already done or when the event is gone.
    void Reset() noexcept;
    bool Subscribed() const { return static_cast<bool>(m_cancel); }

private:
    std::function<void()> m_cancel;
};
