#include "support/choice_input.h"

#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "stability/dimension_screen.h"

namespace choice_input {

void setDesignChoices(Program& p, const DesignChoices& c) {
    Form3& conditions = p.form<Form3>();
    if (c.standard != Standard::None) (c.road() ? conditions.opt_D : conditions.opt_T).setValue(true);
    if (c.loadCase != LoadCase::None) (c.seismic() ? conditions.opt4 : conditions.opt3).setValue(true);
    if (c.seismicMethod != SeismicMethod::None) {
        Form25& dialog = p.form<Form25>();
        switch (c.seismicMethod) {
            case SeismicMethod::K1: dialog.opt_K1.setValue(true); break;
            case SeismicMethod::K2: dialog.opt_K2.setValue(true); break;
            case SeismicMethod::D1: dialog.opt_D1.setValue(true); break;
            case SeismicMethod::None: break;
        }
    }
    if (c.groundShape != GroundShape::None) {
        Form23& shape = p.form<Form23>();
        (c.symmetric() ? shape.opt2 : shape.opt1).setValue(true);
    }
    if (c.kaMode != KaMode::None) (c.kaMode == KaMode::Typed ? conditions.opt1 : conditions.opt2).setValue(true);
    if (c.baseFriction != BaseFrictionMode::None)
        (c.baseFriction == BaseFrictionMode::Typed ? conditions.opt5 : conditions.opt6).setValue(true);
}

void setDimensionChoices(Program& p, const DimensionChoices& c) {
    Form4& dimensions = p.form<Form4>();
    if (c.verticalComponent != VerticalEarthPressureComponent::None)
        (c.verticalComponent == VerticalEarthPressureComponent::Counted ? dimensions.opt1 : dimensions.opt2)
            .setValue(true);
    if (c.frontSoil != FrontSoilLoad::None)
        (c.frontSoil == FrontSoilLoad::Counted ? dimensions.opt3 : dimensions.opt4).setValue(true);
    if (c.shearKey != ShearKey::None) (c.withKey() ? dimensions.opt6 : dimensions.opt5).setValue(true);
    if (c.surchargeDeduction != SurchargeDeduction::None)
        dimensions.chk1.setValue(c.surchargeDeduction == SurchargeDeduction::Deduct5 ? 1 : 0);
}

}  // namespace choice_input
