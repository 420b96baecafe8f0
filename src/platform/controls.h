// The controls of a form. Each control carries its own state and raises its events the
// way the screens expect; the Qt back end only mirrors that state.
#pragma once
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

class Form;

enum class ControlKind { TextBox, Label, OptionButton, CheckBox, ComboBox, CommandButton, Frame, Line, Shape, PictureBox, ScrollBar };

struct Font {
    std::string name = "ＭＳ Ｐゴシック";
    double size = 9;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Right, Center };
enum class ImeMode { NoControl, Off, Hiragana, FullWidthAlpha };

// Key codes that reach a KeyPress handler.
constexpr int kKeyBack = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyEsc = 27;

class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    // Design-time placement, in twips from the container's top left.
    Control& place(int left, int top, int width, int height);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { left_ = v; }
    void setTop(int v) { top_ = v; }
    void setWidth(int v) { width_ = v; }
    void setHeight(int v) { height_ = v; }

    // The frame that holds this control; none when it sits on the form itself.
    Control* container() const { return container_; }
    void setContainer(Control& frame) { container_ = &frame; }

    bool visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { enabled_ = v; }
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }

    const Font& font() const { return font_; }
    void setFont(const Font& f) { font_ = f; }
    void setFont(const std::string& name, double size, bool bold = false) { font_ = Font{name, size, bold}; }
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c) { foreColor_ = c; }
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c) { backColor_ = c; }

    // Shown on screen: its own flag and those of every frame around it and its form.
    bool shownOnScreen() const;
    // Can receive the focus: shown, enabled (its frames too) and of a kind that takes focus.
    bool canFocus() const;
    bool hasFocus() const;
    // Gives the focus and runs GotFocus; does nothing when the control cannot take it.
    void setFocus();

    // A key with a character code arrives while the control has the focus. Esc in a
    // dialog with a close box does what the close box does (its cancel or close button),
    // before the control sees the key; every other key goes to the control.
    void keyPress(int code);

    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int& keyAscii)> KeyPress;

protected:
    virtual bool focusable() const { return false; }
    // What the control does with a key: its KeyPress handler, then its own response.
    virtual void typed(int code);
    void raise(const std::function<void()>& handler) const {
        if (handler) handler();
    }

private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Control* container_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    Font font_;
    Colour foreColor_ = kBlack;
    Colour backColor_ = 0xC0C0C0;
};

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name);

    const std::string& text() const { return text_; }
    // Sets the text from code: the caret goes to the start; Change runs on a real change.
    void setText(const std::string& text);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    // Moves the caret (length becomes 0); clamped to the text.
    void setSelStart(int start);
    // Clamped so that the selection ends at the end of the text at most.
    void setSelLength(int length);
    std::string selText() const;
    void selectAll();

    int borderStyle() const { return borderStyle_; }  // 0 flat, 1 single
    void setBorderStyle(int s) { borderStyle_ = s; }
    ImeMode imeMode() const { return imeMode_; }
    void setImeMode(ImeMode m) { imeMode_ = m; }
    Align alignment() const { return alignment_; }
    void setAlignment(Align a) { alignment_ = a; }
    bool locked() const { return locked_; }
    void setLocked(bool v) { locked_ = v; }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }

    // Typing: KeyPress first (it may change or discard the key), then the edit.
    void typed(int code) override;
    // An edit made by the toolkit itself (delete key, paste): new text and caret.
    void userEdit(const std::string& text, int selStart, int selLength);

    std::function<void()> Change;
    // The user changed the text through the toolkit (delete key, cut, paste, drop), which
    // announces no key press; runs after Change.
    std::function<void()> UserEdit;
    // The user changed the text: a key that changed it, or an edit of the toolkit. Runs
    // last (after Change and UserEdit); never for a text set from code, nor for a click, a
    // focus or a key (Enter, say) that leaves the text as it was.
    std::function<void()> Edited;

protected:
    bool focusable() const override { return true; }

private:
    void replaceSelection(const std::string& with);
    void setTextKeepCaret(const std::string& text);
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int borderStyle_ = 1;
    ImeMode imeMode_ = ImeMode::NoControl;
    Align alignment_ = Align::Left;
    bool locked_ = false;
    int maxLength_ = 0;
};

class Label : public Control {
public:
    Label(Form& form, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    Align alignment() const { return alignment_; }
    void setAlignment(Align a) { alignment_ = a; }
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s) { borderStyle_ = s; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool v) { transparent_ = v; }

private:
    std::string caption_;
    Align alignment_ = Align::Left;
    int borderStyle_ = 0;
    bool transparent_ = true;
};

// An option belongs to the group of its frame, or of the form when it has none.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    bool value() const { return value_; }
    // True when it was false: clears the siblings silently, then runs Click once.
    // True when already true, or false: runs nothing (false may leave the group empty).
    void setValue(bool v);
    // The user clicks it: the same as setting it true.
    void userClick();
    std::vector<OptionButton*> group() const;
    void typed(int code) override;

protected:
    bool focusable() const override { return true; }

private:
    std::string caption_;
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    int value() const { return value_; }
    // Click runs on every change, from the user or from code.
    void setValue(int v);
    void userClick() { setValue(value_ == 1 ? 0 : 1); }
    void typed(int code) override;

protected:
    bool focusable() const override { return true; }

private:
    std::string caption_;
    int value_ = 0;
};

class ComboBox : public Control {
public:
    enum class Style { Editable, DropDownList };
    ComboBox(Form& form, std::string name);

    Style style() const { return style_; }
    void setStyle(Style s) { style_ = s; }
    // Input method of the editable text part.
    ImeMode imeMode() const { return imeMode_; }
    void setImeMode(ImeMode m) { imeMode_ = m; }
    void addItem(const std::string& item) { items_.push_back(item); }
    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    // Empties list and text.
    void clear();

    int listIndex() const { return listIndex_; }
    // A new position sets the text and runs Click; the same position runs nothing.
    void setListIndex(int index);
    const std::string& text() const { return text_; }
    // Text that is no item leaves no position selected.
    void setText(const std::string& text);
    // The user picks an item from the list: Click runs.
    void userPick(int index);
    // Typing into an editable combo: KeyPress, then the edit; no Click.
    void typed(int code) override;
    void userEdit(const std::string& text);

    std::function<void()> Change;

protected:
    bool focusable() const override { return true; }

private:
    Style style_ = Style::Editable;
    ImeMode imeMode_ = ImeMode::NoControl;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    // A click from code or from the mouse.
    void press() { raise(Click); }
    // Enter or Space while it has the focus presses it.
    void typed(int code) override;

protected:
    bool focusable() const override { return true; }

private:
    std::string caption_;
};

class Frame : public Control {
public:
    Frame(Form& form, std::string name);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s) { borderStyle_ = s; }

private:
    std::string caption_;
    int borderStyle_ = 1;
};

class Line : public Control {
public:
    Line(Form& form, std::string name);
    void setPoints(int x1, int y1, int x2, int y2);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setX1(int v) { x1_ = v; }
    void setY1(int v) { y1_ = v; }
    void setX2(int v) { x2_ = v; }
    void setY2(int v) { y2_ = v; }
    Colour borderColor() const { return borderColor_; }
    void setBorderColor(Colour c) { borderColor_ = c; }
    int borderStyle() const { return borderStyle_; }  // 1 solid, 2 dash, 3 dot
    void setBorderStyle(int s) { borderStyle_ = s; }
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w) { borderWidth_ = w; }

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Colour borderColor_ = kBlack;
    int borderStyle_ = 1;
    int borderWidth_ = 1;
};

class Shape : public Control {
public:
    Shape(Form& form, std::string name);
    int shape() const { return shape_; }  // 0 rectangle, 3 circle
    void setShape(int s) { shape_ = s; }
    Colour borderColor() const { return borderColor_; }
    void setBorderColor(Colour c) { borderColor_ = c; }

private:
    int shape_ = 0;
    Colour borderColor_ = kBlack;
};

// A drawing surface that keeps what was drawn until cleared.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name);
    RecordingSurface& surface() { return surface_; }
    const RecordingSurface& surface() const { return surface_; }
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s) { borderStyle_ = s; }
    // The user scale of the inside: drawing coordinates run from 0 to ScaleWidth across the
    // inner width and from 0 to ScaleHeight down the inner height. 0 keeps plain twips.
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }
    void setScaleWidth(float w) { scaleWidth_ = w; }
    void setScaleHeight(float h) { scaleHeight_ = h; }

private:
    RecordingSurface surface_;
    int borderStyle_ = 1;
    float scaleWidth_ = 0;
    float scaleHeight_ = 0;
};

// A horizontal or vertical scroll bar: 16-bit Min, Max, LargeChange, SmallChange and Value.
// Change runs whenever Value really changes, from the user or from code.
class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };
    ScrollBar(Form& form, std::string name, Orientation orientation);

    Orientation orientation() const { return orientation_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int largeChange() const { return largeChange_; }
    int smallChange() const { return smallChange_; }
    int value() const { return value_; }
    // Kept within -32768..32767; a new Max pulls Value back into the range.
    void setMin(int v);
    void setMax(int v);
    // At least 1, at most 32767.
    void setLargeChange(int v);
    void setSmallChange(int v);
    // Clamped to the range; Change runs on a real change.
    void setValue(int v);
    // The user moves the bar (arrow, track, keyboard, end of a thumb drag).
    void userScroll(int v) { setValue(v); }

    std::function<void()> Change;

private:
    Orientation orientation_;
    int min_ = 0, max_ = 32767, largeChange_ = 1, smallChange_ = 1, value_ = 0;
};

// Design-time tab order: the controls take the tab indices first, first + 1, … in the order
// given. Returns the index after the last.
int setTabOrder(std::initializer_list<Control*> controls, int first = 0);

}  // namespace plat
