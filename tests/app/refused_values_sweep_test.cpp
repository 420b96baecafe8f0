// Every refused or impossible value typed into every numeric box of the fixture walls,
// then the wall taken on through every command as an engineer would: a value that its
// box's rule refuses leaves no counted result on its screen or after it (so no NG can turn
// into O.K by it), and no screen or printed page shows a number of more than 15
// significant digits.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/entry_bounds.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "report/print_range_dialog.h"
#include "section/cover_dialog.h"
#include "section/section_bounds.h"
#include "section/section_screen.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/significant_digits.h"

namespace {

const char* const kValues[] = {"-10", "1e30", "-1e30", "1e-30", "0.019", "-5",  "0",
                               "2,8", "2.8m", "inf",   "nan",   "1e999", "０", "1e-5"};

enum class Screen { Conditions, Seismic, Dimensions, Key, Covers, Section };

struct Box {
    Screen screen;
    plat::TextBox* box;
    Bounds bounds;
};

// Every numeric box of the wall that its commands check, with its rule.
std::vector<Box> numericBoxes(Program& p) {
    std::vector<Box> out;
    for (const BoundedBox& b : p.form<Form3>().boundedBoxes())
        if (b.applies) out.push_back({Screen::Conditions, b.box, b.bounds});
    if (designChoices(p).seismic())
        for (const BoundedBox& b : p.form<Form25>().boundedBoxes()) out.push_back({Screen::Seismic, b.box, b.bounds});
    Form4& d = p.form<Form4>();
    for (const BoundedBox& b : boundedDimensionBoxes(d, designChoices(p).groundShape == GroundShape::OneSided))
        if (b.applies) out.push_back({Screen::Dimensions, b.box, b.bounds});
    if (ShearKeyDialog* key = keyDialogInUse(p))
        for (const BoundedBox& b : boundedKeyBoxes(*key)) out.push_back({Screen::Key, b.box, b.bounds});
    Form7& s = p.form<Form7>();
    for (const BoundedBox& b : p.form<Form22>().boundedBoxes())
        if (b.box == &p.form<Form22>().txt1 || b.box == &p.form<Form22>().txt3)
            out.push_back({Screen::Covers, b.box, b.bounds});
    for (const BoundedBox& b : sectionBoundedBoxes(s))
        if (b.applies) out.push_back({Screen::Section, b.box, b.bounds});
    for (const BoundedBox& b : designSpacingBoxes(s))
        if (b.applies) out.push_back({Screen::Section, b.box, b.bounds});
    return out;
}

// The user's edit: the box takes the focus and the text arrives as a paste.
void typeInto(plat::TextBox& box, const std::string& text) {
    box.setFocus();
    box.userEdit(text, static_cast<int>(text.size()), 0);
}

// On from the design conditions to the dimension screen, as far as the commands lead:
// a refusal keeps the engineer on the screen that refused.
void conditionsOnward(Program& p) {
    p.form<Form3>().cmd3.press();
    if (p.form<Form23>().visible()) p.form<Form23>().cmd1.press();
}

void stabilityOnward(Program& p) {
    if (!p.form<Form4>().visible()) return;
    fixture::checkStability(p);
    if (!p.hasResult()) return;
    fixture::openSections(p);
    fixture::chooseBars(p);
    fixture::checkSections(p);
}

void fillCovers(Form22& covers) {
    for (plat::TextBox* box : {&covers.txt1, &covers.txt3, &covers.txt4, &covers.txt5, &covers.txt6})
        if (box->text().empty()) box->setText("60");
}

// The judgement panel's captions.
std::vector<std::string> panel(Program& p) {
    Form4& d = p.form<Form4>();
    std::vector<std::string> out;
    for (plat::Label* cell : {&d.lbl46, &d.lbl47, &d.lbl48, &d.lbl52, &d.lbl53, &d.lbl54, &d.lbl56, &d.lbl57, &d.lbl58,
                              &d.lbl59, &d.lbl60, &d.lbl61, &d.lbl62, &d.lbl64, &d.lbl65, &d.lbl66, &d.lbl68, &d.lbl69,
                              &d.lbl70})
        out.push_back(cell->caption());
    return out;
}

// The section rows' results.
std::vector<std::string> sections(Program& p) {
    std::vector<std::string> out;
    for (const Form7::Row& row : p.form<Form7>().rows())
        for (const plat::Label* result : row.results) out.push_back(result->caption());
    return out;
}

// Every number the screens show, but the typed box's own text.
void expectShortNumbers(Program& p, const plat::TextBox& typed, const std::string& name) {
    for (const char* formName : {"Form3", "Form4", "Form7", "Form19", "Form26", "Form22"}) {
        plat::Form* form = p.find(formName);
        if (!form) continue;
        for (plat::Control* c : form->controls()) {
            if (c == &typed) continue;
            std::string text;
            if (c->kind() == plat::ControlKind::Label) text = static_cast<plat::Label*>(c)->caption();
            else if (c->kind() == plat::ControlKind::TextBox) text = static_cast<plat::TextBox*>(c)->text();
            else continue;
            EXPECT_LE(mostSignificantDigits(text), 15) << name << ": " << formName << "." << c->name() << " " << text;
        }
    }
}

TEST(RefusedValuesSweep, NoRefusedValueReachesAResultNorALongNumber) {
    const auto start = std::chrono::steady_clock::now();
    int sessions = 0;
    for (fixture::Wall wall : {fixture::Wall::HeelToeKey, fixture::Wall::RoadSeismic, fixture::Wall::TwoSided}) {
        std::size_t boxCount = 0;
        {
            ProgramWithMainWindow first;
            fixture::enterWall(first.prog, wall);
            boxCount = numericBoxes(first.prog).size();
        }
        for (std::size_t index = 0; index < boxCount; ++index) {
            for (const char* value : kValues) {
                ProgramWithMainWindow run;
                Program& p = run.prog;
                fixture::enterWall(p, wall);
                const Box box = numericBoxes(p)[index];
                const std::string name = fixture::name(wall) + " " + box.box->form().name() + "." + box.box->name() +
                                         " \"" + value + "\"";
                const bool refused = !withinBounds(value, box.bounds);
                const std::string formName = box.box->form().name(), control = box.box->name();
                const std::vector<std::string> panelBefore = panel(p);
                const std::vector<std::string> sectionsBefore = sections(p);
                ++sessions;
                // Back to the screen of the box, as the "戻る" buttons lead.
                if (box.screen == Screen::Conditions || box.screen == Screen::Seismic) {
                    p.form<Form7>().hide();
                    p.form<Form4>().hide();
                    p.form<Form3>().show();
                } else if (box.screen == Screen::Dimensions || box.screen == Screen::Key) {
                    p.form<Form7>().hide();
                    p.form<Form4>().show();
                }
                switch (box.screen) {
                    case Screen::Conditions:
                        typeInto(*box.box, value);
                        conditionsOnward(p);
                        stabilityOnward(p);
                        break;
                    case Screen::Seismic: {
                        Form25& seismic = p.form<Form25>();
                        box.box->setText(value);
                        seismic.cmd1.press();
                        // A refusal is answered with キャンセル.
                        if (!run.svc.messages.empty()) seismic.cmd2.press();
                        {
                            conditionsOnward(p);
                            stabilityOnward(p);
                        }
                        break;
                    }
                    case Screen::Dimensions:
                        typeInto(*box.box, value);
                        stabilityOnward(p);
                        break;
                    case Screen::Key: {
                        // Refused at "計算", then cancelled: the text stays in the dialog.
                        auto& key = static_cast<ShearKeyDialog&>(box.box->form());
                        typeInto(*box.box, value);
                        key.cmd1.press();
                        key.hide();
                        stabilityOnward(p);
                        break;
                    }
                    case Screen::Covers:
                        run.svc.modalScripts.push_back([&](plat::Form& shown) {
                            auto& covers = static_cast<Form22&>(shown);
                            fillCovers(covers);
                            box.box->setText(value);
                            covers.cmd1.press();
                            if (covers.visible()) covers.cmd2.press();
                        });
                        p.form<Form7>().cmd6.press();
                        fixture::chooseBars(p);
                        fixture::checkSections(p);
                        break;
                    case Screen::Section:
                        typeInto(*box.box, value);
                        fixture::checkSections(p);
                        break;
                }
                if (refused) {
                    // Refused: a result that counts is the wall's own, from before.
                    if (p.hasResult()) {
                        EXPECT_EQ(panel(p), panelBefore) << name;
                    }
                    if (p.checkCurrent()) {
                        EXPECT_EQ(sections(p), sectionsBefore) << name;
                    }
                    EXPECT_FALSE(run.svc.messages.empty()) << name;
                    // Still in its box (a cancelled dialog takes it away): the last refusal
                    // names it, on its screen or in its dialog, the focus in it.
                    plat::Form* form = p.find(formName);
                    if (form && form->control(control) == box.box && box.box->text() == value) {
                        const std::vector<BoundedBox> rules = projectRules(p);
                        const BoundedBox* wrong = firstBrokenRule(rules);
                        ASSERT_NE(wrong, nullptr) << name;
                        EXPECT_EQ(wrong->box, box.box) << name;
                        // A spacing that is no positive number keeps its own message.
                        const std::string last = run.svc.messages.back().text;
                        if (last != "設計上の鉄筋の間隔には正の数値を入力してください。") {
                            EXPECT_EQ(last, refusalMessage(*wrong)) << name;
                        }
                        EXPECT_EQ(form->activeControl(), box.box) << name;
                        EXPECT_TRUE(form->visible()) << name;
                    }
                }
                expectShortNumbers(p, *box.box, name);
                if (p.hasResult() && p.checkCurrent()) {
                    run.svc.modalScripts.push_back([](plat::Form& f) {
                        auto& range = static_cast<Form15&>(f);
                        range.opt5.userClick();
                        range.cmd1.press();
                    });
                    run.main->Men_FPrn.userClick();
                    ASSERT_EQ(run.svc.printJobs.size(), 1u) << name;
                    for (const std::string& text : run.svc.printJobs[0]->texts())
                        EXPECT_LE(mostSignificantDigits(text), 15) << name << ": " << text;
                }
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(sessions, 300);
    std::printf("%d sessions in %.1f s\n", sessions, seconds);
}

}  // namespace
