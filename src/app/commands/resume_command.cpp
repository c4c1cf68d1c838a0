#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow resume{
    .kind = Command::Kind::resume,
    .name = "resume",
    .arguments = "",
    .help = QT_TRANSLATE_NOOP("Texts", "end a pause"),
    .parse =
        [](const QStringList& arguments, Command&) {
            return arguments.isEmpty() ? QString() : Texts::tr("resume takes no arguments");
        },
    .run = [](const Command&, AppConnection& app) { return app.finish(app.proxy().Resume()); },
};

} // namespace torvel::commands
