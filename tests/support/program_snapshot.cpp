#include "support/program_snapshot.h"

#include <algorithm>

#include "app/main_window.h"
#include "project/project_file.h"
#include "report/print_range_dialog.h"

namespace snapshot {

namespace {

std::string content(const plat::Control& c) {
    switch (c.kind()) {
        case plat::ControlKind::TextBox: return static_cast<const plat::TextBox&>(c).text();
        case plat::ControlKind::Label: return static_cast<const plat::Label&>(c).caption();
        case plat::ControlKind::OptionButton:
            return static_cast<const plat::OptionButton&>(c).value() ? "(o)" : "( )";
        case plat::ControlKind::CheckBox: return std::to_string(static_cast<const plat::CheckBox&>(c).value());
        case plat::ControlKind::ComboBox: {
            const auto& list = static_cast<const plat::ComboBox&>(c);
            return list.text() + " #" + std::to_string(list.listIndex());
        }
        case plat::ControlKind::CommandButton: return static_cast<const plat::CommandButton&>(c).caption();
        default: return "";
    }
}

}  // namespace

namespace {

std::vector<std::string> lines(Program& p, bool state) {
    std::vector<std::string> forms;
    for (const project::LineSource& line : project::lines())
        if (!line.form.empty() && std::find(forms.begin(), forms.end(), line.form) == forms.end())
            forms.push_back(line.form);
    std::vector<std::string> out;
    for (const std::string& form : forms)
        for (const plat::Control* c : p.formByName(form).controls()) {
            std::string line = form + "." + c->name() + " \"" + content(*c) + "\"";
            if (state)
                line += std::string(c->visible() ? " shown" : " hidden") + (c->enabled() ? "" : " disabled") +
                        " colour " + std::to_string(static_cast<long>(c->foreColor()));
            out.push_back(line);
        }
    return out;
}

}  // namespace

std::vector<std::string> controls(Program& p) { return lines(p, true); }
std::vector<std::string> contents(Program& p) { return lines(p, false); }

std::vector<std::string> printedReport(Program& p, ScriptedServices& s) {
    const size_t scripts = s.modalScripts.size();
    const size_t jobs = s.printJobs.size();
    s.modalScripts.push_back([](plat::Form& f) {
        // A refusal may open the dialog of the box it names instead: it is left as it is.
        if (f.name() != Form15::kName) return;
        auto& d = static_cast<Form15&>(f);
        d.opt5.userClick();  // every page
        d.cmd1.press();
    });
    MDIForm1& main = p.form<MDIForm1>();
    main.Men_F.userClick();
    main.Men_FPrn.userClick();
    // The menu item was off: the dialog never came.
    if (s.modalScripts.size() > scripts) s.modalScripts.resize(scripts);
    if (s.printJobs.size() == jobs) return {};
    return s.printJobs.back()->texts();
}

namespace {

void fileCommand(Program& p, ScriptedServices& s, plat::MenuItem MDIForm1::*item, const std::string& path) {
    const size_t answers = s.fileAnswers.size();
    s.fileAnswers.push_back(path);
    MDIForm1& main = p.form<MDIForm1>();
    main.Men_F.userClick();
    (main.*item).userClick();
    // The item was off: no dialog took the name.
    if (s.fileAnswers.size() > answers) s.fileAnswers.resize(answers);
}

}  // namespace

void openThroughMenu(Program& p, ScriptedServices& s, const std::string& path) {
    fileCommand(p, s, &MDIForm1::Men_FOpn, path);
}

void saveAsThroughMenu(Program& p, ScriptedServices& s, const std::string& path) {
    fileCommand(p, s, &MDIForm1::Men_FSav, path);
}

}  // namespace snapshot
