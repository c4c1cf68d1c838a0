#include "app/commands/commands.h"
#include "app/commands/display_list.h"
#include "app/control_client.h"
#include "base/shown_text.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

std::optional<DisplayOptions> optionsListed(const QList<QVariantMap>& listed, const QString& id) {
    for (const QVariantMap& d : listed) {
        if (d.value(QStringLiteral("id")).toString() == id ||
            d.value(QStringLiteral("connector")).toString() == id) {
            return DisplayOptions{d.value(QStringLiteral("tint")).toBool(),
                                  d.value(QStringLiteral("strength")).toInt(),
                                  d.value(QStringLiteral("dim"), true).toBool()};
        }
    }
    return std::nullopt;
}

namespace {

// One display a line: its id, connector and name, then how it is tinted.
QString listed(const QList<QVariantMap>& all) {
    if (all.isEmpty()) {
        return Texts::tr("no display of its own here: this desktop takes one color for all");
    }
    QStringList lines;
    for (const QVariantMap& d : all) {
        const auto text = [&d](const char* name) {
            return shownText(d.value(QString::fromLatin1(name)).toString());
        };
        const QString how =
            d.value(QStringLiteral("tint")).toBool()
                ? QStringLiteral("tinted at %1%").arg(d.value(QStringLiteral("strength")).toInt())
                : QStringLiteral("left as it is");
        const QString dims = d.value(QStringLiteral("dim"), true).toBool()
                                 ? QString()
                                 : QStringLiteral(", keeps its brightness");
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(text("id"), text("connector"), text("name"), how + dims);
    }
    return lines.join(u'\n');
}

} // namespace

const CommandRow displays{
    .kind = Command::Kind::displays,
    .name = "displays",
    .arguments = "",
    .help = QT_TRANSLATE_NOOP("Texts", "each display: its id, connector, name, and\n"
                                       "whether it is tinted and how strongly"),
    .parse =
        [](const QStringList& arguments, Command&) {
            return arguments.isEmpty() ? QString() : Texts::tr("displays takes no arguments");
        },
    .run =
        [](const Command&, AppConnection& app) {
            const auto properties = app.properties();
            if (!properties) {
                return 1;
            }
            say(listed(displayList(properties->value(QStringLiteral("Displays")))));
            return 0;
        },
};

} // namespace torvel::commands
