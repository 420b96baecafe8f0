// The program's forms by name, and the accessors that need to know the main window.
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
}  // namespace

void Program::registerForms() {
    add<MDIForm1>(*this);
    add<Form13>(*this);
    add<Form3>(*this);
    add<Form4>(*this);
    add<Form7>(*this);
    add<Form22>(*this);
    add<Form9>(*this);
    add<Form10>(*this);
    add<Form23>(*this);
    add<Form25>(*this);
    add<Form14>(*this);
    add<Form21>(*this);
    add<Form19>(*this);
    add<Form26>(*this);
    add<Form27>(*this);
    registerPreviewWindows(*this);
    add<Form15>(*this);
    // The owners of the results that an input can make stale say how to drop them.
    Form4::registerDrops(*this);
    Form7::registerDrops(*this);
}

plat::Toolbar* Program::mainToolbar() {
    auto* main = static_cast<MDIForm1*>(find(MDIForm1::kName));
    return main ? &main->Toolbar1 : nullptr;
}

plat::MenuItem* Program::mainMenu(const std::string& name) {
    auto* main = static_cast<MDIForm1*>(find(MDIForm1::kName));
    if (!main) return nullptr;
    for (plat::MenuItem* item : main->menuBar())
        if (item->name() == name) return item;
    return nullptr;
}
