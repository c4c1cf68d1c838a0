#include "app/commands/commands.h"
#include "app/control_client.h"

namespace torvel::commands {

const CommandRow toggle{
    .kind = Command::Kind::toggle,
    .name = "toggle",
    .arguments = "",
    .help = "off if tinting, else back to the mode before",
    .parse =
        [](const QStringList& arguments, Command&) {
            return arguments.isEmpty() ? QString() : QStringLiteral("toggle takes no arguments");
        },
    .run = [](const Command&, AppConnection& app) { return app.finish(app.proxy().Toggle()); },
};

} // namespace torvel::commands
