// Questions about a higher floor that a lower one asks, answered as the screens that own them
// registered them (registerForLowerFloors). A query nobody registered is a slip that would
// answer "no" for ever: it throws.
#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

enum class Query {
    SectionResultShown,  // the section screen shows a checked row (overwrite save needs one)
};

class Queries {
public:
    void add(Query what, std::function<bool()> answer) { answers_[what] = std::move(answer); }
    bool registered(Query what) const { return answers_.contains(what); }

    bool ask(Query what) const {
        auto it = answers_.find(what);
        if (it == answers_.end())
            throw std::logic_error("no query registered: " + std::to_string(static_cast<int>(what)));
        return it->second();
    }

private:
    std::map<Query, std::function<bool()>> answers_;
};
