#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

const CommandRow mode{
    .kind = Command::Kind::mode,
    .name = "mode",
    .arguments = "auto|manual|off",
    .help = QT_TRANSLATE_NOOP("Texts",
                              "the mode (saved for the next start when\nTorvelBar is not running)"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            // "schedule" is the popover's word for auto.
            const QString asked = arguments.value(0) == QLatin1String("schedule")
                                      ? QStringLiteral("auto")
                                      : arguments.value(0);
            if (arguments.size() != 1 || !modeFromRawValue(asked.toStdString())) {
                return Texts::tr("mode takes one of auto (or schedule), manual, off");
            }
            c.mode = asked;
            return QString();
        },
    .run = [](const Command& c,
              AppConnection& app) { return app.finish(app.proxy().SetMode(c.mode)); },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        settings.setMode(*modeFromRawValue(c.mode.toStdString()));
        return Texts::tr("it will start in the %1 mode").arg(c.mode);
    },
};

} // namespace torvel::commands
