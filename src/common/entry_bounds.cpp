#include "common/entry_bounds.h"

#include "common/entry_field.h"
#include "common/messages.h"
#include "common/numbers.h"

bool withinBounds(const std::string& text, const Bounds& b) {
    const double v = num::parse(text);
    const bool aboveLow = b.lowOpen ? v > b.low : v >= b.low;
    const bool belowHigh = b.highOpen ? v < b.high : v <= b.high;
    return aboveLow && belowHigh;
}

std::string boundsMessage(const std::string& name, const Bounds& b) {
    const std::string low = num::shortForm(static_cast<float>(b.low)) + (b.lowOpen ? "より大きく" : "以上");
    const std::string high = num::shortForm(static_cast<float>(b.high)) + b.unit + (b.highOpen ? "未満" : "以下");
    return name + "は" + low + high + "で入力してください。";
}

const BoundedBox* firstOutOfBounds(const std::vector<BoundedBox>& table) {
    for (const BoundedBox& entry : table)
        if (entry.applies && !withinBounds(entry.box->text(), entry.bounds)) return &entry;
    return nullptr;
}

bool refuseOutOfBounds(plat::Desktop& desktop, const std::vector<BoundedBox>& table) {
    const BoundedBox* wrong = firstOutOfBounds(table);
    if (!wrong) return false;
    desktop.msgBox(boundsMessage(wrong->name, wrong->bounds), plat::msg::kOk, kErrorTitle);
    moveTo(*wrong->box);
    return true;
}
