// The rebar-cover dialog: rows offered by member, the boxes' selection and Enter chain,
// what "ＯＫ" refuses, stores and shows, and how long its texts live.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/calc_fault.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "section/slab_wall.h"
#include "project/project_fixture.h"
#include "support/design_values.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

class CoverDialog : public ProgramTest {
protected:
    void SetUp() override {
        prog.heelLength = 0.4f;
        prog.toeLength = 0.5f;
        prog.keyHeight = 0.3f;
        sec().show();
    }

    Form7& sec() { return prog.form<Form7>(); }
    // Opens the dialog with the section screen's button; the script plays while it is open.
    void open(std::function<void(Form22&)> script = nullptr) {
        svc.modalScripts.push_back([script](plat::Form& f) {
            if (script) script(static_cast<Form22&>(f));
        });
        sec().cmd6.press();
    }
    Form22* dialog() { return static_cast<Form22*>(prog.find("Form22")); }
    static void fill(Form22& d, const char* wall, const char* slab, const char* heel, const char* toe, const char* key) {
        d.txt1.setText(wall);
        d.txt3.setText(slab);
        d.txt4.setText(heel);
        d.txt5.setText(toe);
        d.txt6.setText(key);
    }
    // The covers each row shows and uses, in row order.
    std::vector<std::string> coverCaptions() {
        std::vector<std::string> out;
        for (const Form7::Row& r : sec().rows()) out.push_back(r.cover.caption());
        return out;
    }
    std::vector<float> covers() {
        std::vector<float> out;
        for (int loc : kCheckLocationNumbers) out.push_back(prog.rebarCover[loc]);
        return out;
    }
};

TEST_F(CoverDialog, LaysOutItsTextsAndTabOrder) {
    Form22& d = prog.form<Form22>();
    EXPECT_EQ(d.kind(), plat::FormKind::Dialog);
    EXPECT_EQ(d.caption(), "ミラノス");
    EXPECT_EQ(d.lbl1.caption(), "鉄筋のかぶり厚さ");
    EXPECT_EQ(d.lbl2.caption(), "コンクリート表面から鉄筋表面までの最小間隔");
    EXPECT_EQ(d.lbl3.caption(), "土に接する部分：60mm以上");
    EXPECT_EQ(d.lbl4.caption(), "その他の部分　：40mm以上");
    EXPECT_EQ(d.lbl5.caption(), "たて壁");
    EXPECT_EQ(d.lbl9.caption(), "底　版");
    EXPECT_EQ(d.lbl11.caption(), "かかと版");
    EXPECT_EQ(d.lbl13.caption(), "つま先版");
    EXPECT_EQ(d.lbl15.caption(), "突　起");
    EXPECT_EQ(d.lbl16.caption(), "mm");
    EXPECT_EQ(d.cmd1.caption(), "ＯＫ");
    EXPECT_EQ(d.cmd2.caption(), "キャンセル");
    EXPECT_EQ(d.control("txt2"), nullptr);
    // Wall beside slab, heel beside toe, key alone; the buttons below.
    EXPECT_EQ(d.txt1.top(), d.txt3.top());
    EXPECT_LT(d.txt1.left(), d.txt3.left());
    EXPECT_EQ(d.txt4.top(), d.txt5.top());
    EXPECT_LT(d.txt4.left(), d.txt5.left());
    EXPECT_EQ(d.txt6.left(), d.txt1.left());
    EXPECT_GT(d.txt6.top(), d.txt4.top());
    EXPECT_GT(d.cmd1.top(), d.txt6.top());

    d.show();
    d.txt1.setFocus();
    std::vector<std::string> order = {"txt1"};
    for (int i = 0; i < 6; ++i) {
        d.tabNext();
        order.push_back(d.activeControl()->name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txt1", "txt3", "txt4", "cmd1", "cmd2", "txt5", "txt6"}));
}

TEST_F(CoverDialog, OpensModalWithTheRowsOfTheMembersThatExist) {
    prog.heelLength = 0;
    prog.keyHeight = 0;
    open([](Form22& d) {
        EXPECT_FALSE(d.txt4.visible());
        EXPECT_FALSE(d.lbl12.visible());
        EXPECT_TRUE(d.lbl11.visible());
        EXPECT_FALSE(d.lbl11.enabled());
        EXPECT_TRUE(d.txt5.visible());
        EXPECT_TRUE(d.lbl13.enabled());
        EXPECT_FALSE(d.txt6.visible());
        EXPECT_FALSE(d.lbl16.visible());
        EXPECT_FALSE(d.lbl15.enabled());
        d.txt1.setText("50");
        d.txt3.setText("70");
        d.txt5.setText("60");
        d.cmd1.press();
    });
    EXPECT_EQ(svc.modals, std::vector<std::string>{"Form22"});
    // A heel added later gets its row at the next opening.
    prog.heelLength = 0.6f;
    open([](Form22& d) {
        EXPECT_TRUE(d.txt4.visible());
        EXPECT_TRUE(d.lbl12.visible());
        EXPECT_TRUE(d.lbl11.enabled());
        EXPECT_FALSE(d.txt6.visible());
    });
}

struct RefusalCase {
    const char* name;
    float heel, toe, key;
    const char *wall, *slab, *heelText, *toeText, *keyText;
    const char* message;
    const char* box;
};

class CoverRefusal : public CoverDialog, public ::testing::WithParamInterface<RefusalCase> {};

// The first box of a present member that is empty or holds no cover: named, its text
// selected, nothing stored.
TEST_P(CoverRefusal, StopsAtTheFirstBoxItCannotTake) {
    const RefusalCase& c = GetParam();
    prog.heelLength = c.heel;
    prog.toeLength = c.toe;
    prog.keyHeight = c.key;
    prog.rebarCover[1] = 60;
    open([&](Form22& d) {
        fill(d, c.wall, c.slab, c.heelText, c.toeText, c.keyText);
        d.cmd2.setFocus();
        d.cmd1.press();
        ASSERT_EQ(svc.messages.size(), 1u);
        EXPECT_EQ(svc.messages[0], plat::MessageRequest::fromStyle(c.message, plat::msg::kOk, "エラーメッセージ"));
        plat::TextBox& box = static_cast<plat::TextBox&>(*d.control(c.box));
        EXPECT_EQ(d.activeControl(), &box);
        EXPECT_EQ(box.selStart(), 0);
        EXPECT_EQ(box.selText(), box.text());
        EXPECT_TRUE(d.visible());
    });
    EXPECT_EQ(coverCaptions(), std::vector<std::string>(8, "60"));
    EXPECT_EQ(prog.rebarCover[1], 60);
    EXPECT_EQ(prog.rebarCover[5], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CoverRefusal,
    ::testing::Values(
        RefusalCase{"Wall", 0.4f, 0.5f, 0.3f, "", "", "", "", "", "たて壁のかぶり厚さを入力してください。", "txt1"},
        RefusalCase{"Slab", 0.4f, 0.5f, 0.3f, "50", "", "60", "", "60", "底版のかぶり厚さを入力してください。", "txt3"},
        RefusalCase{"Heel", 0.4f, 0.5f, 0.3f, "50", "70", "", "", "", "かかと版のかぶり厚さを入力してください。",
                    "txt4"},
        RefusalCase{"Toe", 0.4f, 0.5f, 0, "50", "70", "60", "", "", "つま先版のかぶり厚さを入力してください。", "txt5"},
        RefusalCase{"Key", 0, 0, 0.3f, "50", "70", "", "", "", "突起のかぶり厚さを入力してください。", "txt6"},
        RefusalCase{"SlabEvenWithoutMembers", 0, 0, 0, "50", "", "", "", "", "底版のかぶり厚さを入力してください。",
                    "txt3"},
        // A cover with its unit is no number.
        RefusalCase{"TextAfterTheNumber", 0.4f, 0.5f, 0.3f, "45mm", "42.5", "60", "60", "60",
                    "たて壁のかぶり厚さは数値で入力してください。", "txt1"},
        RefusalCase{"TooLargeToHold", 0.4f, 0.5f, 0.3f, "50", "1e40", "60", "60", "60",
                    "底版のかぶり厚さは1以上1000mm以下で入力してください。", "txt3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoverDialog, SpreadsTheCoversOverTheLocations) {
    prog.heelLength = 0;
    prog.toeLength = 0;
    prog.keyHeight = 0;
    for (int loc : {8, 9, 10}) prog.rebarCover[loc] = 60;
    open([](Form22& d) {
        d.txt1.setText("50");
        d.txt3.setText("70");
        d.cmd1.press();
    });
    EXPECT_TRUE(svc.messages.empty());
    // The members that are not offered keep their covers: a key added later is not
    // designed with a cover of 0.
    EXPECT_EQ(covers(), (std::vector<float>{50, 50, 70, 70, 70, 60, 60, 60}));
    EXPECT_EQ(coverCaptions(), (std::vector<std::string>{"50", "50", "70", "70", "70", "60", "60", "60"}));
    ASSERT_NE(dialog(), nullptr);
    EXPECT_FALSE(dialog()->visible());
}

TEST_F(CoverDialog, ReadsEachBoxAsTheNumberItHolds) {
    open([](Form22& d) {
        fill(d, "45", "42.5", " 3 0", "４０", "5e1");
        d.cmd1.press();
    });
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(covers(), (std::vector<float>{45, 45, 42.5f, 42.5f, 42.5f, 30, 40, 50}));
    EXPECT_EQ(coverCaptions(), (std::vector<std::string>{"45", "45", "42.5", "42.5", "42.5", "30", "40", "50"}));
}

TEST_F(CoverDialog, OkKeepsTheDialogAndCancelDiscardsIt) {
    open([](Form22& d) {
        fill(d, "50", "70", "60", "60", "40");
        d.cmd1.press();
    });
    Form22* kept = dialog();
    open([&](Form22& d) {
        EXPECT_EQ(&d, kept);
        EXPECT_EQ(d.txt1.text(), "50");
        EXPECT_EQ(d.txt6.text(), "40");
        d.txt1.setText("55");
        d.cmd2.press();
    });
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(sec().lbl_r1.caption(), "50");  // cancel stored nothing
    EXPECT_EQ(prog.rebarCover[1], 50);
    prog.heelLength = 0;
    // A new dialog, with the covers in use and the rows of the members that exist.
    open([](Form22& d) {
        EXPECT_EQ(d.txt1.text(), "50");
        EXPECT_EQ(d.txt6.text(), "40");
        EXPECT_FALSE(d.txt4.visible());
        d.userClose();  // the close box cancels as well
    });
    EXPECT_EQ(dialog(), nullptr);
}

// The boxes show what the rows use, whatever the dialog held before: its own texts of an
// earlier opening ("45mm") come back as the covers they gave.
TEST_F(CoverDialog, OpensWithTheCoversTheRowsUse) {
    open([](Form22& d) {
        EXPECT_EQ(d.txt1.text(), "60");  // the screen's initial covers
        EXPECT_EQ(d.txt3.text(), "60");
        fill(d, "45", "42.5", "60", "60", "50");
        d.cmd1.press();
    });
    open([](Form22& d) {
        EXPECT_EQ(d.txt1.text(), "45");
        EXPECT_EQ(d.txt3.text(), "42.5");
        EXPECT_EQ(d.txt4.text(), "60");
        EXPECT_EQ(d.txt5.text(), "60");
        EXPECT_EQ(d.txt6.text(), "50");
    });
}

// A cover typed into a box replaces the one shown, however the focus arrived.
TEST_F(CoverDialog, BoxesSelectOnClickAndOnFocus) {
    open([](Form22& d) {
        d.txt3.setText("70");
        d.txt3.setSelStart(1);
        d.txt3.setFocus();
        EXPECT_EQ(d.txt3.selLength(), 2);
        d.txt3.setSelStart(1);
        d.txt3.Click();
        EXPECT_EQ(d.txt3.selLength(), 2);
        d.txt3.setText("123456789012");
        d.txt3.DblClick();
        EXPECT_EQ(d.txt3.selText(), "12");
        // The wall box's double click selects from position 30.
        d.txt1.setText("50");
        d.txt1.setFocus();
        d.txt1.DblClick();
        EXPECT_EQ(d.txt1.selStart(), 2);
        EXPECT_EQ(d.txt1.selLength(), 0);
        d.txt1.setText(std::string(32, '1'));
        d.txt1.DblClick();
        EXPECT_EQ(d.txt1.selStart(), 30);
        EXPECT_EQ(d.txt1.selLength(), 2);
    });
}

// Every opening starts in the wall's box with its cover selected, wherever the focus was
// when the dialog was last closed.
TEST_F(CoverDialog, EachOpeningStartsInTheWallBoxSelected) {
    for (int opening = 0; opening < 2; ++opening) {
        open([opening](Form22& d) {
            EXPECT_EQ(d.activeControl(), &d.txt1) << "opening " << opening;
            EXPECT_EQ(d.txt1.selText(), opening == 0 ? "60" : "55") << "opening " << opening;
            d.txt1.keyPress('5');
            d.txt1.keyPress('5' - opening);
            EXPECT_EQ(d.txt1.text(), opening == 0 ? "55" : "54");
            d.cmd1.setFocus();
            d.cmd1.press();
        });
    }
    EXPECT_EQ(sec().lbl_r1.caption(), "54");
}

TEST_F(CoverDialog, EnterFollowsTheVisibleBoxes) {
    struct Case {
        float heel, toe, key;
        const char* from;
        const char* to;
    } const cases[] = {
        {0.4f, 0.5f, 0.3f, "txt1", "txt3"}, {0.4f, 0.5f, 0.3f, "txt3", "txt4"}, {0, 0.5f, 0.3f, "txt3", "txt5"},
        {0, 0, 0.3f, "txt3", "txt6"},       {0, 0, 0, "txt3", "cmd1"},          {0.4f, 0.5f, 0.3f, "txt4", "txt5"},
        {0.4f, 0, 0.3f, "txt4", "txt6"},    {0.4f, 0, 0, "txt4", "cmd1"},       {0.4f, 0.5f, 0, "txt5", "cmd1"},
        {0.4f, 0.5f, 0.3f, "txt6", "cmd1"},
    };
    for (const Case& c : cases) {
        prog.heelLength = c.heel;
        prog.toeLength = c.toe;
        prog.keyHeight = c.key;
        open([&](Form22& d) {
            fill(d, "50", "70", "60", "60", "40");
            auto& from = static_cast<plat::TextBox&>(*d.control(c.from));
            from.setFocus();
            from.keyPress(plat::kKeyEnter);
            EXPECT_EQ(d.activeControl()->name(), c.to) << c.from;
            if (auto* box = dynamic_cast<plat::TextBox*>(d.activeControl())) {
                EXPECT_EQ(box->selText(), box->text());
            }
            EXPECT_EQ(from.text().size(), 2u);  // the key was swallowed
            EXPECT_TRUE(svc.messages.empty());  // Enter does not press "ＯＫ"
            d.cmd2.press();
        });
    }
}

TEST_F(CoverDialog, WithoutAKaTheCoversWaitForTheNextBarChoice) {
    Form7& s = sec();
    s.cbo1.setText("  D16");
    s.lbl_ra.setCaption("250");
    s.lbl1.setCaption("0.512");
    fixture::standSectionCheck(prog);
    open([](Form22& d) {
        fill(d, "50", "70", "60", "60", "40");
        d.cmd1.press();
    });
    EXPECT_EQ(s.lbl_r1.caption(), "50");
    EXPECT_EQ(s.lbl_ra.caption(), "250");
    EXPECT_EQ(s.lbl1.caption(), "0.512");
    // The check was made with the old covers.
    EXPECT_EQ(prog.sectionCheckDoneValue(), 0);
    EXPECT_TRUE(svc.messages.empty());
}

TEST_F(CoverDialog, WithAKaTheRowsWithABarAreRecomputed) {
    // A wall the spacing calculations can work with.
    placeSlabWall(prog);
    prog.backSoilAboveSlab = 2.1f;
    prog.rearWallUpperHeight = 0.3f;
    prog.earthPressureHeight = 2.5f;
    prog.centralFillDepth = 1.0f;
    prog.frontSoilAboveSlab = 2.1f;
    prog.frontWallUpperHeight = 0.3f;
    prog.surchargeBack = 10;
    prog.surchargeCentre = 10;
    fixture::setDesignValues(prog);
    prog.rebarAllow = 180;
    prog.allowBond = 1.4f;
    Form7& s = sec();
    s.txt_ka.setText("0.297");
    s.cbo1.setText("  D16");
    s.cbo5.setText("  D16");
    for (plat::Label* l : {&s.lbl1, &s.lbl4, &s.lbl5, &s.lbl8, &s.lbl17, &s.lbl20, &s.lbl21}) l->setCaption("x");
    open([](Form22& d) {
        fill(d, "50", "70", "60", "60", "40");
        d.cmd1.press();
    });
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{});
    EXPECT_EQ(prog.rebarCover[1], 50);
    for (plat::Label* l : {&s.lbl1, &s.lbl4, &s.lbl17, &s.lbl20}) EXPECT_EQ(l->caption(), "") << l->name();
    for (plat::Label* l : {&s.lbl5, &s.lbl8, &s.lbl21}) EXPECT_EQ(l->caption(), "x") << l->name();
    EXPECT_FALSE(s.lbl_ra.caption().empty());
    EXPECT_TRUE(s.lbl_rb.caption().empty());
}

// ---- Covers against their members ----

// A wall with heel, toe and key after its stability check: the upright wall 37.5 cm thick
// at A (0.3 m at the top, 0.45 m at the slab) and 45 cm at B, the slab, heel and toe 40 cm,
// the key 30 cm wide. "D16,D19" adds 9.5 mm to the cover; d = D − (cover + 9.5)/10 must
// stay above 0.
struct MemberCase {
    const char* name;
    bool bars;        // "D16,D19" chosen in every row
    const char* box;  // the box typed into
    const char* cover;
    const char* refusal;  // empty: taken
};

class CoverAgainstMember : public ::testing::TestWithParam<MemberCase> {};

TEST_P(CoverAgainstMember, IsRefusedBeforeAnythingChanges) {
    const MemberCase& c = GetParam();
    ProgramWithMainWindow run;
    Program& p = run.prog;
    fixture::placeStability(p, fixture::Wall::HeelToeKey);
    fixture::openSections(p);
    if (c.bars) fixture::chooseBars(p);
    Form7& s = p.form<Form7>();
    auto grid = [&s] {
        std::vector<std::string> out;
        for (const Form7::Row& r : s.rows())
            out.insert(out.end(), {r.bars.text(), r.cover.caption(), r.computed.caption(), r.design.text()});
        return out;
    };
    const std::vector<std::string> before = grid();
    run.svc.clear();
    run.svc.modalScripts.push_back([&](plat::Form& f) {
        auto& d = static_cast<Form22&>(f);
        auto& box = static_cast<plat::TextBox&>(*d.control(c.box));
        box.setText(c.cover);
        d.cmd1.press();
        if (*c.refusal == 0) return;
        EXPECT_TRUE(d.visible());
        EXPECT_EQ(d.activeControl(), &box);
        EXPECT_EQ(box.selText(), c.cover);
        d.cmd2.press();
    });
    s.cmd6.press();
    if (*c.refusal == 0) {
        EXPECT_TRUE(run.svc.messages.empty()) << ::testing::PrintToString(run.svc.messageTexts());
        return;
    }
    ASSERT_EQ(run.svc.messages.size(), 1u);
    EXPECT_EQ(run.svc.messages[0], plat::MessageRequest::fromStyle(c.refusal, plat::msg::kOk, "エラーメッセージ"));
    EXPECT_EQ(grid(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Members, CoverAgainstMember,
    ::testing::Values(
        // 37.5 − (365 + 9.5)/10 = 0.05 cm.
        MemberCase{"WallJustThick", true, "txt1", "365", ""},
        MemberCase{"WallTooThin", true, "txt1", "366", "たて壁 Ａ 中央部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"},
        // Without a bar the cover alone: 37.5 − 37.4 and 37.5 − 37.5.
        MemberCase{"WallWithoutABar", false, "txt1", "374", ""},
        MemberCase{"WallCoverAsThickAsTheWall", false, "txt1", "375",
                   "たて壁 Ａ 中央部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"},
        // 40 − (390 + 9.5)/10 = 0.05 cm; 391 leaves −0.05.
        MemberCase{"SlabJustThick", true, "txt3", "390", ""},
        MemberCase{"SlabTooThin", true, "txt3", "391", "底版 Ｃ 中央部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"},
        MemberCase{"HeelTooThin", true, "txt4", "391", "かかと版 Ｆ 固定部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"},
        MemberCase{"ToeTooThin", true, "txt5", "391", "つま先版 Ｇ 固定部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"},
        // 30 − (290 + 9.5)/10 = 0.05 cm.
        MemberCase{"KeyJustThick", true, "txt6", "290", ""},
        MemberCase{"KeyTooThin", true, "txt6", "291", "突起 Ｈ 固定部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Across projects ----

class CoverDialogAcrossProjects : public ProjectFixture {
protected:
    // Opens the dialog from the section screen; what its boxes show, then "ＯＫ" as
    // they stand or "キャンセル".
    std::vector<std::string> openCovers(bool ok) {
        std::vector<std::string> shown;
        svc.modalScripts.push_back([&shown, ok](plat::Form& f) {
            auto& d = static_cast<Form22&>(f);
            shown = {d.txt1.text(), d.txt3.text(), d.txt4.text(), d.txt5.text(), d.txt6.text()};
            (ok ? d.cmd1 : d.cmd2).press();
        });
        prog.form<Form7>().cmd6.press();
        return shown;
    }
    // The covers the rows use and every result the screen shows.
    std::vector<std::string> rowsShown() {
        std::vector<std::string> out;
        for (const Form7::Row& r : prog.form<Form7>().rows()) {
            out.push_back(r.cover.caption());
            out.push_back(r.computed.caption());
            for (const plat::Label* l : r.results) out.push_back(l->caption());
        }
        return out;
    }
};

// After File > New the dialog does not offer the covers of the project before, so that
// "ＯＫ" without a look changes nothing; after File > Open it offers the opened ones.
TEST_F(CoverDialogAcrossProjects, OpensWithTheCurrentProjectsCovers) {
    const std::vector<std::string> all60(5, "60");
    // A project with a slab cover of 70, checked and saved.
    fixture::enterWall(prog, fixture::Wall::HeelToeKey);
    svc.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form22&>(f);
        d.txt3.setText("70");
        d.cmd1.press();
    });
    prog.form<Form7>().cmd6.press();
    fixture::checkSections(prog);
    ASSERT_EQ(prog.form<Form7>().lbl_r5.caption(), "70");
    ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
    const std::string file = path("slab70.ywd");
    saveAs(prog, svc, file);

    // File > New and the next wall, whose rows use 60 throughout.
    fixture::enterWall(prog, fixture::Wall::HeelToeKey);
    ASSERT_EQ(prog.sectionCheckDoneValue(), 1);
    const std::vector<std::string> before = rowsShown();
    EXPECT_EQ(before[2 * 6], "60");  // the slab's first row
    EXPECT_EQ(openCovers(true), all60);
    // "ＯＫ" as offered: the same covers, every result and the check stand.
    EXPECT_EQ(rowsShown(), before);
    EXPECT_EQ(prog.rebarCover[5], 60);
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
    EXPECT_TRUE(button(*prog.mainToolbar(), ToolbarButton::Preview).enabled);

    // File > Open of the first project: its covers.
    open(prog, svc, file);
    EXPECT_EQ(openCovers(false), (std::vector<std::string>{"60", "70", "60", "60", "60"}));
    // File > 閉じる and a new wall: 60 again.
    svc.answers.push_back(plat::MsgResult::OK);
    prog.form<MDIForm1>().Men_FCls_Click();
    fixture::enterWall(prog, fixture::Wall::HeelToeKey);
    EXPECT_EQ(openCovers(true), all60);
    EXPECT_EQ(prog.sectionCheckDoneValue(), 1);
}

}  // namespace
