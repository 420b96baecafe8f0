// Questions about a higher floor that a lower one asks, answered as the screens that own them
// registered them (registerForLowerFloors). A query nobody registered is a slip that would
// answer "no" for ever: it throws.
#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

enum class Query {
    // Whether the section screen shows a stress result: its σs cell of location Ｂ (the
    // upright wall's fixed end, a row that every wall has and that is never refused) is not
    // empty. It holds a value from a stress check that reached that row, passed or NG, and
    // even one that a fault in a later row stopped, until something empties the row or the
    // grid; it does not say that the check counts. Asking loads the section screen when it
    // is not loaded (a new one shows nothing: no). The stability judgement (GamenHyouji)
    // leaves overwrite save off while the answer is no.
    SectionResultShown,
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
