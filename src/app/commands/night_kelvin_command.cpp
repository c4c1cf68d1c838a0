#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"

namespace torvel::commands {

const CommandRow nightKelvin{
    .kind = Command::Kind::nightKelvin,
    .name = "night-kelvin",
    .arguments = "K",
    .help = "the night color, likewise",
    .parse = parseScheduleKelvin,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
