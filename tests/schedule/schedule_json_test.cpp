#include "schedule/schedule_json.h"

#include <gtest/gtest.h>
#include <limits>

using torvel::decodeSchedule;
using torvel::encodeSchedule;
using torvel::LightSchedule;

TEST(ScheduleJson, EncodesCompactlyInFieldOrder) {
    EXPECT_EQ(encodeSchedule(LightSchedule{}),
              R"({"bedtime":1410,"wake":450,"windDown":180,"dayKelvin":6500,"nightKelvin":2700})");
}

TEST(ScheduleJson, RoundTripsEveryValue) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    for (const LightSchedule& s : {LightSchedule{}, LightSchedule{min, max, -1, 0, max},
                                   LightSchedule{0, 0, 0, 1000, 1000}}) {
        const auto decoded = decodeSchedule(encodeSchedule(s));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, s);
    }
}

TEST(ScheduleJson, AcceptsAnyOrderAndIgnoresOtherMembers) {
    const auto decoded = decodeSchedule(
        R"( {"nightKelvin":2000,"extra":[1,{"x":null}],"dayKelvin":5000,"windDown":60,
             "wake":420,"bedtime":1380} )");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, (LightSchedule{1380, 420, 60, 5000, 2000}));
}

TEST(ScheduleJson, RejectsAnythingButFiveInt64Members) {
    const char* const bad[] = {
        "",
        "garbage",
        "\xff\xfe\x00",
        "null",
        "[1410,450,180,6500,2700]",
        R"("schedule")",
        R"({"bedtime":1410,"wake":450,"dayKelvin":6500,"nightKelvin":2700})", // no windDown
        R"({"bedtime":1410,"wake":450,"windDown":180.5,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":1410,"wake":450,"windDown":1e2,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":1410,"wake":450,"windDown":"180","dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":1410,"wake":450,"windDown":null,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":1410,"wake":450,"windDown":true,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":9223372036854775808,"wake":450,"windDown":180,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":-9223372036854775809,"wake":450,"windDown":180,"dayKelvin":6500,"nightKelvin":2700})",
        R"({"bedtime":1410,"wake":450,"windDown":180,"dayKelvin":6500,"nightKelvin":2700)",
        R"({"bedtime":1410,"wake":450,"windDown":180,"dayKelvin":6500,"nightKelvin":2700} x)",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(decodeSchedule(text, &error).has_value()) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(ScheduleJson, AcceptsTheInt64Limits) {
    const auto decoded = decodeSchedule(
        R"({"bedtime":9223372036854775807,"wake":-9223372036854775808,"windDown":0,
            "dayKelvin":-0,"nightKelvin":1})");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bedtime, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(decoded->wake, std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(decoded->dayKelvin, 0);
}
