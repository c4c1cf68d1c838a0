#pragma once
// Lets work queued for later (on the main queue, behind a timer, in a
// platform callback) find out whether the object that queued it still
// exists, without that work keeping it alive.
//
// The owner holds a LifetimeToken member built with `this`; callbacks
// capture `token.watch()` and call `get()` when they run, which answers
// nullptr once the owner's destructor has begun.

#include <memory>

namespace torvel {

template <class T> class LifetimeToken {
public:
    class Watch {
    public:
        T* get() const {
            const auto self = self_.lock();
            return self ? *self : nullptr;
        }

    private:
        friend class LifetimeToken;
        explicit Watch(std::weak_ptr<T*> self)
            : self_(std::move(self)) {}
        std::weak_ptr<T*> self_;
    };

    explicit LifetimeToken(T* owner)
        : self_(std::make_shared<T*>(owner)) {}
    // Cleared as well as released, so a watch that has just locked it on
    // another path still reads nullptr.
    ~LifetimeToken() { *self_ = nullptr; }
    LifetimeToken(const LifetimeToken&) = delete;
    LifetimeToken& operator=(const LifetimeToken&) = delete;

    Watch watch() const { return Watch(self_); }

private:
    std::shared_ptr<T*> self_;
};

} // namespace torvel
