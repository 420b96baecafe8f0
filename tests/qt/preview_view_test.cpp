// A preview window on the offscreen platform: its menu bar replaces the main one, and its
// scroll bars move the page canvas.
#include <QAction>
#include <QImage>
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
        program.sigmaMax = 100;  // a stability result: the pages may be made
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
    view.dispatch([this] { previewWindow(program, 1).Men_Cls.userClick(); });
    EXPECT_EQ(menuTitles().first(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
}

TEST_F(PreviewView, ScrollBarMirrorsTheModelAndMovesTheCanvas) {
    program.currentScreen = 2;
    view.dispatch([this] { program.form<MDIForm1>().FileImage(); });
    PreviewWindow& w = previewWindow(program, 2);
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

TEST_F(PreviewView, CanvasStretchesThePrintableAreaOverThePage) {
    // A page of 12000 x 16000 twips whose printable area is 6000 x 8000: everything drawn
    // lands twice as far from the corner as its coordinates say.
    svc.page = {12000, 16000, 6000.0f, 8000.0f};
    program.currentScreen = 2;
    view.dispatch([this] { program.form<MDIForm1>().FileImage(); });
    PreviewWindow& w = previewWindow(program, 2);
    view.dispatch([&w] {
        w.canvas().clear();
        w.canvas().line(3000, 0, 3000, 8000);  // 6000 twips: pixel column 400
        w.canvas().line(0, 4000, 6000, 4000);  // 8000 twips: pixel row 533
    });
    QWidget* canvas = view.widgetOf(w.Picture2);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->width(), 800);
    QImage img = canvas->grab().toImage();
    auto dark = [&img](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark(400, 100) || dark(399, 100));
    EXPECT_FALSE(dark(200, 100));
    EXPECT_TRUE(dark(100, 533) || dark(100, 532) || dark(100, 534));
    EXPECT_FALSE(dark(100, 267));
}

}  // namespace
