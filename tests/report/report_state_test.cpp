// Which report pages are made, or which refusal shows, for the states a project passes
// through and for every way of asking for pages: the preview from the current screen,
// the step from page 4 to page 5, and the print ranges. Each cell starts from a fresh
// program and the wall with heel, toe and key (nine pages) entered through the screens.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "report/preview_window.h"
#include "report/print_range_dialog.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

using fixture::Wall;
using Pages = std::vector<int>;

const std::string kStability = "安定性の検討をしてください。";
const std::string kSection = "断面の計算をしてください。";

// What a request made: its pages, or the one message that refused it.
struct Outcome {
    Pages pages;
    std::string message;
    bool operator==(const Outcome&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    if (!o.message.empty()) return os << "message " << o.message;
    os << "pages";
    for (int p : o.pages) os << " " << p;
    return os;
}
Outcome pages(Pages p) { return {std::move(p), {}}; }
Outcome refused(const std::string& message) { return {{}, message}; }
Pages range(int first, int last) {
    Pages out;
    for (int p = first; p <= last; ++p) out.push_back(p);
    return out;
}

void type(plat::TextBox& box, const std::string& text) {
    box.setFocus();
    box.selectAll();
    for (char c : text) box.keyPress(static_cast<unsigned char>(c));
}

// A program with its main window, and the requests for pages made as a user makes them.
class Session : public ProgramWithMainWindow {
public:
    // The preview from the current screen: the page it shows.
    Outcome preview() {
        svc.clear();
        prog.form<MDIForm1>().FileImage();
        Outcome out = shownOrMessage();
        closePreview();
        return out;
    }

    // The preview opened on page 2 and stepped on to page 5.
    Outcome step4to5() {
        svc.clear();
        prog.currentScreen = 2;
        prog.form<MDIForm1>().FileImage();
        // 2 to 3 to 4, then the step in question.
        for (int i = 0; i < 3 && svc.messages.empty(); ++i) shown()->Men_Nex.userClick();
        Outcome out = shownOrMessage();
        closePreview();
        return out;
    }

    // A print range, numbered from its first page so that each sheet carries its page.
    Outcome print(int option) {
        static const int firstPage[] = {0, 1, 2, 5, 2, 1};
        svc.clear();
        const size_t jobs = svc.printJobs.size();
        svc.modalScripts.push_back([option](plat::Form& f) {
            auto& d = static_cast<Form15&>(f);
            plat::OptionButton* opts[] = {&d.opt1, &d.opt2, &d.opt3, &d.opt4, &d.opt5};
            opts[option - 1]->userClick();
            if (d.chk_P.value() == 0) d.chk_P.userClick();
            d.txt_P.setText(std::to_string(firstPage[option]));
            d.cmd1.press();
        });
        prog.form<MDIForm1>().Men_FPrn_Click();
        if (svc.printJobs.size() == jobs) return messageOnly();
        Outcome out;
        for (const plat::DrawOp& op : svc.printJobs.back()->ops())
            if (op.kind == plat::DrawOp::Text && op.text.rfind("－ ", 0) == 0)
                out.pages.push_back(std::stoi(op.text.substr(std::string("－ ").size())));
        EXPECT_TRUE(svc.messages.empty()) << ::testing::PrintToString(svc.messageTexts());
        return out;
    }

    PreviewWindow* shown() {
        for (int page = 1; page <= report::kPageCount; ++page) {
            PreviewWindow* w = loadedPreviewWindow(prog, page);
            if (w && w->visible()) return w;
        }
        return nullptr;
    }

private:
    Outcome messageOnly() {
        EXPECT_EQ(svc.messages.size(), 1u) << ::testing::PrintToString(svc.messageTexts());
        if (svc.messages.empty()) return {};
        EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
        return refused(svc.messages[0].text);
    }
    Outcome shownOrMessage() {
        if (!svc.messages.empty()) return messageOnly();
        PreviewWindow* w = shown();
        return w ? pages({w->page()}) : Outcome{};
    }
    void closePreview() {
        if (PreviewWindow* w = shown()) w->Men_Cls.userClick();
    }
};

// The requests of a row, in the order of the table's columns.
struct Row {
    const char* state;
    std::function<void(Program&)> reach;
    Outcome preview, step, all, stabilityAndSection, section, stability;
};

void checked(Program& p) { fixture::enterWall(p, Wall::HeelToeKey); }

void runTable(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        // Each request on a program of its own, brought to the row's state.
        for (int i = 0; i < 6; ++i) {
            Session t;
            row.reach(t.prog);
            const std::function<Outcome()> requests[6] = {
                [&] { return t.preview(); }, [&] { return t.step4to5(); }, [&] { return t.print(5); },
                [&] { return t.print(4); },  [&] { return t.print(3); },   [&] { return t.print(2); }};
            const Outcome* expected[] = {&row.preview, &row.step, &row.all, &row.stabilityAndSection, &row.section,
                                         &row.stability};
            const char* names[] = {"preview", "step 4 to 5", "一般事項・安定計算・断面計算", "安定計算・断面計算",
                                   "断面計算", "安定計算"};
            SCOPED_TRACE(std::string(row.state) + " / " + names[i]);
            EXPECT_EQ(requests[i](), *expected[i]);
        }
    }
}

TEST(ReportStateTable, PagesFollowTheCurrentResults) {
    const Outcome S = refused(kStability), D = refused(kSection);
    const Outcome all = pages(range(1, 9)), fromTwo = pages(range(2, 9)), sections = pages(range(5, 9)),
                  stability = pages(range(2, 4));
    const std::vector<Row> rows = {
        {"after File > New", [](Program& p) { checked(p); p.form<MDIForm1>().FileNew(); }, S, S, S, S, S, S},
        {"checked, then the concrete strength typed anew",
         [](Program& p) {
             checked(p);
             Form3& c = p.form<Form3>();
             c.show();
             type(c.txt2, "30");
         },
         S, S, S, S, S, S},
        {"checked, then the inner span typed anew",
         [](Program& p) {
             checked(p);
             Form4& d = p.form<Form4>();
             p.form<Form7>().hide();
             type(d.txt14, "2.2");
         },
         S, S, S, S, S, S},
        {"stability checked, section screen never opened",
         [](Program& p) {
             fixture::placeStability(p, Wall::HeelToeKey);
         },
         pages({2}), D, D, D, D, stability},
        // From the section screen before its check the preview opens at the last stability page.
        {"section screen opened, not checked",
         [](Program& p) {
             fixture::placeStability(p, Wall::HeelToeKey);
             fixture::openSections(p);
             fixture::chooseBars(p);
         },
         pages({4}), D, D, D, D, stability},
        {"checked, then a design spacing typed",
         [](Program& p) {
             checked(p);
             type(p.form<Form7>().txt2, "150");
         },
         pages({4}), D, D, D, D, stability},
        {"checked and current", checked, pages({5}), pages({5}), all, fromTwo, sections, stability},
    };
    runTable(rows);
}

// Every section edit after a check resets it: the section pages wait for a new one.
TEST(ReportStateTable, SectionEditsAfterACheckRefuseTheSectionPages) {
    const Outcome D = refused(kSection), stability = pages(range(2, 4)), lastStability = pages({4});
    const std::vector<Row> rows = {
        {"checked, then another bar picked",
         [](Program& p) {
             checked(p);
             p.form<Form7>().cbo2.userPick(7);
         },
         lastStability, D, D, D, D, stability},
        {"checked with a typed KA, then the KA typed anew",
         [](Program& p) {
             fixture::placeStability(p, Wall::HeelToeKey);
             fixture::openSections(p);
             Form7& s = p.form<Form7>();
             s.cmd4.press();
             type(s.txt_ka, "0.35");
             fixture::chooseBars(p);
             fixture::checkSections(p);
             type(s.txt_ka, "0.6");
         },
         lastStability, D, D, D, D, stability},
    };
    runTable(rows);
}

// ---- The report commands of the File menu and the toolbar, state by state ----

// The File menu's 印刷イメージ and 印刷 as it opens, and the toolbar's buttons 5 and 6.
struct Offer {
    bool menuPreview, menuPrint, toolbarPreview, toolbarPrint;
    bool operator==(const Offer&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Offer& o) {
    return os << "menu " << o.menuPreview << o.menuPrint << " toolbar " << o.toolbarPreview << o.toolbarPrint;
}

struct CommandRow {
    const char* state;
    std::function<void(Program&)> reach;
    Offer offer;
    // The preview from the design conditions, the dimensions and the section screen (from
    // none where no project is open), then the whole report and the stability pages printed.
    std::vector<Outcome> previews;
    Outcome all, stability;
};

void runCommandTable(const std::vector<CommandRow>& rows) {
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(row.state);
        Session t;
        row.reach(t.prog);
        MDIForm1& main = t.prog.form<MDIForm1>();
        main.Men_F.userClick();
        const Offer offer{main.Men_FImg.enabled(), main.Men_FPrn.enabled(),
                          button(main.Toolbar1, ToolbarButton::Preview).enabled,
                          button(main.Toolbar1, ToolbarButton::Print).enabled};
        EXPECT_EQ(offer, row.offer);
        const int firstScreen = row.previews.size() == 1 ? 0 : 1;
        for (std::size_t i = 0; i < row.previews.size(); ++i) {
            t.prog.currentScreen = firstScreen + static_cast<int>(i);
            EXPECT_EQ(t.preview(), row.previews[i]) << "preview from screen " << t.prog.currentScreen;
        }
        EXPECT_EQ(t.print(5), row.all) << "一般事項・安定計算・断面計算";
        EXPECT_EQ(t.print(2), row.stability) << "安定計算";
    }
}

void stabilityOnly(Program& p) { fixture::placeStability(p, Wall::HeelToeKey); }
void sectionUnderWay(Program& p) {
    stabilityOnly(p);
    fixture::openSections(p);
    fixture::chooseBars(p);
}
// "応力度計算" refused: a design spacing emptied with the delete key.
void refusedCheck(Program& p) {
    plat::TextBox& spacing = p.form<Form7>().txt5;
    spacing.setFocus();
    spacing.userEdit("", 0, 0);
    auto& svc = static_cast<ScriptedServices&>(p.services());
    svc.clear();
    fixture::checkSections(p);
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"設計上の鉄筋の間隔を入力してください。"});
}

// Preview and print are offered exactly while a stability result stands for the inputs on
// screen, so that the stability pages can be seen and printed while the section design is
// under way; the toolbar keeps its own rules. Reached by different histories, the same
// inputs offer the same.
TEST(ReportCommandTable, MenuOffersWhatTheResultsMake) {
    const Outcome S = refused(kStability), D = refused(kSection);
    const Outcome all = pages(range(1, 9)), stability = pages(range(2, 4));
    const Offer none{false, false, false, false}, every{true, true, true, true};
    // The toolbar's preview goes with a bar choice; its print stays.
    const Offer underWay{true, true, false, true};
    const std::vector<CommandRow> rows = {
        {"no project", [](Program&) {}, none, {S}, S, S},
        {"after New", [](Program& p) { p.form<MDIForm1>().FileNew(); }, none, {S, S, S}, S, S},
        {"design conditions only", [](Program& p) { fixture::enterConditions(p, Wall::HeelToeKey); }, none, {S, S, S},
         S, S},
        {"stability current", stabilityOnly, every, {pages({1}), pages({2}), pages({4})}, D, stability},
        {"section under way", sectionUnderWay, underWay, {pages({1}), pages({2}), pages({4})}, D, stability},
        {"section checked", checked, every, {pages({1}), pages({2}), pages({5})}, all, stability},
        {"after a refused 応力度計算",
         [](Program& p) {
             sectionUnderWay(p);
             refusedCheck(p);
         },
         underWay, {pages({1}), pages({2}), pages({4})}, D, stability},
        {"checked, then a refused 応力度計算",
         [](Program& p) {
             checked(p);
             refusedCheck(p);
         },
         underWay, {pages({1}), pages({2}), pages({4})}, D, stability},
        // The soil type drops the stability result but, as its rule says, not the toolbar.
        {"checked, then another soil picked",
         [](Program& p) {
             checked(p);
             Form3& c = p.form<Form3>();
             c.cbo1.userPick(c.cbo1.listIndex() == 0 ? 1 : 0);
         },
         {false, false, true, true}, {S, S, S}, S, S},
        {"after Close",
         [](Program& p) {
             checked(p);
             static_cast<ScriptedServices&>(p.services()).answers.push_back(plat::MsgResult::OK);
             p.form<MDIForm1>().Men_FCls_Click();
         },
         none, {S}, S, S},
    };
    runCommandTable(rows);
}

}  // namespace

namespace {

bool printed(const plat::RecordingSurface& job, const std::string& line) {
    for (const std::string& t : job.texts())
        if (t == line) return true;
    return false;
}

// Page 1 prints the design conditions as the screen holds them: a text that no calculation
// uses follows the screen; a value typed in a way that did not clear the results (an edit
// of the toolkit's own, without a key press) is not printed beside results computed without it.
TEST(ReportDesignValues, PageOneShowsTheScreenOrRefuses) {
    Session t;
    checked(t.prog);
    Form3& c = t.prog.form<Form3>();
    c.show();
    type(c.txt1, "Osaka");
    ASSERT_EQ(t.print(1), pages({1}));
    EXPECT_TRUE(printed(*t.svc.printJobs.back(), "              ・築造地 ： Osaka"));

    c.txt2.userEdit("30", 2, 0);
    EXPECT_EQ(t.print(1), refused(kStability));
    EXPECT_EQ(t.prog.concreteStrength, 21) << "the stored values stay those of the results";
    EXPECT_EQ(t.preview(), refused(kStability));
}

}  // namespace
