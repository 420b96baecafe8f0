// The classic look of the Qt back end: disabled text that stays readable on every form
// background, and a focus mark on the focused button, option or check box whoever moved
// the focus there.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/classic_style.h"
#include "platform/qt/desktop_view.h"
#include "support/scripted_services.h"

namespace {

// The background colours the forms use: button face, light cyan and light yellow (toe and
// heel side), white.
constexpr plat::Colour kBackgrounds[] = {0xC0C0C0, 0xC0FFFF, 0xFFFFC0, 0xFFFFFF};

class LookForm : public plat::Form {
public:
    static constexpr const char* kName = "LookForm";
    explicit LookForm(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild) {
        setCaption("look");
        setSize(9000, 4000);
        txt.place(120, 120, 1500, 300);
        cmd.place(120, 600, 1800, 375);
        cmd.setCaption("安定性の検討");
        opt.place(120, 1200, 2400, 300);
        opt.setCaption("計算に含まない");
        chk.place(120, 1680, 3600, 300);
        chk.setCaption("上載荷重の慣性力を算入する");
        lbl.place(120, 2160, 3600, 300);
        lbl.setCaption("作用位置：底盤下端より");
        frame.place(4200, 120, 3600, 900);
        frame.setCaption("土圧の鉛直成分");
        int tab = 0;
        for (plat::Control* c : std::initializer_list<plat::Control*>{&txt, &cmd, &opt, &chk}) c->setTabIndex(tab++);
    }
    plat::TextBox txt{*this, "txt"};
    plat::CommandButton cmd{*this, "cmd"};
    plat::OptionButton opt{*this, "opt"};
    plat::CheckBox chk{*this, "chk"};
    plat::Label lbl{*this, "lbl"};
    plat::Frame frame{*this, "frame"};
};

double luminance(QColor c) {
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(QColor a, QColor b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor darkest(const QImage& image) {
    QColor out = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor c = image.pixelColor(x, y); luminance(c) < luminance(out)) out = c;
    return out;
}

QColor lightest(const QImage& image) {
    QColor out = Qt::black;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor c = image.pixelColor(x, y); luminance(c) > luminance(out)) out = c;
    return out;
}


class ClassicLook : public ::testing::Test {
protected:
    // A screen of the main window, as the input screens are.
    static LookForm& load(Program& program) {
        registerForms(program);
        program.form<MDIForm1>();
        return program.form<LookForm>();
    }
    ClassicLook() : program(svc), view(program), form(load(program)) {
        form.show();
        view.sync();
    }
    // The control's widget as the screen shows it.
    QImage drawn(const plat::Control& c) {
        QWidget* w = view.widgetOf(c);
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
    LookForm& form;
};

// The colour most of the image has: the background the text stands on.
QColor background(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    return QColor(std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
}

TEST_F(ClassicLook, DisabledTextStandsClearOfEveryBackground) {
    const std::initializer_list<plat::Control*> texts = {&form.lbl, &form.opt, &form.chk, &form.frame, &form.cmd};
    for (plat::Colour back : kBackgrounds) {
        for (plat::Control* c : texts) {
            c->setBackColor(back);
            c->setEnabled(false);
        }
        view.sync();
        for (const plat::Control* c : texts) {
            QImage image = drawn(*c);
            // Leave out the edges: the button's bevel and the frame's rule are not text.
            image = image.copy(image.rect().adjusted(0, 0, 0, -3));
            if (c == &form.cmd) image = image.copy(image.rect().adjusted(4, 4, -4, -1));
            QColor ink = darkest(image);
            // Grey, not black, and clear against what lies behind it.
            EXPECT_GE(luminance(ink), luminance(plat::qt::kDisabledText) - 0.005) << c->name();
            EXPECT_GE(contrast(ink, background(image)), 3.0) << c->name() << " on " << std::hex << back;
        }
    }
    // On the button face the grey text is engraved: a light copy lies under it.
    form.lbl.setBackColor(0xC0C0C0);
    view.sync();
    QImage label = drawn(form.lbl);
    EXPECT_GT(luminance(lightest(label)), luminance(background(label)) + 0.2);
    // Enabled again, the text is black.
    form.lbl.setEnabled(true);
    view.sync();
    EXPECT_LT(luminance(darkest(drawn(form.lbl))), 0.01);
}

// The dotted focus rectangle is drawn in the text colour around the caption (options, check
// boxes) or inside the bevel (buttons): the focused widget shows black pixels that the
// unfocused one does not have.
int blackPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::black)) ++n;
    return n;
}

TEST_F(ClassicLook, FocusMarkFollowsAProgrammaticFocusMove) {
    QWidget* window = view.windowOf(form);
    window->activateWindow();
    QApplication::processEvents();
    for (plat::Control* c : std::initializer_list<plat::Control*>{&form.cmd, &form.opt, &form.chk}) {
        form.txt.setFocus();
        view.sync();
        QImage before = drawn(*c);
        // The program moves the focus, as the end of an Enter chain or a message does.
        c->setFocus();
        view.sync();
        QWidget* w = view.widgetOf(*c);
        ASSERT_EQ(QApplication::focusWidget(), w) << c->name();
        QImage after = drawn(*c);
        EXPECT_GT(blackPixels(after), blackPixels(before) + 10) << c->name();
    }
}

}  // namespace
