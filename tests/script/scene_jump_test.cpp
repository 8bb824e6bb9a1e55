#include <gtest/gtest.h>

#include "script/scene_index.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

size_t Occurrences(const std::string& text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(StageTest, AScriptThatEndsInAJumpLoopIsReportedOnceAtTheJump) {
    std::vector<std::string> lines(2998, "-- filler");
    lines.push_back("scene loop");
    lines.push_back("goto loop");
    ::testing::internal::CaptureStderr();
    Run(std::move(lines));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(err, "orvane:"), 1u) << err;
    EXPECT_NE(err.find("master.scn:3000: the script keeps jumping"), std::string::npos) << err;
    EXPECT_EQ(state.ScriptPos, 2998);  // stopped on its way back to the label
}

TEST(SceneIndex, FindsLabelsAsJumpsAlwaysDidAndFollowsEveryChangeOfTheScript) {
    SceneIndex index;
    StringList lines = {"scene intro",   "  SCENE Hall\t", "scene hall",
                        "scene  spaced", "--scene intro",  "goto hall"};
    uint64_t edits = 0;
    const auto find = [&](std::string_view name) { return index.Find(lines, edits, name); };
    EXPECT_EQ(find("intro"), 0);
    EXPECT_EQ(find("hall"), 1);             // lower-cased and trimmed; the first of two wins
    EXPECT_EQ(find("Hall"), std::nullopt);  // the target is taken as written
    EXPECT_EQ(find(" spaced"), 3);
    EXPECT_EQ(find("spaced"), std::nullopt);
    EXPECT_EQ(find(""), std::nullopt);

    lines.insert(lines.begin(), "scene hall");  // grown: every label moves down one
    EXPECT_EQ(find("hall"), 0);
    EXPECT_EQ(find("intro"), 1);
    lines = StringList{"x", "scene intro"};  // replaced
    ++edits;
    EXPECT_EQ(find("intro"), 1);
    EXPECT_EQ(find("hall"), std::nullopt);
    lines[0] = "scene hall";  // edited in place and counted
    ++edits;
    EXPECT_EQ(find("hall"), 0);
    lines[1] = "scene cellar";  // edited in place and not counted: the stale hit is noticed
    EXPECT_EQ(find("intro"), std::nullopt);
    EXPECT_EQ(find("cellar"), 1);
}

}  // namespace
}  // namespace orvane
