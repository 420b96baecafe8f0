#include "support/screen_input.h"

#include "conditions/conditions_screen.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"

namespace screen_input {

void typeDesignValues(Form3& c, const std::string& site, bool cohesion) {
    c.txt1.setText(site);
    c.txt2.setText("24");
    c.txt3.setText("200");
    c.txt4.setText("100");
    c.txt5.setText("18");
    c.txt6.setText("24");
    c.cbo1.setListIndex(2);
    c.txt8.setText("30");
    c.txt10.setText("20");
    c.txt12.setText("15");
    c.cbo2.setListIndex(2);
    (cohesion ? c.opt7 : c.opt8).userClick();
    c.txt14.setText(cohesion ? "10" : "0");
    c.opt5.userClick();
    c.txt11.setText("30");
    c.txt9.setText("0.5");
}

const std::vector<WallText>& commonWall() {
    using SV = StabilityValues;
    static const std::vector<WallText> wall = {
        {.text = &SV::chapterNumber, .typed = "3"},
        {.text = &SV::wallMark, .typed = "U-1"},
        {.number = &SV::frontWallUpperHeight, .typed = "0.5"},
        {.number = &SV::frontSoilHeight, .typed = "1.2"},
        {.number = &SV::backSoilHeight, .typed = "2.5"},
        {.number = &SV::rearWallUpperHeight, .typed = "0.3"},
        {.number = &SV::frontWallTopWidth, .typed = "0.3"},
        {.number = &SV::frontWallInnerBatter, .typed = "0.1"},
        {.number = &SV::rearWallTopWidth, .typed = "0.3"},
        {.number = &SV::rearWallInnerBatter, .typed = "0.1"},
        {.number = &SV::toeLength, .typed = "0.5"},
        {.number = &SV::frontWallBottomWidth, .typed = "0.45"},
        {.number = &SV::innerSpan, .typed = "2.0"},
        {.number = &SV::rearWallBottomWidth, .typed = "0.45"},
        {.number = &SV::heelLength, .typed = "0.6"},
        {.number = &SV::slabThickness, .typed = "0.4"},
        {.number = &SV::toeEndThickness, .typed = "0.3"},
        {.number = &SV::heelEndThickness, .typed = "0.3"},
        {.number = &SV::centralFillDepth, .typed = "1.5"},
        {.number = &SV::surchargeBack, .typed = "10"},
        {.number = &SV::surchargeCentre, .typed = "5"},
        {.number = &SV::surchargeFront, .typed = "3"},
    };
    return wall;
}

void typeWall(Form4& d, const Texts& changes) {
    for (const WallText& value : commonWall()) {
        const DimensionBox& row = value.text ? dimensionBox(value.text) : dimensionBox(value.number);
        (d.*row.box).setText(value.typed);
    }
    for (const auto& [name, text] : changes) static_cast<plat::TextBox*>(d.control(name))->setText(text);
}

}  // namespace screen_input
