#include "report/page_navigation.h"

#include "common/calc_fault.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "report/current_results.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace report {

namespace {

constexpr const char* kPageNotMadeMessage = "このページを作成できませんでした。";

// The section screen only when it exists: the preview never creates it (creating it
// would make it the current screen).
Form7* sectionScreen(Program& program) { return static_cast<Form7*>(program.find(Form7::kName)); }

void hideSectionScreen(Program& program) {
    if (Form7* form7 = sectionScreen(program)) form7->hide();
}

}  // namespace

void showPage(Program& program, PreviewWindow* current, int page, Entry entry) {
    PreviewWindow& window = previewWindow(program, page);
    program.outputSurface = &window.canvas();
    if (current && current != &window) current->hide();
    window.setTop(0);
    window.setLeft(0);
    window.show();
    window.canvas().clear();
    // A page that cannot be finished keeps what was drawn; the preview stays usable.
    try {
        if (auto refresh = refreshFor(page, entry)) runProc(program, *refresh);
        runWriters(program, page);
    } catch (const num::CalcFault&) {
        showCannotCompute(program);
    } catch (const StabilityInputFault&) {
        showCannotCompute(program);
    } catch (const SectionRefusal&) {
        showFaultMessage(program, kPageNotMadeMessage);
    }
}

void openPreview(Program& program) {
    int page = 0;
    switch (program.currentScreen) {
        case 1: page = 1; break;
        case 2: page = 2; break;
        // The section design under way: its pages wait for the check, the stability
        // pages before them can be seen.
        case 3: page = sectionCurrent(program) ? 5 : 4; break;
        default:
            // No input screen: nothing to show, the toolbar stays. Without a result the
            // user hears why, as from any screen.
            if (!program.hasResult()) program.msgBox(kStabilityMissingMessage, plat::msg::kOk, kErrorTitle);
            return;
    }
    if (!mayMakePages(program, page >= kFirstSectionPage)) return;
    if (plat::Toolbar* toolbar = program.mainToolbar()) toolbar->setVisible(false);
    showPage(program, nullptr, page, Entry::Opened);
}

}  // namespace report

void PreviewWindow::Men_Nex_Click() {
    int next = page() + 1;
    if (next > report::kPageCount) return;
    switch (page()) {
        case 3: report::hideSectionScreen(program_); break;
        case 4:
            // The section pages show only a current section check.
            if (!report::sectionCurrent(program_)) {
                program_.msgBox(report::kSectionMissingMessage, plat::msg::kOk, kErrorTitle);
                return;
            }
            report::hideSectionScreen(program_);
            break;
        case 7:
            // Page 8 leads on only when a page 9 exists.
            if (!report::page9Exists(report::members(program_))) previewWindow(program_, 8).Men_Nex.setEnabled(false);
            break;
        default: break;
    }
    report::showPage(program_, this, next, report::Entry::FromBefore);
}

void PreviewWindow::Men_Pre_Click() {
    if (page() <= 1) return;
    report::showPage(program_, this, page() - 1, report::Entry::FromAfter);
}
