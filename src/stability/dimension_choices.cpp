#include "stability/dimension_screen.h"

DimensionChoices dimensionChoices(const Program& program) {
    DimensionChoices c;
    const auto* loaded = static_cast<const Form4*>(program.find(Form4::kName));
    if (!loaded) return c;
    const Form4& screen = *loaded;
    c.frontSoil = chosen(screen.opt3, FrontSoilLoad::Counted, screen.opt4, FrontSoilLoad::LeftOut);
    c.verticalComponent = chosen(screen.opt1, VerticalEarthPressureComponent::Counted, screen.opt2,
                                 VerticalEarthPressureComponent::LeftOut);
    c.shearKey = chosen(screen.opt5, ShearKey::Absent, screen.opt6, ShearKey::Present);
    const int tick = screen.chk1.value();
    c.surchargeDeduction =
        tick == 0 ? SurchargeDeduction::Off : tick == 1 ? SurchargeDeduction::Deduct5 : SurchargeDeduction::None;
    return c;
}
