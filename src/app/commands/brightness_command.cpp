#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

namespace {

const Setting<std::int64_t>& rowOf(const Command& c) {
    return c.brightnessOf == u"night" ? setting::nightBrightness : setting::manualBrightness;
}

} // namespace

const CommandRow brightness{
    .kind = Command::Kind::brightness,
    .name = "brightness",
    .arguments = "night|manual PERCENT",
    .help = QT_TRANSLATE_NOOP("Texts", "how bright the screens are at night, or in\n"
                                       "the manual mode: 10 to 100% of the level you\n"
                                       "set (100: never dimmed)"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            QString usage = Texts::tr("brightness takes night or manual and a percent, "
                                      "such as brightness night 60");
            if (arguments.size() != 2 ||
                (arguments.front() != u"night" && arguments.front() != u"manual")) {
                return usage;
            }
            QString percent = arguments.at(1);
            if (percent.endsWith(u'%')) {
                percent.chop(1);
            }
            bool ok = false;
            c.value = percent.toLongLong(&ok);
            if (!ok) {
                return usage;
            }
            c.brightnessOf = arguments.front();
            // The setting's own range, in its own words.
            if (const QString why = refusalOf(rowOf(c), c.value); !why.isEmpty()) {
                return QStringLiteral("brightness: ") + why;
            }
            return QString();
        },
    .run =
        [](const Command& c, AppConnection& app) {
            const int percent = static_cast<int>(c.value);
            return app.finish(c.brightnessOf == u"night"
                                  ? app.proxy().SetNightBrightness(percent)
                                  : app.proxy().SetManualBrightness(percent));
        },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        if (auto set = settings.set(rowOf(c), c.value); !set) {
            return Result<QString>::failure(set.error());
        }
        return Texts::tr("its %1 brightness is now %2%").arg(c.brightnessOf).arg(c.value);
    },
};

} // namespace torvel::commands
