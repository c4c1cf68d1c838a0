#include "schedule/minute_of_day.h"
#include "schedule/time_text.h"

#include <gtest/gtest.h>
#include <limits>

using namespace torvel;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

QString clockIn(std::int64_t minute, const char* zone, QDate date, const QLocale& locale) {
    return clockString(minute, date, QTimeZone(zone), locale);
}

// Qt's English data may put a narrow no-break space before the day period.
QString plainSpaces(QString s) {
    return s.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
}

} // namespace

TEST(DurationString, WritesHoursAndMinutes) {
    EXPECT_EQ(durationString(0), "0m");
    EXPECT_EQ(durationString(45), "45m");
    EXPECT_EQ(durationString(59), "59m");
    EXPECT_EQ(durationString(-59), "-59m");
    EXPECT_EQ(durationString(60), "1h");
    EXPECT_EQ(durationString(120), "2h");
    EXPECT_EQ(durationString(480), "8h");
    EXPECT_EQ(durationString(61), "1h 1m");
    EXPECT_EQ(durationString(90), "1h 30m");
    EXPECT_EQ(durationString(125), "2h 5m");
    EXPECT_EQ(durationString(1439), "23h 59m");
    EXPECT_EQ(durationString(-90), "-1h -30m");
    EXPECT_EQ(durationString(std::numeric_limits<std::int64_t>::min()), "-153722867280912930h -8m");
}

TEST(CountdownString, RoundsUpAndWrapsToTheNextDay) {
    EXPECT_EQ(countdownString(1320.5, 1410), "1h 30m");
    EXPECT_EQ(countdownString(1409.5, 1410), "1m");
    EXPECT_EQ(countdownString(1410.0, 1410), "now");
    EXPECT_EQ(countdownString(1410.5, 1410), "now");
    EXPECT_EQ(countdownString(1411, 1410), "23h 59m");
    EXPECT_EQ(countdownString(1200, 30), "4h 30m");
    EXPECT_EQ(countdownString(1200, 30 + 1440 * 5), "4h 30m");
    EXPECT_EQ(countdownString(1200, std::numeric_limits<std::int64_t>::max()),
              countdownString(1200, std::numeric_limits<std::int64_t>::max() % 1440));
    EXPECT_EQ(countdownString(std::numeric_limits<double>::quiet_NaN(), 0), "now");
}

TEST(ClockString, UsesTheLocaleShortFormatWithoutSeconds) {
    const QDate day(2026, 6, 1);
    EXPECT_EQ(clockIn(1410, "UTC", day, german), "23:30");
    EXPECT_EQ(clockIn(450, "UTC", day, german), "07:30");
    EXPECT_EQ(plainSpaces(clockIn(1410, "UTC", day, english)), "11:30 PM");
    EXPECT_EQ(plainSpaces(clockIn(450, "UTC", day, english)), "7:30 AM");
    // The C locale's short format carries seconds; the text must not.
    EXPECT_EQ(clockIn(1410, "UTC", day, QLocale::c()), "23:30");
}

TEST(ClockString, ReducesTheMinuteModuloADay) {
    const QDate day(2026, 6, 1);
    const auto at = [&](std::int64_t m) { return clockIn(m, "Europe/Berlin", day, german); };
    EXPECT_EQ(at(1440), at(0));
    EXPECT_EQ(at(-1440), at(0));
    EXPECT_EQ(at(-30), at(1410));
    EXPECT_EQ(at(std::numeric_limits<std::int64_t>::min()),
              at(std::numeric_limits<std::int64_t>::min() % 1440 + 1440));
}

TEST(ClockString, SkippedHourShowsTheFirstTimeAfterTheGap) {
    // Berlin jumps from 02:00 to 03:00 on 2026-03-29.
    const QDate spring(2026, 3, 29);
    EXPECT_EQ(clockIn(150, "Europe/Berlin", spring, german), "03:00");
    EXPECT_EQ(clockIn(120, "Europe/Berlin", spring, german), "03:00");
    EXPECT_EQ(clockIn(179, "Europe/Berlin", spring, german), "03:00");
    EXPECT_EQ(clockIn(180, "Europe/Berlin", spring, german), "03:00");
    EXPECT_EQ(clockIn(119, "Europe/Berlin", spring, german), "01:59");
    // Lord Howe moves by 30 minutes.
    EXPECT_EQ(clockIn(135, "Australia/Lord_Howe", QDate(2026, 10, 4), german), "02:30");
    // The repeated hour in autumn exists and shows as itself.
    EXPECT_EQ(clockIn(150, "Europe/Berlin", QDate(2026, 10, 25), german), "02:30");
}

TEST(MinuteOfDay, FollowsTheWallClockOfTheZone) {
    const QTimeZone berlin("Europe/Berlin");
    EXPECT_DOUBLE_EQ(
        minuteOfDay(QDateTime(QDate(2026, 6, 1), QTime(22, 15, 30, 999), berlin), berlin), 1335.5);
    EXPECT_DOUBLE_EQ(minuteOfDay(QDateTime(QDate(2026, 6, 1), QTime(0, 0), berlin), berlin), 0);
    // 01:30 UTC on the spring change is 03:30 in Berlin (the 02:xx hour is skipped).
    const QDateTime utc(QDate(2026, 3, 29), QTime(1, 30), QTimeZone::utc());
    EXPECT_DOUBLE_EQ(minuteOfDay(utc, berlin), 210);
    // The repeated hour occurs twice: 00:30 and 01:30 UTC are both 02:30 in Berlin.
    EXPECT_DOUBLE_EQ(
        minuteOfDay(QDateTime(QDate(2026, 10, 25), QTime(0, 30), QTimeZone::utc()), berlin), 150);
    EXPECT_DOUBLE_EQ(
        minuteOfDay(QDateTime(QDate(2026, 10, 25), QTime(1, 30), QTimeZone::utc()), berlin), 150);
}
