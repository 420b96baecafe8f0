// One generic view for every form: a widget per control, built from the control's kind and
// mirrored from the model. Qt events become control events; the model decides, the view follows.
#pragma once
#include <QWidget>
#include <cmath>
#include <functional>
#include <vector>

#include "platform/form.h"

namespace plat::qt {

class DesktopView;

// Twips to screen pixels: 15 twips a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
inline int px(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

// Ties one Qt widget to its control. detach() cuts the tie once the form is unloaded,
// so a late Qt event never reaches a discarded control.
class ControlBinding {
public:
    ControlBinding(plat::Control& control, DesktopView& view) : control_(&control), view_(&view) {}
    virtual ~ControlBinding() = default;
    plat::Control* control() const { return control_; }
    void detach() { control_ = nullptr; }
    virtual QWidget* widget() = 0;
    // Model to widget: text, state, colours, font, position, visible, enabled.
    virtual void update() = 0;

    // Runs a model call from a Qt event, then brings the screen up to date.
    void dispatch(const std::function<void()>& call);
    bool syncing() const;
    DesktopView& view() const { return *view_; }

protected:
    // Mirrors the common properties; the kind-specific parts do the rest.
    void updateCommon();
    plat::Control* control_;
    DesktopView* view_;

private:
    plat::Font font_;
    bool fontSet_ = false;
    plat::Colour fore_ = 0, back_ = 0;
    bool coloursSet_ = false;
};

// The client area of a form: its background, what was drawn on it, and its controls.
// A form with scroll bars is a page viewer: the wheel anywhere over it and the paging
// keys move its bars, as in any page viewer, and it takes the keyboard focus itself
// when no control of it has one.
class FormView : public QWidget {
public:
    FormView(plat::Form& form, DesktopView& view, QWidget* parent = nullptr);
    ~FormView() override;

    plat::Form* form() const { return form_; }
    void detach();
    void update();
    QWidget* widgetOf(const plat::Control& control) const;
    const std::vector<ControlBinding*>& bindings() const { return bindings_; }
    // Whether the form is a page viewer, taking the focus where no control has it.
    bool isPageViewer() const { return pageBar(true) || pageBar(false); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The form's scroll bar of that orientation that the user may move now; none for
    // forms without one (only a page viewer has them).
    plat::ScrollBar* pageBar(bool vertical) const;
    // Moves a page bar by the given amount, as the user's scroll.
    void scrollBy(plat::ScrollBar& bar, int amount);
    // Wheel turns below one notch (fine-grained wheels, touch pads), kept until they add up.
    QPoint wheelRest_;

    plat::Form* form_;
    DesktopView& view_;
    std::vector<ControlBinding*> bindings_;  // the widgets themselves, owned by Qt
};

// The character codes a key event carries for a KeyPress: Enter 13, Backspace 8, Esc 27,
// Ctrl+letter 1 to 26, or the typed characters; empty for keys without one.
std::vector<int> keyCodes(const class QKeyEvent& event);

}  // namespace plat::qt
