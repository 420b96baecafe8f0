// The bounds a box's number must keep: each end open or closed, the number read as the
// screens read it, and the message that names the range.
#include "common/entry_bounds.h"

#include <gtest/gtest.h>

#include "support/test_form.h"

namespace {

struct BoundsCase {
    const char* text;
    Bounds bounds;
    bool within;
};

TEST(EntryBounds, EachEndOpenOrClosed) {
    const BoundsCase cases[] = {
        {"0", bounds::kLengthOrNone, true},     {"-0.001", bounds::kLengthOrNone, false},
        {"0.005", bounds::kLengthOrNone, false}, {"0.01", bounds::kLengthOrNone, true},
        {"1e-30", bounds::kLengthOrNone, false}, {"-0", bounds::kLengthOrNone, true},
        {"1000", bounds::kLengthOrNone, true},  {"1000.01", bounds::kLengthOrNone, false},
        {"0", bounds::kLength, false},          {"0.001", bounds::kLength, false},
        {"0.01", bounds::kLength, true},        {"", bounds::kLength, false},
        {"", bounds::kPressureOrNone, true},    {"60", bounds::kAngle, true},
        {"60.01", bounds::kAngle, false},          {"-0", bounds::kAngle, true},
        {"1E400", bounds::kStress, false},      {"－５", bounds::kUnitWeight, false},
        {"１８", bounds::kUnitWeight, true},     {"0.019", bounds::kUnitWeight, false},
        {"1", bounds::kUnitWeight, true},       {"0.5", bounds::kStrength, false},
        {"0.01", bounds::kStress, true},        {"0.01", bounds::kCoefficientPositive, true},
        {"1e-30", bounds::kCoefficientPositive, false}, {"0.9", bounds::kCover, false},
        {"9.9", bounds::kSpacing, false},       {"10", bounds::kSpacing, true},
        {"-1", Bounds{-1, false, 1, false, ""}, true},
        {"0", bounds::kHorizontalSeismic, true}, {"1e-30", bounds::kHorizontalSeismic, false},
        {"0.009", bounds::kHorizontalSeismic, false}, {"0.01", bounds::kHorizontalSeismic, true},
        {"1", bounds::kHorizontalSeismic, true}, {"1.01", bounds::kHorizontalSeismic, false},
        {"-0.1", bounds::kHorizontalSeismic, false}, {"0", bounds::kVerticalSeismic, true},
        {"-0.01", bounds::kVerticalSeismic, false}, {"0.009", bounds::kVerticalSeismic, false},
        {"0.01", bounds::kVerticalSeismic, true}, {"0.99", bounds::kVerticalSeismic, true},
        {"1", bounds::kVerticalSeismic, false},
    };
    for (const BoundsCase& c : cases) EXPECT_EQ(withinBounds(c.text, c.bounds), c.within) << c.text;
}

// Within its range or not, a text that is more than one number is refused.
TEST(EntryBounds, OnlyATextThatIsWhollyOneNumberIsWithin) {
    for (const char* text : {"2,8", "2.8m", "inf", "nan", "-inf", "1e999", "abc", "2..8", "1e", "+", ".", "2 ,8",
                             "2，8", "0x10", "1/2"})
        EXPECT_FALSE(withinBounds(text, bounds::kPressureOrNone)) << text;
    for (const char* text : {"2.8", " 2.8 ", "2 8", "+2.8", ".5", "5.", "1e2", "1E+2", "２．８", "1e-999", "　３　"})
        EXPECT_TRUE(withinBounds(text, bounds::kPressureOrNone)) << text;
}

TEST(EntryBounds, TheMessageNamesTheQuantityAndItsRange) {
    EXPECT_EQ(boundsMessage("底版の厚さ", bounds::kLength), "底版の厚さは0.01以上1000m以下で入力してください。");
    EXPECT_EQ(boundsMessage("つま先版の長さ", bounds::kLengthOrNone),
              "つま先版の長さは0または0.01以上1000m以下で入力してください。");
    EXPECT_EQ(boundsMessage("土の粘着力", bounds::kPressureOrNone),
              "土の粘着力は0以上10000kN/m2以下で入力してください。");
    EXPECT_EQ(boundsMessage("内部摩擦角", bounds::kAngle), "内部摩擦角は0以上60゜以下で入力してください。");
    EXPECT_EQ(boundsMessage("水平震度", bounds::kHorizontalSeismic), "水平震度は0または0.01以上1以下で入力してください。");
    EXPECT_EQ(boundsMessage("鉛直震度", bounds::kVerticalSeismic), "鉛直震度は0または0.01以上1未満で入力してください。");
    EXPECT_EQ(boundsMessage("鉛直震度", Bounds{-1, false, 1, false, ""}), "鉛直震度は-1以上1以下で入力してください。");
}

// The message tells which rule the box broke: asked for, no number, or out of range.
TEST(EntryBounds, TheRefusalSaysWhichRuleTheBoxBroke) {
    ScriptedServices services;
    TestDesktop desktop(services);
    plat::TextBox& box = desktop.form<TestForm>().t1;
    const BoundedBox entry{&box, "寸法H1", bounds::kLength, true, "寸法を入力してください。"};
    const std::pair<const char*, const char*> cases[] = {
        {"", "寸法を入力してください。"},
        {"2,8", "寸法H1は数値で入力してください。"},
        {"0", "寸法H1は0.01以上1000m以下で入力してください。"},
    };
    for (const auto& [text, message] : cases) {
        box.setText(text);
        EXPECT_NE(firstBrokenRule({entry}), nullptr) << text;
        EXPECT_EQ(refusalMessage(entry), message) << text;
    }
    box.setText("2.8");
    EXPECT_EQ(firstBrokenRule({entry}), nullptr);
    // Without a message of its own an empty box reads 0.
    EXPECT_EQ(firstOutOfBounds({{&box, "土の粘着力", bounds::kPressureOrNone}}), nullptr);
}

// The one check: the first box in the table that breaks a rule is named once, brought up
// and given the focus with its text selected. A box's own rule speaks before a rule
// between boxes; a box that takes no part is passed by, and so is an earlier screen's
// empty box once only the given boxes are judged.
TEST(EntryBounds, TheOneCheckNamesTheFirstBrokenBoxAndPutsTheFocusInIt) {
    ScriptedServices services;
    TestDesktop desktop(services);
    TestForm& f = desktop.form<TestForm>();
    f.show();
    int broughtUp = 0;
    std::vector<BoundedBox> rules = {
        {&f.t1, "寸法H1", bounds::kLength, false},
        {&f.t2, "寸法H2", bounds::kLengthOrNone, true, nullptr,
         [&f] { return f.t2.text() == "0" ? std::string("共に0にしてください。") : std::string(); },
         [&broughtUp] { ++broughtUp; }},
    };
    f.t1.setText("abc");
    f.t2.setText("0");
    f.t1.setFocus();
    EXPECT_TRUE(refuseFirstBroken(desktop, rules));
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"共に0にしてください。"});
    EXPECT_EQ(broughtUp, 1);
    EXPECT_TRUE(f.t2.hasFocus());
    EXPECT_EQ(f.t2.selText(), "0");

    f.t2.setText("-1");
    services.clear();
    EXPECT_TRUE(refuseFirstBroken(desktop, rules));
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"寸法H2は0または0.01以上1000m以下で入力してください。"});

    rules[1].missing = "寸法を入力してください。";
    f.t2.setText("");
    EXPECT_EQ(firstBrokenRule(rules), &rules[1]);
    EXPECT_EQ(firstBrokenRule(givenOnly(rules)), nullptr);

    f.t2.setText("2.8");
    services.clear();
    EXPECT_FALSE(refuseFirstBroken(desktop, rules));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(broughtUp, 2);
}

}  // namespace
