// The main window on the offscreen platform: caption, menus, toolbar, child screens,
// the About box and the two ways to end the program.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/forms.h"
#include "app/about_box.h"
#include "app/main_window.h"
#include "common/numbers.h"
#include "common/program.h"
#include "conditions/conditions_screen.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "platform/qt/desktop_view.h"
#include "support/scripted_services.h"

namespace {

class MainWindowView : public ::testing::Test {
protected:
    MainWindowView() : program(svc), view(program) {
        registerForms(program);
        view.setToolbarSource([this] { return program.mainToolbar(); });
        view.setOnEnded([this] { ++endCalls; });
        program.form<MDIForm1>();
        view.sync();
    }

    QMenu* menuNamed(const QString& title) {
        for (QAction* a : view.mainWindow()->menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }
    QAction* actionNamed(QMenu* menu, const QString& text) {
        for (QAction* a : menu->actions())
            if (a->text() == text) return a;
        return nullptr;
    }
    std::vector<QAction*> toolButtons() {
        auto list = view.toolbar()->actions();
        return std::vector<QAction*>(list.begin(), list.end());
    }
    // The action of the named button: the actions stand in the toolbar's order.
    QAction* toolButton(ToolbarButton which) { return toolButtons().at(static_cast<int>(which) - 1); }

    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
    int endCalls = 0;
};

const char* const kTopMenus[] = {"ﾌｧｲﾙ(&F)", "参考(&S)", "ﾍﾙﾌﾟ(&H)"};
const char* const kFileItems[] = {"新規作成(&N)", "開く(&O)", "閉じる(&C)", "-", "上書き保存(&V)", "名前を付けて保存(&A)", "-", "印刷イメージ(&I)", "印刷(&P)", "-", "終了(&X)"};
const char* const kVersionItem = "ﾊﾞｰｼﾞｮﾝ情報(&A)";

TEST_F(MainWindowView, StartsWithCaptionMenusAndToolbar) {
    QMainWindow* w = view.mainWindow();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "ミラノス");

    auto top = w->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(top[i]->text().toStdString(), kTopMenus[i]);
    // "参考(&S)" is a command of the menu bar itself, the others open menus.
    EXPECT_NE(top[0]->menu(), nullptr);
    EXPECT_EQ(top[1]->menu(), nullptr);
    ASSERT_NE(top[2]->menu(), nullptr);
    EXPECT_EQ(top[2]->menu()->actions().at(0)->text().toStdString(), kVersionItem);

    auto items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 11);
    for (int i = 0; i < 11; ++i) {
        if (std::string(kFileItems[i]) == "-")
            EXPECT_TRUE(items[i]->isSeparator()) << i;
        else
            EXPECT_EQ(items[i]->text().toStdString(), kFileItems[i]);
    }

    ASSERT_EQ(toolButtons().size(), 6u);
    EXPECT_TRUE(view.toolbar()->isVisible());
    EXPECT_TRUE(toolButton(ToolbarButton::Separator)->isSeparator());
    const struct {
        ToolbarButton which;
        bool enabled;
        const char* tooltip;
    } buttons[] = {{ToolbarButton::New, true, "[ファイル]-[新規作成]"},
                   {ToolbarButton::Open, true, "[ファイル]-[開く]"},
                   {ToolbarButton::Save, false, "[ファイル]-[上書き保存]"},
                   {ToolbarButton::Preview, false, "[ファイル]-[印刷ｲﾒｰｼﾞ]"},
                   {ToolbarButton::Print, false, "[ファイル]-[印刷]"}};
    for (const auto& b : buttons) {
        QAction* action = toolButton(b.which);
        EXPECT_EQ(action->isEnabled(), b.enabled) << "button " << static_cast<int>(b.which);
        EXPECT_EQ(action->toolTip().toStdString(), b.tooltip);
        EXPECT_FALSE(action->icon().isNull());
    }
}

TEST_F(MainWindowView, OpeningTheFileMenuRunsItsRuleBeforeItemsShow) {
    QMenu* file = menuNamed(QString::fromUtf8(kTopMenus[0]));
    ASSERT_NE(file, nullptr);
    QAction* saveAs = actionNamed(file, QString::fromUtf8(kFileItems[5]));
    QAction* preview = actionNamed(file, QString::fromUtf8(kFileItems[7]));
    ASSERT_TRUE(saveAs && preview);
    EXPECT_TRUE(saveAs->isEnabled());  // nothing computed yet, but the rule has not run
    emit file->aboutToShow();
    EXPECT_FALSE(saveAs->isEnabled());
    EXPECT_FALSE(preview->isEnabled());
    EXPECT_TRUE(actionNamed(file, QString::fromUtf8(kFileItems[0]))->isEnabled());
}

TEST_F(MainWindowView, NewShowsTheConditionsScreenTopLeftAndDisabledButtonsDeliverNothing) {
    toolButton(ToolbarButton::Save)->trigger();  // disabled: no click
    EXPECT_EQ(program.find("Form3"), nullptr);
    toolButton(ToolbarButton::New)->trigger();
    auto* form3 = static_cast<Form3*>(program.find("Form3"));
    ASSERT_NE(form3, nullptr);
    auto* sub = qobject_cast<QMdiSubWindow*>(view.windowOf(*form3));
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(0, 0));
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(view.mdiArea()->activeSubWindow(), sub);
    EXPECT_EQ(sub->size(), QSize(form3->width() / 15, form3->height() / 15));
    EXPECT_TRUE(form3->txt1.hasFocus());

    // A second New replaces the screen; the old window goes with the old form.
    QPointer<QWidget> old = sub;
    toolButton(ToolbarButton::New)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    auto* fresh = static_cast<Form3*>(program.find("Form3"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(view.mdiArea()->activeSubWindow(), view.windowOf(*fresh));
    int children = 0;
    for (plat::Form* f : program.loadedForms()) children += f->kind() == plat::FormKind::MdiChild;
    EXPECT_EQ(view.mdiArea()->subWindowList().size(), children);
}

TEST_F(MainWindowView, ReferenceMenuHidesTheToolbarAndDisablesTheMenus) {
    QAction* reference = view.mainWindow()->menuBar()->actions().at(1);
    reference->trigger();
    EXPECT_FALSE(view.toolbar()->isVisible());
    EXPECT_FALSE(reference->isEnabled());
    EXPECT_FALSE(view.mainWindow()->menuBar()->actions().at(0)->isEnabled());
    ASSERT_NE(program.activeChild(), nullptr);
    EXPECT_TRUE(view.windowOf(*program.activeChild())->isVisible());
}

TEST_F(MainWindowView, AboutBoxIsAFixedDialogWithTheProductCaption) {
    auto& about = program.form<Form13>();
    about.show();  // shown without its modal loop, so the test can look at it
    view.sync();
    auto* dlg = qobject_cast<QDialog*>(view.windowOf(about));
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowTitle().toStdString(), "ミラノス");
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    EXPECT_FALSE(dlg->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    // Its "ＯＫ" unloads it; the window goes away with it.
    QPointer<QWidget> window = dlg;
    about.cmd1.press();
    view.sync();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.find("Form13"), nullptr);
    EXPECT_TRUE(window.isNull());
}

TEST_F(MainWindowView, CloseBoxAsksOnceAndEndsTheProgram) {
    svc.answers.push_back(plat::MsgResult::No);
    QCloseEvent refuse;
    QApplication::sendEvent(view.mainWindow(), &refuse);
    EXPECT_FALSE(program.ended());
    EXPECT_TRUE(view.mainWindow()->isVisible());
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].title, "");

    svc.answers.push_back(plat::MsgResult::Yes);
    QCloseEvent accept;
    QApplication::sendEvent(view.mainWindow(), &accept);
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(svc.messages.size(), 2u);
    EXPECT_EQ(endCalls, 1);
    EXPECT_FALSE(view.mainWindow()->isVisible());
}

TEST_F(MainWindowView, ExitFromTheMenuAsksOnlyItsOwnQuestion) {
    QMenu* file = menuNamed(QString::fromUtf8(kTopMenus[0]));
    svc.answers.push_back(plat::MsgResult::Yes);
    actionNamed(file, QString::fromUtf8(kFileItems[10]))->trigger();
    EXPECT_TRUE(program.ended());
    ASSERT_EQ(svc.messages.size(), 1u);
    EXPECT_EQ(svc.messages[0].title, "確認");
    EXPECT_EQ(endCalls, 1);
    // Anything after the end asks nothing.
    QCloseEvent again;
    QApplication::sendEvent(view.mainWindow(), &again);
    EXPECT_EQ(svc.messages.size(), 1u);
}

}  // namespace

namespace {

bool inputMethodOn(plat::qt::DesktopView& view, plat::Control& box) {
    QWidget* w = view.widgetOf(box);
    EXPECT_NE(w, nullptr) << box.name();
    return w && w->testAttribute(Qt::WA_InputMethodEnabled);
}

// Numbers arrive as half-width digits: every numeric box of the screens has the input
// method off; the site name, the section number and the wall mark keep theirs.
TEST_F(MainWindowView, NumericBoxesOfTheScreensTakeNoInputMethodText) {
    program.form<MDIForm1>().FileNew();
    Form3& conditions = program.form<Form3>();
    view.sync();
    EXPECT_TRUE(inputMethodOn(view, conditions.txt1));
    for (plat::TextBox* box : {&conditions.txt2, &conditions.txt5, &conditions.txt8, &conditions.txt9,
                               &conditions.txt14, &conditions.txt15}) {
        EXPECT_FALSE(inputMethodOn(view, *box)) << box->name();
        EXPECT_TRUE(view.widgetOf(*box)->inputMethodHints() & Qt::ImhPreferLatin) << box->name();
    }
    Form4& dimensions = program.form<Form4>();
    dimensions.show();
    view.sync();
    EXPECT_TRUE(inputMethodOn(view, dimensions.txt1));
    EXPECT_TRUE(inputMethodOn(view, dimensions.txt2));
    for (plat::Control* c : dimensions.controls()) {
        if (c->kind() != plat::ControlKind::TextBox || c == &dimensions.txt1 || c == &dimensions.txt2) continue;
        EXPECT_FALSE(inputMethodOn(view, *c)) << c->name();
    }
    Form7& sections = program.form<Form7>();
    sections.show();
    view.sync();
    for (plat::TextBox* box : {&sections.txt1, &sections.txt5, &sections.txt_ka})
        EXPECT_FALSE(inputMethodOn(view, *box)) << box->name();
}

// A full-width number pasted or typed into a box turns half-width in the box and on
// screen as it arrives, and is read as that number.
TEST_F(MainWindowView, AFullWidthNumberPastedIntoABoxReadsAsItsHalfWidthNumber) {
    program.form<MDIForm1>().FileNew();
    Form3& conditions = program.form<Form3>();
    view.sync();
    auto* edit = qobject_cast<QLineEdit*>(view.widgetOf(conditions.txt2));
    ASSERT_NE(edit, nullptr);
    QApplication::clipboard()->setText(QString::fromUtf8("２．５"));
    edit->setFocus();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    QApplication::sendEvent(edit, &paste);
    view.sync();
    EXPECT_EQ(conditions.txt2.text(), "2.5");
    EXPECT_EQ(edit->text(), QString("2.5"));
    EXPECT_EQ(num::parse(conditions.txt2.text()), 2.5);
    // A keyboard that sends the full-width characters themselves.
    edit->selectAll();
    for (QChar c : QString::fromUtf8("－１０")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &key);
    }
    view.sync();
    EXPECT_EQ(conditions.txt2.text(), "-10");
    EXPECT_EQ(edit->text(), QString("-10"));
    EXPECT_EQ(num::parse(conditions.txt2.text()), -10.0);
}

}  // namespace
