#include "core/status_line.h"

#include "base/shown_text.h"
#include "base/texts.h"
#include "schedule/minute_of_day.h"
#include "schedule/time_text.h"

#include <QLocale>

namespace torvel {

namespace {

QString modeLine(const TintState& state, const LightSchedule& schedule, const ClockText& text) {
    if (state.mode == TorvelMode::off) {
        return Texts::tr("Screen colors are unchanged");
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
            return Texts::tr("Paused until %1").arg(when);
        }
        case Hold::Kind::app:
            return Texts::tr("Paused for %1").arg(by);
        case Hold::Kind::fullscreen:
            return Texts::tr("Paused while %1 is fullscreen").arg(by);
        case Hold::Kind::inhibition: // the caller's reason, in its words
            return Texts::tr("Paused: %1").arg(by);
        case Hold::Kind::host:
            return Texts::tr("Paused by %1").arg(by);
        }
    }
    if (state.report.trouble) {
        return Texts::tr("Not tinting: %1").arg(*state.report.trouble);
    }
    if (state.mode == TorvelMode::manual) {
        return Texts::tr("Fixed color");
    }
    if (state.preview == Preview::day) {
        return Texts::tr("Previewing the day color");
    }
    if (state.preview == Preview::night) {
        return Texts::tr("Previewing the night color");
    }
    switch (state.phase.value_or(Phase::day)) {
    case Phase::windDown:
        return Texts::tr("Winding down \u00B7 bedtime in %1")
            .arg(countdownString(minuteOfDay(state.now), schedule.bedtime));
    case Phase::night:
        return Texts::tr("Night \u00B7 wake at %1").arg(text(schedule.wake));
    case Phase::morning:
        return Texts::tr("Waking up \u00B7 daylight at %1").arg(text(schedule.wake));
    case Phase::day:
        break;
    }
    return Texts::tr("Daylight \u00B7 wind-down at %1").arg(text(windDownStart(schedule)));
}

} // namespace

QString StatusParts::line() const {
    return notes.isEmpty() ? headline : headline + QStringLiteral(" \u00B7 ") + notes;
}

StatusParts statusParts(const TintState& state, const LightSchedule& schedule,
                        const ClockText& clock) {
    const ClockText text = clock ? clock : ClockText([](std::int64_t m) { return clockString(m); });
    StatusParts parts{modeLine(state, schedule, text), {}};
    QStringList notes;
    // With the sun but without its times, the clock's times stand, and say
    // why; not while a hold or trouble is what the line says.
    if (state.mode == TorvelMode::automatic && !state.hold && !state.report.trouble &&
        !state.preview) {
        if (state.sunGap == SunGap::noSun) {
            notes << Texts::tr("no sunrise or dusk today");
        } else if (state.sunGap == SunGap::noPlace) {
            notes << Texts::tr("no location for the sun");
        }
    }
    // Said where the user looks, rather than stepping aside never and silently.
    if (state.report.windowsUnseen && state.mode != TorvelMode::off) {
        notes << Texts::tr("pausing for apps does not work here");
    }
    if (state.report.asideHold && state.request && !state.hold) {
        const QString by = shownText(state.report.asideHold->by);
        const QString on = state.report.asideDisplays.join(QStringLiteral(", "));
        notes << (state.report.asideHold->kind == Hold::Kind::fullscreen
                      ? Texts::tr("paused while %1 is fullscreen on %2").arg(by, on)
                      : Texts::tr("paused for %1 on %2").arg(by, on));
    }
    if (!state.report.displaysLeftAlone.isEmpty() && state.request && !state.hold) {
        notes << Texts::tr("%1 left as it is")
                     .arg(state.report.displaysLeftAlone.join(QStringLiteral(", ")));
    }
    if (state.tinted() && state.report.brightnessHeldUntil) {
        notes << Texts::tr("brightness set by you until %1")
                     .arg(text(static_cast<std::int64_t>(
                         minuteOfDay(*state.report.brightnessHeldUntil))));
    }
    if (state.tinted() && state.report.brightnessTrouble) {
        notes << Texts::tr("cannot dim: %1").arg(shownText(*state.report.brightnessTrouble));
    }
    if (state.tinted() && state.report.dimmingUnseen) {
        notes << Texts::tr("dimming does not work here");
    }
    if (state.tinted() && state.report.dimmingPanelOnly) {
        notes << Texts::tr("other displays keep their brightness here");
    }
    if (state.report.settingsUnsaved) {
        notes << Texts::tr("settings not saved");
    }
    parts.notes = notes.join(QStringLiteral(" \u00B7 "));
    return parts;
}

QString statusLine(const TintState& state, const LightSchedule& schedule, const ClockText& clock) {
    return statusParts(state, schedule, clock).line();
}

} // namespace torvel
