#include <gtest/gtest.h>

#include "base/random_generator.h"
#include "base/wall_time.h"

namespace orvane {
namespace {

TEST(WallTime, ReadsOnlyRealDatesAndConvertsBothWays) {
    for (auto [text, seconds] : {std::pair{"1970-01-01 00:00:00", int64_t{0}},
                                 {"2000-02-29 23:59:59", 951868799},
                                 {"2026-12-08 04:24:00", 1796703840}}) {
        ASSERT_EQ(ParseWallTimeText(text), seconds) << text;
        const WallTime t = WallTimeFromUtcSeconds(seconds);
        EXPECT_EQ(UtcSecondsOf(t.year, t.month, t.day, t.hour, t.minute, t.second), seconds);
    }
    EXPECT_EQ(WallTimeFromUtcSeconds(1796703840), (WallTime{2026, 12, 8, 4, 24, 0, 1796703840}));
    for (const char* bad :
         {"2023-02-29 00:00:00", "2026-04-31 10:00:00", "2026-12-08 24:00:00", "2026-12-8 04:24:00",
          "2026-12-08T04:24:00", "2026-12-08 04:24:00 ", "+026-12-08 04:24:00"}) {
        EXPECT_FALSE(ParseWallTimeText(bad)) << bad;
    }
}

TEST(RandomGenerator, FollowsTheGamesLibraryGenerator) {
    RandomGenerator random;  // unseeded, the library starts from 1
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Random(10), 18467 % 10);
    const uint32_t before = random.state();
    EXPECT_EQ(random.Random(0), 0);
    EXPECT_EQ(random.Random(-5), 0);
    EXPECT_EQ(random.state(), before);  // no number drawn for an empty range
    EXPECT_EQ(random.Next(), 6334);
}

}  // namespace
}  // namespace orvane
