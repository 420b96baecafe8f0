#include "platform/controls.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/utf8.h"

namespace plat {

Control::Control(Form& form, std::string name, ControlKind kind) : form_(form), name_(std::move(name)), kind_(kind) {
    font_ = form.font();
    form.registerControl(this);
}

Control& Control::place(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    return *this;
}

bool Control::shownOnScreen() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return form_.visible();
}

bool Control::canFocus() const {
    if (!focusable() || !shownOnScreen()) return false;
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

bool Control::hasFocus() const { return form_.activeControl() == this; }

void Control::setFocus() {
    if (!canFocus()) return;
    Control* previous = form_.activeControl();
    if (previous == this) return;
    form_.setActiveControl(this);
    if (previous) previous->raise(previous->LostFocus);
    raise(GotFocus);
}

void Control::keyPress(int code) {
    if (code == kKeyEsc && form_.escapePressed()) return;
    typed(code);
}

void Control::typed(int code) {
    if (KeyPress) KeyPress(code);
}

// ---- TextBox ----

TextBox::TextBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::TextBox) {
    setBackColor(kWhite);
}

static std::string singleLine(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

void TextBox::setTextKeepCaret(const std::string& text) {
    std::string t = singleLine(text);
    if (t == text_) return;
    text_ = t;
    raise(Change);
}

void TextBox::setText(const std::string& text) {
    selStart_ = 0;
    selLength_ = 0;
    setTextKeepCaret(text);
}

void TextBox::setSelStart(int start) {
    int n = charCount(text_);
    selStart_ = std::clamp(start, 0, n);
    selLength_ = 0;
}

void TextBox::setSelLength(int length) {
    int n = charCount(text_);
    selLength_ = std::clamp(length, 0, n - selStart_);
}

std::string TextBox::selText() const { return charSlice(text_, selStart_, selLength_); }

void TextBox::selectAll() {
    setSelStart(0);
    setSelLength(charCount(text_));
}

void TextBox::replaceSelection(const std::string& with) {
    std::string before = charSlice(text_, 0, selStart_);
    std::string after = charSlice(text_, selStart_ + selLength_, -1);
    int caret = selStart_ + charCount(with);
    std::string next = before + with + after;
    if (maxLength_ > 0 && charCount(next) > maxLength_) return;
    selStart_ = caret;
    selLength_ = 0;
    setTextKeepCaret(next);
}

void TextBox::typed(int code) {
    if (KeyPress) KeyPress(code);
    if (code == 0 || locked_) return;
    const std::string before = text_;
    if (code == kKeyBack) {
        if (selLength_ == 0 && selStart_ > 0) {
            selStart_ -= 1;
            selLength_ = 1;
        }
        replaceSelection("");
    } else if (code >= 32 && code != 127) {  // control characters are not inserted
        replaceSelection(fromCodePoint(static_cast<char32_t>(code)));
    }
    if (text_ != before) raise(Edited);
}

void TextBox::userEdit(const std::string& text, int selStart, int selLength) {
    // The caret is in place before Change runs, so that a caret the handler sets is kept.
    std::string t = singleLine(text);
    const std::string before = text_;
    text_ = t;
    setSelStart(selStart);
    setSelLength(selLength);
    if (text_ == before) return;
    raise(Change);
    raise(UserEdit);
    // A paste of "２４" over "24" is narrowed back to what was there: no edit.
    if (text_ != before) raise(Edited);
}

// ---- Label, Option, Check ----

Label::Label(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Label) {}

OptionButton::OptionButton(Form& form, std::string name) : Control(form, std::move(name), ControlKind::OptionButton) {}

std::vector<OptionButton*> OptionButton::group() const {
    std::vector<OptionButton*> out;
    for (Control* c : form().controls())
        if (c->kind() == ControlKind::OptionButton && c->container() == container())
            out.push_back(static_cast<OptionButton*>(c));
    return out;
}

void OptionButton::setValue(bool v) {
    if (!v) {
        value_ = false;
        return;
    }
    if (value_) return;
    for (OptionButton* o : group()) o->value_ = false;
    value_ = true;
    raise(Click);
}

void OptionButton::userClick() { setValue(true); }

void OptionButton::typed(int code) {
    if (KeyPress) KeyPress(code);
}

CheckBox::CheckBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::CheckBox) {}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    raise(Click);
}

void CheckBox::typed(int code) {
    if (KeyPress) KeyPress(code);
    if (code == ' ') userClick();
}

// ---- ComboBox ----

ComboBox::ComboBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::ComboBox) {
    setBackColor(kWhite);
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) index = -1;
    if (index == listIndex_) return;
    listIndex_ = index;
    text_ = index >= 0 ? items_[index] : std::string();
    raise(Click);
}

void ComboBox::setText(const std::string& text) {
    text_ = singleLine(text);
    auto it = std::find(items_.begin(), items_.end(), text_);
    listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    raise(Change);
}

void ComboBox::userPick(int index) {
    if (index < 0 || index >= listCount()) return;
    listIndex_ = index;
    text_ = items_[index];
    raise(Click);
}

void ComboBox::typed(int code) {
    if (KeyPress) KeyPress(code);
    if (code == 0 || style_ == Style::DropDownList) return;
    if (code == kKeyBack) {
        auto cps = toCodePoints(text_);
        if (!cps.empty()) cps.pop_back();
        userEdit(fromCodePoints(cps));
    } else if (code >= 32 && code != 127) {
        userEdit(text_ + fromCodePoint(static_cast<char32_t>(code)));
    }
}

void ComboBox::userEdit(const std::string& text) {
    std::string t = singleLine(text);
    if (t == text_) return;
    text_ = t;
    listIndex_ = -1;
    raise(Change);
}

// ---- Button, Frame, figures ----

CommandButton::CommandButton(Form& form, std::string name)
    : Control(form, std::move(name), ControlKind::CommandButton) {}

void CommandButton::typed(int code) {
    if (KeyPress) KeyPress(code);
    if (code == kKeyEnter || code == ' ') press();
}

Frame::Frame(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Frame) {}

Line::Line(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Line) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

Shape::Shape(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Shape) {}

PictureBox::PictureBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::PictureBox) {
    setBackColor(kWhite);
}

ScrollBar::ScrollBar(Form& form, std::string name, Orientation orientation)
    : Control(form, std::move(name), ControlKind::ScrollBar), orientation_(orientation) {
    setTabStop(false);
}

namespace {
int clamp16(int v) { return std::clamp(v, -32768, 32767); }
}  // namespace

void ScrollBar::setMin(int v) {
    min_ = clamp16(v);
    setValue(value_);
}

void ScrollBar::setMax(int v) {
    max_ = clamp16(v);
    setValue(value_);
}

void ScrollBar::setLargeChange(int v) { largeChange_ = std::clamp(v, 1, 32767); }
void ScrollBar::setSmallChange(int v) { smallChange_ = std::clamp(v, 1, 32767); }

void ScrollBar::setValue(int v) {
    int lo = std::min(min_, max_), hi = std::max(min_, max_);
    v = std::clamp(v, lo, hi);
    if (v == value_) return;
    value_ = v;
    raise(Change);
}

int setTabOrder(std::initializer_list<Control*> controls, int first) {
    for (Control* c : controls) c->setTabIndex(first++);
    return first;
}

}  // namespace plat
