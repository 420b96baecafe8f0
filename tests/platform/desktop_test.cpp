#include <gtest/gtest.h>

#include "support/test_form.h"

namespace {

TEST(Desktop, FormsAreCreatedOnFirstUseAndLoadOnce) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    EXPECT_FALSE(desk.isLoaded("TestForm"));
    TestForm& f = desk.form<TestForm>();
    EXPECT_TRUE(desk.isLoaded("TestForm"));
    EXPECT_FALSE(f.visible()) << "created hidden";
    desk.form<TestForm>().t1.setText("x");
    EXPECT_EQ(f.loads, 1);
    EXPECT_EQ(&desk.form<TestForm>(), &f);
}

TEST(Desktop, IsLoadedAndFindCreateNothing) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    EXPECT_EQ(desk.find("TestForm"), nullptr);
    EXPECT_FALSE(desk.isLoaded("TestForm"));
    EXPECT_TRUE(desk.loadedForms().empty());
}

TEST(Desktop, UnloadReturnsTheInitialState) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    TestForm& f = desk.form<TestForm>();
    f.t1.setText("12");
    f.o2.setValue(true);
    f.show();
    desk.unload("TestForm");
    EXPECT_FALSE(desk.isLoaded("TestForm"));
    TestForm& g = desk.form<TestForm>();
    EXPECT_EQ(g.t1.text(), "");
    EXPECT_FALSE(g.o2.value());
    EXPECT_FALSE(g.visible());
    EXPECT_EQ(g.loads, 1);
}

TEST(Desktop, AFormMayUnloadItselfInsideItsOwnHandler) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    TestForm& f = desk.form<TestForm>();
    f.btn.Click = [&] {
        f.unload();
        f.log.push_back("still running");  // the instance lives until the event is over
    };
    f.btn.press();
    EXPECT_FALSE(desk.isLoaded("TestForm"));
    desk.collectGarbage();
}

TEST(Desktop, ActivationFollowsTheTopChild) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    TestForm& f = desk.form<TestForm>();
    OtherForm& o = desk.form<OtherForm>();
    f.show();
    EXPECT_EQ(f.log.front(), "TestForm.Activate") << "activation, then the first control gets the focus";
    o.show();
    EXPECT_EQ(o.activations, 1);
    EXPECT_EQ(desk.activeChild(), &o);
    f.log.clear();
    o.hide();
    EXPECT_EQ(f.log, std::vector<std::string>{"TestForm.Activate"}) << "the child below becomes active";
    f.log.clear();
    f.show();
    EXPECT_TRUE(f.log.empty()) << "showing the active child again does not re-activate it";
    o.show();
    desk.unload("OtherForm");
    EXPECT_EQ(f.log, std::vector<std::string>{"TestForm.Activate"});
}

TEST(Desktop, ModalDialogBlocksUntilHidden) {
    ScriptedServices svc;
    TestDesktop desk(svc);
    TestForm& dlg = desk.form<TestForm>();
    bool sawModal = false;
    svc.modalScripts.push_back([&](plat::Form& form) {
        sawModal = form.isModalOpen() && desk.modalStack().size() == 1;
        form.hide();
    });
    dlg.showModal();
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(dlg.isModalOpen());
    EXPECT_TRUE(desk.modalStack().empty());
    EXPECT_TRUE(desk.isLoaded("TestForm")) << "hidden dialogs keep their state";
}

// Esc in a dialog with a close box is the close box, from any control and before the
// control's KeyPress; in a dialog without one, and in a screen, it is an ordinary key.
TEST(Desktop, EscInADialogIsItsCloseBox) {
    struct Dialog : TestForm {
        explicit Dialog(plat::Desktop& d) : TestForm(d, plat::FormKind::Dialog) {
            for (plat::Control* c : controls())
                c->KeyPress = [this, c](int& key) { log.push_back(c->name() + ".KeyPress " + std::to_string(key)); };
        }
        void closeBoxPressed() override {
            log.push_back("close box");
            hide();
        }
    };
    for (const char* control : {"t1", "cb", "btn", "o1", "chk"}) {
        for (bool closeBox : {true, false}) {
            ScriptedServices svc;
            plat::Desktop desk(svc);
            desk.registerForm(TestForm::kName, [&desk] { return std::make_unique<Dialog>(desk); });
            auto& dlg = static_cast<Dialog&>(desk.formByName(TestForm::kName));
            dlg.setCloseBox(closeBox);
            dlg.t1.setText("1");
            svc.modalScripts.push_back([&dlg, control](plat::Form&) {
                dlg.log.clear();
                dlg.control(control)->keyPress(plat::kKeyEsc);
            });
            dlg.showModal();
            SCOPED_TRACE(std::string(control) + (closeBox ? " with" : " without") + " a close box");
            if (closeBox) {
                EXPECT_EQ(dlg.log, std::vector<std::string>{"close box"});
                EXPECT_FALSE(dlg.visible());
            } else {
                EXPECT_EQ(dlg.log, std::vector<std::string>{std::string(control) + ".KeyPress 27"});
            }
            EXPECT_EQ(dlg.t1.text(), "1");
        }
    }
    ScriptedServices svc;
    TestDesktop desk(svc);
    TestForm& screen = desk.form<TestForm>();
    screen.show();
    int seen = 0;
    screen.t1.KeyPress = [&seen](int& key) { seen = key; };
    screen.t1.keyPress(plat::kKeyEsc);
    EXPECT_EQ(seen, plat::kKeyEsc);
    EXPECT_TRUE(screen.visible());
}

TEST(Desktop, MessageStylesDecode) {
    using plat::MessageRequest;
    using plat::MsgButtons;
    using plat::MsgIcon;
    auto r = MessageRequest::fromStyle("t", plat::msg::kOkCancel | plat::msg::kQuestion | plat::msg::kSecondDefault, "確認");
    EXPECT_EQ(r.buttons, MsgButtons::OKCancel);
    EXPECT_EQ(r.icon, MsgIcon::Question);
    EXPECT_EQ(r.defaultButton, 1);
    r = MessageRequest::fromStyle("t", plat::msg::kOk | plat::msg::kSecondDefault, "エラーメッセージ");
    EXPECT_EQ(r.buttons, MsgButtons::OK);
    EXPECT_EQ(r.defaultButton, 0) << "an OK-only box has one button";
    r = MessageRequest::fromStyle("t", plat::msg::kYesNo, "");
    EXPECT_EQ(r.buttons, MsgButtons::YesNo);
    EXPECT_EQ(r.icon, MsgIcon::None);
    EXPECT_EQ(r.defaultButton, 0);
    r = MessageRequest::fromStyle("t", plat::msg::kExclamation, "");
    EXPECT_EQ(r.icon, MsgIcon::Exclamation);
}

TEST(Toolbar, DisabledButtonsDeliverNoClick) {
    // Indices count from 1, the separator included.
    constexpr int kA = 1, kSeparator = 2, kB = 3, kPastTheEnd = 9;
    plat::Toolbar bar;
    bar.addButton(1, "a", "a");
    bar.addSeparator();
    bar.addButton(2, "b", "b");
    std::vector<int> clicks;
    bar.ButtonClick = [&](int i) { clicks.push_back(i); };
    bar.button(kB).enabled = false;
    bar.userClick(kB);
    bar.userClick(kA);
    bar.userClick(kSeparator);
    bar.userClick(kPastTheEnd);
    EXPECT_EQ(clicks, (std::vector<int>{kA, kSeparator}));
}

}  // namespace
