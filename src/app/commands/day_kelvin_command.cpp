#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"

namespace torvel::commands {

const CommandRow dayKelvin{
    .kind = Command::Kind::dayKelvin,
    .name = "day-kelvin",
    .arguments = "K",
    .help = "the day color, 1000 to 6500 K",
    .parse = parseScheduleKelvin,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
