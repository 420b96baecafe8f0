// The ways forward through the screens, each seen before and after: the load case chosen
// with the option beside its button, the focus after the key dialogs' "計算", and a click
// or an unchanged check that keeps the section design of an opened project.
#include <filesystem>

#include "section/section_history_fixture.h"

namespace {

using history::Session;
using history::Wall;

const Wall kOrdinary{"Ordinary", {}};

// ---- The load case by its option ----

struct LoadCaseLayout {
    bool shortTermRow, seismicButton, deltaButton;
    bool operator==(const LoadCaseLayout&) const = default;
};

LoadCaseLayout layoutOf(Form3& c) { return {c.txt13.visible(), c.cmd4.enabled(), c.cmd7.enabled()}; }

// Every field filled in the normal case; then the option beside "地震時" is clicked, not
// the button: the screen lays itself out for the seismic case, asks for the short-term ft
// in its box, and takes it there.
TEST(LoadCaseOption, ClickedBesideTheButtonActsAsTheButton) {
    Session s;
    s.main().FileNew();
    Form3& c = s.conditions();
    c.cmd1.press();  // "常時"
    c.opt_T.userClick();
    screen_input::typeDesignValues(c, "東京都");
    c.cmd6.press();
    s.prog.form<Form14>();  // the normal case's methods, loaded
    EXPECT_EQ(layoutOf(c), (LoadCaseLayout{false, false, false}));
    EXPECT_FALSE(c.txt15.text().empty());

    c.opt4.userClick();
    EXPECT_TRUE(c.opt4.value());
    EXPECT_EQ(layoutOf(c), (LoadCaseLayout{true, true, true}));
    EXPECT_EQ(c.txt15.text(), "");  // KA and δ are given again for the seismic case
    EXPECT_EQ(c.txt10.text(), "");
    EXPECT_EQ(s.prog.find(Form14::kName), nullptr);

    c.txt10.setText("20");
    c.cmd5.press();  // KA "直接入力"
    c.txt15.setText("0.5");
    s.svc.clear();
    s.svc.modalScripts.push_back([](plat::Form& form) { static_cast<Form25&>(form).cmd2.press(); });
    c.cmd3.press();
    ASSERT_EQ(s.svc.messageTexts(), std::vector<std::string>{"短期の鉄筋の許容引張応力度を入力してください。"});
    EXPECT_TRUE(c.txt13.hasFocus());
    c.txt13.keyPress('3');
    EXPECT_EQ(c.txt13.text(), "3");

    // Back with the option beside "常時": the short-term row goes, and so do the seismic buttons.
    c.opt3.userClick();
    EXPECT_TRUE(c.opt3.value());
    EXPECT_EQ(layoutOf(c), (LoadCaseLayout{false, false, false}));
    EXPECT_EQ(c.txt13.text(), "");
    EXPECT_EQ(s.prog.find(Form21::kName), nullptr);
}

// ---- The focus after the key dialogs ----

// The wall with a key chosen and no key entered, under the building or the road standard.
void keyWithoutHeight(Session& s, bool road) {
    s.enter(kOrdinary);
    if (road) {
        Form3& c = s.conditions();
        c.opt_D.userClick();
        c.cbo1.setListIndex(2);
        c.cbo2.setListIndex(2);
        c.cmd3.press();
        s.prog.form<Form23>().cmd1.press();
    }
    s.dims().opt6.userClick();
}

void fillKey(ShearKeyDialog& key) {
    key.txt1.setText("0.3");
    key.txt2.setText("1.0");
    key.txt3.setText("0.4");
    key.cmd1.press();  // "計算"
}

TEST(KeyDialogs, CalculationLeadsToTheStabilityCheck) {
    for (bool road : {false, true}) {
        for (bool byCheck : {true, false}) {
            Session s;
            keyWithoutHeight(s, road);
            Form4& d = s.dims();
            s.svc.modalScripts.push_back([&](plat::Form& form) {
                EXPECT_EQ(form.name(), road ? "Form26" : "Form19");
                fillKey(static_cast<ShearKeyDialog&>(form));
            });
            // Asked for by the check, or opened with "突起の計算".
            (byCheck ? d.cmd3 : d.cmd5).press();
            EXPECT_TRUE(d.cmd3.hasFocus()) << (road ? "road" : "building") << (byCheck ? " check" : " button");
            // One more Enter runs the check, which judges the key.
            s.svc.clear();
            d.cmd3.keyPress(plat::kKeyEnter);
            EXPECT_TRUE(s.svc.messages.empty()) << s.svc.messageTexts().front();
            EXPECT_TRUE(d.lbl65.visible());
            EXPECT_TRUE(d.cmd1.hasFocus());
        }
    }
}

// ---- A click, and an unchanged check, in an opened project ----

struct Rows {
    std::vector<std::string> bars, design, verdicts;
    bool operator==(const Rows&) const = default;
};

Rows rowsOf(Session& s) {
    Rows r;
    for (const Form7::Row& row : s.sec().rows()) {
        r.bars.push_back(row.bars.text());
        r.design.push_back(row.design.text());
        r.verdicts.push_back(row.results[3]->caption());
    }
    return r;
}

class OpenedProject : public ::testing::Test {
protected:
    void SetUp() override {
        file = (std::filesystem::temp_directory_path() /
                ("miranosu-opened-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 ".ywd"))
                   .string();
        Session designed;
        designed.design(kOrdinary);
        designed.svc.fileAnswers.push_back(file);
        designed.main().Men_FSav_Click();
        s.svc.fileAnswers.push_back(file);
        s.main().FileOpen();
        checked = rowsOf(s);
        // Forward to the dimensions.
        s.conditions().cmd3.press();
        s.prog.form<Form23>().cmd1.press();
        s.svc.clear();
    }
    void TearDown() override { std::filesystem::remove(file); }

    // The text typed over the whole of a box, then the focus leaves it.
    void retype(const char* name, std::string text) {
        plat::TextBox& box = s.box(name);
        box.setFocus();
        box.Click();
        for (char ch : text) box.keyPress(ch);
        s.dims().txt5.setFocus();
    }

    std::string file;
    Session s;
    Rows checked;
};

TEST_F(OpenedProject, AClickIntoABoxDropsNothing) {
    ASSERT_EQ(checked.bars[0], "  D16");
    ASSERT_EQ(checked.verdicts[0], "O.K");
    ASSERT_TRUE(s.dims().lbl57.visible());
    plat::TextBox& box = s.box("txt17");
    box.setFocus();
    box.Click();
    EXPECT_EQ(box.selLength(), static_cast<int>(box.text().size()));  // selected for typing over
    EXPECT_TRUE(s.dims().lbl57.visible());
    EXPECT_TRUE(s.prog.hasResult());
    EXPECT_EQ(rowsOf(s), checked);
    s.handOver();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(rowsOf(s), checked);
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
}

// The same height typed again: the result goes with the edit, but the check of the same
// inputs gives every row what it had, so the bars, spacings and the check stand.
TEST_F(OpenedProject, AnUnchangedCheckKeepsTheBarsAndSpacings) {
    retype("txt5", s.box("txt5").text());
    EXPECT_FALSE(s.prog.hasResult());
    EXPECT_FALSE(s.dims().lbl57.visible());
    s.stabilityCheck();
    s.handOver();
    EXPECT_TRUE(s.svc.messages.empty());
    EXPECT_EQ(rowsOf(s), checked);
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
}

// A longer toe: the base slab's rows are worked out anew and emptied; the upright walls,
// whose forces the toe does not change, keep theirs.
TEST_F(OpenedProject, AChangedCheckEmptiesWhatItChanged) {
    retype("txt12", "0.6");
    s.stabilityCheck();
    s.handOver();
    const Rows after = rowsOf(s);
    EXPECT_EQ(after.bars[0], checked.bars[0]);
    EXPECT_EQ(after.design[1], checked.design[1]);
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(after.bars[i], "") << i;
        EXPECT_EQ(after.design[i], "") << i;
        EXPECT_EQ(after.verdicts[i], "") << i;
    }
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 0);
}

}  // namespace
