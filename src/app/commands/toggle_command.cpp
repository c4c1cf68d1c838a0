#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow toggle{
    .kind = Command::Kind::toggle,
    .name = "toggle",
    .arguments = "",
    .help = QT_TRANSLATE_NOOP("Texts", "off if tinting, else back to the mode before"),
    .parse =
        [](const QStringList& arguments, Command&) {
            return arguments.isEmpty() ? QString() : Texts::tr("toggle takes no arguments");
        },
    .run = [](const Command&, AppConnection& app) { return app.finish(app.proxy().Toggle()); },
};

} // namespace torvel::commands
