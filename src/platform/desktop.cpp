#include "platform/desktop.h"

#include <algorithm>
#include <stdexcept>

namespace plat {

Desktop::Desktop(Services& services) : services_(&services) {}

Desktop::~Desktop() {
    children_.clear();
    modals_.clear();
    // Forms go in reverse order of loading; none of their handlers runs.
    while (!loaded_.empty()) loaded_.pop_back();
    graveyard_.clear();
}

void Desktop::registerForm(const std::string& name, std::function<std::unique_ptr<Form>()> factory) {
    factories_[name] = std::move(factory);
}

Form* Desktop::find(const std::string& name) const {
    for (const auto& f : loaded_)
        if (f->name() == name) return f.get();
    return nullptr;
}

Form& Desktop::formByName(const std::string& name) {
    if (Form* f = find(name)) return *f;
    auto it = factories_.find(name);
    if (it == factories_.end()) throw std::out_of_range("no form named " + name);
    auto owned = it->second();
    Form& ref = *owned;
    adopt(std::move(owned));
    return ref;
}

Control& Desktop::controlByName(const std::string& form, const std::string& control) {
    Control* c = formByName(form).control(control);
    if (!c) throw std::out_of_range("no control named " + form + "." + control);
    return *c;
}

std::vector<std::string> Desktop::formNames() const {
    std::vector<std::string> out;
    for (const auto& [name, factory] : factories_) out.push_back(name);
    return out;
}

std::vector<Form*> Desktop::loadedForms() const {
    std::vector<Form*> out;
    for (const auto& f : loaded_) out.push_back(f.get());
    return out;
}

void Desktop::adopt(std::unique_ptr<Form> form) {
    Form& ref = *form;
    loaded_.push_back(std::move(form));
    ref.Form_Load();
}

void Desktop::unload(const std::string& name) {
    if (Form* f = find(name)) unload(*f);
}

void Desktop::unload(Form& form) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& p) { return p.get() == &form; });
    if (it == loaded_.end()) return;
    form.hide();
    // The instance may be running the handler that unloads it: keep it alive until the
    // event is over, but let the next use create a fresh one.
    graveyard_.push_back(std::move(*it));
    loaded_.erase(it);
}

void Desktop::childShown(Form& f) {
    bool wasActive = activeChild() == &f;
    children_.erase(std::remove(children_.begin(), children_.end(), &f), children_.end());
    children_.push_back(&f);
    if (!wasActive) f.Form_Activate();
}

void Desktop::childHidden(Form& f) {
    bool wasActive = activeChild() == &f;
    children_.erase(std::remove(children_.begin(), children_.end(), &f), children_.end());
    if (wasActive && activeChild()) activeChild()->Form_Activate();
}

void Desktop::modalClosed(Form& f) { modals_.erase(std::remove(modals_.begin(), modals_.end(), &f), modals_.end()); }

MsgResult Desktop::msgBox(const std::string& text, MsgStyle style, const std::string& title) {
    lastMessage_ = MessageRequest::fromStyle(text, style, title);
    return services_->messageBox(lastMessage_);
}

}  // namespace plat
