#include "buildinfo.h"

#include <gtest/gtest.h>

TEST(BuildStamp, FromTheCompilersDateAndTime) {
    struct Case {
        const char* date;
        const char* time;
        int wantDate, wantTime;
    };
    const Case cases[] = {
        {"Oct 25 2023", "13:05:09", 20231025, 13 * 3600 + 5 * 60 + 9},
        {"Jan  1 2026", "00:00:00", 20260101, 0},
        {"Dec 31 2026", "23:59:59", 20261231, 86399},
        {"??? ?? ????", "??:??:??", 19000101, 0},  // unknown: month and day 1, year 1900
    };
    for (const auto& c : cases) {
        const BuildStamp s = parseBuildStamp(c.date, c.time);
        EXPECT_EQ(s.date, c.wantDate) << c.date;
        EXPECT_EQ(s.time, c.wantTime) << c.time;
    }
}
