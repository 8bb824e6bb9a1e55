// Scripts may write any number an int holds. Run under the sanitizers, these scenarios show that
// no such number overflows on its way through the commands and ticks, and where each one lands.
#include <gtest/gtest.h>

#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

TEST_F(StageTest, TransitionsHoldTheirLimitAndStepToAChannel) {
    const struct {
        const char* line;
        uint32_t after;
    } cases[] = {
        {"set dissolve=out:1000:300", MakePixel(255, 255, 255)},  // no channel spills over
        {"set fade=out:1000:-20", MakePixel(0, 0, 0)},            // not wrapped round to grey
        {"set fade=out:2147483647:2147483647", MakePixel(100, 150, 200)},
        {"set dissolve=out:2147483647:-2147483648", MakePixel(100, 150, 200)},
    };
    for (const auto& c : cases) {
        state.slots.Get(kSlotBackBuffer)->Fill(MakePixel(100, 150, 200));
        Run({c.line});
        EXPECT_EQ(Pixel(500, 400), c.after) << c.line;
        EXPECT_EQ(state.ScriptPos, 1) << c.line;
    }
}

}  // namespace
}  // namespace orvane
