#include "base/refresh_after_notices.h"

#include <QTimer>

namespace torvel {

RefreshAfterNotices::RefreshAfterNotices(QObject* context, std::function<void()> refresh)
    : context_(context)
    , refresh_(std::move(refresh)) {}

void RefreshAfterNotices::observe(const WillChangePublisher& publisher) {
    subscriptions_.push_back(publisher.subscribe([this] { schedule(); }));
}

void RefreshAfterNotices::schedule() {
    if (pending_) {
        return;
    }
    pending_ = true;
    QTimer::singleShot(0, context_, [this] {
        pending_ = false;
        refresh_();
    });
}

} // namespace torvel
