// Runs under a locale and zone chosen by the environment and checks the
// clock texts that the process's own locale gives: argv[1] is the expected
// text for 23:30, argv[2] the accepted texts for 07:30, '|'-separated.
#include "schedule/minute_of_day.h"
#include "schedule/time_text.h"

#include <cstdio>
#include <QDateTime>
#include <QStringList>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: system_locale_test <23:30 text> <07:30 texts>\n");
        return 2;
    }
    const auto plain = [](QString s) {
        return s.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
    };
    const QString late = plain(torvel::clockString(1410));
    const QString early = plain(torvel::clockString(450));
    const bool lateOk = late == QString::fromUtf8(argv[1]);
    const bool earlyOk = QString::fromUtf8(argv[2]).split(u'|').contains(early);
    // The process's own zone and clock agree with the explicit seam.
    const QDateTime now = QDateTime::currentDateTime();
    const bool minuteOk =
        torvel::minuteOfDay(now) == torvel::minuteOfDay(now, QTimeZone::systemTimeZone());
    std::printf("1410 -> \"%s\", 450 -> \"%s\"\n", qPrintable(late), qPrintable(early));
    return lateOk && earlyOk && minuteOk ? 0 : 1;
}
