// The report printed into a PDF file by the program's own print run, and the PDF's text
// layer read back with poppler's pdftotext: each word with its box, in points from the
// top left of the sheet, and each sheet's size.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/pdf_services.h"

namespace pdf_text {

struct Word {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};
// The words of one sheet, and the sheet's size in points.
struct Page : std::vector<Word> {
    double width = 0, height = 0;
};

// What a shell command writes to its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    ::pclose(pipe);
    return text;
}

namespace detail {

inline double attribute(const std::string& tag, const char* name) {
    const std::string key = std::string(name) + "=\"";
    const size_t at = tag.find(key);
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + key.size());
}

inline std::string unescaped(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, c] : entities)
        for (size_t at = s.find(entity); at != std::string::npos; at = s.find(entity, at + 1))
            s.replace(at, std::string(entity).size(), c);
    return s;
}

}  // namespace detail

// The words of every page of the PDF (one run of pdftotext -bbox).
inline std::vector<Page> words(const std::string& pdf) {
    const std::string xml = commandOutput("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    std::vector<Page> pages;
    size_t at = 0;
    while ((at = xml.find('<', at)) != std::string::npos) {
        const size_t end = xml.find('>', at);
        if (end == std::string::npos) break;
        const std::string tag = xml.substr(at, end - at + 1);
        at = end + 1;
        if (tag.rfind("<page ", 0) == 0) {
            pages.emplace_back();
            pages.back().width = detail::attribute(tag, "width");
            pages.back().height = detail::attribute(tag, "height");
        } else if (tag.rfind("<word ", 0) == 0 && !pages.empty()) {
            const size_t close = xml.find("</word>", at);
            if (close == std::string::npos) break;
            pages.back().push_back({detail::attribute(tag, "xMin"), detail::attribute(tag, "yMin"),
                                    detail::attribute(tag, "xMax"), detail::attribute(tag, "yMax"),
                                    detail::unescaped(xml.substr(at, close - at))});
            at = close;
        }
    }
    return pages;
}

}  // namespace pdf_text
