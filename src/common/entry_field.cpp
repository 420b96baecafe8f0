#include "common/entry_field.h"

#include "common/numbers.h"
#include "platform/utf8.h"

namespace {

// Full-width digits, points, signs and commas that an input method or a pasted text
// brings into a number box become half-width as they arrive: the box shows, and the file
// keeps, "24" for "２４", and a narrow box has room for its number.
void narrowKey(int& key) {
    if (key < 0x80) return;
    const std::string narrow = num::narrowed(plat::fromCodePoint(static_cast<char32_t>(key)));
    if (narrow.size() == 1) key = static_cast<unsigned char>(narrow[0]);
}

// Each character keeps its place, so the caret and the selection stay where they were.
void narrowText(plat::TextBox& box) {
    const std::string narrow = num::narrowed(box.text());
    if (narrow == box.text()) return;
    const int start = box.selStart(), length = box.selLength();
    box.setText(narrow);
    box.setSelStart(start);
    box.setSelLength(length);
}

}  // namespace

void moveTo(plat::Control& target) {
    target.setFocus();
    if (target.kind() == plat::ControlKind::TextBox) static_cast<plat::TextBox&>(target).selectAll();
}

void selectFrom(plat::TextBox& box, int start) {
    box.setSelStart(start);
    box.setSelLength(plat::charCount(box.text()));
}

void numberBox(plat::TextBox& box) {
    box.setImeMode(plat::ImeMode::Off);
    box.KeyPress = [](int& key) { narrowKey(key); };
    box.UserEdit = [&box] { narrowText(box); };
}

void EntryFields::add(plat::TextBox& box, EntryFieldSpec field) {
    box.setImeMode(field.ime);
    const bool numbers = field.ime == plat::ImeMode::Off;
    if (field.next) next_[&box] = field.next;
    auto s = std::make_shared<const EntryFieldSpec>(std::move(field));
    box.Click = [&box, s] {
        box.selectAll();
        if (s->onClick) s->onClick();
    };
    box.DblClick = [&box, s] { selectFrom(box, s->dblClickFrom); };
    box.GotFocus = [&box] { box.selectAll(); };
    box.KeyPress = [this, &box, numbers](int& key) {
        if (numbers) narrowKey(key);
        enterKey(box, key);
    };
    if (numbers) box.UserEdit = [&box] { narrowText(box); };
    // Emptying a box with the delete key changes what was entered as much as typing does.
    box.Edited = [s] {
        if (s->onEdit) s->onEdit();
    };
}

void EntryFields::link(plat::Control& from, EntryTarget next) { next_[&from] = std::move(next); }

void EntryFields::moveOn(plat::Control& from) const {
    const plat::Control* at = &from;
    // Each control of the chain is passed at most once, so a chain that is hidden as a
    // whole (its form not shown) ends without a move.
    for (std::size_t hops = 0; hops <= next_.size(); ++hops) {
        auto step = next_.find(at);
        if (step == next_.end()) return;
        plat::Control* target = step->second();
        if (!target) return;
        if (target->canFocus()) {
            moveTo(*target);
            return;
        }
        at = target;
    }
}

bool EntryFields::enterKey(plat::Control& from, int& key) const {
    if (key != plat::kKeyEnter) return false;
    key = 0;
    moveOn(from);
    return true;
}
