#include <gtest/gtest.h>

#include "script/stage.h"
#include "stage_fixture.h"

namespace orvane {
namespace {

using testing::StageTest;

TEST(StageRecords, FormatToTheSavedTextAndParseBack) {
    for (const char* text : {"2:ch_anna:255:300:600:3:0:362:168", "0:bg_x:-5:1:1:15:0:-50:800"}) {
        const auto item = StageItem::Parse(text);
        ASSERT_TRUE(item) << text;
        EXPECT_EQ(item->Format(), text);
    }
    EXPECT_EQ(StageMove::Parse("obj_a:0:9:1:10:-3:10:0:100:-30")->Format(),
              "obj_a:0:9:1:10:-3:10:0:100:-30");
    EXPECT_EQ(StageFade::Parse("ch_a:-10:100")->Format(), "ch_a:-10:100");
    const auto cycle = StageCycle::Parse("run:0:4:1:2:5:run1;run2;");
    ASSERT_TRUE(cycle);
    EXPECT_EQ(cycle->frames, (std::vector<std::string>{"run1", "run2"}));
    EXPECT_EQ(cycle->Format(), "run:0:4:1:2:5:run1;run2;");
    EXPECT_EQ(QuakeState::Parse("10:0:4:5:0:5:0:c:nu")->Format(), "10:0:4:5:0:5:0:c:nu");
    for (const char* bad : {"", "1:a:2", "x:ch:255:1:1:1:0:0:0", "1:a:255:1:1:1:0:0:0:9"}) {
        EXPECT_FALSE(StageItem::Parse(bad)) << bad;
    }
}

TEST(StageRecords, PrefixSearchLooksAtTheRecordTextAfterTheLevel) {
    StageItem item = *StageItem::Parse("2:obj_ab:255:3:4:1:0:5:6");
    EXPECT_TRUE(item.NameStartsWith("obj_a"));
    EXPECT_TRUE(item.NameStartsWith("obj_ab:255"));
    EXPECT_FALSE(item.NameStartsWith("obj_ab:2555"));
    EXPECT_FALSE(item.NameIs("obj_a"));
}

TEST(StagePlacement, FollowsTheAlignmentWords) {
    EXPECT_EQ(StagePosition("center", 300, 600).x, 362);
    EXPECT_EQ(StagePosition("center", 301, 601).y, 83);  // halves round toward zero
    EXPECT_EQ(StagePosition("right", 300, 600).x, 724);
    EXPECT_EQ(StagePosition("lcenter", 300, 600).x, 106);
    EXPECT_EQ(StagePosition("rcenter", 300, 600).x, 618);
    EXPECT_EQ(StagePosition("left", 300, 600).y, 84);
    EXPECT_EQ(StagePosition(":100:200", 5, 5).x, 100);
    EXPECT_EQ(StagePosition(":100: 200 ", 5, 5).y, 200);
    EXPECT_EQ(StagePosition("Center", 300, 600).x, 0);  // words are case-sensitive
    EXPECT_EQ(StagePosition("default", 300, 600).y, 0);
}

TEST_F(StageTest, LaterItemsOfALayerGoBeneathAndThePoolIsHandedOutLowestFirst) {
    ASSERT_TRUE(AddStageItem(state, "obj_red", 2, 255, "default"));
    ASSERT_TRUE(AddStageItem(state, "ch_ramp", 2, 128, "center"));
    ASSERT_TRUE(AddStageItem(state, "bg_blue", 1, 255, "default"));
    EXPECT_EQ(StageText(), (std::vector<std::string>{"1:bg_blue:255:1024:768:3:0:0:0",
                                                     "2:ch_ramp:128:250:600:2:0:387:84",
                                                     "2:obj_red:255:100:100:1:0:0:0"}));
    EXPECT_EQ(state.stage.FormatStageItems().back(), "");  // the saved end marker
    RemoveStageItem(state, "ch_ramp");
    EXPECT_FALSE(state.slots.PoolInUse(18));
    EXPECT_EQ(state.slots.Get(18), nullptr);
    ASSERT_TRUE(AddStageItem(state, "obj_redder", 3, 255, "default"));
    EXPECT_EQ(Item("obj_redder")->surface, 2);
    EXPECT_FALSE(AddStageItem(state, "not_in_catalogue", 1, 255, "center"));
}

TEST_F(StageTest, ASixteenthPictureIsRefusedWithAMessageNamingIt) {
    for (int i = 0; i < kPoolSize; ++i) ASSERT_TRUE(AddStageItem(state, "f1", 1, 255, ""));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(AddStageItem(state, "obj_red", 1, 255, ""));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("obj_red"), std::string::npos);
    EXPECT_EQ(state.stage.StageItems.size(), static_cast<size_t>(kPoolSize));
}

TEST_F(StageTest, PicturesPastTheSizeOrMemoryLimitsAreRefusedWithAMessage) {
    // 60 bytes that claim 16384 x 4096: fails to decode, as a broken BMP does, so the item shows
    // nothing, and no memory is taken for it.
    game.Write("huge.bmp", testing::RunLengthBmpOf(16384, 4096));
    state.lists.ObjectCatalog.push_back("obj_huge:huge.bmp");
    const size_t before = state.slots.BytesInUse();
    ::testing::internal::CaptureStderr();
    AddStageItem(state, "obj_huge", 1, 255, "");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("16384x4096"), std::string::npos);
    EXPECT_EQ(Item("obj_huge")->width, 0);
    EXPECT_EQ(state.slots.BytesInUse(), before);

    // With room for one more 100 x 100 picture only, the background is refused.
    state.slots.budgetBytes = state.slots.BytesInUse() + 100 * 100 * 4;
    ASSERT_TRUE(AddStageItem(state, "obj_red", 2, 255, ""));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(AddStageItem(state, "bg_blue", 1, 255, ""));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("bg_blue"), std::string::npos);
    EXPECT_EQ(Item("bg_blue"), nullptr);
    EXPECT_FALSE(state.slots.PoolInUse(PoolSlotOf(3)));
    EXPECT_EQ(state.slots.Get(PoolSlotOf(3)), nullptr);
    EXPECT_EQ(state.slots.Get(PoolSlotOf(2))->at(50, 50), kRed);
}

TEST_F(StageTest, ComposeClipsToTheScreenAndSkipsHiddenAndOffscreenItems) {
    AddStageItem(state, "bg_blue", 1, 255, "default");
    AddStageItem(state, "ch_ramp", 2, 255, ":-50:0");
    AddStageItem(state, "obj_red", 3, 255, ":1024:0");
    AddStageItem(state, "obj_redder", 0, 255, ":500:500");
    ComposeFrame(state);
    EXPECT_EQ(Pixel(0, 0), MakePixel(50, 9, 9));    // source column 50 at screen column 0
    EXPECT_EQ(Pixel(199, 599), MakePixel(249, 9, 9));
    EXPECT_EQ(Pixel(200, 0), kBlue);
    EXPECT_EQ(Pixel(1023, 50), kBlue);              // the item at x = 1024 is not drawn
    EXPECT_EQ(Pixel(550, 550), kBlue);              // level 0 is never drawn
    EXPECT_EQ(platform.presents(), 1u);
    state.ScreenMode = 2;
    ComposeFrame(state);
    EXPECT_EQ(platform.presents(), 1u);
}

TEST_F(StageTest, WhileACycleRunsTheFrameIsNotClearedAndItemsStopAbove668) {
    AddStageItem(state, "ch_ramp", 2, 255, ":0:300");
    state.stage.Cycles.push_back(*StageCycle::Parse("c:0:4:1:1:5:f1;"));
    state.slots.Get(kSlotBackBuffer)->Fill(kRed);
    ComposeFrame(state);
    EXPECT_EQ(Pixel(0, 667), MakePixel(0, 9, 9));
    EXPECT_EQ(Pixel(0, 668), kRed);  // kept for the text panel, and not cleared
    EXPECT_EQ(Pixel(900, 100), kRed);
}

TEST_F(StageTest, ClearingByKindRemovesOnlyThatKindAndFreesItsSurfaces) {
    AddStageItem(state, "bg_blue", 1, 255, "");
    AddStageItem(state, "obj_red", 2, 255, "");
    AddStageItem(state, "obj_redder", 2, 255, "");
    AddStageItem(state, "ch_ramp", 3, 255, "");
    ClearStage(state, ClearKind::Objects);
    EXPECT_EQ(state.stage.StageItems.size(), 2u);
    EXPECT_EQ(state.slots.FirstFreePoolSlot(), 18);
    state.stage.RightButtonAllowed = false;
    ClearStage(state, ClearKind::All);
    EXPECT_TRUE(state.stage.StageItems.empty());
    EXPECT_TRUE(state.stage.FormatStageItems().empty());
    EXPECT_TRUE(state.stage.RightButtonAllowed);
    EXPECT_EQ(state.slots.FirstFreePoolSlot(), kSlotPoolFirst);
}

}  // namespace
}  // namespace orvane
