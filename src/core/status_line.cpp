#include "core/status_line.h"

#include "base/shown_text.h"
#include "schedule/minute_of_day.h"
#include "schedule/time_text.h"

#include <QLocale>

namespace torvel {

namespace {

QString modeLine(const TintState& state, const LightSchedule& schedule, const ClockText& text) {
    if (state.mode == TorvelMode::off) {
        return QStringLiteral("Screen colors are unchanged");
    }
    // In the tinting modes a hold says why nothing shows, in words that
    // came from outside: a window's class, a program's reason, the host's.
    if (state.hold) {
        const QString by = shownText(state.hold->by);
        switch (state.hold->kind) {
        case Hold::Kind::pause: {
            const QDateTime until = state.hold->until.value_or(state.now);
            QString when = text(static_cast<std::int64_t>(minuteOfDay(until)));
            // One that ends after the next midnight says its day.
            if (const QDate day = until.toLocalTime().date();
                day != state.now.toLocalTime().date()) {
                when =
                    QLocale::system().dayName(day.dayOfWeek(), QLocale::ShortFormat) + u' ' + when;
            }
            return QStringLiteral("Paused until ") + when;
        }
        case Hold::Kind::app:
            return QStringLiteral("Paused for ") + by;
        case Hold::Kind::fullscreen:
            return QStringLiteral("Paused while ") + by + QStringLiteral(" is fullscreen");
        case Hold::Kind::inhibition:
        case Hold::Kind::host:
            return QStringLiteral("Paused by ") + by;
        }
    }
    if (state.report.trouble) {
        return QStringLiteral("Not tinting: ") + *state.report.trouble;
    }
    if (state.mode == TorvelMode::manual) {
        return QStringLiteral("Fixed color");
    }
    if (state.preview == Preview::day) {
        return QStringLiteral("Previewing the day color");
    }
    if (state.preview == Preview::night) {
        return QStringLiteral("Previewing the night color");
    }
    // With the sun but without its times, the clock's times stand, and say why.
    QString gap;
    if (state.sunGap == SunGap::noSun) {
        gap = QStringLiteral(" \u00B7 no sunrise or dusk today");
    } else if (state.sunGap == SunGap::noPlace) {
        gap = QStringLiteral(" \u00B7 no location for the sun");
    }
    switch (state.phase.value_or(Phase::day)) {
    case Phase::windDown:
        return QStringLiteral("Winding down \u00B7 bedtime in ") +
               countdownString(minuteOfDay(state.now), schedule.bedtime) + gap;
    case Phase::night:
        return QStringLiteral("Night \u00B7 wake at ") + text(schedule.wake) + gap;
    case Phase::morning:
        return QStringLiteral("Waking up \u00B7 daylight at ") + text(schedule.wake) + gap;
    case Phase::day:
        break;
    }
    return QStringLiteral("Daylight \u00B7 wind-down at ") + text(windDownStart(schedule)) + gap;
}

} // namespace

QString statusLine(const TintState& state, const LightSchedule& schedule, const ClockText& clock) {
    const ClockText text = clock ? clock : ClockText([](std::int64_t m) { return clockString(m); });
    QString line = modeLine(state, schedule, text);
    // Said where the user looks, rather than stepping aside never and silently.
    if (state.report.windowsUnseen && state.mode != TorvelMode::off) {
        line += QStringLiteral(" \u00B7 pausing for apps does not work here");
    }
    if (state.report.settingsUnsaved) {
        line += QStringLiteral(" \u00B7 settings not saved");
    }
    return line;
}

} // namespace torvel
