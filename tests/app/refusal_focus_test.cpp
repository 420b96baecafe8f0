// Every refusal of every screen and dialog leaves the focus on the box (or choice) it asks
// for, and that box is shown and enabled in the state that refuses: the user can always
// type the answer where the message points. Each check button is pressed with everything
// empty, and after each refusal the control that got the focus is given what it asks for,
// until the button passes; the states that hide or grey out boxes are walked as well (the
// seismic case chosen with its option, the road standard, the symmetric shape, rows the
// ground reaction refuses, an opened seismic project).
#include <filesystem>
#include <functional>
#include <map>

#include "report/print_range_dialog.h"
#include "section/section_history_fixture.h"

namespace {

using history::Session;
using history::Wall;

using Fill = std::function<void(plat::Control&)>;
// What the user does after a refusal that moves no focus (a choice asked for in a dialog
// that the refusal opens, or one the screen shows next to the button).
using Answers = std::map<std::string, std::function<void()>>;

Fill typed(const std::string& text) {
    return [text](plat::Control& c) { static_cast<plat::TextBox&>(c).setText(text); };
}
const Fill kClicked = [](plat::Control& c) { static_cast<plat::OptionButton&>(c).userClick(); };
Fill picked(int index) {
    return [index](plat::Control& c) { static_cast<plat::ComboBox&>(c).userPick(index); };
}

// Presses the button until it passes; returns the refusals in their order.
std::vector<std::string> walk(Session& s, plat::Form& form, plat::CommandButton& button,
                              const std::map<std::string, Fill>& fills, const Answers& answers = {}) {
    std::vector<std::string> refusals;
    for (int step = 0; step < 60; ++step) {
        button.setFocus();
        const size_t before = s.svc.messages.size();
        button.press();
        if (s.svc.messages.size() == before) return refusals;
        // The press's own refusal: a dialog it opens may add its own after it.
        const std::string message = s.svc.messageTexts()[before];
        EXPECT_EQ(s.svc.messages[before].title, "エラーメッセージ") << message;
        refusals.push_back(message);
        if (auto answer = answers.find(message); answer != answers.end()) {
            answer->second();
            continue;
        }
        plat::Control* target = form.activeControl();
        if (!target || target == &button) {
            ADD_FAILURE() << form.name() << ": no focus move after \"" << message << "\"";
            return refusals;
        }
        EXPECT_TRUE(target->canFocus()) << form.name() << "." << target->name() << " after \"" << message << "\"";
        auto fill = fills.find(target->name());
        if (fill == fills.end()) {
            ADD_FAILURE() << form.name() << "." << target->name() << " has no answer (\"" << message << "\")";
            return refusals;
        }
        fill->second(*target);
    }
    ADD_FAILURE() << form.name() << ": the refusals do not end";
    return refusals;
}

// ---- Design conditions and the seismic-coefficient dialog ----

std::map<std::string, Fill> conditionFills() {
    return {{"txt1", typed("東京都")}, {"opt_T", kClicked},      {"txt2", typed("24")},   {"txt3", typed("200")},
            {"txt13", typed("300")},   {"txt4", typed("100")},   {"txt5", typed("18")},   {"txt6", typed("24")},
            {"cbo1", picked(2)},       {"txt8", typed("30")},    {"txt10", typed("20")},  {"txt12", typed("15")},
            {"cbo2", picked(2)},       {"txt14", typed("0")},    {"txt11", typed("30")},  {"opt5", kClicked},
            {"txt9", typed("0.5")},    {"txt15", typed("0.3")}};
}

// The seismic dialog that the check opens: walked in its turn.
void walkSeismicDialogWhenOpened(Session& s) {
    s.svc.modalScripts.push_back([&s](plat::Form& form) {
        auto& dialog = static_cast<Form25&>(form);
        walk(s, dialog, dialog.cmd1,
             {{"opt_K1", [&](plat::Control&) { dialog.opt_K2.userClick(); }},
              {"Text1", typed("0.2")},
              {"Text2", typed("0")},
              {"opt_A", kClicked}});
    });
}

struct ConditionsCase {
    const char* name;
    std::function<void(Form3&)> loadCase;
};

void PrintTo(const ConditionsCase& c, std::ostream* os) { *os << c.name; }

class ConditionsRefusals : public ::testing::TestWithParam<ConditionsCase> {};

TEST_P(ConditionsRefusals, FocusEveryBoxTheyAskFor) {
    Session s;
    s.main().FileNew();
    Form3& c = s.conditions();
    GetParam().loadCase(c);
    const bool seismic = c.opt4.value();
    if (seismic) walkSeismicDialogWhenOpened(s);
    // The seismic dialog that the check opens is walked in its turn.
    const Answers answers = {{"地震時水平荷重の計算方法を選択してください。", [] {}},
                             {"地域別補正係数を選択して下さい。", [] {}}};
    const std::vector<std::string> refusals = walk(s, c, c.cmd3, conditionFills(), answers);
    EXPECT_TRUE(s.prog.form<Form23>().visible());
    // Each box and choice of the screen was asked for.
    EXPECT_GE(refusals.size(), seismic ? 18u : 16u);
    if (seismic) {
        EXPECT_NE(std::find(refusals.begin(), refusals.end(), "短期の鉄筋の許容引張応力度を入力してください。"),
                  refusals.end());
    }

    // Values that describe no wall: each is refused at its own box.
    for (const char* name : {"txt2", "txt3", "txt4", "txt5", "txt6", "txt8", "txt10", "txt12", "txt14", "txt11", "txt9",
                             "txt15", "txt13"}) {
        auto& box = static_cast<plat::TextBox&>(*c.control(name));
        if (!box.visible()) continue;
        // The cohesion is judged while it is considered.
        if (box.name() == "txt14") c.opt7.userClick();
        const std::string kept = box.text();
        box.setText("-1");
        c.cmd3.setFocus();
        s.svc.clear();
        c.cmd3.press();
        ASSERT_EQ(s.svc.messages.size(), 1u) << name;
        EXPECT_TRUE(box.hasFocus() && box.canFocus()) << name << ": " << s.svc.messageTexts().front();
        box.setText(kept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LoadCases, ConditionsRefusals,
    ::testing::Values(ConditionsCase{"Normal", [](Form3& c) { c.cmd1.press(); }},
                      ConditionsCase{"SeismicByItsButton", [](Form3& c) { c.cmd2.press(); }},
                      ConditionsCase{"SeismicByItsOption", [](Form3& c) { c.opt4.userClick(); }},
                      ConditionsCase{"NormalByItsOptionAfterSeismic",
                                     [](Form3& c) {
                                         c.cmd2.press();
                                         c.opt3.userClick();
                                     }},
                      ConditionsCase{"RoadSeismicByItsOption",
                                     [](Form3& c) {
                                         c.opt_D.userClick();
                                         c.opt4.userClick();
                                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// An opened seismic project whose short-term ft was not given: the row stays in sight, so
// the check's question can be answered.
TEST(OpenedProjectRefusals, SeismicShortTermValueIsAskedForInSight) {
    const std::string file = (std::filesystem::temp_directory_path() / "miranosu-refusal-seismic.ywd").string();
    {
        Session designed;
        designed.design(Wall{"Seismic", {}, "", LoadCase::Seismic});
        designed.conditions().txt13.setText("");
        designed.svc.fileAnswers.push_back(file);
        designed.main().Men_FSav_Click();
    }
    Session s;
    s.svc.fileAnswers.push_back(file);
    s.main().FileOpen();
    std::filesystem::remove(file);
    Form3& c = s.conditions();
    EXPECT_TRUE(c.txt13.visible());
    EXPECT_EQ(walk(s, c, c.cmd3, conditionFills()),
              std::vector<std::string>{"短期の鉄筋の許容引張応力度を入力してください。"});
}

// ---- Dimensions, check methods, shear key ----

std::map<std::string, Fill> dimensionFills(Form4& d) {
    std::map<std::string, Fill> fills;
    for (const plat::Control* c : d.controls())
        if (c->kind() == plat::ControlKind::TextBox)
            fills[c->name()] = typed(static_cast<const plat::TextBox*>(c)->text());
    return fills;
}

void emptyDimensions(Session& s) {
    Form4& d = s.dims();
    for (const plat::Control* c : d.controls())
        if (c->kind() == plat::ControlKind::TextBox) s.box(c->name()).setText("");
    for (plat::OptionButton* o : {&d.opt1, &d.opt2, &d.opt3, &d.opt4}) o->setValue(false);
    s.prog.unload(Form14::kName);
    s.prog.unload(Form21::kName);
}

struct DimensionCase {
    const char* name;
    Wall wall;
    bool symmetric;
};

void PrintTo(const DimensionCase& c, std::ostream* os) { *os << c.name; }

class DimensionRefusals : public ::testing::TestWithParam<DimensionCase> {};

TEST_P(DimensionRefusals, FocusEveryBoxTheyAskFor) {
    const DimensionCase& param = GetParam();
    Session s;
    s.enter(param.wall);
    Form4& d = s.dims();
    if (param.symmetric) {
        d.cmd2.press();  // "< 地盤の形状"
        s.prog.form<Form23>().opt2.userClick();
        s.prog.form<Form23>().cmd1.press();
    }
    const std::map<std::string, Fill> fills = dimensionFills(d);
    emptyDimensions(s);
    const bool seismic = param.wall.load == LoadCase::Seismic;
    // The method dialogs that the check opens: their own refusals are walked too.
    auto methods = [&s, seismic] {
        s.svc.modalScripts.push_back([&s, seismic](plat::Form& form) {
            if (seismic) {
                auto& m = static_cast<Form21&>(form);
                walk(s, m, m.cmd1, {}, {{"転倒に対する検討方法をチェックして下さい。", [&] { m.opt1.userClick(); }},
                                        {"滑動に対する検討方法をチェックして下さい。", [&] { m.opt5.userClick(); }}});
            } else {
                auto& m = static_cast<Form14&>(form);
                walk(s, m, m.cmd1, {}, {{"転倒に対する検討方法をチェックして下さい。", [&] { m.opt1.userClick(); }}});
            }
        });
    };
    const Answers answers = {
        {"前面土荷重の計算の有無を選択してください。", [&] { d.opt3.userClick(); }},
        {"転倒に対する検討方法を選択してください。", [] {}},
        {"滑動に対する検討方法を選択してください。", [] {}},
        {"土圧の鉛直成分の参入の有無を選択してください。", [] {}},
        // The key dialog that the check opens, walked in its turn.
        {"突起の計算をしてください。", [] {}},
    };
    methods();
    if (!param.wall.keyHeight.empty()) {
        s.prog.unload(Form19::kName);
        s.svc.modalScripts.push_back([&s](plat::Form& form) {
            auto& key = static_cast<ShearKeyDialog&>(form);
            walk(s, key, key.cmd1, {{"txt1", typed("0.3")}, {"txt2", typed("1.0")}, {"txt3", typed("0.4")}});
        });
    }
    const std::vector<std::string> refusals = walk(s, d, d.cmd3, fills, answers);
    EXPECT_TRUE(d.lbl57.visible()) << "the check was made";
    EXPECT_GE(refusals.size(), param.symmetric ? 15u : 17u);
}

INSTANTIATE_TEST_SUITE_P(Walls, DimensionRefusals,
                         ::testing::Values(DimensionCase{"OneSidedWithKey", Wall{"Key", {}, "", LoadCase::Normal, "0.3"},
                                                         false},
                                           DimensionCase{"SeismicOneSided", Wall{"Seismic", {}, "", LoadCase::Seismic},
                                                         false},
                                           DimensionCase{"Symmetric", Wall{"Symmetric", {}}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The seismic dialog's surcharge-inertia height, asked for while its box is ticked.
TEST(CheckMethodRefusals, InertiaHeightIsAskedForInItsEnabledBox) {
    Session s;
    s.enter(Wall{"Seismic", {}, "", LoadCase::Seismic});
    s.svc.clear();
    s.svc.modalScripts.push_back([&s](plat::Form& form) {
        auto& m = static_cast<Form21&>(form);
        if (m.chk1.value() == 0) m.chk1.userClick();
        m.txt1.setText("");
        EXPECT_EQ(walk(s, m, m.cmd1, {{"txt1", typed("1.5")}}),
                  std::vector<std::string>{"上載荷重の慣性力の作用位置を入力して下さい。"});
    });
    s.dims().cmd4.press();  // "安定性の検討方法"
}

// ---- Section design, covers, print range ----

std::map<std::string, Fill> sectionFills(Form7& sec) {
    std::map<std::string, Fill> fills;
    for (const Form7::Row& r : sec.rows()) {
        fills[r.bars.name()] = picked(4);
        fills[r.design.name()] = [label = &r.computed](plat::Control& c) {
            const std::string computed = label->caption();
            const double spacing = computed == kNoValue ? 250.0 : num::parse(computed);
            static_cast<plat::TextBox&>(c).setText(num::format(std::min(spacing, 250.0), "0"));
        };
    }
    return fills;
}

class SectionRefusals : public ::testing::TestWithParam<Wall> {};

TEST_P(SectionRefusals, FocusEveryRowTheyAskFor) {
    Session s;
    s.enter(GetParam());
    s.handOver();
    Form7& sec = s.sec();
    const std::vector<std::string> refusals = walk(s, sec, sec.cmd1, sectionFills(sec));
    EXPECT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_FALSE(refusals.empty());

    // The covers: each box that the rows use is asked for where it is shown.
    Form22& covers = s.prog.form<Form22>();
    s.svc.modalScripts.push_back([&s, &covers](plat::Form&) {
        for (plat::TextBox* box : {&covers.txt1, &covers.txt3, &covers.txt4, &covers.txt5, &covers.txt6})
            box->setText("");
        walk(s, covers, covers.cmd1,
             {{"txt1", typed("60")}, {"txt3", typed("60")}, {"txt4", typed("60")}, {"txt5", typed("60")},
              {"txt6", typed("60")}});
    });
    sec.cmd6.press();
}

INSTANTIATE_TEST_SUITE_P(Walls, SectionRefusals,
                         ::testing::Values(Wall{"Ordinary", {}}, Wall{"WithKey", {}, "", LoadCase::Normal, "0.3"},
                                           // The ground reaction refuses locations 5 to 8: their rows are greyed out.
                                           Wall{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false}),
                         [](const auto& info) { return info.param.name; });

TEST(PrintRangeRefusals, FirstPageNumberIsAskedForInItsBox) {
    Session s;
    s.design(Wall{"Ordinary", {}});
    s.svc.clear();
    s.svc.printerAnswers.push_back(false);
    s.svc.modalScripts.push_back([&s](plat::Form& form) {
        auto& d = static_cast<Form15&>(form);
        if (d.chk_P.value() == 0) d.chk_P.userClick();
        d.txt_P.setText("");
        EXPECT_EQ(walk(s, d, d.cmd1, {{"txt_P", typed("1")}}, {{"印刷範囲を指定してください。", [&] { d.opt5.userClick(); }}}),
                  (std::vector<std::string>{"印刷範囲を指定してください。", "最初のページ番号を入力してください。"}));
    });
    s.main().Men_FPrn.userClick();
}

}  // namespace
