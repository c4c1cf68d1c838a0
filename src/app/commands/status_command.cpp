#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"

namespace torvel::commands {

const CommandRow status{
    .kind = Command::Kind::status,
    .name = "status",
    .arguments = "[--json] [--follow]",
    .help = QT_TRANSLATE_NOOP("Texts", "the status line and the color; --json prints\n"
                                       "one object a line (with waybar's text, tooltip,\n"
                                       "class and alt); --follow prints a line at every\n"
                                       "change"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            for (const QString& option : arguments) {
                if (option == QLatin1String("--json")) {
                    c.json = true;
                } else if (option == QLatin1String("--follow")) {
                    c.follow = true;
                } else {
                    return Texts::tr("status takes --json and --follow, not %1").arg(option);
                }
            }
            return QString();
        },
    .run =
        [](const Command& c, AppConnection& app) {
            if (c.follow) {
                return followStatus(c.json);
            }
            const auto properties = app.properties();
            if (!properties) {
                return 1;
            }
            say(statusText(*properties, c.json));
            return 0;
        },
};

} // namespace torvel::commands
