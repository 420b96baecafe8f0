#include "stability/dimension_screen.h"

DimensionChoices dimensionChoices(const Form4& screen) {
    DimensionChoices c;
    if (screen.opt3.value())
        c.frontSoil = FrontSoilLoad::Counted;
    else if (screen.opt4.value())
        c.frontSoil = FrontSoilLoad::LeftOut;
    if (screen.opt1.value())
        c.verticalComponent = VerticalEarthPressureComponent::Counted;
    else if (screen.opt2.value())
        c.verticalComponent = VerticalEarthPressureComponent::LeftOut;
    if (screen.opt5.value())
        c.shearKey = ShearKey::Absent;
    else if (screen.opt6.value())
        c.shearKey = ShearKey::Present;
    const int tick = screen.chk1.value();
    c.surchargeDeduction =
        tick == 0 ? SurchargeDeduction::Off : tick == 1 ? SurchargeDeduction::Deduct5 : SurchargeDeduction::None;
    return c;
}
