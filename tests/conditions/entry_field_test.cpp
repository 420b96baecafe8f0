#include "common/entry_field.h"

#include <gtest/gtest.h>

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

TEST_F(EntryFieldTest, FocusSelectionCanBeLeftToThePlatform) {
    fields.add(screen->a, {.selectOnFocus = false});
    screen->a.setText("12.5");
    screen->a.setFocus();
    EXPECT_EQ(screen->a.selLength(), 0);
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
    fields.add(screen->a, {.next = screen->b, .onKey = [this](int key) { log.push_back("a:" + std::to_string(key)); }});
    fields.add(screen->b, {.next = screen->ok});
    screen->a.setText("1");
    screen->b.setText("250");
    click(screen->a);
    screen->a.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->a.text(), "1");
    EXPECT_EQ(screen->activeControl(), &screen->b);
    EXPECT_EQ(screen->b.selText(), "250");
    // The screen's own handler runs after the move, with the key as typed.
    EXPECT_EQ(log, std::vector<std::string>{"a:13"});

    int pressed = 0;
    screen->ok.Click = [&] { ++pressed; };
    screen->b.keyPress(plat::kKeyEnter);
    EXPECT_EQ(screen->activeControl(), &screen->ok);
    EXPECT_EQ(pressed, 0);  // the button gets the focus only
}

TEST_F(EntryFieldTest, OtherKeysPassUnchanged) {
    fields.add(screen->a, {.next = screen->b, .onKey = [this](int key) { log.push_back(std::to_string(key)); }});
    click(screen->a);
    for (int key : {int{'1'}, int{'.'}, int{'5'}, int{'x'}, plat::kKeyEsc, plat::kKeyBack}) screen->a.keyPress(key);
    EXPECT_EQ(screen->a.text(), "1.5");
    EXPECT_EQ(screen->activeControl(), &screen->a);
    EXPECT_EQ(log, (std::vector<std::string>{"49", "46", "53", "120", "27", "8"}));
}

TEST_F(EntryFieldTest, ClickRunsBeforeSelectThenSelectsThenOnClick) {
    fields.add(screen->a, {.beforeSelect = [this] { log.push_back("before:" + std::to_string(screen->a.selLength())); },
                           .onClick = [this] { log.push_back("after:" + std::to_string(screen->a.selLength())); }});
    screen->a.setText("abc");
    screen->a.setFocus();
    screen->a.setSelStart(1);
    screen->a.Click();
    EXPECT_EQ(log, (std::vector<std::string>{"before:0", "after:3"}));
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
