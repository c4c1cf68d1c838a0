#pragma once
// A tiny will-change publisher. An object that shares state owns one and calls
// send() before every assignment to a published field, also when the value
// does not change. Notices carry no value: a subscriber that needs the new
// value reads it after the assignment has finished, typically on the next
// turn of the main queue. Everything happens on the assigning (main) thread.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace torvel {

namespace detail {
struct SubscriberList {
    struct Entry {
        std::uint64_t id;
        std::shared_ptr<std::function<void()>> call;
    };
    std::vector<Entry> entries;
    std::uint64_t nextId = 0;
};
} // namespace detail

// Held by a subscriber; the subscriber hears notices while the handle lives.
// Outliving the publisher is harmless.
class Subscription {
public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept
        : list_(std::move(other.list_))
        , id_(std::exchange(other.id_, 0)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            list_ = std::move(other.list_);
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (auto list = list_.lock()) {
            std::erase_if(list->entries, [this](const auto& e) { return e.id == id_; });
        }
        list_.reset();
    }

private:
    friend class WillChangePublisher;
    Subscription(std::weak_ptr<detail::SubscriberList> list, std::uint64_t id)
        : list_(std::move(list))
        , id_(id) {}

    std::weak_ptr<detail::SubscriberList> list_;
    std::uint64_t id_ = 0;
};

class WillChangePublisher {
public:
    WillChangePublisher()
        : list_(std::make_shared<detail::SubscriberList>()) {}
    WillChangePublisher(const WillChangePublisher&) = delete;
    WillChangePublisher& operator=(const WillChangePublisher&) = delete;

    [[nodiscard]] Subscription subscribe(std::function<void()> subscriber) const {
        const auto id = ++list_->nextId;
        list_->entries.push_back(
            {id, std::make_shared<std::function<void()>>(std::move(subscriber))});
        return Subscription(list_, id);
    }

    // Calls the subscribers in the order they subscribed. A subscriber whose
    // handle is dropped during the notice is not called afterwards; one that
    // subscribes during the notice hears the next one.
    void send() const {
        // Held locally: a subscriber may destroy the object that owns us.
        const auto list = list_;
        const auto snapshot = list->entries;
        for (const auto& entry : snapshot) {
            const bool stillSubscribed =
                std::any_of(list->entries.begin(), list->entries.end(),
                            [&](const auto& e) { return e.id == entry.id; });
            if (stillSubscribed) {
                (*entry.call)();
            }
        }
    }

    std::size_t subscriberCount() const { return list_->entries.size(); }

private:
    std::shared_ptr<detail::SubscriberList> list_;
};

// Announces, then stores: the one way a published field is assigned.
template <class T, class U>
void assignPublished(const WillChangePublisher& publisher, T& field, U&& value) {
    publisher.send();
    field = std::forward<U>(value);
}

} // namespace torvel
