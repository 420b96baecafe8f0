// Every caption of every form is whole and readable on screen, measured with the real
// metrics of the mapped fonts: each single-line text of a label, option, check box, button
// or frame fits its control's width, a label meant to wrap fits its height, and no caption
// lies on another caption, on a line of its figure or under a control. Checked on every form
// as it is built and on the forms of whole designs in both standards, both load cases and
// both ground shapes, whose captions and visible parts differ. No caption needs an exception.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "platform/qt/desktop_view.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_view.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"

namespace {

using plat::ControlKind;

std::string captionOf(const plat::Control& c) {
    switch (c.kind()) {
        case ControlKind::Label: return static_cast<const plat::Label&>(c).caption();
        case ControlKind::OptionButton: return static_cast<const plat::OptionButton&>(c).caption();
        case ControlKind::CheckBox: return static_cast<const plat::CheckBox&>(c).caption();
        case ControlKind::CommandButton: return static_cast<const plat::CommandButton&>(c).caption();
        case ControlKind::Frame: return static_cast<const plat::Frame&>(c).caption();
        default: return {};
    }
}

// Visible by its own flag and its frames'; the form itself may be hidden.
bool shown(const plat::Control& c) {
    for (const plat::Control* k = &c; k; k = k->container())
        if (!k->visible()) return false;
    return true;
}

// The pixels a caption may use: the label's inside, the frame's top edge between its
// corners, the text part of an option, check box or button as the style lays it out.
int roomFor(QWidget* w, ControlKind kind, const QString& text) {
    if (kind == ControlKind::Label) return static_cast<QLabel*>(w)->contentsRect().width();
    if (kind == ControlKind::Frame) return w->width() - 12;
    QStyleOptionButton opt;
    opt.initFrom(w);
    opt.text = text;
    QStyle::SubElement part = kind == ControlKind::OptionButton ? QStyle::SE_RadioButtonContents
                              : kind == ControlKind::CheckBox   ? QStyle::SE_CheckBoxContents
                                                                : QStyle::SE_PushButtonContents;
    return w->style()->subElementRect(part, &opt, w).width();
}

QRect inForm(QWidget* w, const QRect& r) { return r.translated(w->mapTo(w->window(), QPoint(0, 0))); }

// The ink of a label's caption in the form's pixels: the glyphs of one line, or the lines
// of a wrapped text.
QRect inkOf(QLabel* w, const plat::Label& l) {
    QFontMetrics fm(w->font());
    const QString text = QString::fromStdString(l.caption());
    const QRect inside = w->contentsRect();
    const int align = l.alignment() == plat::Align::Center  ? Qt::AlignHCenter
                      : l.alignment() == plat::Align::Right ? Qt::AlignRight
                                                            : Qt::AlignLeft;
    QRect ink = fm.boundingRect(inside, align | Qt::AlignTop | Qt::TextWordWrap, text);
    if (ink.height() <= fm.lineSpacing() + 1) {
        // Leading blanks take room but leave no ink (" m").
        const int blanks = static_cast<int>(text.size() - QString(text).remove(QRegularExpression("^ +")).size());
        const QRect glyphs = fm.tightBoundingRect(text.mid(blanks));
        ink = QRect(ink.left() + fm.horizontalAdvance(text.left(blanks)) + glyphs.left(), ink.top() + fm.ascent() + glyphs.top(),
                    glyphs.width(), glyphs.height());
    }
    return inForm(w, ink.intersected(inside));
}

bool crosses(const QLineF& line, const QRectF& r) {
    if (r.contains(line.p1()) || r.contains(line.p2())) return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& e : edges)
        if (line.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

class Inspector {
public:
    explicit Inspector(plat::qt::DesktopView& view) : view_(view) {}

    void inspect(plat::Form& form) {
        plat::qt::FormView fv(form, view_);
        checkFit(form, fv);
        checkCollisions(form, fv);
    }
    std::string report() const {
        std::ostringstream out;
        for (const std::string& f : findings_) out << f << "\n";
        return out.str();
    }
    bool clean() const { return findings_.empty(); }

private:
    void add(const plat::Form& form, const plat::Control& c, const std::string& what) {
        const std::string line = form.name() + "." + c.name() + " \"" + captionOf(c) + "\" " + what;
        for (const std::string& f : findings_)
            if (f == line) return;
        findings_.push_back(line);
    }

    void checkFit(const plat::Form& form, plat::qt::FormView& fv) {
        for (plat::qt::ControlBinding* b : fv.bindings()) {
            const plat::Control& c = *b->control();
            const QString text = QString::fromStdString(captionOf(c));
            if (text.trimmed().isEmpty() || !shown(c)) continue;
            QWidget* w = b->widget();
            QFontMetrics fm(w->font());
            if (c.kind() == ControlKind::Label && w->height() >= 2 * fm.lineSpacing()) {
                // Meant to wrap: every line must show.
                const QRect inside = static_cast<QLabel*>(w)->contentsRect();
                const int need = fm.boundingRect(QRect(0, 0, inside.width(), 10000), Qt::TextWordWrap, text).height();
                if (need > inside.height())
                    add(form, c, "needs " + std::to_string(need) + " px of height, has " + std::to_string(inside.height()));
                continue;
            }
            const int need = fm.horizontalAdvance(text);
            const int room = roomFor(w, c.kind(), text);
            if (need > room) add(form, c, "needs " + std::to_string(need) + " px, has " + std::to_string(room));
        }
    }

    void checkCollisions(plat::Form& form, plat::qt::FormView& fv) {
        struct Ink {
            const plat::Label* label;  // none for a text drawn on the form itself
            QRect rect;
            std::string text;
        };
        std::vector<Ink> inks;
        for (plat::qt::ControlBinding* b : fv.bindings()) {
            const plat::Control& c = *b->control();
            if (c.kind() != ControlKind::Label || !shown(c) || QString::fromStdString(captionOf(c)).trimmed().isEmpty())
                continue;
            const auto& label = static_cast<const plat::Label&>(c);
            inks.push_back({&label, inkOf(static_cast<QLabel*>(b->widget()), label), label.caption()});
        }
        std::vector<Ink> drawn;
        for (const plat::DrawOp& op : form.canvas().ops()) {
            if (op.kind != plat::DrawOp::Text) continue;
            QFontMetrics fm(plat::qt::toQFont(op.fontName, op.fontSize, op.bold));
            const QString text = QString::fromStdString(op.text);
            const QPoint origin(qRound(op.x1 / plat::qt::kTwipsPerPixel), qRound(op.y1 / plat::qt::kTwipsPerPixel));
            drawn.push_back({nullptr, fm.tightBoundingRect(text).translated(origin + QPoint(0, fm.ascent())), op.text});
        }
        for (const Ink& text : drawn)
            for (const Ink& ink : inks)
                if (text.rect.intersects(ink.rect))
                    findings_.push_back(form.name() + " drawn \"" + text.text + "\" runs into " + ink.label->name());
        for (size_t i = 0; i < inks.size(); ++i) {
            const Ink& ink = inks[i];
            for (size_t j = i + 1; j < inks.size(); ++j)
                if (ink.rect.intersects(inks[j].rect)) add(form, *ink.label, "runs into " + inks[j].label->name());
            for (plat::qt::ControlBinding* b : fv.bindings()) {
                const plat::Control& c = *b->control();
                if (&c == ink.label || !shown(c)) continue;
                if (c.kind() == ControlKind::Line) {
                    // An opaque label interrupts the line on purpose.
                    if (!ink.label->transparent()) continue;
                    const auto& line = static_cast<const plat::Line&>(c);
                    const QPointF origin = b->widget()->parentWidget()->mapTo(b->widget()->window(), QPoint(0, 0));
                    const double k = plat::qt::kTwipsPerPixel;
                    const QLineF segment(QPointF(line.x1() / k, line.y1() / k) + origin,
                                         QPointF(line.x2() / k, line.y2() / k) + origin);
                    const int m = line.borderWidth() / 2;
                    if (crosses(segment, QRectF(ink.rect).adjusted(-m, -m, m, m))) add(form, *ink.label, "crossed by " + c.name());
                    continue;
                }
                // Labels are compared by their ink above; frames hold what lies in them.
                if (c.kind() == ControlKind::Label || c.kind() == ControlKind::Shape || c.kind() == ControlKind::Frame)
                    continue;
                QWidget* w = b->widget();
                if (inForm(w, w->rect()).intersects(ink.rect)) add(form, *ink.label, "lies under " + c.name());
            }
        }
    }

    plat::qt::DesktopView& view_;
    std::vector<std::string> findings_;
};

TEST(CaptionFit, EveryFormAsBuilt) {
    ScriptedServices svc;
    Program program(svc);
    registerForms(program);
    plat::qt::DesktopView view(program);
    Inspector inspector(view);
    for (const std::string& name : program.formNames()) inspector.inspect(program.formByName(name));
    EXPECT_TRUE(inspector.clean()) << inspector.report();
}

// A whole design entered through the screens, with every dialog opened on the way.
struct Design {
    DesignChoices choices;
    const char* name;
};

class WholeDesign : public ::testing::TestWithParam<Design> {
protected:
    WholeDesign() : program(svc), view(program) { registerForms(program); }

    void conditions() {
        const DesignChoices& d = GetParam().choices;
        program.form<MDIForm1>().FileNew();
        Form3& c = program.form<Form3>();
        (d.road() ? c.opt_D : c.opt_T).userClick();
        (d.seismic() ? c.cmd2 : c.cmd1).press();
        screen_input::typeDesignValues(c, "東京都 港区", /*cohesion=*/true);
        if (d.seismic()) {
            c.txt13.setText("300");
            c.cmd4.press();
            Form25& s = program.form<Form25>();
            (d.seismicMethod == SeismicMethod::D1 ? s.opt_D1 : s.opt_K2).userClick();
            if (d.road()) s.opt_B.userClick();
            s.Text1.setText("0.2");
            s.Text2.setText("0");
            s.cmd1.press();
            c.cmd4.press();  // opened again: its captions as the standard sets them
        }
        c.cmd6.press();
    }

    void wall() {
        const DesignChoices& d = GetParam().choices;
        program.form<Form3>().cmd3.press();
        Form23& shape = program.form<Form23>();
        (d.oneSided() ? shape.opt1 : shape.opt2).userClick();
        shape.cmd1.press();
        Form4& f = program.form<Form4>();
        screen_input::typeWall(f);
        if (d.oneSided()) {
            f.opt1.userClick();
            f.Frame2.setVisible(true);
            f.opt3.userClick();
        }
        f.cmd4.press();
        if (d.seismic()) {
            Form21& m = program.form<Form21>();
            m.opt1.userClick();
            m.opt5.userClick();
            if (m.opt7.enabled()) m.opt7.userClick();
            m.cmd1.press();
        } else {
            Form14& m = program.form<Form14>();
            m.opt1.userClick();
            if (m.opt4.enabled()) m.opt4.userClick();
            m.cmd1.press();
        }
        f.cmd3.press();
    }

    void shearKey() {
        Form4& f = program.form<Form4>();
        if (!f.Frame3.visible()) return;
        f.opt6.userClick();
        f.cmd5.press();
        ShearKeyDialog& dialog = GetParam().choices.road() ? static_cast<ShearKeyDialog&>(program.form<Form26>())
                                                 : static_cast<ShearKeyDialog&>(program.form<Form19>());
        dialog.txt1.setText("0.5");
        dialog.txt2.setText("1.6");
        dialog.txt3.setText("0.4");
        dialog.cmd1.press();
        f.cmd3.press();
    }

    void sections() {
        Form4& f = program.form<Form4>();
        f.cmd1.press();
        Form7& s = program.form<Form7>();
        for (const Form7::Row& row : s.rows())
            if (row.bars.visible()) row.bars.userPick(5);
        for (plat::TextBox* design : {&s.txt1, &s.txt2, &s.txt5, &s.txt6, &s.txt7, &s.txt8, &s.txt9, &s.txt10})
            if (design->visible()) design->setText("100");
        s.cmd1.press();
        s.cmd6.press();
    }

    void others() {
        MDIForm1& main = program.form<MDIForm1>();
        program.form<Form4>().cmd6.press();
        main.Men_FVer_Click();
        main.Men_FPrn_Click();
        main.Men_S_Click();
    }

    ScriptedServices svc;
    Program program;
    plat::qt::DesktopView view;
};

TEST_P(WholeDesign, EveryCaptionFitsAndNothingCollides) {
    conditions();
    wall();
    shearKey();
    sections();
    others();
    EXPECT_TRUE(svc.messages.empty()) << svc.messageTexts().front();
    Inspector inspector(view);
    for (plat::Form* form : program.loadedForms()) inspector.inspect(*form);
    EXPECT_TRUE(inspector.clean()) << inspector.report();
}

INSTANTIATE_TEST_SUITE_P(Designs, WholeDesign,
                         ::testing::Values(
                             Design{{Standard::Building, LoadCase::Normal, GroundShape::OneSided},
                                    "BuildingNormalOneSided"},
                             Design{{Standard::Building, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::K2},
                                    "BuildingSeismicOneSided"},
                             Design{{Standard::Road, LoadCase::Normal, GroundShape::Symmetric}, "RoadNormalSymmetric"},
                             Design{{Standard::Road, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::D1},
                                    "RoadSeismicOneSided"},
                             Design{{Standard::Building, LoadCase::Normal, GroundShape::Symmetric},
                                    "BuildingNormalSymmetric"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
