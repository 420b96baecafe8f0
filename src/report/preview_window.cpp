#include "report/preview_window.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "report/print_range_dialog.h"

namespace {

// The scroll values are whole numbers; a half goes to the even neighbour.
int roundHalfEven(float v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

PreviewWindow::PreviewWindow(Program& program, const char* name, int page)
    : plat::Form(program, name, plat::FormKind::MdiChild), program_(program), page_(page) {
    setSize(10920, 7350);
    Picture1.place(0, 0, 10665, 7095);
    Picture1.setBorderStyle(0);
    Picture2.setContainer(Picture1);
    Picture2.place(0, 0, 0, 0);
    Picture2.setBorderStyle(0);
    Picture2.surface().setFont("ＭＳ 明朝", 11.25);
    Picture2.surface().setForeColor(plat::kBlack);
    Picture2.surface().setDrawStyle(0);
    VScroll1.place(10680, 0, 255, 7095);
    HScroll1.place(0, 7110, 10665, 255);

    if (page == 1)
        menuBar() = {&Men_Nex, &Men_Prn, &Men_Cls};
    else if (page == report::kPageCount)
        menuBar() = {&Men_Pre, &Men_Prn, &Men_Cls};
    else
        menuBar() = {&Men_Pre, &Men_Nex, &Men_Prn, &Men_Cls};

    HScroll1.Change = [this] { HScroll1_Change(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    Men_Pre.Click = [this] { Men_Pre_Click(); };
    Men_Nex.Click = [this] { Men_Nex_Click(); };
    Men_Prn.Click = [this] { Men_Prn_Click(); };
    Men_Cls.Click = [this] { Men_Cls_Click(); };
}

// The canvas has the printer's page size; the bars scroll what the viewport does not show.
void PreviewWindow::Form_Load() {
    plat::PrinterPage printer = program_.services().printerPage();
    Picture2.setHeight(printer.height);
    Picture2.setWidth(printer.width);
    Picture2ScaleHeight = printer.scaleHeight;
    Picture2ScaleWidth = printer.scaleWidth;
    // The writers draw in the printable area's coordinates, stretched over the whole page.
    Picture2.setScaleHeight(printer.scaleHeight);
    Picture2.setScaleWidth(printer.scaleWidth);
    canvas().setPrintableWidth(printer.scaleWidth);

    // A page no larger than the viewport has nothing to scroll.
    VScroll1.setMax(std::max(0, roundHalfEven(static_cast<float>(Picture2.height() - Picture1.height()))));
    VScroll1.setLargeChange(roundHalfEven(VScroll1.max() / 2.0f));
    VScroll1.setSmallChange(roundHalfEven(VScroll1.largeChange() / 2.0f));
    HScroll1.setMax(std::max(0, roundHalfEven(static_cast<float>(Picture2.width() - Picture1.width()))));
    HScroll1.setLargeChange(roundHalfEven(HScroll1.max() / 2.0f));
    HScroll1.setSmallChange(roundHalfEven(HScroll1.largeChange() / 2.0f));
}

void PreviewWindow::HScroll1_Change() { Picture2.setLeft(-HScroll1.value()); }
void PreviewWindow::VScroll1_Change() { Picture2.setTop(-VScroll1.value()); }

void PreviewWindow::Men_Prn_Click() { report::showPrintRange(program_); }

void PreviewWindow::Men_Cls_Click() {
    unloadPreviewWindows(program_);
    if (plat::Toolbar* toolbar = program_.mainToolbar()) toolbar->setVisible(true);
}

// A preview window never closes alone.
void PreviewWindow::Form_QueryUnload(bool&) { unloadPreviewWindows(program_); }

void registerPreviewWindows(Program& program) {
    for (const report::ReportPage& p : report::reportPages())
        program.registerForm(p.window, [&program, p] { return std::make_unique<PreviewWindow>(program, p.window, p.page); });
}

void unloadPreviewWindows(Program& program) {
    for (const report::ReportPage& p : report::reportPages()) {
        PreviewWindow* w = loadedPreviewWindow(program, p.page);
        if (!w) continue;
        // The canvas goes with its window: the output surface must not outlive it.
        if (program.outputSurface == &w->canvas()) program.outputSurface = nullptr;
        program.unload(*w);
    }
}

PreviewWindow& previewWindow(Program& program, int page) {
    return static_cast<PreviewWindow&>(program.formByName(report::reportPage(page).window));
}

PreviewWindow* loadedPreviewWindow(Program& program, int page) {
    return static_cast<PreviewWindow*>(program.find(report::reportPage(page).window));
}
