// The bounds a box's number must keep: each end open or closed, the number read as the
// screens read it, and the message that names the range.
#include "common/entry_bounds.h"

#include <gtest/gtest.h>

namespace {

struct BoundsCase {
    const char* text;
    Bounds bounds;
    bool within;
};

TEST(EntryBounds, EachEndOpenOrClosed) {
    const BoundsCase cases[] = {
        {"0", bounds::kLengthOrNone, true},   {"-0.001", bounds::kLengthOrNone, false},
        {"1000", bounds::kLengthOrNone, true}, {"1000.01", bounds::kLengthOrNone, false},
        {"0", bounds::kLength, false},         {"0.001", bounds::kLength, true},
        {"", bounds::kLength, false},          {"abc", bounds::kPressureOrNone, true},
        {"89.99", bounds::kAngle, true},       {"90", bounds::kAngle, false},
        {"-0", bounds::kAngle, true},          {"1E400", bounds::kStress, false},
        {"－５", bounds::kUnitWeight, false},  {"１８", bounds::kUnitWeight, true},
        {"-1", Bounds{-1, false, 1, false, ""}, true},
    };
    for (const BoundsCase& c : cases) EXPECT_EQ(withinBounds(c.text, c.bounds), c.within) << c.text;
}

TEST(EntryBounds, TheMessageNamesTheQuantityAndItsRange) {
    EXPECT_EQ(boundsMessage("底版の厚さ", bounds::kLength), "底版の厚さは0より大きく1000m以下で入力してください。");
    EXPECT_EQ(boundsMessage("土の粘着力", bounds::kPressureOrNone),
              "土の粘着力は0以上10000kN/m2以下で入力してください。");
    EXPECT_EQ(boundsMessage("内部摩擦角", bounds::kAngle), "内部摩擦角は0以上90゜未満で入力してください。");
    EXPECT_EQ(boundsMessage("鉛直震度", Bounds{-1, false, 1, false, ""}), "鉛直震度は-1以上1以下で入力してください。");
}

}  // namespace
