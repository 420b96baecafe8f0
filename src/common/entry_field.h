// The behaviour every entry field of the program shares: a click or the arrival of the
// focus selects the whole text, a double click selects from a fixed position to the end,
// and Enter is swallowed and moves on along the screen's fixed chain. Nothing is checked
// or converted while the user types. Looking changes nothing: only an edit that changes
// the text makes anything stale. A screen declares each field's Enter target and its own
// extra handlers once, in its constructor:
//
//     fields_.add(txt2, {.next = txt3, .onEdit = [this] { invalidate(); }});
//     fields_.add(txt3, {.next = [this]() -> plat::Control* { return txt13.visible() ? &txt13 : &txt4; }});
//     fields_.link(cbo1, txt8);  // a list, option or button in the chain
#pragma once
#include <concepts>
#include <functional>
#include <map>
#include <memory>

#include "platform/controls.h"

// Where Enter leads from a control: a fixed control, or one chosen at each key press.
class EntryTarget {
public:
    EntryTarget() = default;
    EntryTarget(plat::Control& target) : choose_([&target]() -> plat::Control* { return &target; }) {}
    EntryTarget(plat::Control* target) : choose_([target]() -> plat::Control* { return target; }) {}
    template <class F>
        requires std::is_invocable_r_v<plat::Control*, F&>
    EntryTarget(F choose) : choose_(std::move(choose)) {}

    explicit operator bool() const { return static_cast<bool>(choose_); }
    plat::Control* operator()() const { return choose_ ? choose_() : nullptr; }

private:
    std::function<plat::Control*()> choose_;
};

struct EntryFieldSpec {
    // Enter moves on to this control; without one Enter is only swallowed.
    EntryTarget next = {};
    // A double click selects from this character position to the end.
    int dblClickFrom = 10;
    // Numbers arrive as half-width digits with the input method off; full-width ones that
    // come all the same (typed or pasted) are made half-width. Other modes take free text.
    plat::ImeMode ime = plat::ImeMode::Off;
    // Click: runs after the text is selected.
    std::function<void()> onClick = nullptr;
    // The user changed the text: a key that changed it, the delete key, cut or paste. A
    // click, the focus or a key that leaves the text as it was (Enter) runs nothing.
    std::function<void()> onEdit = nullptr;
};

// Gives the control the focus; an entry field then gets its whole text selected. A refusal
// sends the focus back to the box this way too, so that the correction replaces the text
// instead of being typed in front of it.
void moveTo(plat::Control& target);
// A box that takes a number outside any entry chain: the input method off, full-width
// digits, points, signs and commas made half-width as they arrive.
void numberBox(plat::TextBox& box);
// Selection from a character position to the end (just the caret at the end when the
// text is no longer than the position).
void selectFrom(plat::TextBox& box, int start);

// The entry fields of one screen or dialog and its Enter chain.
class EntryFields {
public:
    EntryFields() = default;
    EntryFields(const EntryFields&) = delete;
    EntryFields& operator=(const EntryFields&) = delete;

    // Binds the shared behaviour and the screen's own handlers to the box.
    void add(plat::TextBox& box, EntryFieldSpec field);
    // The chain step of a control that is no entry field (a list, an option, a button).
    void link(plat::Control& from, EntryTarget next);

    // Enter at `from`: moves on to the next control of the chain that can take the focus
    // (hidden and disabled ones are passed over along their own chain steps).
    void moveOn(plat::Control& from) const;
    // A key press at `from`: Enter is swallowed (the code becomes 0) and moves on.
    // True when the key was Enter.
    bool enterKey(plat::Control& from, int& key) const;

private:
    std::map<const plat::Control*, EntryTarget> next_;
};
