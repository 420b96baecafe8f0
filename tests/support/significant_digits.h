// The longest run of significant digits of any number in a text: a label or a printed
// line that shows a number of more than 15 of them shows a number no float holds.
#pragma once
#include <algorithm>
#include <string>

inline int mostSignificantDigits(const std::string& text) {
    int most = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        int digits = 0;
        bool leading = true;
        for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.' || text[i] == ','); ++i) {
            if (text[i] < '0' || text[i] > '9') continue;
            if (leading && text[i] == '0') continue;
            leading = false;
            ++digits;
        }
        most = std::max(most, digits);
    }
    return most;
}
