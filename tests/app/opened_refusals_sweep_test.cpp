// Every box that takes part in a fixture wall, saved with a value its rules refuse and
// opened: the opening names that box, brings its screen or dialog up with the focus in it,
// and no road to a result counts a result that the box feeds. Whenever a result counts on
// the way, every box it is built from keeps its rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/file_lines.h"
#include "app/main_window.h"
#include "common/entry_bounds.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "project/project_file.h"
#include "report/print_range_dialog.h"
#include "section/section_bounds.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "stability/stability_rules.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"

namespace {

// Values no rule takes: a text that is no number, one beyond a float, a negative one.
const char* const kRefused[] = {"abc", "1e999", "-10", "2,8"};

struct SavedBox {
    std::string form, control;
    Bounds bounds;
    // Fed into the stability result; the others into the section check only.
    bool stability;
};

// The boxes that take part in the wall, as its rules list them.
std::vector<SavedBox> partakingBoxes(Program& p) {
    std::vector<SavedBox> out;
    const std::size_t stabilityCount = stabilityRules(p).size();
    const std::vector<BoundedBox> rules = projectRules(p);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const BoundedBox& rule = rules[i];
        if (!rule.applies || rule.anyText) continue;
        out.push_back({rule.box->form().name(), rule.box->name(), rule.bounds, i < stabilityCount});
    }
    return out;
}

// The rules as they stand; any broken one is named.
std::string brokenRule(std::vector<BoundedBox> rules) {
    const BoundedBox* wrong = firstBrokenRule(rules);
    return wrong ? wrong->box->form().name() + "." + wrong->box->name() : "";
}

// A counted result is built from boxes that keep their rules.
void expectCountedResultsSound(Program& p, const std::string& name) {
    if (p.hasResult()) {
        EXPECT_EQ(brokenRule(stabilityRules(p)), "") << name;
    }
    if (p.checkCurrent()) {
        EXPECT_EQ(brokenRule(sectionRules(p)), "") << name;
    }
}

class OpenedRefusals : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("miranosu-opened-refusals-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

// Every road to a result, as an engineer would take it after the opening: the commands of
// the screens in sight, the preview and the print from the menu.
void everyRoad(ProgramWithMainWindow& run, const std::string& name, const std::string& message, bool fedStability) {
    Program& p = run.prog;
    p.form<Form3>().cmd3.press();  // 地盤の形状 >
    expectCountedResultsSound(p, name);
    if (p.form<Form23>().visible()) p.form<Form23>().cmd1.press();
    if (p.form<Form4>().visible()) {
        p.form<Form4>().cmd3.press();  // 安定性の検討
        if (fedStability) {
            EXPECT_FALSE(p.hasResult()) << name << " 安定性の検討";
            EXPECT_EQ(run.svc.messages.back().text, message) << name << " 安定性の検討";
        }
        expectCountedResultsSound(p, name);
        p.form<Form4>().cmd1.press();  // 断面計算 >
        expectCountedResultsSound(p, name);
    }
    if (p.form<Form7>().visible()) {
        for (const Form7::Row& row : p.form<Form7>().rows())
            if (row.bars.visible()) row.bars.userPick(5);  // a bar pick
        expectCountedResultsSound(p, name);
        p.form<Form7>().cmd1.press();  // 応力度計算
        expectCountedResultsSound(p, name);
    }
    const std::size_t jobs = run.svc.printJobs.size();
    run.main->FileImage();
    run.svc.modalScripts.push_back([](plat::Form& f) {
        if (f.name() != Form15::kName) return;
        auto& range = static_cast<Form15&>(f);
        range.opt5.userClick();
        range.cmd1.press();
    });
    run.main->Men_FPrn_Click();
    run.svc.modalScripts.clear();
    if (fedStability) {
        EXPECT_EQ(run.svc.printJobs.size(), jobs) << name << " printed";
    }
    expectCountedResultsSound(p, name);
}

TEST_F(OpenedRefusals, EveryRefusedBoxOfAFileIsNamedBroughtUpAndCountsNowhere) {
    int opened = 0;
    for (fixture::Wall wall : {fixture::Wall::HeelToeKey, fixture::Wall::RoadSeismic, fixture::Wall::TwoSided}) {
        std::vector<std::string> good;
        std::vector<SavedBox> boxes;
        {
            ProgramWithMainWindow first;
            fixture::enterWall(first.prog, wall);
            const std::string file = (dir / "good.ywd").string();
            ASSERT_TRUE(project::write(first.prog, file));
            good = project::read(file).texts;
            boxes = partakingBoxes(first.prog);
        }
        for (const SavedBox& saved : boxes) {
            const int line = fixture::fileLine(saved.form, saved.control);
            ASSERT_GT(line, 0) << saved.form << "." << saved.control;
            for (const char* value : kRefused) {
                if (withinBounds(value, saved.bounds)) continue;
                const std::string name =
                    fixture::name(wall) + " " + saved.form + "." + saved.control + " \"" + value + "\"";
                std::vector<std::string> texts = good;
                texts[line - 1] = value;
                const std::string file = (dir / "refused.ywd").string();
                std::ofstream(file, std::ios::binary | std::ios::trunc) << project::encode(texts);
                ProgramWithMainWindow run;
                Program& p = run.prog;
                run.svc.fileAnswers.push_back(file);
                run.main->FileOpen();
                ++opened;
                // Named once, as its commands name it, and brought up with the focus in it.
                auto* box = static_cast<plat::TextBox*>(p.find(saved.form)->control(saved.control));
                ASSERT_EQ(run.svc.messages.size(), 1u) << name;
                const std::string message = run.svc.messages[0].text;
                const std::vector<BoundedBox> rules = projectRules(p);
                const BoundedBox* wrong = firstBrokenRule(rules);
                ASSERT_NE(wrong, nullptr) << name;
                EXPECT_EQ(wrong->box, box) << name << " named " << message;
                EXPECT_EQ(message, refusalMessage(*wrong)) << name;
                EXPECT_EQ(box->text(), value) << name;
                EXPECT_EQ(box->form().activeControl(), box) << name;
                if (box->form().kind() == plat::FormKind::Dialog)
                    EXPECT_EQ(run.svc.modals.back(), saved.form) << name;
                else
                    EXPECT_TRUE(box->hasFocus() && box->form().visible()) << name;
                EXPECT_FALSE(p.hasResult()) << name;
                EXPECT_FALSE(p.checkCurrent()) << name;
                everyRoad(run, name, message, saved.stability);
            }
        }
    }
    EXPECT_GT(opened, 100);
}

}  // namespace
