// Qt events reach the model in the order the forms expect: keys, focus, clicks, Enter/Esc in
// dialogs, options; and the message boxes and file-dialog helpers of the Qt services.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QTreeView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "conditions/conditions_screen.h"
#include "platform/qt/desktop_view.h"
#include "platform/qt/qt_services.h"
#include "support/scripted_services.h"

namespace {

// A small dialog: a text box that records its events and discards "x", a button, two options.
class KeyForm : public plat::Form {
public:
    static constexpr const char* kName = "KeyForm";
    explicit KeyForm(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog) {
        setCaption("keys");
        setSize(4800, 3000);
        setCloseBox(false);
        txt.place(120, 120, 2400, 300);
        cmd.place(120, 600, 1200, 360);
        cmd.setCaption("OK");
        opt1.place(120, 1200, 1200, 300);
        opt2.place(120, 1560, 1200, 300);
        txt.setTabIndex(0);
        cmd.setTabIndex(1);
        opt1.setTabIndex(2);
        opt2.setTabIndex(3);
        txt.KeyPress = [this](int& k) {
            log.push_back("KeyPress " + std::to_string(k) + " [" + txt.text() + "]");
            if (k == 'x') k = 0;
        };
        txt.GotFocus = [this] { log.push_back("GotFocus"); };
        txt.Click = [this] {
            log.push_back("Click");
            txt.selectAll();
        };
        cmd.GotFocus = [this] { log.push_back("cmd GotFocus"); };
        cmd.Click = [this] { log.push_back("cmd Click"); };
        opt1.Click = [this] { log.push_back("opt1 Click"); };
    }
    void closeBoxPressed() override {
        log.push_back("close box");
        hide();
    }
    plat::TextBox txt{*this, "txt"};
    plat::CommandButton cmd{*this, "cmd"};
    plat::OptionButton opt1{*this, "opt1"};
    plat::OptionButton opt2{*this, "opt2"};
    std::vector<std::string> log;
};

class EventMapping : public ::testing::Test {
protected:
    EventMapping() : program(svc), view(program), form(program.form<KeyForm>()) {
        form.show();
        view.sync();
    }
    QLineEdit* edit() { return qobject_cast<QLineEdit*>(view.widgetOf(form.txt)); }
    void key(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(w, &press);
    }
    void type(const QString& chars) {
        for (QChar c : chars) key(edit(), c.toUpper().unicode(), QString(c));
    }

    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
    KeyForm& form;
};

TEST_F(EventMapping, KeyPressRunsBeforeInsertionAndMayDiscard) {
    ASSERT_NE(edit(), nullptr);
    form.log.clear();
    type("1x2");
    EXPECT_EQ(form.txt.text(), "12");
    EXPECT_EQ(edit()->text(), "12");
    std::vector<std::string> expected{"KeyPress 49 []", "KeyPress 120 [1]", "KeyPress 50 [1]"};
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(edit()->cursorPosition(), 2);
}

TEST_F(EventMapping, ControlKeysCarryTheirCodes) {
    type("ab");
    form.log.clear();
    key(edit(), Qt::Key_Backspace);
    key(edit(), Qt::Key_Return);
    key(edit(), Qt::Key_Escape);
    key(edit(), Qt::Key_B, QString(QChar(2)), Qt::ControlModifier);
    std::vector<std::string> expected{"KeyPress 8 [ab]", "KeyPress 13 [a]", "KeyPress 27 [a]", "KeyPress 2 [a]"};
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(edit()->text(), "a");
}

TEST_F(EventMapping, QtEditsAreReportedWithoutKeyPress) {
    type("abc");
    form.log.clear();
    key(edit(), Qt::Key_Home);
    key(edit(), Qt::Key_Delete);
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(form.txt.text(), "bc");
    EXPECT_EQ(form.txt.selStart(), 0);
    // Shift+End selects in Qt; the model knows, so typing replaces the selection.
    key(edit(), Qt::Key_End, {}, Qt::ShiftModifier);
    EXPECT_EQ(form.txt.selLength(), 2);
    type("z");
    EXPECT_EQ(form.txt.text(), "z");
}

TEST_F(EventMapping, InputMethodCommitIsOneKeyPressPerCharacter) {
    form.log.clear();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("擁壁"));
    QApplication::sendEvent(edit(), &commit);
    EXPECT_EQ(form.txt.text(), "擁壁");
    ASSERT_EQ(form.log.size(), 2u);
    EXPECT_EQ(form.log[1], "KeyPress 22721 [擁]");
}

TEST_F(EventMapping, ClickIntoTheBoxGivesFocusThenClickWhoseSelectAllWins) {
    form.txt.setText("abcdef");
    form.cmd.setFocus();
    view.sync();
    form.log.clear();
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(edit(), &focus);
    QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, edit()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, edit()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(edit(), &press);
    QApplication::sendEvent(edit(), &release);
    std::vector<std::string> expected{"GotFocus", "Click"};
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(form.txt.selLength(), 6);
    EXPECT_EQ(edit()->selectedText(), "abcdef");
}

TEST_F(EventMapping, EnterAndEscInADialogPressNoButton) {
    auto* dlg = qobject_cast<QDialog*>(view.windowOf(form));
    ASSERT_NE(dlg, nullptr);
    auto* button = qobject_cast<QPushButton*>(view.widgetOf(form.cmd));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->autoDefault());
    EXPECT_FALSE(button->isDefault());
    form.log.clear();
    key(edit(), Qt::Key_Return);
    key(dlg, Qt::Key_Return);
    key(dlg, Qt::Key_Escape);
    EXPECT_EQ(form.log, std::vector<std::string>{"KeyPress 13 []"});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(form.visible());
    // The button itself takes Enter.
    form.cmd.setFocus();
    view.sync();
    form.log.clear();
    key(button, Qt::Key_Return);
    EXPECT_EQ(form.log, std::vector<std::string>{"cmd Click"});
}

// With a close box, Esc is the close box: from the text box, from a button and from the
// dialog itself, and no KeyPress sees it.
TEST_F(EventMapping, EscInADialogWithACloseBoxIsTheCloseBox) {
    form.setCloseBox(true);
    auto* dlg = qobject_cast<QDialog*>(view.windowOf(form));
    ASSERT_NE(dlg, nullptr);
    for (QWidget* target : {static_cast<QWidget*>(edit()), view.widgetOf(form.cmd), static_cast<QWidget*>(dlg)}) {
        form.show();
        view.sync();
        form.log.clear();
        key(target, Qt::Key_Escape);
        view.sync();
        SCOPED_TRACE(target->metaObject()->className());
        EXPECT_EQ(form.log, std::vector<std::string>{"close box"});
        EXPECT_FALSE(form.visible());
    }
}

TEST_F(EventMapping, TabFollowsTheFormsOrderAndRunsGotFocus) {
    form.txt.setFocus();
    form.log.clear();
    key(edit(), Qt::Key_Tab);
    EXPECT_TRUE(form.cmd.hasFocus());
    EXPECT_EQ(form.log, std::vector<std::string>{"cmd GotFocus"});
}

TEST_F(EventMapping, OptionsFollowTheModelNotQt) {
    auto* o1 = qobject_cast<QRadioButton*>(view.widgetOf(form.opt1));
    auto* o2 = qobject_cast<QRadioButton*>(view.widgetOf(form.opt2));
    ASSERT_TRUE(o1 && o2);
    EXPECT_FALSE(o1->autoExclusive());
    form.log.clear();
    o1->click();
    EXPECT_TRUE(form.opt1.value());
    EXPECT_EQ(form.log, std::vector<std::string>{"opt1 Click"});
    // A click on the selected option runs nothing and leaves it selected.
    o1->click();
    EXPECT_TRUE(o1->isChecked());
    EXPECT_EQ(form.log.size(), 1u);
    o2->click();
    EXPECT_FALSE(o1->isChecked());
    EXPECT_TRUE(o2->isChecked());
}

TEST_F(EventMapping, DialogWithoutCloseBoxIgnoresCloseAndUnloadRemovesTheWindow) {
    auto* dlg = view.windowOf(form);
    EXPECT_FALSE(dlg->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCloseEvent close;
    QApplication::sendEvent(dlg, &close);
    EXPECT_TRUE(form.visible());
    QPointer<QWidget> window = dlg;
    form.unload();
    view.sync();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.find("KeyForm"), nullptr);
    EXPECT_TRUE(window.isNull());
}

// An editable list as the section screen has them: KeyPress may discard a key; Qt edits at the caret.
class ComboForm : public plat::Form {
public:
    static constexpr const char* kName = "ComboForm";
    explicit ComboForm(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog) {
        setSize(4800, 2000);
        cbo.place(120, 120, 2400, 300);
        cbo.addItem("D13");
        cbo.addItem("D16");
        cbo.KeyPress = [this](int& k) {
            keys.push_back(k);
            if (k == 'x') k = 0;
        };
        cbo.Click = [this] { ++clicks; };
    }
    plat::ComboBox cbo{*this, "cbo"};
    std::vector<int> keys;
    int clicks = 0;
};

TEST(QtCombo, TypingInAnEditableListReplacesTheSelectionAtTheCaret) {
    ScriptedServices svc;
    Program program(svc);
    plat::qt::DesktopView view(program);
    auto& form = program.form<ComboForm>();
    form.show();
    form.cbo.setListIndex(0);
    form.cbo.setFocus();
    view.sync();
    auto* combo = qobject_cast<QComboBox*>(view.widgetOf(form.cbo));
    ASSERT_TRUE(combo && combo->lineEdit());
    auto typeKey = [&](int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(combo, &press);
    };
    form.clicks = 0;
    combo->lineEdit()->selectAll();
    typeKey(Qt::Key_2, "2");
    typeKey(Qt::Key_X, "x");
    typeKey(Qt::Key_2, "2");
    EXPECT_EQ(form.cbo.text(), "22");
    EXPECT_EQ(combo->currentText(), "22");
    EXPECT_EQ(form.cbo.listIndex(), -1);
    EXPECT_EQ(form.keys, (std::vector<int>{'2', 'x', '2'}));
    // In the middle of the text, and Backspace there.
    combo->lineEdit()->setCursorPosition(1);
    typeKey(Qt::Key_5, "5");
    EXPECT_EQ(form.cbo.text(), "252");
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 2);
    typeKey(Qt::Key_Backspace, {});
    EXPECT_EQ(form.cbo.text(), "22");
    EXPECT_EQ(form.clicks, 0) << "typing is no pick";
}

// A dialog button whose handler unloads its own form and then waits in a nested loop (a
// message box): the window must outlive the handler.
TEST(QtLifetime, WindowOfAFormUnloadedInItsOwnHandlerLivesUntilTheEventIsOver) {
    ScriptedServices svc;
    Program program(svc);
    plat::qt::DesktopView view(program);
    auto& form = program.form<KeyForm>();
    form.show();
    view.sync();
    QPointer<QWidget> window = view.windowOf(form);
    QPointer<QWidget> button = view.widgetOf(form.cmd);
    ASSERT_TRUE(window && button);
    bool aliveInHandler = false;
    form.cmd.Click = [&] {
        form.unload();
        view.sync();  // what a message box does before it runs its own loop
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        aliveInHandler = !button.isNull();
    };
    qobject_cast<QPushButton*>(button.data())->click();
    EXPECT_TRUE(aliveInHandler);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

struct BoxCase {
    plat::MsgStyle style;
    std::string title;
    std::vector<std::string> buttons;
    std::string defaultButton;
    std::string escapeButton;
    QMessageBox::Icon icon;
    std::string shownTitle;
};

TEST(QtMessageBox, ButtonsDefaultsEscapeAndTitle) {
    const BoxCase cases[] = {
        {plat::msg::kOk, "", {"OK"}, "OK", "OK", QMessageBox::NoIcon, "ミラノス"},
        {plat::msg::kOkCancel | plat::msg::kQuestion | plat::msg::kSecondDefault, "確認", {"OK", "キャンセル"}, "キャンセル", "キャンセル", QMessageBox::Question, "確認"},
        {plat::msg::kYesNo | plat::msg::kSecondDefault, "確認", {"はい", "いいえ"}, "いいえ", "いいえ", QMessageBox::NoIcon, "確認"},
        {plat::msg::kYesNo, "", {"はい", "いいえ"}, "はい", "いいえ", QMessageBox::NoIcon, "ミラノス"},
        {plat::msg::kCritical, "", {"OK"}, "OK", "OK", QMessageBox::Critical, "ミラノス"},
        {plat::msg::kExclamation, "x", {"OK"}, "OK", "OK", QMessageBox::Warning, "x"},
    };
    for (const BoxCase& c : cases) {
        auto request = plat::MessageRequest::fromStyle("text", c.style, c.title);
        auto box = plat::qt::buildMessageBox(request);
        SCOPED_TRACE(c.style.bits);
        EXPECT_EQ(box->text(), "text");
        EXPECT_EQ(box->windowTitle().toStdString(), c.shownTitle);
        EXPECT_EQ(box->icon(), c.icon);
        std::vector<std::string> texts;
        for (QAbstractButton* b : box->buttons()) texts.push_back(b->text().toStdString());
        std::sort(texts.begin(), texts.end());
        auto want = c.buttons;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(texts, want);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text().toStdString(), c.defaultButton);
        ASSERT_NE(box->escapeButton(), nullptr);
        EXPECT_EQ(box->escapeButton()->text().toStdString(), c.escapeButton);
    }
}

TEST(QtMessageBox, ClickedButtonGivesTheProgramsAnswer) {
    auto box = plat::qt::buildMessageBox(plat::MessageRequest::fromStyle("q", plat::msg::kYesNo, ""));
    // Nothing clicked (Esc, close box): the escape button's answer.
    EXPECT_EQ(plat::qt::messageResult(*box), plat::MsgResult::No);
    auto ok = plat::qt::buildMessageBox(plat::MessageRequest::fromStyle("q", plat::msg::kOkCancel, ""));
    EXPECT_EQ(plat::qt::messageResult(*ok), plat::MsgResult::Cancel);
}

TEST(QtFileDialogs, FilterAndStartFolder) {
    EXPECT_EQ(plat::qt::toQtFilter("ミラノス (*.mir)|*.mir").toStdString(), "ミラノス (*.mir) (*.mir)");
    EXPECT_EQ(plat::qt::toQtFilter("Data|*.dat;*.txt|All|*.*").toStdString(), "Data (*.dat *.txt);;All (*.*)");
    EXPECT_EQ(plat::qt::startFolder("C:\\ミラノス\\"), QDir::homePath());
    EXPECT_EQ(plat::qt::startFolder("/nonexistent/folder"), QDir::homePath());
    EXPECT_EQ(plat::qt::startFolder("/tmp"), QString("/tmp"));
}

// The dialog names types in Japanese and gives every column but the name what it needs,
// so that neither "Folder" nor a cut date shows.
TEST(QtFileDialogs, JapaneseTypesAndWholeColumns) {
    EXPECT_EQ(plat::qt::fileTypeName(QFileInfo(QDir::tempPath())), QString::fromUtf8("フォルダー"));
    EXPECT_EQ(plat::qt::fileTypeName(QFileInfo("/x/U型擁壁1.YWD")), QString::fromUtf8("ミラノス データ"));
    EXPECT_EQ(plat::qt::fileTypeName(QFileInfo("/x/a.txt")), QString::fromUtf8("TXT ファイル"));
    QFileDialog dialog(nullptr, "t", QDir::tempPath(), plat::qt::toQtFilter("ミラノス(.ywd)|*.ywd"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    plat::qt::prepareFileDialog(dialog);
    ASSERT_NE(dialog.iconProvider(), nullptr);
    EXPECT_EQ(dialog.iconProvider()->type(QFileInfo(QDir::tempPath())), QString::fromUtf8("フォルダー"));
    auto* tree = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(tree, nullptr);
    for (int column = 1; column < tree->header()->count(); ++column)
        EXPECT_EQ(tree->header()->sectionResizeMode(column), QHeaderView::ResizeToContents) << column;
    EXPECT_GE(dialog.width(), 800);
}

// The rows of an opened list leave room around the text for the focus mark.
TEST(QtCombo, OpenedListRowsAreTallerThanTheirText) {
    ScriptedServices svc;
    Program program(svc);
    plat::qt::DesktopView view(program);
    registerForms(program);
    program.form<MDIForm1>();
    Form3& f = program.form<Form3>();
    f.show();
    f.opt_T.userClick();
    view.sync();
    auto* combo = qobject_cast<QComboBox*>(view.widgetOf(f.cbo1));
    ASSERT_NE(combo, nullptr);
    ASSERT_GT(combo->count(), 0);
    EXPECT_GE(combo->view()->sizeHintForRow(0), QFontMetrics(combo->font()).height() + 6);
}

}  // namespace
