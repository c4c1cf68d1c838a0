#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow dayKelvin{
    .kind = Command::Kind::dayKelvin,
    .name = "day-kelvin",
    .arguments = "K",
    .help = QT_TRANSLATE_NOOP("Texts", "the day color, 1000 to 6500 K"),
    .parse = parseScheduleKelvin,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
