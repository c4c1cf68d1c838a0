#pragma once
// How a view follows the objects it shows: a will-change notice comes before
// the value is stored, so the view refreshes on the next turn of the loop,
// once for all the notices of that turn.

#include "base/observable.h"

#include <functional>
#include <QObject>
#include <vector>

namespace torvel {

class RefreshAfterNotices {
public:
    // `context` bounds the refresh's life: none runs after it is gone.
    RefreshAfterNotices(QObject* context, std::function<void()> refresh);

    void observe(const WillChangePublisher& publisher);

private:
    void schedule();

    QObject* context_;
    std::function<void()> refresh_;
    std::vector<Subscription> subscriptions_;
    bool pending_ = false;
};

} // namespace torvel
