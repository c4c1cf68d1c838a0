#include "app/commands/commands.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow help{
    .kind = Command::Kind::help,
    .name = "help",
    .arguments = "[COMMAND]",
    .help = QT_TRANSLATE_NOOP("Texts", "this text, or one command's"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            if (arguments.size() > 1 ||
                (arguments.size() == 1 && !commandNamed(arguments.front()))) {
                return Texts::tr("help takes the name of one command");
            }
            c.topic = arguments.value(0);
            return QString();
        },
};

} // namespace torvel::commands
