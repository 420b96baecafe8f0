// The reference tables of both standards, opened from the 参考 menu.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/note_window.h"
#include "conditions/reference_windows.h"
#include "support/choice_input.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

struct ReferenceWindows : ProgramTest {};

const plat::Label* labelWith(const FixedDrawing& d, const std::string& caption) {
    for (const auto& l : d.labels())
        if (l->caption() == caption) return l.get();
    return nullptr;
}

void expectInside(const plat::Form& form, const FixedDrawing& d) {
    for (const auto& l : d.labels()) {
        EXPECT_GE(l->left(), 0) << l->caption();
        EXPECT_LE(l->left() + l->width(), form.width()) << l->caption();
        EXPECT_LE(l->top() + l->height(), form.height()) << l->caption();
    }
}

// A value stands on the row of its label: their vertical centres agree.
void expectSameRow(const FixedDrawing& d, const std::string& left, const std::string& right) {
    const plat::Label* a = labelWith(d, left);
    const plat::Label* b = labelWith(d, right);
    ASSERT_NE(a, nullptr) << left;
    ASSERT_NE(b, nullptr) << right;
    EXPECT_EQ(a->top() + a->height() / 2, b->top() + b->height() / 2) << left << " / " << right;
    EXPECT_LT(a->left(), b->left());
}

TEST_F(ReferenceWindows, BuildingTableOpensWithoutAStandardAndCloseGivesTheMenusBack) {
    button(main->Toolbar1, ToolbarButton::Save).enabled = false;
    button(main->Toolbar1, ToolbarButton::New).enabled = true;
    main->Men_S.userClick();
    ASSERT_TRUE(prog.isLoaded("Form10"));
    Form10& table = prog.form<Form10>();
    EXPECT_TRUE(table.visible());
    EXPECT_EQ(prog.activeChild(), &table);
    EXPECT_FALSE(main->Men_F.enabled());
    EXPECT_FALSE(main->Men_S.enabled());
    EXPECT_FALSE(main->Toolbar1.visible());

    EXPECT_EQ(table.cmd1.caption(), "閉じる");
    table.cmd1.press();
    prog.collectGarbage();
    EXPECT_FALSE(prog.isLoaded("Form10"));
    EXPECT_TRUE(main->Men_F.enabled());
    EXPECT_TRUE(main->Men_S.enabled());
    EXPECT_TRUE(main->Toolbar1.visible());
    EXPECT_FALSE(button(main->Toolbar1, ToolbarButton::Save).enabled);  // untouched
    EXPECT_TRUE(button(main->Toolbar1, ToolbarButton::New).enabled);
}

TEST_F(ReferenceWindows, RoadStandardOpensTheRoadTable) {
    choice_input::setDesignChoices(prog, {Standard::Road});
    main->Men_S.userClick();
    ASSERT_TRUE(prog.isLoaded("Form9"));
    EXPECT_FALSE(prog.isLoaded("Form10"));
    Form9& table = prog.form<Form9>();
    EXPECT_TRUE(table.visible());
    table.cmd1.press();
    prog.collectGarbage();
    EXPECT_FALSE(prog.isLoaded("Form9"));
    EXPECT_TRUE(main->Men_F.enabled());
    EXPECT_TRUE(main->Toolbar1.visible());
}

TEST_F(ReferenceWindows, BuildingTablesHoldTheirValuesOnTheirRows) {
    Form10& t = prog.form<Form10>();
    for (const char* text : {"◎ 宅地造成等規制法", "◎ 建築基準法(短期は長期の２倍)", "◎ 建築基礎構造設計指針",
                             "単位体積重量(γ)(kN/m3)", "シルト又は粘土を含む透水性の低い砂質土 ", "長期許容応力度(kN/m2)",
                             "地　    盤", "土      質"})
        EXPECT_NE(labelWith(t.tables, text), nullptr) << text;
    expectSameRow(t.tables, "砂利又は砂", "0.35");
    expectSameRow(t.tables, "シルト、粘土", "0.50");
    expectSameRow(t.tables, "固結した砂", "500");
    expectSameRow(t.tables, "粘土を多量に含む砂質土", "17.5");
    expectInside(t, t.tables);
}

TEST_F(ReferenceWindows, RoadTablesHoldTheirValuesOnTheirRows) {
    Form9& t = prog.form<Form9>();
    for (const char* text : {"◎ 道路土工－擁壁工指針", "裏込め土のせん断定数", "壁面摩擦角　δ=2φ/3",
                             "支持地盤の種類と許容支持力度（常時値）", "基礎底面と地盤との間の摩擦係数と付着力",
                             "設計水平震度の標準値(Kho)", "土と基礎のコンクリートの間に割り栗石または砕石を敷く場合",
                             "μ=tanφB", "ｑa"})
        EXPECT_NE(labelWith(t.tables, text), nullptr) << text;
    expectSameRow(t.tables, "粘性土(wL<50%)", "25°");
    expectSameRow(t.tables, "亀裂の少ない均一な硬岩", "10000以上");
    expectSameRow(t.tables, "大規模地震動対応", "0.24");
    expectSameRow(t.tables, "堅いもの", "10～15");
    expectInside(t, t.tables);
}

TEST_F(ReferenceWindows, NoteWindowQuotesTheManualAndNamesItsSource) {
    Form27& note = prog.form<Form27>();
    EXPECT_EQ(note.caption(), "ミラノス");
    EXPECT_EQ(note.Label5.caption(), "背面上載荷重の土圧について");
    EXPECT_EQ(note.Label1.caption(), "「宅地造成等規制法施行令の別表第二を用いる場合は、");
    EXPECT_EQ(note.Label2.caption(), "土圧係数に５KN/m2程度の積載荷重が含まれているこ");
    EXPECT_EQ(note.Label3.caption(), "とに留意する。」");
    // The manual's title, its publisher in full-width parentheses, then より.
    const std::string source = note.Label4.caption();
    const std::string title = "宅地防災マニュアルの解説（";
    const std::string tail = "）より";
    ASSERT_GT(source.size(), title.size() + tail.size());
    EXPECT_EQ(source.substr(0, title.size()), title);
    EXPECT_EQ(source.substr(source.size() - tail.size()), tail);
    EXPECT_EQ(note.cmd1.caption(), "閉じる");

    note.show();
    note.closeBoxPressed();
    EXPECT_FALSE(note.visible());
    EXPECT_TRUE(prog.isLoaded("Form27"));
}

}  // namespace
