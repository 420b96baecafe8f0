// One run of the stability calculation on a typical one-sided wall with a shear key.
#include <benchmark/benchmark.h>

#include "app/forms.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/choice_input.h"
#include "support/design_values.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"

namespace {

void BM_StabilityRun(benchmark::State& state) {
    ScriptedServices svc;
    Program prog(svc);
    registerForms(prog);
    choice_input::setDesignChoices(prog, {Standard::Building, LoadCase::Normal, GroundShape::OneSided});
    Form4& f = prog.form<Form4>();
    screen_input::typeWall(f);
    choice_input::setDimensionChoices(prog, {FrontSoilLoad::Counted, VerticalEarthPressureComponent::Counted,
                                             ShearKey::Present, SurchargeDeduction::None});
    Form19& key = prog.form<Form19>();
    key.txt1.setText("0.3");
    key.txt2.setText("1.5");
    key.txt3.setText("0.3");
    prog.form<Form14>().opt5.setValue(true);
    fixture::setDesignValues(prog);
    prog.foundationCohesion = 10;
    for (auto _ : state) {
        f.DANMEM_1();
        benchmark::DoNotOptimize(prog.slidingSafetyFactorWithKey);
    }
}
BENCHMARK(BM_StabilityRun);

}  // namespace
