#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow windDown{
    .kind = Command::Kind::windDown,
    .name = "wind-down",
    .arguments = "DURATION",
    .help = QT_TRANSLATE_NOOP("Texts", "the ramp to bedtime, 0 to 12h (such as 2h30m)"),
    .parse = parseScheduleDuration,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
