#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

const CommandRow kelvin{
    .kind = Command::Kind::kelvin,
    .name = "kelvin",
    .arguments = "K",
    .help = QT_TRANSLATE_NOOP("Texts", "the manual color, likewise"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            bool ok = false;
            const qlonglong k = arguments.size() == 1 ? arguments.front().toLongLong(&ok) : 0;
            if (!ok) {
                return Texts::tr("kelvin takes a whole number of Kelvin, such as 3400");
            }
            // The setting's own range, in its own words.
            if (const QString why = setting::manualKelvin.refusal(k); !why.isEmpty()) {
                return QStringLiteral("kelvin ") + why;
            }
            c.kelvin = k;
            return QString();
        },
    .run = [](const Command& c,
              AppConnection& app) { return app.finish(app.proxy().SetManualKelvin(c.kelvin)); },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        if (auto set = settings.set(setting::manualKelvin, c.kelvin); !set) {
            return Result<QString>::failure(set.error());
        }
        return Texts::tr("its manual color is now %1 K").arg(c.kelvin);
    },
};

} // namespace torvel::commands
