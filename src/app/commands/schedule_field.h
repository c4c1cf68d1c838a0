#pragma once
// What the schedule's commands share: each sets one field, to the running
// app through SetSchedule with the other four as they are, or for the next
// start under the settings folder's lock.

#include "app/command_table.h"
#include "schedule/light_schedule.h"

namespace torvel::commands {

// The name of the field a command of `kind` sets, as the schedule's JSON
// form and the bus name it.
const char* scheduleFieldName(Command::Kind kind);

// Parsers of a field's one argument, into the command's value.
QString parseScheduleClock(const QStringList& arguments, Command& command);
QString parseScheduleDuration(const QStringList& arguments, Command& command);
QString parseScheduleKelvin(const QStringList& arguments, Command& command);

int runScheduleField(const Command& command, AppConnection& app);
Result<QString> saveScheduleField(const Command& command, SettingsStore& settings);

} // namespace torvel::commands
