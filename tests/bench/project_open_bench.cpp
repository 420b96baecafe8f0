// Opening a saved project with its whole recalculation (design conditions, stability,
// every section location), headless, in a program that has just started.
#include <benchmark/benchmark.h>

#include <string>

#include "app/forms.h"
#include "app/main_window.h"
#include "support/scripted_services.h"

namespace {

void openProject(benchmark::State& state, const char* name) {
    const std::string file = std::string(MIRANOSU_FIXTURES) + "/" + name;
    for (auto _ : state) {
        ScriptedServices svc;
        Program prog(svc);
        registerForms(prog);
        MDIForm1& main = prog.form<MDIForm1>();
        svc.fileAnswers.push_back(file);
        main.FileOpen();
        if (prog.projectPath != file || !svc.messages.empty()) state.SkipWithError("the fixture did not open cleanly");
        benchmark::DoNotOptimize(prog.sigmaMax);
    }
}

void BM_OpenProject(benchmark::State& state) { openProject(state, "building.ywd"); }
void BM_OpenRoadProjectWithKey(benchmark::State& state) { openProject(state, "road-key.ywd"); }
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenRoadProjectWithKey)->Unit(benchmark::kMicrosecond);

}  // namespace
