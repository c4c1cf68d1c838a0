#include "app/commands/schedule_field.h"

#include "app/control_client.h"
#include "base/texts.h"
#include "schedule/schedule_json.h"
#include "schedule/time_text.h"
#include "settings/settings_store.h"

namespace torvel::commands {

const char* scheduleFieldName(Command::Kind kind) {
    switch (kind) {
    case Command::Kind::bedtime:
        return "bedtime";
    case Command::Kind::wake:
        return "wake";
    case Command::Kind::windDown:
        return "windDown";
    case Command::Kind::dayKelvin:
        return "dayKelvin";
    default:
        return "nightKelvin";
    }
}

QString parseScheduleClock(const QStringList& arguments, Command& c) {
    const auto minute = arguments.size() == 1 ? parseClock(arguments.front()) : std::nullopt;
    if (!minute) {
        return Texts::tr("%1 takes a time of day as HH:MM, such as 22:30")
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
        return Texts::tr("wind-down takes whole minutes from 0 to 12h, such as 3h or 1h30m");
    }
    c.value = *seconds / 60;
    return {};
}

QString parseScheduleKelvin(const QStringList& arguments, Command& c) {
    const QString name = QLatin1String(commandOf(c.kind)->name);
    bool ok = false;
    const qlonglong k = arguments.size() == 1 ? arguments.front().toLongLong(&ok) : 0;
    if (!ok) {
        return Texts::tr("%1 takes a whole number of Kelvin, such as 2700").arg(name);
    }
    if (const QString why = setting::manualKelvin.refusal(k); !why.isEmpty()) {
        return name + u' ' + why; // the range of every colour a screen is shown
    }
    c.value = k;
    return {};
}

// One step in the app: a read here and a write of the whole schedule would
// lose another caller's change in between.
int runScheduleField(const Command& c, AppConnection& app) {
    return app.finish(
        app.proxy().SetScheduleField(QLatin1String(scheduleFieldName(c.kind)), c.value));
}

Result<QString> saveScheduleField(const Command& c, SettingsStore& settings) {
    const auto field = *scheduleMember(scheduleFieldName(c.kind));
    if (auto set = settings.update<LightSchedule>(setting::schedule,
                                                  [&](LightSchedule s) {
                                                      s.*field = c.value;
                                                      return s;
                                                  });
        !set) {
        return Result<QString>::failure(set.error());
    }
    const LightSchedule& s = settings.schedule();
    return Texts::tr("its schedule is now bedtime %1, wake %2, a wind-down of %3, %4 K by "
                     "day and %5 K by night")
        .arg(clockString(s.bedtime), clockString(s.wake), durationString(s.windDown))
        .arg(s.dayKelvin)
        .arg(s.nightKelvin);
}

} // namespace torvel::commands
