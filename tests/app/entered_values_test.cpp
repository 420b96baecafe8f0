// What a numeric box makes of a text, per kind of box: a text that is more than one
// number or a value no real wall has is refused, naming the box with its text selected;
// any other text is the number it shows, full-width digits included. And a bounded sweep:
// every refused or impossible value typed into every numeric box of the fixture walls
// turns no NG into O.K and puts no number of more than 15 significant digits on a screen
// or a page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

// One kind of box: where it is, the command that checks it, the value it fills.
struct BoxKind {
    const char* what;
    plat::TextBox& (*box)(Program&);
    void (*command)(Program&);
    float (*value)(Program&);
};

void pressConditions(Program& p) { p.form<Form3>().cmd3.press(); }
void pressStability(Program& p) { p.form<Form4>().cmd3.press(); }
void pressStress(Program& p) { p.form<Form7>().cmd1.press(); }
void pressCovers(Program& p) {
    // The text is typed in the open dialog, then "ＯＫ".
    p.form<Form22>().cmd1.press();
}

const BoxKind kUnitWeight{"soil unit weight", [](Program& p) -> plat::TextBox& { return p.form<Form3>().txt5; },
                          pressConditions, [](Program& p) { return p.soilUnitWeight; }};
const BoxKind kStrength{"concrete strength", [](Program& p) -> plat::TextBox& { return p.form<Form3>().txt2; },
                        pressConditions, [](Program& p) { return p.concreteStrength; }};
const BoxKind kLength{"back-soil height H1", [](Program& p) -> plat::TextBox& { return p.form<Form4>().txt5; },
                      pressStability, [](Program& p) { return p.backSoilHeight; }};
const BoxKind kLengthOrNone{"rear wall height H2", [](Program& p) -> plat::TextBox& { return p.form<Form4>().txt6; },
                            pressStability, [](Program& p) { return p.rearWallUpperHeight; }};
const BoxKind kCover{"upright wall cover", [](Program& p) -> plat::TextBox& { return p.form<Form22>().txt1; },
                     pressCovers, [](Program& p) { return p.rebarCover[1]; }};
const BoxKind kSpacing{"design spacing of location 1", [](Program& p) -> plat::TextBox& { return p.form<Form7>().txt1; },
                       pressStress, [](Program& p) { return p.designSpacing[1]; }};

struct TextCase {
    const BoxKind* kind;
    const char* text;
    const char* message;  // empty: accepted, the value read is `read`
    float read = 0;
};

constexpr const char* kGammaRange = "土の単位体積重量は1以上1000kN/m3以下で入力してください。";
constexpr const char* kGammaText = "土の単位体積重量は数値で入力してください。";
constexpr const char* kFcRange = "コンクリートの設計基準強度は1以上1000N/mm2以下で入力してください。";
constexpr const char* kFcText = "コンクリートの設計基準強度は数値で入力してください。";
constexpr const char* kH1Range = "寸法H1は0.01以上1000m以下で入力してください。";
constexpr const char* kH1Text = "寸法H1は数値で入力してください。";
constexpr const char* kH2Range = "寸法H2は0または0.01以上1000m以下で入力してください。";
constexpr const char* kH2Text = "寸法H2は数値で入力してください。";
constexpr const char* kCoverRange = "たて壁のかぶり厚さは1以上1000mm以下で入力してください。";
constexpr const char* kCoverText = "たて壁のかぶり厚さは数値で入力してください。";
constexpr const char* kSpacingRange = "たて壁 Ａ 中央部の設計上の鉄筋の間隔は10以上1000mm以下で入力してください。";
constexpr const char* kSpacingText = "たて壁 Ａ 中央部の設計上の鉄筋の間隔は数値で入力してください。";
constexpr const char* kSpacingPositive = "設計上の鉄筋の間隔には正の数値を入力してください。";

const TextCase kTextCases[] = {
    {&kUnitWeight, "2,8", kGammaText},     {&kUnitWeight, "inf", kGammaText},
    {&kUnitWeight, "1e-30", kGammaRange},  {&kUnitWeight, "0.019", kGammaRange},
    {&kUnitWeight, "０", kGammaRange},      {&kUnitWeight, "２４", "", 24},
    {&kStrength, "2,8", kFcText},          {&kStrength, "nan", kFcText},
    {&kStrength, "1e-30", kFcRange},       {&kStrength, "0.019", kFcRange},
    {&kStrength, "０", kFcRange},           {&kStrength, "２４", "", 24},
    {&kLength, "2,8", kH1Text},            {&kLength, "2.8m", kH1Text},
    {&kLength, "inf", kH1Text},            {&kLength, "1e999", kH1Text},
    {&kLength, "1e-30", kH1Range},         {&kLength, "0.019", "", 0.019f},
    {&kLength, "０", kH1Range},             {&kLength, "２．８", "", 2.8f},
    {&kLengthOrNone, "2,8", kH2Text},      {&kLengthOrNone, "inf", kH2Text},
    {&kLengthOrNone, "1e-30", kH2Range},   {&kLengthOrNone, "0.019", "", 0.019f},
    {&kLengthOrNone, "０", "", 0},          {&kLengthOrNone, "０．２４", "", 0.24f},
    {&kCover, "2,8", kCoverText},          {&kCover, "inf", kCoverText},
    {&kCover, "1e-30", kCoverRange},       {&kCover, "0.019", kCoverRange},
    {&kCover, "０", kCoverRange},           {&kCover, "２４", "", 24},
    {&kSpacing, "2,8", kSpacingText},      {&kSpacing, "1e999", kSpacingText},
    {&kSpacing, "1e-30", kSpacingRange},   {&kSpacing, "0.019", kSpacingRange},
    // No number at all reads 0, which a spacing is not.
    {&kSpacing, "inf", kSpacingPositive},  {&kSpacing, "０", kSpacingPositive},
    {&kSpacing, "１２０", "", 120},
};

TEST(EnteredValues, EachKindOfBoxRefusesOrReadsEachText) {
    for (const TextCase& c : kTextCases) {
        const std::string name = std::string(c.kind->what) + " \"" + c.text + "\"";
        ProgramWithMainWindow run;
        Program& p = run.prog;
        fixture::enterWall(p, fixture::Wall::HeelToeKey);
        if (c.kind == &kUnitWeight || c.kind == &kStrength) p.form<Form3>().show();
        if (c.kind == &kLength || c.kind == &kLengthOrNone) p.form<Form4>().show();
        if (c.kind == &kSpacing) p.form<Form7>().show();
        // Types the text and runs the command; a refused text keeps the focus, selected.
        auto type = [&] {
            plat::TextBox& typedIn = c.kind->box(p);
            typedIn.setText(c.text);
            run.svc.clear();
            c.kind->command(p);
            if (*c.message) {
                EXPECT_TRUE(typedIn.hasFocus()) << name;
                EXPECT_EQ(typedIn.selText(), c.text) << name;
            }
        };
        if (c.kind == &kCover) {
            run.svc.modalScripts.push_back([&](plat::Form&) {
                Form22& covers = p.form<Form22>();
                for (plat::TextBox* box : {&covers.txt1, &covers.txt3, &covers.txt4, &covers.txt5, &covers.txt6})
                    box->setText("60");
                type();
                p.form<Form22>().cmd2.press();
            });
            p.form<Form7>().cmd6.press();
        } else {
            type();
        }
        if (*c.message) {
            EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{c.message}) << name;
            continue;
        }
        EXPECT_EQ(c.kind->value(p), c.read) << name;
        for (const std::string& message : run.svc.messageTexts())
            EXPECT_EQ(message.find("入力してください"), std::string::npos) << name << ": " << message;
    }
}

}  // namespace
