// Commands of a higher floor that a lower one starts, run as the screens that own them
// registered them (registerForLowerFloors). A hand-over nobody registered is a slip that
// would leave its button dead: it throws.
#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

enum class HandOver {
    OpenDimensions,  // the ground-shape screen's "寸法の入力 >": the dimension screen takes the shape
    OpenSections,    // the dimension screen's "断面計算 >": the section screen takes the result
};

class HandOvers {
public:
    void add(HandOver what, std::function<void()> run) { runs_[what] = std::move(run); }
    bool registered(HandOver what) const { return runs_.contains(what); }

    void run(HandOver what) const {
        auto it = runs_.find(what);
        if (it == runs_.end())
            throw std::logic_error("no hand-over registered: " + std::to_string(static_cast<int>(what)));
        it->second();
    }

private:
    std::map<HandOver, std::function<void()>> runs_;
};
