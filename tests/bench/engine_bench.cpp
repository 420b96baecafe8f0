// One run of the stability calculation on a typical one-sided wall with a shear key.
#include <benchmark/benchmark.h>

#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/scripted_services.h"

namespace {

void BM_StabilityRun(benchmark::State& state) {
    ScriptedServices svc;
    Program prog(svc);
    prog.registerForms();
    prog.form<Form3>().opt_T.setValue(true);
    prog.form<Form3>().opt3.setValue(true);
    prog.form<Form23>().opt1.setValue(true);
    Form4& f = prog.form<Form4>();
    const char* texts[][2] = {{"txt3", "0.5"},  {"txt4", "1.2"},  {"txt5", "2.5"},  {"txt6", "0.3"},  {"txt7", "0.3"},
                              {"txt8", "0.1"},  {"txt9", "0.3"},  {"txt10", "0.1"}, {"txt12", "0.5"}, {"txt13", "0.45"},
                              {"txt14", "2.0"}, {"txt15", "0.45"}, {"txt16", "0.6"}, {"txt17", "0.4"}, {"txt18", "0.3"},
                              {"txt19", "0.3"}, {"txt20", "1.5"}, {"txt21", "10"},  {"txt22", "5"},   {"txt23", "3"}};
    for (const auto& [box, text] : texts) static_cast<plat::TextBox*>(f.control(box))->setText(text);
    f.opt1.setValue(true);
    f.opt3.setValue(true);
    f.opt6.setValue(true);
    Form19& key = prog.form<Form19>();
    key.txt1.setText("0.3");
    key.txt2.setText("1.5");
    key.txt3.setText("0.3");
    prog.form<Form14>().opt5.setValue(true);
    prog.soilUnitWeight = 18;
    prog.concreteUnitWeight = 24;
    prog.activeCoefficient = 0.333f;
    prog.deltaStability = 20;
    prog.baseFriction = 0.5f;
    prog.foundationCohesion = 10;
    prog.foundationPhi = 30;
    for (auto _ : state) {
        f.DANMEM_1();
        benchmark::DoNotOptimize(prog.slidingSafetyFactorWithKey);
    }
}
BENCHMARK(BM_StabilityRun);

}  // namespace
