#include "app/commands/commands.h"
#include "app/control_client.h"
#include "settings/settings_store.h"

namespace torvel::commands {

namespace {

// pause-for list's lines: each app, then the fullscreen choice.
QString listed(const QStringList& apps, bool fullscreen) {
    QString out;
    for (const QString& id : apps) {
        out += id + u'\n';
    }
    return out + QStringLiteral("fullscreen: ") +
           (fullscreen ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace

const CommandRow pauseFor{
    .kind = Command::Kind::pauseFor,
    .name = "pause-for",
    .arguments = "add|remove APP | fullscreen on|off | list",
    .help = "step aside while APP's window is in front\n"
            "(its WM_CLASS on X11, its app_id on Wayland),\n"
            "likewise for any fullscreen window; list: the\n"
            "apps, and whether fullscreen counts",
    .parse =
        [](const QStringList& arguments, Command& c) {
            const QString action = arguments.value(0);
            if ((action == QLatin1String("add") || action == QLatin1String("remove")) &&
                arguments.size() == 2) {
                if (!setting::isValidAppId(arguments.at(1))) {
                    return QStringLiteral("an app id is 1 to 255 bytes long");
                }
                c.pauseFor = action == QLatin1String("add") ? Command::PauseFor::add
                                                            : Command::PauseFor::remove;
                c.appId = arguments.at(1);
                return QString();
            }
            if (action == QLatin1String("list") && arguments.size() == 1) {
                c.pauseFor = Command::PauseFor::list;
                return QString();
            }
            if (action == QLatin1String("fullscreen") && arguments.size() == 2 &&
                (arguments.at(1) == QLatin1String("on") ||
                 arguments.at(1) == QLatin1String("off"))) {
                c.pauseFor = Command::PauseFor::fullscreen;
                c.on = arguments.at(1) == QLatin1String("on");
                return QString();
            }
            return QStringLiteral(
                "pause-for takes add APP, remove APP, list, or fullscreen on|off");
        },
    .run =
        [](const Command& c, AppConnection& app) {
            if (c.pauseFor == Command::PauseFor::fullscreen) {
                return app.finish(app.proxy().SetPauseFullscreen(c.on));
            }
            const auto properties = app.properties();
            if (!properties) {
                return 1;
            }
            const QStringList apps = properties->value(QStringLiteral("PauseApps")).toStringList();
            if (c.pauseFor == Command::PauseFor::list) {
                say(listed(apps, properties->value(QStringLiteral("PauseFullscreen")).toBool()));
                return 0;
            }
            return app.finish(app.proxy().SetPauseApps(
                withPauseApp(apps, c.appId, c.pauseFor == Command::PauseFor::add)));
        },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        switch (c.pauseFor) {
        case Command::PauseFor::list:
            say(listed(settings.pauseApps(), settings.pauseFullscreen()));
            return QString(); // nothing to save, nothing more to say
        case Command::PauseFor::fullscreen:
            settings.setPauseFullscreen(c.on);
            return c.on ? QStringLiteral("it will step aside for fullscreen windows")
                        : QStringLiteral("fullscreen windows will not step it aside");
        case Command::PauseFor::add:
        case Command::PauseFor::remove:
            break;
        }
        const QStringList apps =
            withPauseApp(settings.pauseApps(), c.appId, c.pauseFor == Command::PauseFor::add);
        if (auto set = settings.setPauseApps(apps); !set) {
            return Result<QString>::failure(set.error());
        }
        return QStringLiteral("it will step aside for: %1")
            .arg(apps.isEmpty() ? QStringLiteral("no app") : apps.join(QStringLiteral(", ")));
    },
};

} // namespace torvel::commands
