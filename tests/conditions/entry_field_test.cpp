#include "common/entry_field.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "support/scripted_services.h"

namespace {

struct Screen : plat::Form {
    static constexpr const char* kName = "Screen";
    explicit Screen(plat::Desktop& d) : plat::Form(d, kName, plat::FormKind::MdiChild) {}
    plat::TextBox a{*this, "a"};
    plat::TextBox b{*this, "b"};
    plat::TextBox c{*this, "c"};
    plat::ComboBox list{*this, "list"};
    plat::CommandButton ok{*this, "ok"};
};

struct Desk : plat::Desktop {
    explicit Desk(ScriptedServices& s) : plat::Desktop(s) {}
};

class EntryFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = &desk.form<Screen>(desk);
        screen->show();
    }
    static void click(plat::TextBox& box) {
        box.setFocus();
        box.Click();
    }
    ScriptedServices svc;
    Desk desk{svc};
    Screen* screen = nullptr;
    EntryFields fields;
    std::vector<std::string> log;
};

TEST_F(EntryFieldTest, ClickAndFocusSelectAll) {
    fields.add(screen->a, {.next = screen->b});
    fields.add(screen->b, {.next = screen->c});
    screen->a.setText("12.5");
    screen->b.setText("300");
    click(screen->a);
    EXPECT_EQ(screen->a.selStart(), 0);
    EXPECT_EQ(screen->a.selLength(), 4);
    screen->a.setSelStart(2);
    screen->a.Click();  // a click into the box that already has the focus
    EXPECT_EQ(screen->a.selLength(), 4);
    screen->b.setFocus();  // Tab or a move of the program
    EXPECT_EQ(screen->b.selText(), "300");
}

TEST_F(EntryFieldTest, DoubleClickSelectsFromItsPositionToTheEnd) {
    struct Case {
        const char* text;
        int from;
        int start, length;
    } cases[] = {
        {"12.5", 10, 4, 0},              // shorter than the position: caret at the end
        {"123456789012", 10, 10, 2},     // twelve characters: the last two
        {"1234567890", 10, 10, 0},       // exactly ten
        {"ａｂｃｄｅｆｇｈｉｊｋｌ", 10, 10, 2},  // counted in characters, not bytes
        {"0123456789012345678901234567890123", 30, 30, 4},
    };
    for (const Case& c : cases) {
        EntryFields local;
        local.add(screen->a, {.dblClickFrom = c.from});
        screen->a.setText(c.text);
        screen->a.Click();
        screen->a.DblClick();
        EXPECT_EQ(screen->a.selStart(), c.start) << c.text;
        EXPECT_EQ(screen->a.selLength(), c.length) << c.text;
    }
}

TEST_F(EntryFieldTest, EnterIsSwallowedAndMovesOnWithTheTargetSelected) {
    fields.add(screen->a, {.next = screen->b, .onEdit = [this] { log.push_back("a"); }});
    fields.add(screen->b, {.next = screen->ok});
    screen->a.setText("1");
    screen->b.setText("250");
    click(screen->a);
    screen->a.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->a.text(), "1");
    EXPECT_EQ(screen->activeControl(), &screen->b);
    EXPECT_EQ(screen->b.selText(), "250");
    // Enter left the text as it was: no edit.
    EXPECT_TRUE(log.empty());

    int pressed = 0;
    screen->ok.Click = [&] { ++pressed; };
    screen->b.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->activeControl(), &screen->ok);
    EXPECT_EQ(pressed, 0);  // the button gets the focus only
}

TEST_F(EntryFieldTest, OtherKeysPassUnchanged) {
    fields.add(screen->a, {.next = screen->b, .onEdit = [this] { log.push_back(screen->a.text()); }});
    click(screen->a);
    for (int key : {int{'1'}, int{'.'}, int{'5'}, int{'x'}, plat::kKeyEsc, plat::kKeyBack}) screen->a.keyPress(key);
    EXPECT_EQ(screen->a.text(), "1.5");
    EXPECT_EQ(screen->activeControl(), &screen->a);
    // Each key that changed the text is an edit; Esc changed nothing.
    EXPECT_EQ(log, (std::vector<std::string>{"1", "1.", "1.5", "1.5x", "1.5"}));
}

// Looking changes nothing: only the user's change of the text is an edit.
TEST_F(EntryFieldTest, OnlyAChangedTextIsAnEdit) {
    int edits = 0;
    fields.add(screen->a, {.next = screen->b, .onEdit = [&] { ++edits; }});
    screen->a.setText("12");  // the program writes it
    struct Step {
        const char* what;
        std::function<void()> act;
        int edits;
    } const steps[] = {
        {"click", [&] { click(screen->a); }, 0},
        {"focus", [&] { screen->b.setFocus(); screen->a.setFocus(); }, 0},
        {"double click", [&] { screen->a.DblClick(); }, 0},
        {"Enter", [&] { screen->a.setFocus(); screen->a.keyPress(plat::kKeyEnter); }, 0},
        {"Backspace at the start", [&] { screen->a.setFocus(); screen->a.setSelStart(0); screen->a.keyPress(plat::kKeyBack); }, 0},
        {"the toolkit moves the caret", [&] { screen->a.userEdit("12", 1, 0); }, 0},
        {"the same text pasted over", [&] { screen->a.userEdit("12", 2, 0); }, 0},
        {"full-width digits pasted over it", [&] { screen->a.userEdit("１２", 2, 0); }, 0},
        {"the program writes", [&] { screen->a.setText("30"); }, 0},
        {"a digit typed", [&] { screen->a.setFocus(); screen->a.keyPress('5'); }, 1},
        {"the delete key", [&] { screen->a.userEdit("", 0, 0); }, 1},
    };
    for (const Step& step : steps) {
        edits = 0;
        step.act();
        EXPECT_EQ(edits, step.edits) << step.what;
    }
}

TEST_F(EntryFieldTest, ClickSelectsThenRunsOnClick) {
    fields.add(screen->a, {.onClick = [this] { log.push_back("after:" + std::to_string(screen->a.selLength())); }});
    screen->a.setText("abc");
    screen->a.setFocus();
    screen->a.setSelStart(1);
    screen->a.Click();
    EXPECT_EQ(log, (std::vector<std::string>{"after:3"}));
}

TEST_F(EntryFieldTest, NumericFieldsTurnTheInputMethodOff) {
    fields.add(screen->a, {});
    fields.add(screen->b, {.ime = plat::ImeMode::Hiragana});
    EXPECT_EQ(screen->a.imeMode(), plat::ImeMode::Off);
    EXPECT_EQ(screen->b.imeMode(), plat::ImeMode::Hiragana);
}

TEST_F(EntryFieldTest, ChosenTargetIsAskedAtEachKeyPress) {
    bool toC = false;
    fields.add(screen->a, {.next = [&]() -> plat::Control* { return toC ? &screen->c : &screen->b; }});
    click(screen->a);
    screen->a.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->activeControl(), &screen->b);
    toC = true;
    click(screen->a);
    screen->a.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->activeControl(), &screen->c);
}

TEST_F(EntryFieldTest, HiddenOrDisabledTargetsArePassedAlongTheChain) {
    fields.add(screen->a, {.next = screen->b});
    fields.add(screen->b, {.next = screen->list});
    fields.link(screen->list, screen->c);
    screen->c.setText("7");
    screen->b.setVisible(false);
    screen->list.setEnabled(false);
    click(screen->a);
    screen->a.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->activeControl(), &screen->c);
    EXPECT_EQ(screen->c.selText(), "7");
}

TEST_F(EntryFieldTest, ChainWithNothingToTakeTheFocusEndsWithoutAMove) {
    // A chain that runs round in a circle of disabled controls.
    fields.add(screen->a, {.next = screen->b});
    fields.add(screen->b, {.next = screen->c});
    fields.add(screen->c, {.next = screen->b});
    screen->b.setEnabled(false);
    screen->c.setEnabled(false);
    click(screen->a);
    int key = plat::kKeyEnter;
    EXPECT_TRUE(fields.enterKey(screen->a, key));
    EXPECT_EQ(key, 0);
    EXPECT_EQ(screen->activeControl(), &screen->a);
}

TEST_F(EntryFieldTest, EnterKeyHelperLeavesOtherKeys) {
    fields.link(screen->list, screen->a);
    int key = 'x';
    EXPECT_FALSE(fields.enterKey(screen->list, key));
    EXPECT_EQ(key, 'x');
}

}  // namespace
