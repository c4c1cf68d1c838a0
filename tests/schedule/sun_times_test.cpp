#include "schedule/sun_times.h"
#include "schedule/zone_places.h"

#include <gtest/gtest.h>
#include <tuple>

using torvel::GeoPoint;
using torvel::sunDay;
using torvel::sunSchedule;

namespace {

// Minutes on the local clock, counted from that date's midnight.
double clockMinutes(const QDateTime& at, QDate date, const QTimeZone& zone) {
    const QDateTime local = at.toTimeZone(zone);
    return static_cast<double>(local.date().toJulianDay() - date.toJulianDay()) * 1440.0 +
           local.time().hour() * 60 + local.time().minute() + local.time().second() / 60.0;
}

struct Published {
    const char* place;
    const char* zone;
    GeoPoint at;
    QDate date;
    int sunrise; // clock minute, as published
    int dusk;    // -1: not published
};

} // namespace

// Tables of the Royal Observatory, the US Naval Observatory (through a
// college's weather page) and the Royal Astronomical Society of New Zealand.
TEST(SunTimes, MatchPublishedTablesWithinTwoMinutes) {
    const Published rows[] = {
        // Houses of Parliament, midsummer in summer time
        {"London", "Europe/London", {51.5, -0.125}, QDate(2025, 6, 21), 4 * 60 + 42, -1},
        // Decorah, Iowa: sunrise and the end of civil twilight
        {"Decorah",
         "America/Chicago",
         {43.30, -91.79},
         QDate(2025, 9, 1),
         6 * 60 + 32,
         20 * 60 + 11},
        {"Decorah",
         "America/Chicago",
         {43.30, -91.79},
         QDate(2025, 9, 30),
         7 * 60 + 4,
         19 * 60 + 18},
        // southern summer, east of the date line's far side
        {"Auckland", "Pacific/Auckland", {-36.85, 174.76}, QDate(2026, 1, 1), 6 * 60 + 5, -1},
        {"Auckland", "Pacific/Auckland", {-36.85, 174.76}, QDate(2026, 1, 31), 6 * 60 + 35, -1},
    };
    for (const Published& row : rows) {
        const QTimeZone zone(row.zone);
        const auto day = sunDay(row.date, zone, row.at);
        ASSERT_TRUE(day.sunrise && day.dusk) << row.place;
        EXPECT_NEAR(clockMinutes(*day.sunrise, row.date, zone), row.sunrise, 2.0)
            << row.place << " " << row.date.toString(Qt::ISODate).toStdString();
        if (row.dusk >= 0) {
            EXPECT_NEAR(clockMinutes(*day.dusk, row.date, zone), row.dusk, 2.0)
                << row.place << " " << row.date.toString(Qt::ISODate).toStdString();
        }
    }
}

TEST(SunTimes, OnAChangeDayTheClockJumpsAndTheSunDoesNot) {
    const QTimeZone zone("Europe/London");
    const GeoPoint london{51.51, -0.13};
    // Spring forward, then fall back: an hour on the clock, a minute or two of sky.
    for (const auto& [before, change, jump] :
         {std::tuple{QDate(2025, 3, 29), QDate(2025, 3, 30), 60.0},
          std::tuple{QDate(2025, 10, 25), QDate(2025, 10, 26), -60.0}}) {
        const auto a = sunDay(before, zone, london);
        const auto b = sunDay(change, zone, london);
        ASSERT_TRUE(a.sunrise && b.sunrise && a.dusk && b.dusk);
        EXPECT_NEAR(clockMinutes(*b.sunrise, change, zone) - clockMinutes(*a.sunrise, before, zone),
                    jump, 3.0);
        EXPECT_NEAR(clockMinutes(*b.dusk, change, zone) - clockMinutes(*a.dusk, before, zone), jump,
                    3.0);
    }
}

TEST(SunTimes, ADateLineZoneKeepsItsOwnDate) {
    // Kiritimati's clock runs a day ahead of its longitude: its sunrise is
    // still on the morning of the date asked for.
    const QTimeZone zone("Pacific/Kiritimati");
    const QDate date(2025, 3, 20);
    const auto day = sunDay(date, zone, {1.87, -157.4});
    ASSERT_TRUE(day.sunrise && day.dusk);
    EXPECT_EQ(day.sunrise->toTimeZone(zone).date(), date);
    EXPECT_EQ(day.dusk->toTimeZone(zone).date(), date);
    const double rise = clockMinutes(*day.sunrise, date, zone);
    EXPECT_GT(rise, 6 * 60);
    EXPECT_LT(rise, 7 * 60);
}

TEST(SunTimes, PolarDayAndNightHaveNoSunScheduleAndWhiteNightsNoDusk) {
    const QTimeZone zone("Europe/Oslo");
    const GeoPoint tromso{69.65, 18.96};
    for (const QDate date : {QDate(2025, 6, 21), QDate(2025, 12, 21)}) {
        EXPECT_FALSE(sunDay(date, zone, tromso).sunrise) << date.toString().toStdString();
        EXPECT_FALSE(sunSchedule({}, date, zone, tromso)) << date.toString().toStdString();
    }
    // At 62 north in June the sun sets, but dusk never comes.
    const auto jyvaskyla = sunDay(QDate(2025, 6, 21), QTimeZone("Europe/Helsinki"), {62.24, 25.75});
    EXPECT_TRUE(jyvaskyla.sunrise);
    EXPECT_FALSE(jyvaskyla.dusk);
}

TEST(SunTimes, SunScheduleKeepsEverythingButBedtimeAndWake) {
    const torvel::LightSchedule clock{1410, 450, 95, 6200, 2900};
    const auto s =
        sunSchedule(clock, QDate(2025, 9, 1), QTimeZone("America/Chicago"), {43.30, -91.79});
    ASSERT_TRUE(s);
    EXPECT_NEAR(static_cast<double>(s->wake), 6 * 60 + 32, 2);
    EXPECT_NEAR(static_cast<double>(s->bedtime), 20 * 60 + 11, 2);
    EXPECT_EQ(s->windDown, 95);
    EXPECT_EQ(s->dayKelvin, 6200);
    EXPECT_EQ(s->nightKelvin, 2900);
    // Nonsense places give nothing rather than a wrong time.
    EXPECT_FALSE(sunSchedule(clock, QDate(2025, 9, 1), QTimeZone::utc(), {91, 0}));
    EXPECT_FALSE(sunSchedule(clock, QDate(2025, 9, 1), QTimeZone::utc(), {0, std::nan("")}));
}

TEST(ZonePlaces, ReadTheZoneTablesAsWritten) {
    const auto oslo = torvel::parseIso6709("+5955+01045");
    ASSERT_TRUE(oslo);
    EXPECT_NEAR(oslo->latitude, 59 + 55 / 60.0, 1e-9);
    EXPECT_NEAR(oslo->longitude, 10 + 45 / 60.0, 1e-9);
    const auto nome = torvel::parseIso6709("+643004-1652423");
    ASSERT_TRUE(nome);
    EXPECT_NEAR(nome->latitude, 64 + 30 / 60.0 + 4 / 3600.0, 1e-9);
    EXPECT_NEAR(nome->longitude, -(165 + 24 / 60.0 + 23 / 3600.0), 1e-9);
    for (const char* bad : {"", "+59", "5955+01045", "+5955+0104", "+9955+01045", "+59x5+01045"}) {
        EXPECT_FALSE(torvel::parseIso6709(bad)) << bad;
    }
    const char* table = "# comment\nNO\t+5955+01045\tEurope/Oslo\n"
                        "KI\t+0152-15720\tPacific/Kiritimati\tLine Islands\nbroken line\n";
    EXPECT_TRUE(torvel::zonePointInTable(table, "Pacific/Kiritimati"));
    EXPECT_FALSE(torvel::zonePointInTable(table, "Pacific"));
    EXPECT_FALSE(torvel::zonePointInTable(table, ""));
    // The system's own tables know the zones people live in, not UTC.
    EXPECT_TRUE(torvel::zoneReferencePoint("America/Argentina/Buenos_Aires"));
    EXPECT_FALSE(torvel::zoneReferencePoint("Etc/UTC"));
    EXPECT_EQ(torvel::zoneCity("America/Argentina/Buenos_Aires"), "Buenos Aires");
}
