#include "common/entry_bounds.h"

#include "common/entry_field.h"
#include "common/messages.h"
#include "common/numbers.h"

bool withinBounds(const std::string& text, const Bounds& b) {
    if (!num::readsWhole(text)) return false;
    const double v = num::parse(text);
    if (b.orZero && v == 0) return true;
    const bool aboveLow = b.lowOpen ? v > b.low : v >= b.low;
    const bool belowHigh = b.highOpen ? v < b.high : v <= b.high;
    return aboveLow && belowHigh;
}

std::string boundsMessage(const std::string& name, const Bounds& b) {
    const std::string zero = b.orZero ? "0または" : "";
    const std::string low = num::shortForm(static_cast<float>(b.low)) + (b.lowOpen ? "より大きく" : "以上");
    const std::string high = num::shortForm(static_cast<float>(b.high)) + b.unit + (b.highOpen ? "未満" : "以下");
    return name + "は" + zero + low + high + "で入力してください。";
}

std::string notANumberMessage(const std::string& name) { return name + "は数値で入力してください。"; }

namespace {

bool missingText(const BoundedBox& entry) { return entry.missing && entry.box->text().empty(); }

bool ownRuleBroken(const BoundedBox& entry) {
    if (missingText(entry)) return true;
    return !entry.anyText && !withinBounds(entry.box->text(), entry.bounds);
}

bool broken(const BoundedBox& entry) {
    return entry.applies && (ownRuleBroken(entry) || (entry.between && !entry.between().empty()));
}

}  // namespace

const BoundedBox* firstOutOfBounds(const std::vector<BoundedBox>& table) {
    for (const BoundedBox& entry : table)
        if (entry.applies && !entry.anyText && !withinBounds(entry.box->text(), entry.bounds)) return &entry;
    return nullptr;
}

const BoundedBox* firstBrokenRule(const std::vector<BoundedBox>& table) {
    for (const BoundedBox& entry : table)
        if (broken(entry)) return &entry;
    return nullptr;
}

std::string refusalMessage(const BoundedBox& entry) {
    if (missingText(entry)) return entry.missing;
    if (!ownRuleBroken(entry) && entry.between) return entry.between();
    if (!num::readsWhole(entry.box->text())) return notANumberMessage(entry.name);
    return boundsMessage(entry.name, entry.bounds);
}

bool refuseOutOfBounds(plat::Desktop& desktop, const std::vector<BoundedBox>& table) {
    const BoundedBox* wrong = firstOutOfBounds(table);
    if (!wrong) return false;
    desktop.msgBox(refusalMessage(*wrong), plat::msg::kOk, kErrorTitle);
    moveTo(*wrong->box);
    return true;
}

void showScreenAlone(plat::Desktop& desktop, plat::Form& screen) {
    // The input screens: design conditions, ground shape, dimensions, sections.
    for (const char* name : {"Form3", "Form23", "Form4", "Form7"})
        if (plat::Form* other = desktop.find(name); other && other != &screen) other->hide();
    if (screen.visible()) return;
    screen.setTop(0);
    screen.setLeft(0);
    screen.show();
}

void bringInSight(const BoundedBox& entry) {
    plat::Form& form = entry.box->form();
    if (form.kind() != plat::FormKind::Dialog || form.isModalOpen()) {
        if (entry.bringUp) entry.bringUp();
        moveTo(*entry.box);
        return;
    }
    // A dialog opens on the box: its focus is set before the dialog blocks.
    form.setActiveControl(entry.box);
    entry.box->selectAll();
    if (entry.bringUp)
        entry.bringUp();
    else
        form.showModal();
}

bool refuseFirstBroken(plat::Desktop& desktop, const std::vector<BoundedBox>& rules) {
    const BoundedBox* wrong = firstBrokenRule(rules);
    if (!wrong) return false;
    desktop.msgBox(refusalMessage(*wrong), plat::msg::kOk, kErrorTitle);
    bringInSight(*wrong);
    return true;
}

std::vector<BoundedBox> givenOnly(std::vector<BoundedBox> rules) {
    for (BoundedBox& entry : rules) entry.applies = entry.applies && !entry.box->text().empty();
    return rules;
}

void appendRules(std::vector<BoundedBox>& rules, std::vector<BoundedBox> more) {
    for (BoundedBox& entry : more) rules.push_back(std::move(entry));
}
