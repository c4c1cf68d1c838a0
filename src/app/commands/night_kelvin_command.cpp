#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow nightKelvin{
    .kind = Command::Kind::nightKelvin,
    .name = "night-kelvin",
    .arguments = "K",
    .help = QT_TRANSLATE_NOOP("Texts", "the night color, likewise"),
    .parse = parseScheduleKelvin,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
