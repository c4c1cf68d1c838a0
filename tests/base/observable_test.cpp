#include "base/observable.h"

#include <gtest/gtest.h>
#include <optional>

namespace torvel {
namespace {

struct Thing {
    WillChangePublisher objectWillChange;
    int value = 0;
    void set(int v) { assignPublished(objectWillChange, value, v); }
};

TEST(Observable, NoticeComesBeforeTheValueAndAlsoForEqualValues) {
    Thing thing;
    std::vector<int> seen;
    auto handle = thing.objectWillChange.subscribe([&] { seen.push_back(thing.value); });
    thing.set(5);
    thing.set(5);
    thing.set(7);
    // Each notice saw the old value: the new one is stored afterwards.
    EXPECT_EQ(seen, (std::vector<int>{0, 5, 5}));
}

TEST(Observable, DroppingTheHandleStopsNotices) {
    Thing thing;
    int calls = 0;
    auto handle = thing.objectWillChange.subscribe([&] { ++calls; });
    thing.set(1);
    handle.reset();
    thing.set(2);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(thing.objectWillChange.subscriberCount(), 0u);

    {
        auto scoped = thing.objectWillChange.subscribe([&] { ++calls; });
        Subscription moved = std::move(scoped);
        thing.set(3);
    }
    thing.set(4);
    EXPECT_EQ(calls, 2);
}

TEST(Observable, SubscribersMayUnsubscribeOthersOrOutliveThePublisher) {
    std::optional<Subscription> second;
    int firstCalls = 0, secondCalls = 0;
    Subscription first;
    {
        Thing thing;
        first = thing.objectWillChange.subscribe([&] {
            ++firstCalls;
            second.reset();
        });
        second = thing.objectWillChange.subscribe([&] { ++secondCalls; });
        thing.set(1);
        EXPECT_EQ(firstCalls, 1);
        EXPECT_EQ(secondCalls, 0);
    }
    first.reset(); // publisher already gone
}

TEST(Observable, SubscriberMayDestroyThePublisher) {
    auto thing = std::make_unique<Thing>();
    auto handle = thing->objectWillChange.subscribe([&] { thing.reset(); });
    thing->objectWillChange.send();
    EXPECT_EQ(thing, nullptr);
}

} // namespace
} // namespace torvel
