#include "report/pages/figure_labels.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace page {

namespace {

// How far, in steps of how many twips, a label may move from its spot.
constexpr double kStep = 15;
constexpr double kMaxReach = 1500;
// A label away from its part stands within this distance of it, on a coarser grid, with a
// leader long enough to be seen.
constexpr double kLeaderReach = 1500;
// Where nothing is clear within that reach, a crowded figure looks twice as far, and lets
// the leader cross other leaders.
constexpr double kFarReach = 3000;
constexpr double kLeaderStep = 45;
constexpr double kShortestLeader = 60;
constexpr double kCrossingCost = 300;

using Move = std::pair<double, double>;

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The moves along a slide within reach, nearest first; worked out once for each kind.
const std::vector<Move>& movesAlong(Slide slide, double reach) {
    // Reaches are kept to a few, each a whole number of steps of ten.
    reach = std::min(kMaxReach, std::ceil(reach / (10 * kStep)) * 10 * kStep);
    static std::map<std::pair<Slide, double>, std::vector<Move>> known;
    std::vector<Move>& moves = known[{slide, reach}];
    if (!moves.empty()) return moves;
    const int steps = static_cast<int>(reach / kStep);
    for (int i = -steps; i <= steps; ++i) {
        if (slide == Slide::Vertical) moves.emplace_back(0, i * kStep);
        else if (slide == Slide::Horizontal) moves.emplace_back(i * kStep, 0);
        else
            for (int j = -steps; j <= steps; ++j) moves.emplace_back(i * kStep, j * kStep);
    }
    std::stable_sort(moves.begin(), moves.end(), [](const Move& a, const Move& b) {
        return a.first * a.first + a.second * a.second < b.first * b.first + b.second * b.second;
    });
    return moves;
}

// How far a box with its middle at (dx, dy) from a point, w wide and h high, stands from it.
double distanceOf(double dx, double dy, double w, double h) {
    return std::hypot(std::max(0.0, std::fabs(dx) - w / 2), std::max(0.0, std::fabs(dy) - h / 2));
}

// Where the middle of a label w by h stands off a point, nearest first, with its distance
// from the point: worked out once for each size.
struct Offset {
    double distance, dx, dy;
};
const std::vector<Offset>& offsetsAround(double w, double h, double reach) {
    static std::map<std::tuple<double, double, double>, std::vector<Offset>> known;
    std::vector<Offset>& offsets = known[{w, h, reach}];
    if (!offsets.empty()) return offsets;
    const int steps = static_cast<int>(reach / kLeaderStep);
    for (int i = -steps; i <= steps; ++i)
        for (int j = -steps; j <= steps; ++j) {
            const double dx = i * kLeaderStep, dy = j * kLeaderStep;
            const double d = distanceOf(dx, dy, w, h);
            if (d >= kShortestLeader && d <= reach) offsets.push_back({d, dx, dy});
        }
    std::stable_sort(offsets.begin(), offsets.end(), [](const Offset& a, const Offset& b) { return a.distance < b.distance; });
    return offsets;
}

}  // namespace

// Two segments cross where the ends of each lie on either side of the other.
bool segmentsCross(const Segment& p, const Segment& q) {
    auto side = [](const Segment& s, double x, double y) { return (s.x2 - s.x1) * (y - s.y1) - (s.y2 - s.y1) * (x - s.x1); };
    return side(p, q.x1, q.y1) * side(p, q.x2, q.y2) < 0 && side(q, p.x1, p.y1) * side(q, p.x2, p.y2) < 0;
}

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

// Even-odd rule: a ray to the right crosses the outline an odd number of times.
bool inside(const std::vector<Spot>& polygon, Spot p) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Spot a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
    }
    return in;
}

std::vector<Segment> linesOf(const plat::RecordingSurface& drawn) {
    std::vector<Segment> out;
    for (const plat::DrawOp& op : drawn.ops())
        if (op.kind == plat::DrawOp::Line) out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

Label labelAt(const std::string& text, Spot spot, Spot anchor) {
    Label l;
    l.lines = {{text, 0, 0}};
    l.spots = {spot};
    l.anchor = anchor;
    return l;
}

std::function<bool(const Box&)> overStretch(double a, double b) {
    const double lo = std::min(a, b), hi = std::max(a, b);
    return [lo, hi](const Box& box) { return box.midX() >= lo && box.midX() <= hi; };
}

std::function<bool(const Box&)> besideStretch(double a, double b) {
    const double lo = std::min(a, b), hi = std::max(a, b);
    return [lo, hi](const Box& box) { return box.midY() >= lo && box.midY() <= hi; };
}

std::function<bool(const Box&)> insideOutline(std::vector<Spot> outline) {
    return [outline = std::move(outline)](const Box& box) { return inside(outline, {box.midX(), box.midY()}); };
}

Segment leaderTo(Spot from, const Box& ink) {
    const double m = kLineMargin + 5;
    const double x = std::clamp(from.x, ink.left - m, ink.right + m);
    const double y = std::clamp(from.y, ink.top - m, ink.bottom + m);
    return {from.x, from.y, x, y};
}

FigureLabels::FigureLabels(plat::Surface& s, std::vector<Segment> lines, double top, double bottom)
    : s_(s), lines_(std::move(lines)), top_(top), bottom_(bottom) {}

// The ink of a line of type lies within its em height, less a tenth at the top and bottom.
Box FigureLabels::boxAt(const std::string& text, Spot at) const {
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

FigureLabels::Ink FigureLabels::inkOf(const Label& label) const {
    Ink ink;
    for (const Label::Line& l : label.lines) {
        if (blank(l.text)) continue;
        const Box b = boxAt(l.text, {l.dx, l.dy});
        ink.all = ink.lines.empty() ? b
                                    : Box{std::min(ink.all.left, b.left), std::min(ink.all.top, b.top),
                                          std::max(ink.all.right, b.right), std::max(ink.all.bottom, b.bottom)};
        ink.lines.push_back(b);
    }
    return ink;
}

Box FigureLabels::Ink::at(const Box& b, Spot p) {
    return {b.left + p.x, b.top + p.y, b.right + p.x, b.bottom + p.y};
}

bool FigureLabels::clear(const Box& b) const {
    const double em = s_.textHeight();
    if (b.top - em / 10 < top_ || b.bottom + em / 10 > bottom_) return false;
    if (b.left < 0 || b.right > s_.printableWidth()) return false;
    const double left = b.left - kLineMargin, top = b.top - kLineMargin, right = b.right + kLineMargin,
                 bottom = b.bottom + kLineMargin;
    for (const Segment& line : lines_) {
        // Most lines lie wholly to one side of the box.
        if (std::max(line.x1, line.x2) <= left || std::min(line.x1, line.x2) >= right ||
            std::max(line.y1, line.y2) <= top || std::min(line.y1, line.y2) >= bottom)
            continue;
        if (crosses(line, left, top, right, bottom)) return false;
    }
    for (const Box& o : placed_)
        if (b.left - kLabelMargin < o.right && o.left < b.right + kLabelMargin && b.top - kLabelMargin < o.bottom &&
            o.top < b.bottom + kLabelMargin)
            return false;
    for (const Box& o : reserved_)
        if (b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom) return false;
    return true;
}

bool FigureLabels::fits(const Ink& ink, Spot at) const {
    return std::all_of(ink.lines.begin(), ink.lines.end(), [&](const Box& b) { return clear(Ink::at(b, at)); });
}

std::optional<Spot> FigureLabels::ownPlace(const Label& label, const Ink& ink) const {
    for (const auto& [dx, dy] : movesAlong(label.slide, label.reach))
        for (const Spot& spot : label.spots) {
            const Spot at{spot.x + dx, spot.y + dy};
            if (label.home && !label.home(Ink::at(ink.all, at))) continue;
            if (fits(ink, at)) return at;
        }
    return std::nullopt;
}

// A leader runs past every other label, and across no other leader unless allowed.
bool FigureLabels::leaderClear(const Segment& leader, bool acrossLeaders) const {
    for (const Box& o : placed_)
        if (crosses(leader, o.left - kLineMargin, o.top - kLineMargin, o.right + kLineMargin, o.bottom + kLineMargin))
            return false;
    if (acrossLeaders) return true;
    return std::none_of(leaders_.begin(), leaders_.end(), [&](const Segment& other) { return segmentsCross(leader, other); });
}

// Lines of the drawing that a leader runs across (not those it starts or ends on).
int FigureLabels::linesCrossed(const Segment& leader) const {
    const double dx = leader.x2 - leader.x1, dy = leader.y2 - leader.y1;
    const double length = std::hypot(dx, dy);
    if (length < 2) return 0;
    // The leader less a little at each end, as a thin rectangle's diagonal.
    const double ux = dx / length, uy = dy / length;
    const Segment inner{leader.x1 + ux, leader.y1 + uy, leader.x2 - ux, leader.y2 - uy};
    return static_cast<int>(
        std::count_if(lines_.begin(), lines_.end(), [&](const Segment& l) { return segmentsCross(inner, l); }));
}

bool FigureLabels::covered(Spot p) const {
    for (const Box& o : placed_)
        if (p.x > o.left - kLabelMargin && p.x < o.right + kLabelMargin && p.y > o.top - kLabelMargin &&
            p.y < o.bottom + kLabelMargin)
            return true;
    return false;
}

// The leader's start: the anchor, or where another label covers it, the nearest point of
// the part that is free.
Spot FigureLabels::freeAnchor(const Label& label) const {
    const Spot anchor = *label.anchor;
    if (!covered(anchor)) return anchor;
    for (const auto& [dx, dy] : movesAlong(label.slide, label.reach)) {
        const Spot p{anchor.x + dx, anchor.y + dy};
        if (label.home && !label.home(Box{p.x, p.y, p.x, p.y})) continue;
        if (!covered(p)) return p;
    }
    return anchor;
}

namespace {

// The point of the middle half of a dimension's stretch nearest to a point.
Spot nearestOnMiddle(const Segment& l, Spot p) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1, length2 = dx * dx + dy * dy;
    const double t = length2 == 0 ? 0.5 : std::clamp(((p.x - l.x1) * dx + (p.y - l.y1) * dy) / length2, 0.25, 0.75);
    return {l.x1 + t * dx, l.y1 + t * dy};
}

}  // namespace

// The clear place nearest the anchor whose leader runs past no other label, a leader
// across a line of the drawing counting as a longer one.
std::optional<FigureLabels::Away> FigureLabels::placeWithLeader(const Label& label, const Ink& ink, Spot anchor,
                                                                const Search& search) const {
    const double w = ink.all.right - ink.all.left, h = ink.all.bottom - ink.all.top;
    // A leader from a stretch may be shorter than the distance from its middle.
    const double slack = label.stretch ? std::hypot(label.stretch->x2 - label.stretch->x1,
                                                    label.stretch->y2 - label.stretch->y1) / 4
                                       : 0;
    std::optional<Away> best;
    double bestCost = 0;
    for (const Offset& c : offsetsAround(w, h, search.reach)) {
        if (best && c.distance - slack >= bestCost) break;
        const Spot spot{anchor.x + c.dx - ink.all.midX(), anchor.y + c.dy - ink.all.midY()};
        const Box at = Ink::at(ink.all, spot);
        if ((label.away && !label.away(at)) || (search.preferred && !search.preferred(at))) continue;
        const Spot start = label.stretch ? nearestOnMiddle(*label.stretch, {at.midX(), at.midY()}) : anchor;
        const Segment leader = leaderTo(start, at);
        const double length = std::hypot(leader.x2 - leader.x1, leader.y2 - leader.y1);
        if (length < kShortestLeader / 2 || !fits(ink, spot) || !leaderClear(leader, search.acrossLeaders)) continue;
        const double cost = length + kCrossingCost * linesCrossed(leader);
        if (!best || cost < bestCost) {
            best = Away{spot, leader};
            bestCost = cost;
        }
    }
    return best;
}

void FigureLabels::print(const Label& label) {
    if (label.spots.empty()) return;
    const Ink ink = inkOf(label);
    if (ink.lines.empty()) return put(label, label.spots.front());
    if (const std::optional<Spot> own = ownPlace(label, ink)) return put(label, *own);
    if (label.anchor) {
        const Spot anchor = label.stretch ? *label.anchor : freeAnchor(label);
        // Nearby where it had better stand, else nearby, else further off.
        std::vector<Search> searches;
        if (label.awayPreferred) searches.push_back({label.awayPreferred, kLeaderReach, false});
        searches.push_back({nullptr, kLeaderReach, false});
        searches.push_back({nullptr, kFarReach, true});
        std::optional<Away> away;
        for (const Search& search : searches)
            if (!away) away = placeWithLeader(label, ink, anchor, search);
        if (away) {
            const Segment& leader = away->leader;
            s_.line(leader.x1, leader.y1, leader.x2, leader.y2);
            lines_.push_back(leader);
            leaders_.push_back(leader);
            return put(label, away->at);
        }
    }
    complete_ = false;
    put(label, label.spots.front());
}

void FigureLabels::put(const Label& label, Spot at) {
    for (const Label::Line& l : label.lines) {
        const Spot here{at.x + l.dx, at.y + l.dy};
        if (!blank(l.text)) placed_.push_back(boxAt(l.text, here));
        s_.setCurrentX(here.x);
        s_.setCurrentY(here.y);
        s_.print(l.text);
    }
}

}  // namespace page
