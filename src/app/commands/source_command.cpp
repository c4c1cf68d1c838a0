#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

const CommandRow source{
    .kind = Command::Kind::source,
    .name = "source",
    .arguments = "clock|sun",
    .help = QT_TRANSLATE_NOOP("Texts", "bedtime and wake as set, or each day's dusk and\n"
                                       "sunrise (likewise saved when not running)"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            if (arguments.size() != 1 || !sourceFromRawValue(arguments.front().toStdString())) {
                return Texts::tr("source takes clock or sun");
            }
            c.source = arguments.front();
            return QString();
        },
    .run = [](const Command& c,
              AppConnection& app) { return app.finish(app.proxy().SetScheduleSource(c.source)); },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        settings.setScheduleSource(*sourceFromRawValue(c.source.toStdString()));
        return Texts::tr("its schedule will follow %1")
            .arg(c.source == QLatin1String("sun") ? Texts::tr("the sun") : Texts::tr("the clock"));
    },
};

} // namespace torvel::commands
