// A preview window on the offscreen platform: its menu bar replaces the main one, and its
// scroll bars move the page canvas.
#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/desktop_view.h"
#include "report/preview_window.h"
#include "support/scripted_services.h"

namespace {

class PreviewView : public ::testing::Test {
protected:
    PreviewView() : program(svc), view(program) {
        program.registerForms();
        view.setToolbarSource([this] { return program.mainToolbar(); });
        program.form<MDIForm1>();
        view.sync();
    }
    QStringList menuTitles() {
        QStringList out;
        for (QAction* a : view.mainWindow()->menuBar()->actions()) out << a->text();
        return out;
    }
    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
};

TEST_F(PreviewView, MenuBarFollowsTheActivePreviewWindow) {
    program.currentScreen = 1;
    view.dispatch([this] { program.form<MDIForm1>().FileImage(); });
    EXPECT_EQ(menuTitles(), (QStringList{QString::fromUtf8("次のﾍﾟｰｼﾞ(&N)"), QString::fromUtf8("印刷(&P)"),
                                         QString::fromUtf8("閉じる(&C)")}));
    view.dispatch([this] { program.form<Form1>().Men_Cls.userClick(); });
    EXPECT_EQ(menuTitles().first(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
}

TEST_F(PreviewView, ScrollBarMirrorsTheModelAndMovesTheCanvas) {
    program.currentScreen = 2;
    view.dispatch([this] { program.form<MDIForm1>().FileImage(); });
    Form2& w = program.form<Form2>();
    auto* bar = qobject_cast<QScrollBar*>(view.widgetOf(w.VScroll1));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->maximum(), w.VScroll1.max());
    EXPECT_EQ(bar->pageStep(), w.VScroll1.largeChange());
    EXPECT_EQ(bar->singleStep(), w.VScroll1.smallChange());
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.VScroll1.value(), w.VScroll1.largeChange());
    EXPECT_EQ(w.Picture2.top(), -w.VScroll1.largeChange());
    QWidget* canvas = view.widgetOf(w.Picture2);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->parentWidget(), view.widgetOf(w.Picture1));
}

}  // namespace
