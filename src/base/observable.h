#pragma once
// A tiny publisher. An object that shares state owns a WillChangePublisher
// and calls send() before every assignment to a published field, also when
// the value does not change. Those notices carry no value: a subscriber that
// needs the new value reads it after the assignment has finished, typically
// on the next turn of the main queue. Other notices (a display
// reconfiguration) carry what happened. Everything happens on the sending
// (main) thread.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace torvel {

namespace detail {
// What a Subscription needs of the list it is in, whatever the notices carry.
struct SubscriberListBase {
    virtual ~SubscriberListBase() = default;
    virtual void erase(std::uint64_t id) = 0;
};

template <class... Args> struct SubscriberList final : SubscriberListBase {
    struct Entry {
        std::uint64_t id;
        std::shared_ptr<std::function<void(Args...)>> call;
    };
    std::vector<Entry> entries;
    std::uint64_t nextId = 0;

    void erase(std::uint64_t id) override {
        std::erase_if(entries, [id](const auto& e) { return e.id == id; });
    }
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
            list->erase(id_);
        }
        list_.reset();
    }

private:
    template <class... Args> friend class Notifier;
    Subscription(std::weak_ptr<detail::SubscriberListBase> list, std::uint64_t id)
        : list_(std::move(list))
        , id_(id) {}

    std::weak_ptr<detail::SubscriberListBase> list_;
    std::uint64_t id_ = 0;
};

// A list of subscribers that hear notices carrying `Args`, owned by the
// object that sends them.
template <class... Args> class Notifier {
public:
    Notifier()
        : list_(std::make_shared<detail::SubscriberList<Args...>>()) {}
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    [[nodiscard]] Subscription subscribe(std::function<void(Args...)> subscriber) const {
        const auto id = ++list_->nextId;
        list_->entries.push_back(
            {id, std::make_shared<std::function<void(Args...)>>(std::move(subscriber))});
        return Subscription(list_, id);
    }

    // Calls the subscribers in the order they subscribed. A subscriber whose
    // handle is dropped during the notice is not called afterwards; one that
    // subscribes during the notice hears the next one.
    void send(Args... args) const {
        // Held locally: a subscriber may destroy the object that owns us.
        const auto list = list_;
        const auto snapshot = list->entries;
        for (const auto& entry : snapshot) {
            const bool stillSubscribed =
                std::any_of(list->entries.begin(), list->entries.end(),
                            [&](const auto& e) { return e.id == entry.id; });
            if (stillSubscribed) {
                (*entry.call)(args...);
            }
        }
    }

    std::size_t subscriberCount() const { return list_->entries.size(); }

private:
    std::shared_ptr<detail::SubscriberList<Args...>> list_;
};

// Will-change notices carry nothing.
using WillChangePublisher = Notifier<>;

// Announces, then stores: the one way a published field is assigned.
template <class T, class U>
void assignPublished(const WillChangePublisher& publisher, T& field, U&& value) {
    publisher.send();
    field = std::forward<U>(value);
}

} // namespace torvel
