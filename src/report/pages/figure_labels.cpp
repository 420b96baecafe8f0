#include "report/pages/figure_labels.h"

#include <algorithm>
#include <utility>

namespace page {

namespace {

// Room kept between the ink of a label and a line, and between two labels.
constexpr double kLineMargin = 25;
constexpr double kLabelMargin = 45;
// How far, in steps of how many twips, a label may move from its spot.
constexpr double kStep = 15;
constexpr double kReach = 900;

}  // namespace

// Liang-Barsky clipping: the part of the segment inside the rectangle is not empty.
bool crosses(const Segment& l, double left, double top, double right, double bottom) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1 - left, right - l.x1, l.y1 - top, bottom - l.y1};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 >= t1) return false;
    }
    return true;
}

std::vector<Segment> linesOf(const plat::RecordingSurface& drawn) {
    std::vector<Segment> out;
    for (const plat::DrawOp& op : drawn.ops())
        if (op.kind == plat::DrawOp::Line) out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

FigureLabels::FigureLabels(plat::Surface& s, std::vector<Segment> lines, double top, double bottom)
    : s_(s), lines_(std::move(lines)), top_(top), bottom_(bottom) {}

// The ink of a line of type lies within its em height, less a tenth at the top and bottom.
FigureLabels::Box FigureLabels::boxAt(const std::string& text, Spot at) const {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    const double em = s_.textHeight();
    Box b;
    b.left = at.x + s_.textWidth(text.substr(0, first));
    b.right = b.left + s_.textWidth(text.substr(first, last - first + 1));
    b.top = at.y + em / 10;
    b.bottom = at.y + em - em / 10;
    return b;
}

bool FigureLabels::clear(const Box& b) const {
    const double em = s_.textHeight();
    if (b.top - em / 10 < top_ || b.bottom + em / 10 > bottom_) return false;
    if (b.left < 0 || b.right > s_.printableWidth()) return false;
    for (const Segment& line : lines_)
        if (crosses(line, b.left - kLineMargin, b.top - kLineMargin, b.right + kLineMargin, b.bottom + kLineMargin))
            return false;
    for (const Box& o : placed_)
        if (b.left - kLabelMargin < o.right && o.left < b.right + kLabelMargin && b.top - kLabelMargin < o.bottom &&
            o.top < b.bottom + kLabelMargin)
            return false;
    return true;
}

void FigureLabels::print(const std::string& text, std::initializer_list<Spot> spots, Slide slide) {
    if (spots.size() == 0) return;
    const std::vector<Line> lines{{text, 0, 0}};
    put(lines, find(lines, std::vector<Spot>(spots), slide));
}

void FigureLabels::print(const std::vector<Line>& lines, Spot spot, Slide slide) { put(lines, find(lines, {spot}, slide)); }

Spot FigureLabels::find(const std::vector<Line>& lines, const std::vector<Spot>& spots, Slide slide) const {
    // The moves to try, nearest first: along a line, or to any point around the spot.
    std::vector<std::pair<double, double>> moves;
    const int steps = static_cast<int>(kReach / kStep);
    for (int i = -steps; i <= steps; ++i) {
        if (slide == Slide::Vertical) moves.emplace_back(0, i * kStep);
        else if (slide == Slide::Horizontal) moves.emplace_back(i * kStep, 0);
        else
            for (int j = -steps; j <= steps; ++j) moves.emplace_back(i * kStep, j * kStep);
    }
    std::stable_sort(moves.begin(), moves.end(), [](const auto& a, const auto& b) {
        return a.first * a.first + a.second * a.second < b.first * b.first + b.second * b.second;
    });

    auto fits = [&](Spot at) {
        for (const Line& l : lines)
            if (l.text.find_first_not_of(' ') != std::string::npos && !clear(boxAt(l.text, {at.x + l.dx, at.y + l.dy})))
                return false;
        return true;
    };
    for (const auto& [dx, dy] : moves)
        for (const Spot& spot : spots)
            if (fits({spot.x + dx, spot.y + dy})) return {spot.x + dx, spot.y + dy};
    return spots.front();
}

void FigureLabels::put(const std::vector<Line>& lines, Spot at) {
    for (const Line& l : lines) {
        const Spot here{at.x + l.dx, at.y + l.dy};
        if (l.text.find_first_not_of(' ') != std::string::npos) placed_.push_back(boxAt(l.text, here));
        s_.setCurrentX(here.x);
        s_.setCurrentY(here.y);
        s_.print(l.text);
    }
}

}  // namespace page
