#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow bedtime{
    .kind = Command::Kind::bedtime,
    .name = "bedtime",
    .arguments = "HH:MM",
    .help = QT_TRANSLATE_NOOP(
        "Texts",
        "the night color holds from then (likewise\nsaved for the next start when not running)"),
    .parse = parseScheduleClock,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
