#include "common/invalidation.h"

#include <stdexcept>

#include "platform/controls.h"

void Invalidation::drop(InvalidationSet set) const {
    for (Stale what : set)
        if (auto it = drops_.find(what); it != drops_.end()) it->second();
}

void InvalidationTable::add(const plat::Control& input, InvalidationSet set) { add(input.name(), set); }

void InvalidationTable::changed(const plat::Control& input) const { changed(input.name()); }

void InvalidationTable::changed(const std::string& input) const {
    auto it = sets_.find(input);
    // I keep a missing entry loud: an input without a table entry is a slip of mine.
    if (it == sets_.end()) throw std::logic_error("no invalidation entry for " + input);
    registry_.drop(it->second);
}
