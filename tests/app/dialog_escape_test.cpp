// Esc in each of the program's dialogs, opened from its screen over a whole project,
// leaves the program as キャンセル (or the close button) does: the same screens, values,
// messages and dialogs.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/seismic_dialog.h"
#include "platform/utf8.h"
#include "report/print_range_dialog.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/program_snapshot.h"

namespace {

// Types a text into the box, key by key, the way the engineer does after clicking into it.
void type(plat::TextBox& box, const std::string& text) {
    box.setFocus();
    box.selectAll();
    for (char32_t cp : plat::toCodePoints(text)) box.keyPress(static_cast<int>(cp));
}

struct DialogCase {
    const char* name;
    fixture::Wall wall;
    // The screen command that shows the dialog.
    std::function<void(Program&)> open;
    // What the engineer changes in it before leaving.
    std::function<void(plat::Form&)> edit;
    // Its own button that leaves it without taking the change.
    plat::CommandButton& (*cancel)(plat::Form&);
};

template <class D>
plat::CommandButton& cmd2(plat::Form& f) {
    return static_cast<D&>(f).cmd2;
}

const DialogCase kDialogs[] = {
    {"Form14", fixture::Wall::HeelToeKey, [](Program& p) { p.form<Form4>().cmd4.press(); },
     [](plat::Form& f) { static_cast<Form14&>(f).opt2.userClick(); }, cmd2<Form14>},
    {"Form21", fixture::Wall::RoadSeismic, [](Program& p) { p.form<Form4>().cmd4.press(); },
     [](plat::Form& f) { static_cast<Form21&>(f).opt1.userClick(); }, cmd2<Form21>},
    {"Form25", fixture::Wall::RoadSeismic, [](Program& p) { p.form<Form3>().cmd4.press(); },
     [](plat::Form& f) { type(static_cast<Form25&>(f).Text1, "0.3"); }, cmd2<Form25>},
    {"Form22", fixture::Wall::HeelToeKey, [](Program& p) { p.form<Form7>().cmd6.press(); },
     [](plat::Form& f) { type(static_cast<Form22&>(f).txt3, "70"); }, cmd2<Form22>},
    {"Form15", fixture::Wall::HeelToeKey,
     [](Program& p) {
         p.form<MDIForm1>().Men_F.userClick();
         p.form<MDIForm1>().Men_FPrn.userClick();
     },
     [](plat::Form& f) { static_cast<Form15&>(f).opt2.userClick(); }, cmd2<Form15>},
    {"Form19", fixture::Wall::HeelToeKey, [](Program& p) { p.form<Form4>().cmd5.press(); },
     [](plat::Form& f) { type(static_cast<Form19&>(f).txt2, "1.9"); }, cmd2<Form19>},
    {"Form26", fixture::Wall::RoadSeismic,
     [](Program& p) {
         p.form<Form4>().opt6.userClick();
         p.form<Form4>().cmd5.press();
     },
     [](plat::Form& f) { type(static_cast<Form26&>(f).txt1, "0.4"); }, cmd2<Form26>},
    {"Form13", fixture::Wall::HeelToeKey,
     [](Program& p) {
         p.form<MDIForm1>().Men_H.userClick();
         p.form<MDIForm1>().Men_FVer.userClick();
     },
     [](plat::Form&) {}, [](plat::Form& f) -> plat::CommandButton& { return static_cast<Form13&>(f).cmd1; }},
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

class DialogEscape : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogEscape, DoesWhatCancelDoes) {
    const DialogCase& c = GetParam();
    ProgramWithMainWindow byButton, byEsc;
    bool escClosed = false;
    for (ProgramWithMainWindow* run : {&byButton, &byEsc}) {
        fixture::enterWall(run->prog, c.wall);
        ASSERT_TRUE(run->svc.messages.empty()) << run->svc.messages.front().text;
        const bool esc = run == &byEsc;
        run->svc.modalScripts.push_back([&c, esc, &escClosed](plat::Form& dialog) {
            ASSERT_EQ(dialog.name(), c.name);
            c.edit(dialog);
            if (!esc) return c.cancel(dialog).press();
            plat::Control* focused = dialog.activeControl();
            ASSERT_NE(focused, nullptr);
            focused->keyPress(plat::kKeyEsc);
            escClosed = !dialog.isModalOpen();
        });
        c.open(run->prog);
        EXPECT_TRUE(run->svc.modalScripts.empty()) << "the dialog came";
    }
    EXPECT_TRUE(escClosed) << "Esc ends the dialog";
    EXPECT_EQ(byEsc.prog.isLoaded(c.name), byButton.prog.isLoaded(c.name));
    if (byEsc.prog.isLoaded(c.name)) {
        EXPECT_FALSE(byEsc.prog.formByName(c.name).visible());
    }
    EXPECT_EQ(byEsc.svc.messageTexts(), byButton.svc.messageTexts());
    EXPECT_EQ(byEsc.svc.printJobs.size(), byButton.svc.printJobs.size());
    EXPECT_EQ(byEsc.prog.sigmaMax, byButton.prog.sigmaMax);
    EXPECT_EQ(byEsc.prog.sectionCheckDone, byButton.prog.sectionCheckDone);
    EXPECT_EQ(snapshot::controls(byEsc.prog), snapshot::controls(byButton.prog));
    EXPECT_EQ(snapshot::printedReport(byEsc.prog, byEsc.svc), snapshot::printedReport(byButton.prog, byButton.svc));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogEscape, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
