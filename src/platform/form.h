// A screen or dialog: owns its controls (registered by name in declaration order) and
// knows how it is shown. Forms are created on first use by the Desktop.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/menu.h"

namespace plat {

class Desktop;

enum class FormKind {
    MdiFrame,  // the main window
    MdiChild,  // a borderless screen at the top left of the main window's client area
    Dialog,    // a fixed-border dialog, shown modal
};

class Form {
public:
    Form(Desktop& desktop, std::string name, FormKind kind);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return name_; }
    FormKind kind() const { return kind_; }
    Desktop& desktop() const { return desktop_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { left_ = v; }
    void setTop(int v) { top_ = v; }
    // Client-area size in twips.
    void setSize(int width, int height) { width_ = width; height_ = height; }
    const Font& font() const { return font_; }
    void setFont(const std::string& name, double size) { font_ = Font{name, size, false}; }
    // A dialog without a cancel or close button of its own has no close box.
    bool hasCloseBox() const { return closeBox_; }
    void setCloseBox(bool v) { closeBox_ = v; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(const std::string& name) const;
    // The form's menu bar (preview windows bring their own); empty for most forms.
    std::vector<MenuItem*>& menuBar() { return menuBar_; }
    // Text and lines drawn on the form itself (kept until cleared).
    RecordingSurface& canvas() { return canvas_; }

    bool visible() const { return visible_; }
    // Shows a screen as a child window (or the main window) and activates it.
    void show();
    // Shows a dialog and blocks until it is hidden or unloaded. The focus is where it was
    // when the dialog was last hidden (on its first tab stop the first time).
    void showModal();
    // The same, with the focus on the first tab stop whatever had it before: a dialog that
    // is filled in afresh at each opening.
    void showModalAtFirstStop();
    void hide();
    void unload();
    bool isModalOpen() const { return modal_; }

    Control* activeControl() const { return active_; }
    void setActiveControl(Control* c) { active_ = c; }
    // Tab order: controls that can take the focus, by tab index.
    void tabNext(bool backwards = false);
    void focusFirst();

    // The title bar's close box: runs the form's QueryUnload, then closes it.
    void userClose();
    // Esc: a dialog with a close box takes it as its close box. True when it did.
    bool escapePressed();

    // Runs once, when the desktop creates the form.
    virtual void Form_Load() {}
    // Runs each time the form becomes the active child window.
    virtual void Form_Activate() {}
    // Runs before a close by the close box; setting cancel keeps the form.
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    // The close box of a dialog: by default the same as its cancel button.
    virtual void closeBoxPressed() { unload(); }

private:
    friend class Control;
    friend class Desktop;
    void registerControl(Control* c) { controls_.push_back(c); }

    Desktop& desktop_;
    std::string name_;
    FormKind kind_;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 9600, height_ = 7200;
    Font font_;
    bool closeBox_ = true;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuBar_;
    RecordingSurface canvas_;
    bool visible_ = false;
    bool modal_ = false;
    Control* active_ = nullptr;
};

}  // namespace plat
