#include "conditions/design_choices.h"

#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"

namespace {

// One reading for both ways in: each screen may be missing (not loaded).
DesignChoices read(const Form3* conditions, const Form23* shape, const Form25* seismic) {
    DesignChoices c;
    if (conditions) {
        c.standard = chosen(conditions->opt_T, Standard::Building, conditions->opt_D, Standard::Road);
        c.loadCase = chosen(conditions->opt3, LoadCase::Normal, conditions->opt4, LoadCase::Seismic);
        c.kaMode = chosen(conditions->opt1, KaMode::Typed, conditions->opt2, KaMode::Computed);
        c.baseFriction = chosen(conditions->opt5, BaseFrictionMode::Typed, conditions->opt6, BaseFrictionMode::TanPhi);
    }
    if (shape) c.groundShape = chosen(shape->opt1, GroundShape::OneSided, shape->opt2, GroundShape::Symmetric);
    if (seismic) {
        if (seismic->opt_K1.value())
            c.seismicMethod = SeismicMethod::K1;
        else if (seismic->opt_K2.value())
            c.seismicMethod = SeismicMethod::K2;
        else if (seismic->opt_D1.value())
            c.seismicMethod = SeismicMethod::D1;
    }
    return c;
}

template <class F>
const F* loaded(const Program& program) {
    return static_cast<const F*>(program.find(F::kName));
}

}  // namespace

DesignChoices designChoices(const Program& program) {
    return read(loaded<Form3>(program), loaded<Form23>(program), loaded<Form25>(program));
}
