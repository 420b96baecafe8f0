#include "stability/dimension_boxes.h"

#include <algorithm>
#include <stdexcept>

#include "common/numbers.h"
#include "conditions/design_choices.h"

namespace {

using SV = StabilityValues;
using bounds::kLength;
using bounds::kLengthOrNone;
using bounds::kPressureOrNone;

// Zero means something in many boxes (no toe, no heel, a vertical face, a wall top level
// with the soil, no fill, no surcharge), but not in the back soil's height, the widths of
// the walls, the span between them nor the slab. The central fill depth is asked for like
// every other dimension: an empty box is more likely forgotten than meant as 0.
// clang-format off
const DimensionBox kBoxes[] = {
    {.box = &Form4::txt1, .text = &SV::chapterNumber, .missing = "§番号を入力してください。"},
    {.box = &Form4::txt2, .text = &SV::wallMark, .missing = "擁壁の記号を入力してください。"},
    {.box = &Form4::txt3, .number = &SV::frontWallUpperHeight, .missing = kDimensionMissing, .name = "寸法H3", .bounds = kLengthOrNone, .frontOnly = true, .readByCheck = true},
    {.box = &Form4::txt4, .number = &SV::frontSoilHeight, .missing = kDimensionMissing, .name = "寸法H4", .bounds = kLengthOrNone, .frontOnly = true, .readByCheck = true},
    {.box = &Form4::txt5, .number = &SV::backSoilHeight, .missing = kDimensionMissing, .name = "寸法H1", .bounds = kLength, .readByCheck = true},
    {.box = &Form4::txt6, .number = &SV::rearWallUpperHeight, .missing = kDimensionMissing, .name = "寸法H2", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt7, .number = &SV::frontWallTopWidth, .missing = kDimensionMissing, .name = "前壁の天端幅", .bounds = kLength},
    {.box = &Form4::txt8, .number = &SV::frontWallInnerBatter, .missing = kDimensionMissing, .name = "前壁の内側のこう配幅", .bounds = kLengthOrNone},
    {.box = &Form4::txt9, .number = &SV::rearWallTopWidth, .missing = kDimensionMissing, .name = "後壁の天端幅", .bounds = kLength},
    {.box = &Form4::txt10, .number = &SV::rearWallInnerBatter, .missing = kDimensionMissing, .name = "後壁の内側のこう配幅", .bounds = kLengthOrNone},
    {.box = &Form4::txt12, .number = &SV::toeLength, .missing = kDimensionMissing, .name = "つま先版の長さ", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt13, .number = &SV::frontWallBottomWidth, .missing = kDimensionMissing, .name = "前壁の下端幅", .bounds = kLength},
    {.box = &Form4::txt14, .number = &SV::innerSpan, .missing = kDimensionMissing, .name = "壁の内法幅", .bounds = kLength},
    {.box = &Form4::txt15, .number = &SV::rearWallBottomWidth, .missing = kDimensionMissing, .name = "後壁の下端幅", .bounds = kLength},
    {.box = &Form4::txt16, .number = &SV::heelLength, .name = "かかと版の長さ", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt17, .number = &SV::slabThickness, .missing = kDimensionMissing, .name = "底版の厚さ", .bounds = kLength},
    {.box = &Form4::txt18, .number = &SV::toeEndThickness, .name = "つま先版の先端の厚さ", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt19, .number = &SV::heelEndThickness, .name = "かかと版の先端の厚さ", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt20, .number = &SV::centralFillDepth, .missing = kDimensionMissing, .name = "中詰め土の深さ", .bounds = kLengthOrNone, .readByCheck = true},
    {.box = &Form4::txt21, .number = &SV::surchargeBack, .missing = kSurchargeMissing, .name = "背面の上載荷重", .bounds = kPressureOrNone, .readByCheck = true},
    {.box = &Form4::txt22, .number = &SV::surchargeCentre, .missing = kSurchargeMissing, .name = "中央の上載荷重", .bounds = kPressureOrNone},
    {.box = &Form4::txt23, .number = &SV::surchargeFront, .name = "前面の上載荷重", .bounds = kPressureOrNone, .frontOnly = true},
};

// A key below the slab is measured in metres like the wall; none is negative, and a key
// without width has no section to reinforce.
const KeyBox kKeyBoxes[] = {
    {&ShearKeyDialog::txt1, &SV::keyHeight, "突起の高さを入力してください。", "突起の高さ", kLengthOrNone},
    {&ShearKeyDialog::txt2, &SV::keyPosition, "突起の位置を入力してください。", "突起の位置", kLengthOrNone},
    {&ShearKeyDialog::txt3, &SV::keyWidth, "突起の巾を入力してください。", "突起の巾", kLength},
};
// clang-format on

template <class Member>
const DimensionBox& rowOf(Member DimensionBox::*field, Member value) {
    for (const DimensionBox& row : kBoxes)
        if (row.*field == value) return row;
    throw std::logic_error("no dimension box holds this value");
}

}  // namespace

std::span<const DimensionBox> dimensionBoxes() { return kBoxes; }

const DimensionBox& dimensionBox(float StabilityValues::*number) { return rowOf(&DimensionBox::number, number); }

const DimensionBox& dimensionBox(std::string StabilityValues::*text) { return rowOf(&DimensionBox::text, text); }

void readBox(const DimensionBox& row, Form4& screen, StabilityValues& values) {
    const std::string& typed = (screen.*row.box).text();
    if (row.text) values.*row.text = typed;
    if (row.number) values.*row.number = num::readSingle(typed);
}

std::vector<BoundedBox> boundedDimensionBoxes(Form4& screen, bool oneSided) {
    std::vector<BoundedBox> bounded;
    for (const DimensionBox& row : kBoxes)
        if (row.name)
            bounded.push_back({&(screen.*row.box), row.name, row.bounds, !row.frontOnly || oneSided, row.missing});
    // The bounds go as the boxes stand on the screen, left to right across the figure: on
    // its top row the rear wall's inner batter stands left of the rear wall's top width.
    auto at = [&](plat::TextBox& box) {
        return std::find_if(bounded.begin(), bounded.end(), [&](const BoundedBox& b) { return b.box == &box; });
    };
    std::iter_swap(at(screen.txt9), at(screen.txt10));
    return bounded;
}

std::span<const KeyBox> keyBoxes() { return kKeyBoxes; }

std::vector<BoundedBox> boundedKeyBoxes(ShearKeyDialog& dialog) {
    std::vector<BoundedBox> bounded;
    for (const KeyBox& key : kKeyBoxes) bounded.push_back({&(dialog.*key.box), key.name, key.bounds, true, key.missing});
    return bounded;
}

ShearKeyDialog* keyDialogInUse(Program& program) {
    if (!dimensionChoices(program).withKey()) return nullptr;
    const DesignChoices choices = designChoices(program);
    if (choices.building()) return &program.form<Form19>();
    if (choices.road()) return &program.form<Form26>();
    return nullptr;
}
