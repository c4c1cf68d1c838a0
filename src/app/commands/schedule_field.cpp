#include "app/commands/schedule_field.h"

#include "app/control_client.h"
#include "schedule/time_text.h"
#include "settings/settings_store.h"

namespace torvel::commands {

std::int64_t LightSchedule::*scheduleField(Command::Kind kind) {
    switch (kind) {
    case Command::Kind::bedtime:
        return &LightSchedule::bedtime;
    case Command::Kind::wake:
        return &LightSchedule::wake;
    case Command::Kind::windDown:
        return &LightSchedule::windDown;
    case Command::Kind::dayKelvin:
        return &LightSchedule::dayKelvin;
    default:
        return &LightSchedule::nightKelvin;
    }
}

QString parseScheduleClock(const QStringList& arguments, Command& c) {
    const auto minute = arguments.size() == 1 ? parseClock(arguments.front()) : std::nullopt;
    if (!minute) {
        return QStringLiteral("%1 takes a time of day as HH:MM, such as 22:30")
            .arg(QLatin1String(commandOf(c.kind)->name));
    }
    c.value = *minute;
    return {};
}

QString parseScheduleDuration(const QStringList& arguments, Command& c) {
    const QString text = arguments.value(0);
    // No wind-down at all is a choice too.
    const bool none = text == QLatin1String("0") || text == QLatin1String("0m");
    const auto seconds = none ? std::optional<std::uint32_t>(0) : parseDuration(text);
    if (arguments.size() != 1 || !seconds || *seconds % 60 != 0 || *seconds > 12 * 3600) {
        return QStringLiteral("wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m");
    }
    c.value = *seconds / 60;
    return {};
}

QString parseScheduleKelvin(const QStringList& arguments, Command& c) {
    const QString name = QLatin1String(commandOf(c.kind)->name);
    bool ok = false;
    const qlonglong k = arguments.size() == 1 ? arguments.front().toLongLong(&ok) : 0;
    if (!ok) {
        return QStringLiteral("%1 takes a whole number of Kelvin, such as 2700").arg(name);
    }
    if (const QString why = setting::manualKelvin.refusal(k); !why.isEmpty()) {
        return name + u' ' + why; // the range of every colour a screen is shown
    }
    c.value = k;
    return {};
}

int runScheduleField(const Command& c, AppConnection& app) {
    const auto properties = app.properties();
    if (!properties) {
        return 1;
    }
    const QVariantMap now = qdbus_cast<QVariantMap>(properties->value(QStringLiteral("Schedule")));
    LightSchedule s;
    s.bedtime = now.value(QStringLiteral("bedtime")).toLongLong();
    s.wake = now.value(QStringLiteral("wake")).toLongLong();
    s.windDown = now.value(QStringLiteral("windDown")).toLongLong();
    s.dayKelvin = now.value(QStringLiteral("dayKelvin")).toLongLong();
    s.nightKelvin = now.value(QStringLiteral("nightKelvin")).toLongLong();
    s.*scheduleField(c.kind) = c.value;
    return app.finish(
        app.proxy().SetSchedule(s.bedtime, s.wake, s.windDown, s.dayKelvin, s.nightKelvin));
}

Result<QString> saveScheduleField(const Command& c, SettingsStore& settings) {
    const auto field = scheduleField(c.kind);
    if (auto set = settings.update<LightSchedule>(setting::schedule,
                                                  [&](LightSchedule s) {
                                                      s.*field = c.value;
                                                      return s;
                                                  });
        !set) {
        return Result<QString>::failure(set.error());
    }
    const LightSchedule& s = settings.schedule();
    return QStringLiteral("its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by "
                          "day and %5 K by night")
        .arg(clockString(s.bedtime), clockString(s.wake), durationString(s.windDown))
        .arg(s.dayKelvin)
        .arg(s.nightKelvin);
}

} // namespace torvel::commands
