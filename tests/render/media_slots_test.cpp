#include <gtest/gtest.h>

#include "render/media_slots.h"

namespace orvane {
namespace {

constexpr size_t kPictureBytes = 100 * 100 * 4;

TEST(SurfaceBudget, CountsEverySurfaceAndRefusesAPictureThatWouldPassIt) {
    MediaSlots slots;
    slots.Create(kSlotBackBuffer, 10, 10);
    slots.budgetBytes = 400 + 2 * kPictureBytes;
    std::string error;
    Image picture(100, 100);
    picture.at(5, 5) = 7;
    Surface* first = slots.CreateFromPicture(17, picture, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(first->at(5, 5), 7u);
    ASSERT_NE(slots.CreateFromPicture(18, picture, error), nullptr) << error;
    EXPECT_EQ(slots.BytesInUse(), slots.budgetBytes);

    // Full: a new picture is refused and its slot keeps what it had.
    slots.Create(19, 1, 1).at(0, 0) = 9;
    slots.budgetBytes += 4;
    EXPECT_EQ(slots.CreateFromPicture(19, Image(2, 1), error), nullptr);
    EXPECT_NE(error.find("2x1"), std::string::npos) << error;
    EXPECT_EQ(slots.Get(19)->at(0, 0), 9u);
    // A replacement counts without the surface it replaces; a released one frees its share.
    EXPECT_NE(slots.CreateFromPicture(17, picture, error), nullptr) << error;
    slots.Release(18);
    EXPECT_NE(slots.CreateFromPicture(20, picture, error), nullptr) << error;
    // A picture larger than the whole budget cannot wrap the sum around.
    slots.budgetBytes = kPictureBytes - 1;
    EXPECT_EQ(slots.CreateFromPicture(21, picture, error), nullptr);
    EXPECT_EQ(slots.CreateFromPicture(kSlotCount, picture, error), nullptr);
}

}  // namespace
}  // namespace orvane
