// The program's forms by name, and the main window as the lower floors reach it.
#include "app/forms.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "common/program.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/note_window.h"
#include "conditions/reference_windows.h"
#include "conditions/seismic_dialog.h"
#include "report/preview_window.h"
#include "report/print_range_dialog.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"

namespace {
template <class F>
void add(Program& program) {
    program.registerForm(F::kName, [&program] { return std::make_unique<F>(program); });
}

plat::Toolbar* mainToolbar(Program& program) {
    auto* main = static_cast<MDIForm1*>(program.find(MDIForm1::kName));
    return main ? &main->Toolbar1 : nullptr;
}

plat::MenuItem* mainMenu(Program& program, const std::string& name) {
    auto* main = static_cast<MDIForm1*>(program.find(MDIForm1::kName));
    if (!main) return nullptr;
    for (plat::MenuItem* item : main->menuBar())
        if (item->name() == name) return item;
    return nullptr;
}
}  // namespace

void registerForms(Program& program) {
    add<MDIForm1>(program);
    add<Form13>(program);
    add<Form3>(program);
    add<Form4>(program);
    add<Form7>(program);
    add<Form22>(program);
    add<Form9>(program);
    add<Form10>(program);
    add<Form23>(program);
    add<Form25>(program);
    add<Form14>(program);
    add<Form21>(program);
    add<Form19>(program);
    add<Form26>(program);
    add<Form27>(program);
    registerPreviewWindows(program);
    add<Form15>(program);
    program.mainWindow.toolbar = [&program] { return mainToolbar(program); };
    program.mainWindow.menu = [&program](const std::string& name) { return mainMenu(program, name); };
    // The owners of the results that an input can make stale say how to drop them, and
    // register the hand-overs and queries that the floors below them reach.
    Form4::registerForLowerFloors(program);
    Form7::registerForLowerFloors(program);
}
