// A preview window on the offscreen platform: its menu bar replaces the main one, and its
// scroll bars move the page canvas.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/desktop_view.h"
#include "report/preview_window.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

namespace {

class PreviewView : public ::testing::Test {
protected:
    PreviewView() : program(svc), view(program) {
        registerForms(program);
        view.setToolbarSource([this] { return program.mainToolbar(); });
        program.form<MDIForm1>();
        fixture::standStabilityResult(program);  // the pages may be made
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

// The wheel over the page and the paging keys scroll it, as in any page viewer.
TEST_F(PreviewView, WheelAndPagingKeysScrollThePage) {
    program.currentScreen = 2;
    view.dispatch([this] { program.form<MDIForm1>().FileImage(); });
    PreviewWindow& w = previewWindow(program, 2);
    const int small = w.VScroll1.smallChange();
    const int large = w.VScroll1.largeChange();
    ASSERT_GT(w.VScroll1.max(), large) << "an A4 page is taller than the window";
    QWidget* canvas = view.widgetOf(w.Picture2);
    ASSERT_NE(canvas, nullptr);
    QWidget* page = view.widgetOf(w.Picture1)->parentWidget();
    EXPECT_EQ(page->focusPolicy(), Qt::StrongFocus) << "the preview takes the keys";

    auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(100, 100);
        QWheelEvent e(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&e);  // as from the mouse
        QApplication::sendEvent(canvas, &e);
    };
    auto key = [&](int k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
    };

    wheel(-120);  // one notch towards the user: further down the page
    EXPECT_EQ(w.VScroll1.value(), small);
    EXPECT_EQ(w.Picture2.top(), -small);
    wheel(-60);
    EXPECT_EQ(w.VScroll1.value(), small) << "half a notch waits for the other half";
    wheel(-60);
    EXPECT_EQ(w.VScroll1.value(), 2 * small);
    wheel(240);
    EXPECT_EQ(w.VScroll1.value(), 0);
    wheel(120);
    EXPECT_EQ(w.VScroll1.value(), 0) << "not past the top";
    wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(w.VScroll1.value(), 0);
    EXPECT_EQ(w.HScroll1.value(), std::min(w.HScroll1.max(), w.HScroll1.smallChange())) << "Shift: sideways";

    key(Qt::Key_PageDown);
    EXPECT_EQ(w.VScroll1.value(), large);
    EXPECT_EQ(w.Picture2.top(), -large);
    for (int i = 0; i < 10; ++i) key(Qt::Key_PageDown);
    EXPECT_EQ(w.VScroll1.value(), w.VScroll1.max());
    key(Qt::Key_PageUp);
    EXPECT_EQ(w.VScroll1.value(), w.VScroll1.max() - large);
    key(Qt::Key_Up);
    EXPECT_EQ(w.VScroll1.value(), w.VScroll1.max() - large - small);
    auto* bar = qobject_cast<QScrollBar*>(view.widgetOf(w.VScroll1));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), w.VScroll1.value()) << "the bar follows";
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
