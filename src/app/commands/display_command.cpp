#include "app/commands/commands.h"
#include "app/commands/display_list.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

namespace {

// The display's options after the command: its current ones with the one
// change made.
DisplayOptions changed(DisplayOptions options, const Command& c) {
    if (c.tint) {
        options.tint = *c.tint;
    }
    if (c.strength) {
        options.strength = *c.strength;
    }
    if (c.dim) {
        options.dim = *c.dim;
    }
    return options;
}

QString described(const QString& id, const DisplayOptions& options) {
    const QString tint = options.tint
                             ? Texts::tr("%1 is tinted at %2%").arg(id).arg(options.strength)
                             : Texts::tr("%1 is left as it is").arg(id);
    return options.dim ? tint : Texts::tr("%1 and keeps its brightness").arg(tint);
}

} // namespace

const CommandRow display{
    .kind = Command::Kind::display,
    .name = "display",
    .arguments = "ID on|off | ID strength N | ID dim on|off",
    .help = QT_TRANSLATE_NOOP("Texts", "tint the display ID (its id or connector, as\n"
                                       "displays lists them) or leave it as it is; its\n"
                                       "strength: 0 to 100% of the shift from 6500 K;\n"
                                       "dim off: it keeps its brightness at night"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            QString usage =
                Texts::tr("display takes ID on, ID off, ID strength 0 to 100, or ID dim on|off");
            if (arguments.size() < 2) {
                return usage;
            }
            c.displayId = arguments.at(0);
            const QString& action = arguments.at(1);
            if (arguments.size() == 2 && (action == u"on" || action == u"off")) {
                c.tint = action == u"on";
            } else if (arguments.size() == 3 && action == u"dim" &&
                       (arguments.at(2) == u"on" || arguments.at(2) == u"off")) {
                c.dim = arguments.at(2) == u"on";
            } else if (arguments.size() == 3 && action == u"strength") {
                bool ok = false;
                c.strength = arguments.at(2).toInt(&ok);
                if (!ok) {
                    return usage;
                }
            } else {
                return usage;
            }
            const QString why = displayRefusal(c.displayId, changed({}, c));
            return why.isEmpty() ? QString() : QStringLiteral("display: ") + why;
        },
    .run =
        [](const Command& c, AppConnection& app) {
            const auto properties = app.properties();
            if (!properties) {
                return 1;
            }
            const auto listed = optionsListed(
                displayList(properties->value(QStringLiteral("Displays"))), c.displayId);
            const DisplayOptions next = changed(listed.value_or(DisplayOptions{}), c);
            if (c.dim) {
                return app.finish(app.proxy().SetDisplayDim(c.displayId, next.dim));
            }
            return app.finish(app.proxy().SetDisplay(c.displayId, next.tint, next.strength));
        },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        DisplayOptions next;
        // Under the folder's lock, from the entries the file holds then.
        if (auto set = settings.update<DisplaySettings>(
                setting::displays,
                [&](const DisplaySettings& now) {
                    const auto found = now.options.find(c.displayId);
                    next =
                        changed(found == now.options.end() ? DisplayOptions{} : found->second, c);
                    return withDisplay(now, c.displayId, next);
                });
            !set) {
            return Result<QString>::failure(set.error());
        }
        return described(c.displayId, next);
    },
};

} // namespace torvel::commands
