// Program-wide values of the section design.
#pragma once
#include <optional>

struct SectionValues {
    // 1 while the section stress check is current, 0 after an invalidation;
    // unset before its first assignment, which counts as 0.
    std::optional<int> sectionCheckDone;
    int sectionCheckDoneValue() const { return sectionCheckDone.value_or(0); }
};
