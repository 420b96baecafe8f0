#include "conditions/design_choices.h"

#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"

namespace {

// One reading for both ways in: each screen may be missing (not loaded).
DesignChoices read(const Form3* conditions, const Form23* shape, const Form25* seismic) {
    DesignChoices c;
    if (conditions) {
        if (conditions->opt_T.value())
            c.standard = Standard::Building;
        else if (conditions->opt_D.value())
            c.standard = Standard::Road;
        if (conditions->opt3.value())
            c.loadCase = LoadCase::Normal;
        else if (conditions->opt4.value())
            c.loadCase = LoadCase::Seismic;
        if (conditions->opt1.value())
            c.kaMode = KaMode::Typed;
        else if (conditions->opt2.value())
            c.kaMode = KaMode::Computed;
        if (conditions->opt5.value())
            c.baseFriction = BaseFrictionMode::Typed;
        else if (conditions->opt6.value())
            c.baseFriction = BaseFrictionMode::TanPhi;
    }
    if (shape) {
        if (shape->opt1.value())
            c.groundShape = GroundShape::OneSided;
        else if (shape->opt2.value())
            c.groundShape = GroundShape::Symmetric;
    }
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
