#pragma once
// A display layer's one line of why our colour cannot reach the screens
// (DisplayLayer::trouble), kept the same way by every host: logged once
// when it starts and once when it clears, under the host's category, and
// told to the layer's subscribers on a later turn of the main loop, never
// inside the request that found it.

#include <functional>
#include <optional>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

namespace torvel {

class TroubleReport {
public:
    // `cleared` is the log's words when it clears ("kwinrc takes our
    // colour again").
    TroubleReport(const QLoggingCategory& (*category)(), QString cleared)
        : category_(category)
        , cleared_(std::move(cleared)) {}

    // `changed` runs on the main loop after the line changed (the layer
    // tells its subscribers).
    void tellOnChange(std::function<void()> changed) { changed_ = std::move(changed); }

    const std::optional<QString>& current() const { return current_; }

    void set(std::optional<QString> why) {
        if (why == current_) {
            return;
        }
        if (why) {
            qCWarning(category_, "not tinting: %s", qUtf8Printable(*why));
        } else {
            qCInfo(category_, "%s", qUtf8Printable(cleared_));
        }
        current_ = std::move(why);
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                if (changed_) {
                    changed_();
                }
            },
            Qt::QueuedConnection);
    }

private:
    const QLoggingCategory& (*category_)();
    QString cleared_;
    std::function<void()> changed_;
    std::optional<QString> current_;
    QObject context_; // a notice still queued dies with the report
};

} // namespace torvel
