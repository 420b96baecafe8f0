// The desktop: the program's forms by name (created on first use), the child windows of
// the main window with the active one, the modal dialogs, and the services.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/services.h"

namespace plat {

class Desktop {
public:
    explicit Desktop(Services& services);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    virtual ~Desktop();

    Services& services() const { return *services_; }
    void setServices(Services& s) { services_ = &s; }

    // The form of type F, created (hidden, load step run) when it is not loaded.
    // F names itself with a static kName and is built from the derived desktop.
    template <class F, class Self>
    F& form(Self& self) {
        if (Form* f = find(F::kName)) return static_cast<F&>(*f);
        auto owned = std::make_unique<F>(self);
        F& ref = *owned;
        adopt(std::move(owned));
        return ref;
    }

    // Forms by name, for tables that address "Form3"/"txt8".
    void registerForm(const std::string& name, std::function<std::unique_ptr<Form>()> factory);
    Form& formByName(const std::string& name);
    Control& controlByName(const std::string& form, const std::string& control);
    std::vector<std::string> formNames() const;

    // Asks without creating anything.
    bool isLoaded(const std::string& name) const { return find(name) != nullptr; }
    Form* find(const std::string& name) const;
    void unload(const std::string& name);
    void unload(Form& form);
    // Every loaded form, in the order of loading.
    std::vector<Form*> loadedForms() const;

    // Child windows of the main window, bottom to top; the top one is active.
    Form* activeChild() const { return children_.empty() ? nullptr : children_.back(); }
    const std::vector<Form*>& children() const { return children_; }
    // Open modal dialogs, innermost last.
    const std::vector<Form*>& modalStack() const { return modals_; }

    // Ends the program at once: nothing more is asked, no other handler runs.
    void endProgram() { ended_ = true; }
    bool ended() const { return ended_; }

    // Forms unloaded while one of their own handlers was still running are kept
    // here until the event is over.
    void collectGarbage() { graveyard_.clear(); }

    MessageRequest lastMessage() const { return lastMessage_; }
    MsgResult msgBox(const std::string& text, MsgStyle style, const std::string& title);
    void beep() { services_->beep(); }

private:
    friend class Form;
    void adopt(std::unique_ptr<Form> form);
    void childShown(Form& f);
    void childHidden(Form& f);
    void modalOpened(Form& f) { modals_.push_back(&f); }
    void modalClosed(Form& f);

    Services* services_;
    std::vector<std::unique_ptr<Form>> loaded_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    std::map<std::string, std::function<std::unique_ptr<Form>()>> factories_;
    std::vector<Form*> children_;
    std::vector<Form*> modals_;
    bool ended_ = false;
    MessageRequest lastMessage_;
};

}  // namespace plat
