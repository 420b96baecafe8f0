#include "report/print_range_dialog.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class PrintRangeDialogTest : public ReportTest {
protected:
    // Opens the dialog from the File menu and runs the script while it is open.
    void open(std::function<void(Form15&)> script) {
        svc.modalScripts.push_back([script](plat::Form& f) { script(static_cast<Form15&>(f)); });
        main->Men_FPrn.userClick();
    }
};

TEST_F(PrintRangeDialogTest, CreationState) {
    Form15& d = prog.form<Form15>();
    EXPECT_EQ(d.kind(), plat::FormKind::Dialog);
    EXPECT_EQ(d.caption(), "ミラノス");
    EXPECT_EQ(d.Frame1.caption(), "印刷範囲の指定");
    Strings captions;
    for (plat::OptionButton* o : {&d.opt1, &d.opt2, &d.opt3, &d.opt4, &d.opt5}) {
        captions.push_back(o->caption());
        EXPECT_FALSE(o->value());
        EXPECT_EQ(o->container(), &d.Frame1);
    }
    EXPECT_EQ(captions, (Strings{"一般事項", "安定計算", "断面計算", "安定計算・断面計算", "一般事項・安定計算・断面計算"}));
    EXPECT_EQ(d.chk_P.caption(), "ページ番号を付ける");
    EXPECT_EQ(d.chk_P.value(), 0);
    EXPECT_EQ(d.txt_P.text(), "");
    EXPECT_FALSE(d.txt_P.enabled());
    EXPECT_FALSE(d.lbl1.enabled());
    EXPECT_FALSE(d.lbl2.enabled());
    EXPECT_EQ(d.lbl1.caption(), "最初のページ番号");
    EXPECT_EQ(d.lbl2.caption(), "(数字を入力)");
    EXPECT_EQ(d.cmd1.caption(), "ＯＫ");
    EXPECT_EQ(d.cmd2.caption(), "キャンセル");
}

TEST_F(PrintRangeDialogTest, OkWithoutARangeAsksForOneAndPrintsNothing) {
    bool stillOpen = false;
    open([&](Form15& d) {
        d.cmd1.press();
        stillOpen = d.isModalOpen() && d.visible();
        d.cmd2.press();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].text, "印刷範囲を指定してください。");
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].buttons, plat::MsgButtons::OK);
    EXPECT_EQ(svc.messages[0].icon, plat::MsgIcon::None);
    EXPECT_TRUE(svc.printJobs.empty());
    EXPECT_EQ(std::count(svc.events.begin(), svc.events.end(), "printer"), 0);
}

TEST_F(PrintRangeDialogTest, NumberingOnWithAnEmptyBoxAsksForTheFirstNumber) {
    bool focused = false;
    open([&](Form15& d) {
        d.opt2.userClick();
        d.chk_P.userClick();
        d.cmd1.press();
        focused = d.txt_P.hasFocus();
        d.cmd2.press();
    });
    EXPECT_EQ(svc.messageTexts(), Strings{"最初のページ番号を入力してください。"});
    EXPECT_EQ(svc.messages[0].title, "エラーメッセージ");
    EXPECT_EQ(svc.messages[0].icon, plat::MsgIcon::None);
    EXPECT_TRUE(focused);
    EXPECT_TRUE(svc.printJobs.empty());
}

// The first page number is a number from 1 to 9999 and nothing else; a text refused is
// named with its range and no page is printed. (Before, the leading number was taken:
// "2,5" printed from 2, "abc" from 0, "1e30" a 31-digit number on every page.)
TEST_F(PrintRangeDialogTest, FirstPageNumberFrom1To9999WhollyANumber) {
    constexpr const char* kRange = "最初のページ番号は1以上9999以下で入力してください。";
    constexpr const char* kNumber = "最初のページ番号は数値で入力してください。";
    struct Case {
        const char* text;
        float number;  // what the pages count from, when taken
        const char* message;
    };
    const Case cases[] = {
        {"1", 1, nullptr},      {" 12", 12, nullptr},    {"9999", 9999, nullptr}, {"3.5", 3.5f, nullptr},
        {"0.99", 0, kRange},    {"0", 0, kRange},        {"-3", 0, kRange},       {"10000", 0, kRange},
        {"1e30", 0, kRange},    {"2,5", 0, kNumber},     {"abc", 0, kNumber},     {"7頁", 0, kNumber},
    };
    for (const Case& c : cases) {
        prog.firstPageNumber = 99;
        svc.clear();
        const std::size_t jobs = svc.printJobs.size();
        bool focused = false;
        open([&](Form15& d) {
            d.opt1.userClick();
            if (d.chk_P.value() == 0) d.chk_P.userClick();
            d.txt_P.setText(c.text);
            d.cmd1.press();
            focused = d.txt_P.hasFocus() && d.txt_P.selText() == d.txt_P.text();
            if (d.visible()) d.cmd2.press();
        });
        if (c.message) {
            EXPECT_EQ(svc.messageTexts(), Strings{c.message}) << c.text;
            EXPECT_TRUE(focused) << c.text;
            EXPECT_EQ(svc.printJobs.size(), jobs) << c.text;
            EXPECT_EQ(prog.firstPageNumber, 99) << c.text;
        } else {
            EXPECT_TRUE(svc.messages.empty()) << c.text;
            EXPECT_EQ(svc.printJobs.size(), jobs + 1) << c.text;
            EXPECT_EQ(prog.firstPageNumber, c.number) << c.text;
        }
    }
}

TEST_F(PrintRangeDialogTest, UncheckingEmptiesAndDisablesTheBox) {
    Form15& d = prog.form<Form15>();
    d.chk_P.userClick();
    EXPECT_TRUE(d.txt_P.enabled());
    EXPECT_TRUE(d.lbl1.enabled());
    EXPECT_TRUE(d.lbl2.enabled());
    d.txt_P.setText("7");
    d.chk_P.userClick();
    EXPECT_EQ(d.txt_P.text(), "");
    EXPECT_FALSE(d.txt_P.enabled());
    EXPECT_FALSE(d.lbl1.enabled());
    EXPECT_FALSE(d.lbl2.enabled());
    d.chk_P.userClick();
    EXPECT_EQ(d.txt_P.text(), "");
    EXPECT_TRUE(d.txt_P.enabled());
}

TEST_F(PrintRangeDialogTest, OptionsAndEnterMoveTheFocusToOk) {
    open([&](Form15& d) {
        d.opt3.userClick();
        EXPECT_TRUE(d.cmd1.hasFocus());
        d.chk_P.userClick();
        d.txt_P.setFocus();
        d.txt_P.keyPress('5');
        d.txt_P.keyPress(plat::kKeyEnter);
        EXPECT_EQ(d.txt_P.text(), "5");
        EXPECT_TRUE(d.cmd1.hasFocus());
        d.cmd2.press();
    });
}

TEST_F(PrintRangeDialogTest, OkKeepsTheChoicesAndCancelForgetsThem) {
    open([](Form15& d) {
        d.opt3.userClick();
        d.chk_P.userClick();
        d.txt_P.setText("12");
        d.cmd1.press();
    });
    EXPECT_TRUE(prog.isLoaded("Form15")) << "hidden, not unloaded";
    open([](Form15& d) {
        EXPECT_TRUE(d.opt3.value());
        EXPECT_EQ(d.chk_P.value(), 1);
        EXPECT_EQ(d.txt_P.text(), "12");
        d.cmd2.press();
    });
    EXPECT_FALSE(prog.isLoaded("Form15"));
    EXPECT_EQ(prog.firstPageNumber, 12) << "cancel leaves the number alone";
    open([](Form15& d) {
        EXPECT_FALSE(d.opt3.value());
        EXPECT_EQ(d.chk_P.value(), 0);
        EXPECT_EQ(d.txt_P.text(), "");
        d.userClose();
    });
    EXPECT_FALSE(prog.isLoaded("Form15")) << "the close box cancels";
    EXPECT_EQ(svc.printJobs.size(), 1u);
}

TEST_F(PrintRangeDialogTest, ToolbarButtonSixOpensTheDialog) {
    button(main->Toolbar1, ToolbarButton::Print).enabled = true;
    userClick(main->Toolbar1, ToolbarButton::Print);
    EXPECT_EQ(svc.modals, Strings{"Form15"});
}

}  // namespace

namespace {

TEST_F(PrintRangeDialogTest, AFirstNumberTooLargeToHoldIsNoNumber) {
    open([](Form15& d) {
        d.opt1.userClick();
        d.chk_P.userClick();
        d.txt_P.setText("1e39");
        d.cmd1.press();
        d.cmd2.press();
    });
    EXPECT_EQ(svc.messageTexts(), Strings{"最初のページ番号は1以上9999以下で入力してください。"});
    EXPECT_TRUE(svc.printJobs.empty());
}

}  // namespace
