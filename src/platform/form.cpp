#include "platform/form.h"

#include <algorithm>

#include "platform/desktop.h"

namespace plat {

Form::Form(Desktop& desktop, std::string name, FormKind kind)
    : desktop_(desktop), name_(std::move(name)), kind_(kind) {}

Control* Form::control(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Form::show() {
    visible_ = true;
    if (kind_ == FormKind::MdiChild) desktop_.childShown(*this);
    if (!active_ || !active_->canFocus()) focusFirst();
}

void Form::showModal() {
    if (modal_) return;
    visible_ = true;
    modal_ = true;
    if (!active_ || !active_->canFocus()) focusFirst();
    desktop_.modalOpened(*this);
    desktop_.services().runModal(*this);
    // The loop ends when the dialog is hidden or unloaded; a scripted loop may simply return.
    if (desktop_.find(name_) == this && modal_) {
        modal_ = false;
        desktop_.modalClosed(*this);
    }
}

void Form::showModalAtFirstStop() {
    if (modal_) return;
    active_ = nullptr;
    showModal();
}

void Form::hide() {
    if (!visible_ && !modal_) return;
    visible_ = false;
    if (modal_) {
        modal_ = false;
        desktop_.modalClosed(*this);
    }
    if (kind_ == FormKind::MdiChild) desktop_.childHidden(*this);
}

void Form::unload() { desktop_.unload(*this); }

void Form::focusFirst() {
    std::vector<Control*> order;
    for (Control* c : controls_)
        if (c->canFocus() && c->tabStop()) order.push_back(c);
    if (order.empty()) return;
    auto first = std::min_element(order.begin(), order.end(),
                                  [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    (*first)->setFocus();
}

void Form::tabNext(bool backwards) {
    std::vector<Control*> order;
    for (Control* c : controls_) {
        if (!c->canFocus() || !c->tabStop()) continue;
        if (c->kind() == ControlKind::OptionButton) {
            // Only the selected option of a group (or its first) is a tab stop.
            auto* o = static_cast<OptionButton*>(c);
            auto group = o->group();
            OptionButton* stop = nullptr;
            for (OptionButton* g : group)
                if (g->value() && g->canFocus()) stop = g;
            if (!stop)
                for (OptionButton* g : group)
                    if (g->canFocus()) {
                        stop = g;
                        break;
                    }
            if (stop != o) continue;
        }
        order.push_back(c);
    }
    if (order.empty()) return;
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    auto it = std::find(order.begin(), order.end(), active_);
    Control* next;
    if (it == order.end()) {
        next = order.front();
    } else if (backwards) {
        next = it == order.begin() ? order.back() : *(it - 1);
    } else {
        next = (it + 1) == order.end() ? order.front() : *(it + 1);
    }
    next->setFocus();
}

void Form::userClose() {
    if (kind_ == FormKind::Dialog) {
        if (closeBox_) closeBoxPressed();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (!cancel && !desktop_.ended()) unload();
}

bool Form::escapePressed() {
    if (kind_ != FormKind::Dialog || !closeBox_) return false;
    closeBoxPressed();
    return true;
}

}  // namespace plat
