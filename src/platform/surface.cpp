#include "platform/surface.h"

#include <algorithm>

#include "platform/utf8.h"

namespace plat {

void Surface::setFont(const std::string& name, double size, bool bold) {
    fontName_ = name;
    fontSize_ = size;
    fontBold_ = bold;
    doFont();
}

namespace {

// Whether a text puts any ink on the page: an empty line or a run of blanks does not.
bool inked(const std::string& text) {
    for (char32_t cp : toCodePoints(text))
        if (cp != U' ' && cp != U'\u3000') return true;
    return false;
}

}  // namespace

void Surface::print(const std::string& text) {
    printInline(text);
    x_ = 0;
    y_ += textHeight();
}

void Surface::printInline(const std::string& text) {
    doText(x_, y_, text);
    if (inked(text)) textBottom_ = std::max(textBottom_, y_ + textHeight());
    x_ += textWidth(text);
}

void Surface::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }

void Surface::line(double x1, double y1, double x2, double y2, Colour c) {
    doLine(x1, y1, x2, y2, c);
    x_ = x2;
    y_ = y2;
}

void Surface::clear() {
    doClear();
    x_ = y_ = textBottom_ = 0;
}

void Surface::newPage() {
    doNewPage();
    x_ = y_ = textBottom_ = 0;
}

void Surface::endDoc() { doEndDoc(); }

double Surface::textWidth(const std::string& text) const {
    double em = fontSize_ * 20.0;
    double w = 0;
    for (char32_t cp : toCodePoints(text)) {
        bool half = cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
        w += half ? em / 2 : em;
    }
    return w;
}

double Surface::textHeight() const { return fontSize_ * 20.0; }

void RecordingSurface::doText(double x, double y, const std::string& text) {
    DrawOp op(DrawOp::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    op.fontName = fontName();
    op.fontSize = fontSize();
    op.bold = fontBold();
    op.colour = foreColor();
    ops_.push_back(std::move(op));
}

void RecordingSurface::doLine(double x1, double y1, double x2, double y2, Colour c) {
    DrawOp op(DrawOp::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = c;
    op.drawStyle = drawStyle();
    op.drawWidth = drawWidth();
    ops_.push_back(std::move(op));
}

void RecordingSurface::doClear() { ops_.clear(); }
void RecordingSurface::doNewPage() { ops_.emplace_back(DrawOp::NewPage); }
void RecordingSurface::doEndDoc() { ops_.emplace_back(DrawOp::EndDoc); }

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const auto& op : ops_)
        if (op.kind == DrawOp::Text) out.push_back(op.text);
    return out;
}

int RecordingSurface::pageCount() const {
    int pages = 1;
    for (const auto& op : ops_)
        if (op.kind == DrawOp::NewPage) ++pages;
    return pages;
}

void RecordingSurface::replay(Surface& target) const {
    for (const auto& op : ops_) {
        switch (op.kind) {
            case DrawOp::Text:
                target.setFont(op.fontName, op.fontSize, op.bold);
                target.setForeColor(op.colour);
                target.setCurrentX(op.x1);
                target.setCurrentY(op.y1);
                target.printInline(op.text);
                break;
            case DrawOp::Line:
                target.setDrawStyle(op.drawStyle);
                target.setDrawWidth(op.drawWidth);
                target.line(op.x1, op.y1, op.x2, op.y2, op.colour);
                break;
            case DrawOp::Clear: target.clear(); break;
            case DrawOp::NewPage: target.newPage(); break;
            case DrawOp::EndDoc: target.endDoc(); break;
        }
    }
}

}  // namespace plat
