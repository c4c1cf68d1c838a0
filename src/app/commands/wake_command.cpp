#include "app/commands/commands.h"
#include "app/commands/schedule_field.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow wake{
    .kind = Command::Kind::wake,
    .name = "wake",
    .arguments = "HH:MM",
    .help = QT_TRANSLATE_NOOP("Texts", "the day color holds from then, likewise"),
    .parse = parseScheduleClock,
    .run = runScheduleField,
    .saveForNextStart = saveScheduleField,
};

} // namespace torvel::commands
