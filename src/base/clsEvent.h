#pragma once
// An event with any number of listeners, called in the order they subscribed. A listener may
// unsubscribe itself or any other during a raise: one that is gone before its turn is not
// called. One that subscribes during a raise is first called by the next raise. The event may
// die before its subscriptions, and a listener may destroy the event's owner while it runs.

#include "base/clsSubscription.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

template <typename... Args> class clsEvent
{
public:
    using Handler = std::function<void(Args...)>;

    clsEvent() = default;
    clsEvent(const clsEvent&) = delete;
    clsEvent& operator=(const clsEvent&) = delete;

    [[nodiscard]] clsSubscription Subscribe(Handler fnHandler)
    {
        auto listener = std::make_shared<Listener>(std::move(fnHandler));
        m_state->Listeners.push_back(listener);
        return clsSubscription([weakState = std::weak_ptr<State>(m_state),
                                weakListener = std::weak_ptr<Listener>(listener)] {
            const std::shared_ptr<State> state = weakState.lock();
            const std::shared_ptr<Listener> gone = weakListener.lock();
            if (!state || !gone) {
                return;
            }
            gone->Live = false;
            std::erase(state->Listeners, gone);
        });
    }

    void Raise(Args... args) const
    {
        // The listeners of this raise are fixed before the first is called; the copy also keeps
        // a running handler alive when it unsubscribes itself. Events here are user actions,
        // not inner loops, so the copy costs nothing that counts.
        const std::vector<std::shared_ptr<Listener>> listeners = m_state->Listeners;
        for (const std::shared_ptr<Listener>& listener : listeners) {
            if (listener->Live) {
                listener->Handle(args...);
            }
        }
    }

    std::size_t ListenerCount() const { return m_state->Listeners.size(); }

private:
    struct Listener
    {
        explicit Listener(Handler fn)
            : Handle(std::move(fn))
        {}
        Handler Handle;
        bool Live = true;
    };
    struct State
    {
        std::vector<std::shared_ptr<Listener>> Listeners;
    };

    std::shared_ptr<State> m_state = std::make_shared<State>();
};
