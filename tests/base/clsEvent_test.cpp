#include "base/clsEvent.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {
TEST(Event, CallsEveryListenerInTheOrderTheySubscribed)
{
    clsEvent<int, const std::string&> event;
    std::vector<std::string> calls;
    const clsSubscription a = event.Subscribe(
        [&](int n, const std::string& s) { calls.push_back("a" + std::to_string(n) + s); });
    const clsSubscription b = event.Subscribe(
        [&](int n, const std::string& s) { calls.push_back("b" + std::to_string(n) + s); });
    event.Raise(7, "x");
    event.Raise(8, "y");
    EXPECT_EQ(calls, (std::vector<std::string>{"a7x", "b7x", "a8y", "b8y"}));
    EXPECT_EQ(event.ListenerCount(), 2u);
}

TEST(Event, EachListenerGetsItsOwnCopyOfAValueArgument)
{
    clsEvent<std::string> event;
    std::vector<std::string> seen;
    const clsSubscription a = event.Subscribe([&](std::string s) {
        seen.push_back(s);
        s = "spoilt";
    });
    const clsSubscription b = event.Subscribe([&](std::string s) { seen.push_back(s); });
    event.Raise("round");
    EXPECT_EQ(seen, (std::vector<std::string>{"round", "round"}));
}

TEST(Event, SubscriptionEndsWithItsLifetimeOrReset)
{
    clsEvent<> event;
    int first = 0;
    int second = 0;
    clsSubscription keep = event.Subscribe([&] { ++first; });
    {
        const clsSubscription scoped = event.Subscribe([&] { ++second; });
        event.Raise();
    }
    event.Raise();
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(event.ListenerCount(), 1u);

    EXPECT_TRUE(keep.Subscribed());
    keep.Reset();
    EXPECT_FALSE(keep.Subscribed());
    keep.Reset(); // twice is harmless
    event.Raise();
    EXPECT_EQ(first, 2);
    EXPECT_EQ(event.ListenerCount(), 0u);
}

TEST(Event, MovedSubscriptionStillOwnsTheListener)
{
    clsEvent<> event;
    int calls = 0;
    clsSubscription moved;
    EXPECT_FALSE(moved.Subscribed());
    {
        clsSubscription original = event.Subscribe([&] { ++calls; });
        moved = std::move(original);
        EXPECT_FALSE(original.Subscribed()); // NOLINT: the moved-from state is part of the type
    }
    event.Raise();
    EXPECT_EQ(calls, 1);

    // Assigning over a live subscription ends the old one.
    int other = 0;
    moved = event.Subscribe([&] { ++other; });
    event.Raise();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(other, 1);
    EXPECT_EQ(event.ListenerCount(), 1u);
}

TEST(Event, ListenersMayUnsubscribeDuringARaise)
{
    clsEvent<> event;
    std::vector<std::string> calls;
    std::optional<clsSubscription> self;
    std::optional<clsSubscription> later;
    const clsSubscription first = event.Subscribe([&] { calls.push_back("first"); });
    self = event.Subscribe([&] {
        calls.push_back("self");
        self.reset(); // destroys the handler's own subscription while it runs
        later.reset();
    });
    later = event.Subscribe([&] { calls.push_back("later"); });
    const clsSubscription last = event.Subscribe([&] { calls.push_back("last"); });
    event.Raise();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "self", "last"}));
    calls.clear();
    event.Raise();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "last"}));
}

TEST(Event, ListenerSubscribedDuringARaiseWaitsForTheNext)
{
    clsEvent<> event;
    int added = 0;
    std::vector<clsSubscription> more;
    const clsSubscription adder =
        event.Subscribe([&] { more.push_back(event.Subscribe([&] { ++added; })); });
    event.Raise();
    EXPECT_EQ(added, 0);
    event.Raise();
    EXPECT_EQ(added, 1); // the one from the first raise; the second raise added another
    EXPECT_EQ(event.ListenerCount(), 3u);
}

TEST(Event, SubscriptionMayOutliveTheEvent)
{
    clsSubscription sub;
    int calls = 0;
    {
        clsEvent<int> event;
        sub = event.Subscribe([&](int) { ++calls; });
        event.Raise(1);
    }
    sub.Reset(); // the event is gone: nothing to do, nothing touched
    EXPECT_EQ(calls, 1);
}

TEST(Event, ListenerMayDestroyTheEventWhileItIsRaised)
{
    auto event = std::make_unique<clsEvent<>>();
    std::vector<std::string> calls;
    const clsSubscription a = event->Subscribe([&] {
        calls.push_back("a");
        event.reset();
    });
    const clsSubscription b = event->Subscribe([&] { calls.push_back("b"); });
    event->Raise();
    EXPECT_EQ(event, nullptr);
    // The raise began with both listeners; the second is still called, as its subscription lives.
    EXPECT_EQ(calls, (std::vector<std::string>{"a", "b"}));
}
} // namespace
