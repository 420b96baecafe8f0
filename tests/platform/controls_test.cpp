#include <gtest/gtest.h>

#include "support/test_form.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    ScriptedServices svc;
    TestDesktop desk{svc};
    TestForm& f = desk.form<TestForm>();
    void SetUp() override {
        f.show();
        f.log.clear();
    }
};

// Options: (start selection, option set true from code, expected clicks, expected selection).
struct OptionCase {
    const char* name;
    int initiallySelected;  // -1 none, else index into {o2, o3}
    int set;                // index set true
    bool expectClick;
};

TEST_F(ControlsTest, OptionSetFromCodeClicksOnceAndOnlyOnAChange) {
    const OptionCase cases[] = {
        {"from empty group", -1, 0, true},
        {"to a sibling", 1, 0, true},
        {"already selected", 0, 0, false},
    };
    for (const auto& c : cases) {
        plat::OptionButton* opts[] = {&f.o2, &f.o3};
        f.o2.setValue(false);
        f.o3.setValue(false);
        if (c.initiallySelected >= 0) opts[c.initiallySelected]->setValue(true);
        f.log.clear();
        opts[c.set]->setValue(true);
        int clicks = 0;
        for (const auto& e : f.log)
            if (e.find(".Click") != std::string::npos) ++clicks;
        EXPECT_EQ(clicks, c.expectClick ? 1 : 0) << c.name;
        EXPECT_TRUE(opts[c.set]->value()) << c.name;
        EXPECT_FALSE(opts[1 - c.set]->value()) << c.name;
    }
}

TEST_F(ControlsTest, OptionGroupsFollowTheirContainer) {
    f.o1.setValue(true);
    f.o2.setValue(true);
    EXPECT_TRUE(f.o1.value()) << "o1 sits on the form, o2 in the frame: different groups";
    EXPECT_TRUE(f.o2.value());
    f.o3.setValue(true);
    EXPECT_FALSE(f.o2.value());
    EXPECT_TRUE(f.o1.value());
}

TEST_F(ControlsTest, ClearingAnOptionRunsNothingAndLeavesTheGroupEmpty) {
    f.o2.setValue(true);
    f.log.clear();
    f.o2.setValue(false);
    EXPECT_TRUE(f.log.empty());
    EXPECT_FALSE(f.o2.value());
    EXPECT_FALSE(f.o3.value());
}

TEST_F(ControlsTest, UserClickOnASelectedOptionRunsNothing) {
    f.o2.userClick();
    f.log.clear();
    f.o2.userClick();
    EXPECT_TRUE(f.log.empty());
}

TEST_F(ControlsTest, DisabledOptionCanBeSetFromCode) {
    f.o3.setEnabled(false);
    f.o3.setValue(true);
    EXPECT_TRUE(f.o3.value());
    EXPECT_EQ(f.log, std::vector<std::string>{"o3.Click"});
}

struct ValueCase {
    int from, to;
    bool click;
};

TEST_F(ControlsTest, CheckBoxClicksOnEveryRealChange) {
    const ValueCase cases[] = {{0, 1, true}, {1, 0, true}, {1, 1, false}, {0, 0, false}};
    for (const auto& c : cases) {
        f.chk.setValue(c.from);
        f.log.clear();
        f.chk.setValue(c.to);
        EXPECT_EQ(f.log.size(), c.click ? 1u : 0u) << c.from << "->" << c.to;
        EXPECT_EQ(f.chk.value(), c.to);
    }
}

TEST_F(ControlsTest, ListPositionClicksOnEveryRealChange) {
    const ValueCase cases[] = {{-1, 0, true}, {0, 1, true}, {1, 1, false}, {1, -1, true}, {-1, -1, false}};
    for (const auto& c : cases) {
        f.cb.setListIndex(c.from);
        f.log.clear();
        f.cb.setListIndex(c.to);
        EXPECT_EQ(f.log.size(), c.click ? 1u : 0u) << c.from << "->" << c.to;
        EXPECT_EQ(f.cb.listIndex(), c.to);
        EXPECT_EQ(f.cb.text(), c.to >= 0 ? f.cb.items()[c.to] : "");
    }
}

TEST_F(ControlsTest, ComboTextAndTyping) {
    f.cb.setText("B");
    EXPECT_EQ(f.cb.listIndex(), 1);
    f.cb.setText("砂");
    EXPECT_EQ(f.cb.listIndex(), -1);
    f.log.clear();
    f.cb.keyPress('x');
    EXPECT_EQ(f.cb.text(), "砂x");
    EXPECT_TRUE(f.log.empty()) << "typing runs no Click";
    f.cb.userPick(0);
    EXPECT_EQ(f.cb.text(), "A");
    f.cb.userPick(0);
    EXPECT_EQ(f.log.size(), 2u) << "picking from the list clicks each time";
    f.cb.clear();
    EXPECT_EQ(f.cb.listCount(), 0);
    EXPECT_EQ(f.cb.text(), "");
}

TEST_F(ControlsTest, KeyPressRunsBeforeInsertionAndCanChangeOrDiscardTheKey) {
    std::string seen;
    f.t1.KeyPress = [&](int& k) {
        seen = f.t1.text();
        if (k == 'x') k = 0;
        if (k == 'a') k = 'A';
    };
    f.t1.setText("12");
    f.t1.setSelStart(2);
    f.t1.keyPress('5');
    EXPECT_EQ(seen, "12");
    EXPECT_EQ(f.t1.text(), "125");
    f.t1.keyPress('x');
    EXPECT_EQ(f.t1.text(), "125");
    EXPECT_EQ(svc.beeps, 0) << "a discarded key does not beep";
    f.t1.keyPress('a');
    EXPECT_EQ(f.t1.text(), "125A");
    f.t1.keyPress(plat::kKeyEnter);
    EXPECT_EQ(f.t1.text(), "125A") << "Enter inserts nothing in a single-line box";
    f.t1.keyPress(plat::kKeyBack);
    EXPECT_EQ(f.t1.text(), "125");
}

TEST_F(ControlsTest, TypingReplacesTheSelectionAndCountsCharacters) {
    f.t1.setText("δ=15゜");
    f.t1.setSelStart(2);
    f.t1.setSelLength(2);
    EXPECT_EQ(f.t1.selText(), "15");
    f.t1.keyPress('3');
    EXPECT_EQ(f.t1.text(), "δ=3゜");
    EXPECT_EQ(f.t1.selStart(), 3);
}

TEST_F(ControlsTest, ChangeRunsOnRealChangesFromCodeAndTyping) {
    f.t1.setText("a");
    f.t1.setText("a");
    f.t1.setSelStart(1);
    f.t1.keyPress('b');
    EXPECT_EQ(f.log, (std::vector<std::string>{"t1.Change", "t1.Change"}));
}

// An edit of the toolkit (paste, delete key): Change sees the new caret, and a caret or
// text that the handler sets is what stays.
TEST_F(ControlsTest, ToolkitEditPlacesTheCaretBeforeChangeRuns) {
    f.t1.setText("12");
    int caretSeen = -1;
    f.t1.Change = [this, &caretSeen] {
        caretSeen = f.t1.selStart();
        f.t1.setSelStart(0);
    };
    f.t1.userEdit("123", 3, 0);
    EXPECT_EQ(caretSeen, 3);
    EXPECT_EQ(f.t1.selStart(), 0) << "the handler's caret is kept";
    caretSeen = -1;
    f.t1.userEdit("123", 1, 2);
    EXPECT_EQ(caretSeen, -1) << "a mere selection change is no Change";
    EXPECT_EQ(f.t1.selStart(), 1);
    EXPECT_EQ(f.t1.selLength(), 2);
}

// The user's edits that no key press announces are told as such, after Change; the
// program's own writes and typing are not. Every change the user makes, typed or not, is
// an edit, told last; the program's writes and keys that change nothing are none.
TEST_F(ControlsTest, ToolkitEditIsAUserEdit) {
    std::vector<std::string> seen;
    f.t1.Change = [&] { seen.push_back("Change"); };
    f.t1.UserEdit = [&] { seen.push_back("UserEdit"); };
    f.t1.Edited = [&] { seen.push_back("Edited"); };
    f.t1.setText("12");
    f.t1.setSelStart(2);
    f.t1.keyPress('3');
    EXPECT_EQ(seen, (std::vector<std::string>{"Change", "Change", "Edited"}));
    seen.clear();
    f.t1.userEdit("12", 2, 0);  // the delete key at the end
    EXPECT_EQ(seen, (std::vector<std::string>{"Change", "UserEdit", "Edited"}));
    seen.clear();
    f.t1.userEdit("12", 0, 2);  // only the selection moved
    f.t1.setSelStart(0);
    f.t1.keyPress(plat::kKeyBack);  // nothing before the caret
    f.t1.keyPress(plat::kKeyEnter);
    f.t1.keyPress(plat::kKeyEsc);
    EXPECT_TRUE(seen.empty());
    // A key its handler discards changes nothing either.
    f.t1.KeyPress = [](int& k) { k = 0; };
    f.t1.keyPress('9');
    EXPECT_TRUE(seen.empty());
}

TEST_F(ControlsTest, SingleLineBoxNeverHoldsLineBreaks) {
    f.t1.setText("1\r\n2\n");
    EXPECT_EQ(f.t1.text(), "12");
}

struct SelCase {
    const char* text;
    int start, length;
    int expStart, expLength;
};

TEST_F(ControlsTest, SelectionIsClampedToTheText) {
    const SelCase cases[] = {
        {"12.5", 10, 4, 4, 0},          // start past the end: caret at the end
        {"123456789012", 10, 12, 10, 2},  // length past the end selects to the end
        {"12.5", 0, 4, 0, 4},           {"", 3, 3, 0, 0},
        {"１２３", 1, 5, 1, 2},          // characters, not bytes
        {"abc", -2, 1, 0, 1},
    };
    for (const auto& c : cases) {
        f.t1.setText(c.text);
        f.t1.setSelStart(c.start);
        f.t1.setSelLength(c.length);
        EXPECT_EQ(f.t1.selStart(), c.expStart) << c.text;
        EXPECT_EQ(f.t1.selLength(), c.expLength) << c.text;
    }
}

TEST_F(ControlsTest, SettingSelStartDropsTheLength) {
    f.t1.setText("abcdef");
    f.t1.selectAll();
    f.t1.setSelStart(2);
    EXPECT_EQ(f.t1.selLength(), 0);
}

TEST_F(ControlsTest, FocusRunsGotFocusAtOnceAndLostFocusOfThePrevious) {
    f.t1.setFocus();
    f.log.clear();
    f.t2.setFocus();
    EXPECT_EQ(f.log, (std::vector<std::string>{"t1.LostFocus", "t2.GotFocus"}));
    f.log.clear();
    f.t2.setFocus();
    EXPECT_TRUE(f.log.empty()) << "already focused";
}

TEST_F(ControlsTest, FocusToHiddenOrDisabledControlsDoesNothing) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"hidden", [&] { f.t2.setVisible(false); }},
        {"disabled", [&] { f.t2.setEnabled(false); }},
        {"in a hidden frame", [&] { f.frame.setVisible(false); }},
        {"in a disabled frame", [&] { f.frame.setEnabled(false); }},
        {"on a hidden form", [&] { f.hide(); }},
        {"a label", [] {}},
    };
    for (const auto& c : cases) {
        f.show();
        f.t1.setFocus();
        c.prepare();
        f.log.clear();
        plat::Control& target = std::string(c.name) == "a label" ? static_cast<plat::Control&>(f.lbl)
                                : std::string(c.name).find("frame") != std::string::npos
                                    ? static_cast<plat::Control&>(f.o2)
                                    : static_cast<plat::Control&>(f.t2);
        target.setFocus();
        EXPECT_TRUE(f.log.empty()) << c.name;
        EXPECT_EQ(f.activeControl(), &f.t1) << c.name;
        f.t2.setVisible(true);
        f.t2.setEnabled(true);
        f.frame.setVisible(true);
        f.frame.setEnabled(true);
    }
}

TEST_F(ControlsTest, TabSkipsHiddenDisabledAndUnselectedOptions) {
    f.o2.setValue(false);
    f.o3.setValue(true);
    f.t1.setFocus();
    f.t2.setEnabled(false);
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        f.tabNext();
        order.push_back(f.activeControl()->name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"cb", "btn", "o1", "o3", "chk"}));
}

TEST_F(ControlsTest, ButtonPressedByEnterOrSpaceOnlyWhileFocused) {
    f.btn.keyPress(plat::kKeyEnter);
    f.btn.keyPress(' ');
    EXPECT_EQ(f.log, (std::vector<std::string>{"btn.Click", "btn.Click"}));
    f.log.clear();
    f.t1.keyPress(plat::kKeyEnter);
    EXPECT_TRUE(f.log.empty());
}

TEST(Surface, RecordsAndReplays) {
    plat::RecordingSurface a, b;
    a.setFont("ＭＳ 明朝", 10);
    a.setCurrentX(100);
    a.setCurrentY(200);
    a.print("σmax");
    EXPECT_DOUBLE_EQ(a.currentX(), 0);
    EXPECT_DOUBLE_EQ(a.currentY(), 400);
    a.line(0, 0, 10, 10, plat::kColour13);
    a.newPage();
    a.replay(b);
    ASSERT_EQ(b.ops().size(), 3u);
    EXPECT_EQ(b.ops()[0].text, "σmax");
    EXPECT_DOUBLE_EQ(b.ops()[0].x1, 100);
    EXPECT_EQ(b.ops()[0].fontName, "ＭＳ 明朝");
    EXPECT_EQ(b.ops()[1].colour, plat::kColour13);
    EXPECT_EQ(b.pageCount(), 2);
    EXPECT_DOUBLE_EQ(a.textWidth("ab１"), 100 + 100 + 200);
    a.clear();
    EXPECT_TRUE(a.ops().empty());
}

}  // namespace
