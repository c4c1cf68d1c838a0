#include "app/commands/commands.h"
#include "app/control_client.h"
#include "base/texts.h"
#include "settings/settings_store.h"

namespace torvel::commands {

const CommandRow location{
    .kind = Command::Kind::location,
    .name = "location",
    .arguments = "LAT LON|auto",
    .help = QT_TRANSLATE_NOOP("Texts", "where the sun is followed from, in degrees\n"
                                       "(north and east positive); auto: from the\n"
                                       "location service, else the time zone"),
    .parse =
        [](const QStringList& arguments, Command& c) {
            if (arguments.size() == 1 && arguments.front() == QLatin1String("auto")) {
                return QString();
            }
            bool latOk = false;
            bool lonOk = false;
            const double latitude = arguments.size() == 2 ? arguments.at(0).toDouble(&latOk) : 0.0;
            const double longitude = arguments.size() == 2 ? arguments.at(1).toDouble(&lonOk) : 0.0;
            const std::optional<GeoPoint> point = GeoPoint{latitude, longitude};
            if (!latOk || !lonOk || !setting::location.refusal(point).isEmpty()) {
                return Texts::tr("location takes a latitude (-90 to 90) and a longitude (-180 to "
                                 "180) in degrees, such as 59.91 10.75, or auto");
            }
            c.location = point;
            return QString();
        },
    .run =
        [](const Command& c, AppConnection& app) {
            return app.finish(
                c.location ? app.proxy().SetLocation(c.location->latitude, c.location->longitude)
                           : app.proxy().ForgetLocation());
        },
    .saveForNextStart = [](const Command& c, SettingsStore& settings) -> Result<QString> {
        if (auto set = settings.setLocation(c.location); !set) {
            return Result<QString>::failure(set.error());
        }
        return c.location ? Texts::tr("its location is now %1, %2")
                                .arg(c.location->latitude)
                                .arg(c.location->longitude)
                          : Texts::tr("it will find its location");
    },
};

} // namespace torvel::commands
