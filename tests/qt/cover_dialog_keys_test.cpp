// The rebar-cover dialog driven by real key and mouse events on the offscreen platform: a
// cover typed replaces the one shown, and a cover its member cannot take is refused at
// "ＯＫ" with the dialog open on it and every row as it was.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/desktop_view.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "support/fixture_walls.h"
#include "support/scripted_services.h"

namespace {

// The wall with heel, toe and key after its stability check, bars and spacings chosen on
// the section screen, which is on screen.
class CoverDialogKeys : public ::testing::Test {
protected:
    CoverDialogKeys() : program(svc), view(program) {
        registerForms(program);
        view.setToolbarSource([this] { return program.mainToolbar(); });
        program.form<MDIForm1>();
        fixture::placeStability(program, fixture::Wall::HeelToeKey);
        fixture::openSections(program);
        fixture::chooseBars(program);
        view.sync();
    }

    Form7& sections() { return program.form<Form7>(); }
    QLineEdit* edit(plat::TextBox& box) { return qobject_cast<QLineEdit*>(view.widgetOf(box)); }
    // Each character as the keyboard sends it to the focused box.
    static void type(QWidget* w, const QString& chars) {
        for (QChar c : chars) {
            QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    void pressOk(Form22& d) {
        auto* ok = qobject_cast<QPushButton*>(view.widgetOf(d.cmd1));
        ASSERT_NE(ok, nullptr);
        ok->click();
    }
    // Every row as the screen shows it: bar, cover, spacings and results.
    std::vector<std::string> grid() {
        std::vector<std::string> out;
        for (const Form7::Row& r : sections().rows()) {
            out.insert(out.end(), {r.bars.text(), r.cover.caption(), r.computed.caption(), r.design.text()});
            for (const plat::Label* l : r.results) out.push_back(l->caption());
        }
        return out;
    }
    // Opens the dialog with "変更"; the script plays while it is open.
    void openCovers(std::function<void(Form22&)> script) {
        svc.modalScripts.push_back([this, script](plat::Form& f) {
            view.sync();
            script(static_cast<Form22&>(f));
        });
        sections().cmd6.press();
        view.sync();
    }

    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
};

TEST_F(CoverDialogKeys, ATypedCoverReplacesTheOneShown) {
    openCovers([this](Form22& d) {
        QLineEdit* wall = edit(d.txt1);
        ASSERT_NE(wall, nullptr);
        EXPECT_TRUE(d.txt1.hasFocus());
        EXPECT_EQ(wall->selectedText(), "60");
        type(wall, "5");
        EXPECT_EQ(d.txt1.text(), "5");
        type(wall, "0");
        EXPECT_EQ(wall->text(), "50");
        pressOk(d);
        EXPECT_FALSE(d.visible());
    });
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(sections().lbl_r1.caption(), "50");
    EXPECT_EQ(sections().lbl_r2.caption(), "50");
    // Opened again, the wall's box holds the new cover, selected to be typed over.
    openCovers([this](Form22& d) {
        EXPECT_TRUE(d.txt1.hasFocus());
        EXPECT_EQ(edit(d.txt1)->selectedText(), "50");
        d.cmd2.press();
    });
}

// 560 mm leaves the upright wall (37.5 cm at A) no depth: refused before anything changes.
TEST_F(CoverDialogKeys, AnImpossibleCoverIsRefusedAtOkWithEveryRowAsBefore) {
    const std::vector<std::string> before = grid();
    ASSERT_EQ(program.sectionCheckDoneValue(), 0);
    openCovers([this, &before](Form22& d) {
        QLineEdit* wall = edit(d.txt1);
        ASSERT_NE(wall, nullptr);
        type(wall, "560");
        EXPECT_EQ(d.txt1.text(), "560");
        pressOk(d);
        EXPECT_EQ(svc.messageTexts(),
                  std::vector<std::string>{"たて壁 Ａ 中央部は、部材の厚さが鉄筋のかぶり厚さと鉄筋の径に対して薄すぎます。"});
        EXPECT_TRUE(d.visible());
        EXPECT_TRUE(d.txt1.hasFocus());
        EXPECT_EQ(wall->selectedText(), "560");
        EXPECT_EQ(grid(), before);
        // The correction replaces the refused cover.
        type(wall, "50");
        EXPECT_EQ(d.txt1.text(), "50");
        svc.clear();
        pressOk(d);
        EXPECT_FALSE(d.visible());
    });
    EXPECT_TRUE(svc.messages.empty());
    EXPECT_EQ(sections().lbl_r1.caption(), "50");
}

}  // namespace
