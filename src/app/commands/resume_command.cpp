#include "app/commands/commands.h"
#include "app/control_client.h"

namespace torvel::commands {

const CommandRow resume{
    .kind = Command::Kind::resume,
    .name = "resume",
    .arguments = "",
    .help = "end a pause",
    .parse =
        [](const QStringList& arguments, Command&) {
            return arguments.isEmpty() ? QString() : QStringLiteral("resume takes no arguments");
        },
    .run = [](const Command&, AppConnection& app) { return app.finish(app.proxy().Resume()); },
};

} // namespace torvel::commands
