// Every wall ends in a result: a location that nothing loads, and a location whose forces
// the ground reaction does not give, are results of the section check, not inputs still
// missing. The check completes, the project saves and reopens as it was, and every
// section page prints.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/calc_fault.h"
#include "platform/surface.h"
#include "project/project_fixture.h"
#include "report/current_results.h"
#include "report/print_range_dialog.h"
#include "report/report_pages.h"
#include "section/section_history_fixture.h"

namespace {

using history::Session;
using history::Wall;

enum class Kind { Ordinary, WithoutLoad, Refused };

struct DeadEndCase {
    const char* name;
    Wall wall;
    std::map<int, Kind> kinds;  // the locations that are not ordinary
};

// The common wall with its rear wall 2.5 m above the back soil: the soil (2.1 m over the
// slab) stays below the upright wall's mid-height (4.6 / 2 = 2.3 m), and in the normal
// case nothing loads location 1.
const Wall kNoLoadAtMidHeight{"NoLoadAtMidHeight", {{"txt6", "2.5"}}};

const DeadEndCase kCases[] = {
    {"Ordinary", Wall{"Ordinary", {}}, {}},
    {"WithoutLoadAtMidHeight", kNoLoadAtMidHeight, {{1, Kind::WithoutLoad}}},
    // KA 3, back surcharge 40, no vertical component: the resultant lies beyond the toe.
    {"ResultantOutsideTheBase",
     Wall{"OutsideBase", {{"txt21", "40"}}, "3", LoadCase::Normal, "", false},
     {{5, Kind::Refused}, {6, Kind::Refused}, {7, Kind::Refused}, {8, Kind::Refused}, {9, Kind::Refused}}},
    // KA 3.3: the contact ends between mid-span and the rear wall.
    {"ContactEndsBetweenTheWalls",
     Wall{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false},
     {{5, Kind::Refused}, {6, Kind::Refused}, {7, Kind::Refused}, {8, Kind::Refused}}},
    // KA 2.8: the contact ends under the rear wall, short of the heel.
    {"ContactEndsShortOfTheHeel", Wall{"ContactShortOfHeel", {}, "2.8", LoadCase::Normal, "", false},
     {{8, Kind::Refused}}},
};

const char* const kSectionHeadings[] = {"１）たて壁（中央部）",     "２）たて壁（固定部）",     "３）底版（中央部）",
                                        "４）底版（前面固定部）",   "５）底版（後面固定部）",   "６）かかと版（固定部）",
                                        "７）つま先版（固定部）"};
const int kHeadingLocations[] = {1, 2, 5, 6, 7, 8, 9};

Kind kindOf(const DeadEndCase& c, int loc) {
    auto it = c.kinds.find(loc);
    return it == c.kinds.end() ? Kind::Ordinary : it->second;
}

std::string blanks(int n) { return std::string(n, ' '); }

// What the section screen shows of one row, as the user reads it.
struct RowView {
    std::string bar, computed, design;
    std::vector<std::string> results;
    bool barsEnabled, designEnabled;
    plat::Colour verdictColour;
};

RowView viewOf(Form7& f, int loc) {
    Form7::Row r = f.row(loc);
    RowView v{r.bars.text(), r.computed.caption(), r.design.text(), {}, r.bars.enabled(), r.design.enabled(),
              r.results[3]->foreColor()};
    for (const plat::Label* l : r.results) v.results.push_back(l->caption());
    return v;
}

// The screen texts of each kind of row.
void expectRow(Form7& f, int loc, Kind kind, const std::string& where) {
    const RowView v = viewOf(f, loc);
    SCOPED_TRACE(where + " location " + std::to_string(loc));
    switch (kind) {
    case Kind::Refused:
        EXPECT_EQ(v.bar, "");
        EXPECT_EQ(v.design, "");
        EXPECT_EQ(v.computed, "");
        EXPECT_FALSE(v.barsEnabled);
        EXPECT_FALSE(v.designEnabled);
        EXPECT_EQ(v.results, (std::vector<std::string>{"――", "――", "――", "NG"}));
        EXPECT_EQ(v.verdictColour, plat::kColour13);
        break;
    case Kind::WithoutLoad:
        EXPECT_EQ(v.bar, "  D16");
        EXPECT_EQ(v.computed, "――");
        EXPECT_EQ(v.design, "250");
        EXPECT_TRUE(v.barsEnabled);
        EXPECT_EQ(v.results, (std::vector<std::string>{"0.000", "0.000", "0.000", "O.K"}));
        EXPECT_EQ(v.verdictColour, plat::kBlack);
        break;
    case Kind::Ordinary:
        EXPECT_EQ(v.bar, "  D16");
        EXPECT_NE(v.computed, "");
        EXPECT_NE(v.computed, "――");
        EXPECT_TRUE(v.barsEnabled);
        EXPECT_TRUE(v.designEnabled);
        EXPECT_TRUE(v.results[3] == "O.K" || v.results[3] == "NG") << v.results[3];
        break;
    }
}

bool saveAsOffered(Program& p) {
    MDIForm1& main = p.form<MDIForm1>();
    main.Men_F_Click();
    return main.Men_FSav.enabled();
}

// Pages 6 to 9: the lines under each section heading up to the next heading.
std::map<int, std::vector<std::string>> sectionBlocks(Program& p) {
    plat::RecordingSurface surface;
    p.outputSurface = &surface;
    std::map<int, std::vector<std::string>> blocks;
    int current = 0;
    for (int page = 6; page <= 9; ++page) {
        surface.clear();
        report::runWriters(p, page);
        for (const std::string& t : surface.texts()) {
            for (size_t i = 0; i < std::size(kSectionHeadings); ++i)
                if (t == blanks(14) + kSectionHeadings[i]) current = kHeadingLocations[i];
            if (current != 0) blocks[current].push_back(t);
        }
        current = 0;
    }
    p.outputSurface = nullptr;
    return blocks;
}

void expectReport(Program& p, const DeadEndCase& c, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(report::mayMakePages(p, true));
    // Pages 1 to 5 print without a fault.
    plat::RecordingSurface surface;
    p.outputSurface = &surface;
    for (int page = 1; page <= 5; ++page) {
        surface.clear();
        EXPECT_NO_THROW(report::runWriters(p, page)) << page;
        EXPECT_FALSE(surface.texts().empty()) << page;
    }
    p.outputSurface = nullptr;
    const auto blocks = sectionBlocks(p);
    for (int loc : p.form<Form7>().presentLocations()) {
        if (loc == 10) continue;
        ASSERT_TRUE(blocks.count(loc)) << loc;
        const std::vector<std::string>& b = blocks.at(loc);
        const auto has = [&b](const std::string& text) {
            return std::any_of(b.begin(), b.end(), [&](const std::string& t) { return t.find(text) != std::string::npos; });
        };
        switch (kindOf(c, loc)) {
        case Kind::Refused:
            EXPECT_EQ(std::count_if(b.begin(), b.end(), [](const std::string& t) { return !t.empty(); }), 2) << loc;
            EXPECT_TRUE(has(blanks(18) + "この地盤反力の分布では断面力を計算できない  ∴NG")) << loc;
            break;
        case Kind::WithoutLoad:
            EXPECT_TRUE(has("配筋 D16-――@  -----> ∴ D16-250@  とする")) << loc;
            EXPECT_TRUE(has("M=0Ncm/m") || has("=0Ncm/m")) << loc;
            EXPECT_TRUE(has("σc=2M/(k･j･b･d^2)=2×0/(")) << loc;
            break;
        case Kind::Ordinary:
            EXPECT_TRUE(has("∴ D16-")) << loc;
            EXPECT_FALSE(has("∴NG")) << loc;
            break;
        }
    }
}

// File > 印刷 of every page: the sheets of the job with the texts drawn on each.
std::vector<std::vector<std::string>> printAll(Program& p, ScriptedServices& svc) {
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        d.opt5.userClick();
        d.cmd1.press();
    });
    const size_t jobs = svc.printJobs.size();
    p.form<MDIForm1>().Men_FPrn.userClick();
    std::vector<std::vector<std::string>> sheets;
    if (svc.printJobs.size() != jobs + 1) return sheets;
    sheets.emplace_back();
    for (const plat::DrawOp& op : svc.printJobs.back()->ops()) {
        if (op.kind == plat::DrawOp::NewPage) sheets.emplace_back();
        if (op.kind == plat::DrawOp::Text) sheets.back().push_back(op.text);
    }
    std::erase_if(sheets, [](const std::vector<std::string>& sheet) { return sheet.empty(); });
    return sheets;
}

// Every section heading of the wall's locations is printed, each once.
void expectPrinted(Program& p, ScriptedServices& svc, const std::string& where) {
    SCOPED_TRACE(where);
    const auto sheets = printAll(p, svc);
    // Pages 1 to 9, the key page left out (these walls have none).
    EXPECT_EQ(sheets.size(), 9u);
    std::vector<std::string> headings;
    for (const auto& sheet : sheets)
        for (const std::string& t : sheet)
            for (const char* h : kSectionHeadings)
                if (t == blanks(14) + h) headings.push_back(h);
    std::vector<std::string> expected;
    const std::vector<int> present = p.form<Form7>().presentLocations();
    for (size_t i = 0; i < std::size(kSectionHeadings); ++i)
        if (std::find(present.begin(), present.end(), kHeadingLocations[i]) != present.end())
            expected.push_back(kSectionHeadings[i]);
    EXPECT_EQ(headings, expected);
}

class DeadEnds : public ProjectFixture, public ::testing::WithParamInterface<DeadEndCase> {};

TEST_P(DeadEnds, TheCheckCompletesSavesReopensAndPrints) {
    const DeadEndCase& c = GetParam();
    Session s;
    s.design(c.wall);
    Form7& f = s.sec();
    for (const auto& m : s.svc.messages) {
        EXPECT_NE(m.text, "鉄筋の種類を選択してください。");
        EXPECT_NE(m.text, kCannotComputeMessage);
    }
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    for (int loc : f.presentLocations()) expectRow(f, loc, kindOf(c, loc), "checked");
    EXPECT_TRUE(saveAsOffered(s.prog));
    expectReport(s.prog, c, "checked");
    expectPrinted(s.prog, s.svc, "checked");

    // Saved and opened in another run of the program: the same screen, the same pages.
    const std::string file = path("wall.ywd");
    saveAs(s.prog, s.svc, file);
    Fresh other;
    open(other.prog, other.svc, file);
    EXPECT_EQ(other.prog.sectionCheckDoneValue(), 1);
    Form7& g = other.prog.form<Form7>();
    for (int loc : g.presentLocations()) expectRow(g, loc, kindOf(c, loc), "reopened");
    EXPECT_TRUE(saveAsOffered(other.prog));
    expectReport(other.prog, c, "reopened");
    expectPrinted(other.prog, other.svc, "reopened");
}

INSTANTIATE_TEST_SUITE_P(Walls, DeadEnds, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The screen says below the grid why its refused rows are NG, in the words of their report
// block, naming them by the letters of their rows; the line follows the rows as the
// wall changes and is gone once no row is refused.
TEST(RefusedRows, TheScreenSaysWhyBelowTheGrid) {
    const std::string why = "この地盤反力の分布では断面力を計算できない";
    Session s;
    s.design(Wall{"Typed25", {}, "2.5", LoadCase::Normal, "", false});
    Form7& f = s.sec();
    ASSERT_FALSE(f.refusedRow(5));
    EXPECT_EQ(f.lbl_ng.caption(), "");
    // The line stands in the NG colour between the last row and the steps, the width
    // of the grid's left part, clear of the sketch.
    EXPECT_TRUE(f.lbl_ng.visible());
    EXPECT_EQ(f.lbl_ng.foreColor(), plat::kColour13);
    EXPECT_GE(f.lbl_ng.top(), f.txt10.top() + f.txt10.height());
    EXPECT_LE(f.lbl_ng.top() + f.lbl_ng.height(), f.Label22.top());
    EXPECT_GE(f.lbl_ng.width(), 31 * 180);  // the longest line: five letters and the reason
    const struct {
        const char* ka;
        std::vector<int> refused;
        std::string line;
    } steps[] = {
        {"3.3", {5, 6, 7, 8}, "Ｃ・Ｄ・Ｅ・Ｆ：" + why},
        {"2.8", {8}, "Ｆ：" + why},
        {"2.5", {}, ""},
    };
    for (const auto& step : steps) {
        // A new KA on the design conditions and the way forward through the screens.
        s.back();
        Form3& c = s.conditions();
        c.txt15.setText(step.ka);
        c.cmd3.press();
        s.prog.form<Form23>().cmd1.press();
        s.stabilityCheck();
        s.handOver();
        std::vector<int> refused;
        for (int loc : f.presentLocations())
            if (f.refusedRow(loc)) refused.push_back(loc);
        EXPECT_EQ(refused, step.refused) << step.ka;
        EXPECT_EQ(f.lbl_ng.caption(), step.line) << step.ka;
        // The check completes and leaves the line as it is.
        s.sectionCheck();
        EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1) << step.ka;
        EXPECT_EQ(f.lbl_ng.caption(), step.line) << step.ka;
    }
    // The resultant outside the base: every slab location, the toe's too.
    Session outside;
    outside.design(Wall{"OutsideBase", {{"txt21", "40"}}, "3", LoadCase::Normal, "", false});
    EXPECT_EQ(outside.sec().lbl_ng.caption(), "Ｃ・Ｄ・Ｅ・Ｆ・Ｇ：" + why);
}

// A location without load, bar by bar: no message, the bar stays, and any spacing passes
// the comparison with the computed one.
TEST(WithoutLoad, APickKeepsTheBarAndShowsNoRequiredSpacing) {
    Session s;
    s.enter(kNoLoadAtMidHeight);
    s.handOver();
    Form7& f = s.sec();
    s.svc.clear();
    f.cbo1.userPick(6);  // "  D19"
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(f.cbo1.text(), "  D19");
    EXPECT_EQ(f.lbl_ra.caption(), "――");
    EXPECT_EQ(s.prog.designMoment[1], 0.0f);
    EXPECT_EQ(s.prog.designShear[1], 0.0f);
    // Picking again does the same.
    f.cbo1.userPick(4);
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(f.lbl_ra.caption(), "――");
    // A spacing of 300 at the unloaded row; the others within their computed spacing.
    f.txt1.setText("300");
    s.sectionCheck();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(f.lbl4.caption(), "O.K");
}

// A design spacing that is no positive number is told so; an empty box is asked for.
TEST(DesignSpacing, ANonPositiveSpacingHasItsOwnMessage) {
    struct {
        const char* typed;
        const char* message;
    } const cases[] = {
        {"", "設計上の鉄筋の間隔を入力してください。"},
        {"abc", "設計上の鉄筋の間隔には正の数値を入力してください。"},
        {"0", "設計上の鉄筋の間隔には正の数値を入力してください。"},
        {"-100", "設計上の鉄筋の間隔には正の数値を入力してください。"},
    };
    Session s;
    s.design(Wall{"Ordinary", {}});
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    Form7& f = s.sec();
    for (const auto& c : cases) {
        f.txt6.setText(c.typed);
        s.svc.clear();
        f.cmd1.press();
        ASSERT_EQ(s.svc.messages.size(), 1u) << c.typed;
        EXPECT_EQ(s.svc.messages[0].text, c.message) << c.typed;
        EXPECT_EQ(s.svc.messages[0].title, "エラーメッセージ");
        EXPECT_EQ(f.activeControl(), &f.txt6) << c.typed;
        f.txt6.setText("150");
    }
}

}  // namespace
