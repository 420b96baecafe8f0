// The whole report of the wall with heel, toe and key (nine pages) printed by the print
// run into a PDF file through the Qt back end, offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/forms.h"
#include "app/main_window.h"
#include "platform/qt/fonts.h"
#include "report/print_range_dialog.h"
#include "support/fixture_walls.h"
#include "support/pdf_services.h"

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "benchmarks";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    plat::qt::registerFonts();
}

void BM_WholeReportToPdf(benchmark::State& state) {
    ensureApplication();
    const auto pdf = std::filesystem::temp_directory_path() / "miranosu-bench-report.pdf";
    PdfServices svc(pdf.string());
    Program prog(svc);
    registerForms(prog);
    prog.form<MDIForm1>();
    fixture::enterWall(prog, fixture::Wall::HeelToeKey);
    for (auto _ : state) {
        svc.modalScripts.push_back([](plat::Form& f) {
            auto& d = static_cast<Form15&>(f);
            d.opt5.userClick();
            if (d.chk_P.value() == 0) d.chk_P.userClick();
            d.txt_P.setText("1");
            d.cmd1.press();
        });
        prog.form<MDIForm1>().Men_FPrn_Click();
    }
    if (!svc.messages.empty()) state.SkipWithError("the print run reported a failure");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_WholeReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
