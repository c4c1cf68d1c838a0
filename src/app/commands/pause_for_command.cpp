#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/shown_text.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

namespace {

// pause-for list's lines: each app, then the fullscreen choice.
QString listed(const QStringList& apps, bool fullscreen) {
    QString out;
    for (const QString& id : apps) {
        out += shownText(id) + u'\n'; // one a line, whatever the bus was given
    }
    return out + QStringLiteral("fullscreen: ") +
           (fullscreen ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace

const CommandRow pauseFor{
    .kind = Command::Kind::pauseFor,
    .name = "pause-for",
    .arguments = "add|remove APP | fullscreen on|off | list",
    .help = QT_TRANSLATE_NOOP("Texts", "step aside while APP's window is in front\n"
                                       "(its WM_CLASS on X11, its app_id on Wayland),\n"
                                       "likewise for any fullscreen window; list: the\n"
                                       "apps, and whether fullscreen counts"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            const QString action = arguments.value(0);
            if ((action == QLatin1String("add") || action == QLatin1String("remove")) &&
                arguments.size() == 2) {
                if (!setting::isValidAppId(arguments.at(1))) {
                    return Texts::tr("an app id is one line of 1 to 255 bytes");
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
            return Texts::tr("pause-for takes add APP, remove APP, list, or fullscreen on|off");
        },
    .run =
        [](const Command& c, AppConnection& app) {
            switch (c.pauseFor) {
            case Command::PauseFor::fullscreen:
                return app.finish(app.proxy().SetPauseFullscreen(c.on));
            // One step in the app: a read here and a write of the whole list
            // would lose another caller's change in between.
            case Command::PauseFor::add:
                return app.finish(app.proxy().AddPauseApp(c.appId));
            case Command::PauseFor::remove:
                return app.finish(app.proxy().RemovePauseApp(c.appId));
            case Command::PauseFor::list:
                break;
            }
            const auto properties = app.properties();
            if (!properties) {
                return 1;
            }
            say(listed(properties->value(QStringLiteral("PauseApps")).toStringList(),
                       properties->value(QStringLiteral("PauseFullscreen")).toBool()));
            return 0;
        },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        switch (c.pauseFor) {
        case Command::PauseFor::list:
            say(listed(settings.pauseApps(), settings.pauseFullscreen()));
            return QString(); // nothing to save, nothing more to say
        case Command::PauseFor::fullscreen:
            settings.setPauseFullscreen(c.on);
            return c.on ? Texts::tr("it will step aside for fullscreen windows")
                        : Texts::tr("fullscreen windows will not step it aside");
        case Command::PauseFor::add:
        case Command::PauseFor::remove:
            break;
        }
        // Under the folder's lock, from the list the file holds then: several
        // at once each keep theirs.
        const bool add = c.pauseFor == Command::PauseFor::add;
        if (auto set = settings.update<QStringList>(
                setting::pauseApps,
                [&](QStringList apps) { return withPauseApp(std::move(apps), c.appId, add); });
            !set) {
            return Result<QString>::failure(set.error());
        }
        const QStringList& apps = settings.pauseApps();
        return Texts::tr("it will step aside for: %1")
            .arg(apps.isEmpty() ? Texts::tr("no app") : apps.join(QStringLiteral(", ")));
    },
};

} // namespace torvel::commands
