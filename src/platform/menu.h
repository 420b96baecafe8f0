// Menus and the toolbar of the main window.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace plat {

class MenuItem {
public:
    MenuItem(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    bool isSeparator() const { return caption_ == "-"; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { enabled_ = v; }
    bool visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }

    void add(MenuItem& child) { children_.push_back(&child); }
    const std::vector<MenuItem*>& children() const { return children_; }

    // For an item with sub-items: runs as the menu opens. For a leaf: the command.
    // A disabled item delivers nothing.
    void userClick() {
        if (enabled_ && Click) Click();
    }
    std::function<void()> Click;

private:
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<MenuItem*> children_;
};

// Buttons are addressed by a 1-based index in which separators count.
class Toolbar {
public:
    struct Button {
        int image = 0;  // 1-based picture of the image list; 0 for a separator
        std::string tooltip;
        std::string text;
        bool separator = false;
        bool enabled = true;
    };

    void addButton(int image, std::string tooltip, std::string text) {
        buttons_.push_back(Button{image, std::move(tooltip), std::move(text), false, true});
    }
    void addSeparator() { buttons_.push_back(Button{0, {}, {}, true, true}); }
    int count() const { return static_cast<int>(buttons_.size()); }
    Button& button(int index) { return buttons_.at(index - 1); }
    const Button& button(int index) const { return buttons_.at(index - 1); }

    bool visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }

    // A disabled button delivers no click; a separator passes its index on like any button.
    void userClick(int index) {
        if (index < 1 || index > count() || !button(index).enabled) return;
        if (ButtonClick) ButtonClick(index);
    }
    std::function<void(int index)> ButtonClick;

private:
    std::vector<Button> buttons_;
    bool visible_ = true;
};

}  // namespace plat
