// UTF-8 helpers: text boxes count selections in characters, not bytes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plat {

std::vector<char32_t> toCodePoints(std::string_view utf8);
std::string fromCodePoints(const std::vector<char32_t>& cps);
std::string fromCodePoint(char32_t cp);
int charCount(std::string_view utf8);
// Characters [start, start + count) of a UTF-8 text, counted in code points.
std::string charSlice(std::string_view utf8, int start, int count);

}  // namespace plat
