#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "core/coordinator.h"

namespace torvel::commands {

const CommandRow pause{
    .kind = Command::Kind::pause,
    .name = "pause",
    .arguments = "[DURATION]",
    .help = QT_TRANSLATE_NOOP(
        "Texts", "30s, 30m, 2h, 1h30m (a bare number is minutes);\nnone: until the wake time"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            if (arguments.size() > 1) {
                return Texts::tr("pause takes at most one duration");
            }
            if (arguments.size() == 1) {
                const auto seconds = parseDuration(arguments.front());
                if (!seconds) {
                    return Texts::tr(
                               "cannot read the duration \"%1\" (such as 30s, 30m, 2h, 1h30m)")
                        .arg(arguments.front());
                }
                if (*seconds > Coordinator::maxPauseSeconds) {
                    return Texts::tr("a pause lasts at most 24h, not %1").arg(arguments.front());
                }
                c.seconds = *seconds;
            }
            return QString();
        },
    .run = [](const Command& c,
              AppConnection& app) { return app.finish(app.proxy().Pause(c.seconds)); },
};

} // namespace torvel::commands
