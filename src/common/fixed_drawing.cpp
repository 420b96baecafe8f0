#include "common/fixed_drawing.h"

#include <algorithm>

#include "platform/utf8.h"

namespace {
constexpr const char* kScreenFont = "ＭＳ ゴシック";
}

int FixedDrawing::textWidth(const std::string& text, double size) {
    const double em = size * 20;
    double width = 0;
    for (char32_t cp : plat::toCodePoints(text)) {
        bool half = cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
        width += half ? em / 2 : em;
    }
    return static_cast<int>(width + 0.5);
}

plat::Label& FixedDrawing::text(int left, int top, const std::string& caption, double size) {
    auto label = std::make_unique<plat::Label>(form_, prefix_ + "_lbl" + std::to_string(labels_.size() + 1));
    label->place(left, top, textWidth(caption, size) + 30, static_cast<int>(size * 20) + 60);
    label->setCaption(caption);
    label->setFont(kScreenFont, size);
    labels_.push_back(std::move(label));
    return *labels_.back();
}

plat::Label& FixedDrawing::centred(int left, int top, int width, int height, const std::string& caption,
                                   double size) {
    // A line of glyphs stands about 1.1 em high; the label itself reaches below it, and its
    // text starts at its top, so the glyphs are centred by the label's top.
    const int glyphHeight = static_cast<int>(size * 22);
    const int inner = width - 30;
    // A text longer than its box wraps into as many lines as it needs.
    const int lines = std::max(1, (textWidth(caption, size) + inner - 1) / inner);
    const int labelTop = top + std::max(15, (height - lines * glyphHeight) / 2);
    plat::Label& label = text(left + 15, labelTop, caption, size);
    label.setWidth(inner);
    label.setAlignment(plat::Align::Center);
    if (lines > 1) label.setHeight(top + height - labelTop);
    return label;
}

plat::Line& FixedDrawing::line(int x1, int y1, int x2, int y2) {
    auto l = std::make_unique<plat::Line>(form_, prefix_ + "_line" + std::to_string(lines_.size() + 1));
    l->setPoints(x1, y1, x2, y2);
    lines_.push_back(std::move(l));
    return *lines_.back();
}

void FixedDrawing::box(int left, int top, int width, int height) {
    line(left, top, left + width, top);
    line(left, top + height, left + width, top + height);
    line(left, top, left, top + height);
    line(left + width, top, left + width, top + height);
}

void FixedDrawing::table(int left, int top, const std::vector<int>& colWidths, int rowHeight,
                         const std::vector<Cell>& cells, double size) {
    std::vector<int> colLeft{left};
    for (int w : colWidths) colLeft.push_back(colLeft.back() + w);
    int rows = 0;
    for (const Cell& c : cells) rows = std::max(rows, c.row + c.rowSpan);
    const int right = colLeft.back();
    const int bottom = top + rows * rowHeight;

    // Every inner rule is the top or the left edge of some cell; the outline closes it.
    for (const Cell& c : cells) {
        const int x = colLeft[c.col], y = top + c.row * rowHeight;
        const int w = colLeft[c.col + c.colSpan] - x, h = c.rowSpan * rowHeight;
        if (c.row > 0) line(x, y, x + w, y);
        if (c.col > 0) line(x, y, x, y + h);

        std::vector<std::string> parts;
        size_t start = 0;
        for (size_t nl; (nl = c.text.find('\n', start)) != std::string::npos; start = nl + 1)
            parts.push_back(c.text.substr(start, nl - start));
        parts.push_back(c.text.substr(start));
        const int partHeight = h / static_cast<int>(parts.size());
        for (size_t i = 0; i < parts.size(); ++i)
            if (!parts[i].empty()) centred(x, y + static_cast<int>(i) * partHeight, w, partHeight, parts[i], size);
    }
    box(left, top, right - left, bottom - top);
}
