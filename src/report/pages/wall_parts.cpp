// The part numbers ① to ⑧ of the wall drawing on report page 2, each inside the outline of
// its part, or beside it with a leader where the part is too small to hold it.
#include <algorithm>
#include <cmath>

#include "report/pages/wall_figure.h"

namespace page {

namespace {

// The front soil's outline where its surface lies below the slab top: the wedge over the
// sloping top of the toe.
std::vector<Spot> frontSoilBelowSlabTop(const WallFigure& w, double ys) {
    const double x0 = w.X(0), y0 = w.Y(double(w.Ht) - w.tt), xt = w.X(w.Lt), yt = w.Y(double(w.Ht) - w.t);
    const double share = y0 == yt ? 0 : std::clamp((ys - y0) / (yt - y0), 0.0, 1.0);
    return {{x0, ys}, {x0 + share * (xt - x0), ys}, {x0, y0}};
}

std::vector<Spot> frontSoil(const WallFigure& w) {
    const double ys = w.oneSided ? w.Y(double(w.Ht) - w.H4) : w.Y(w.H2);
    const double slabTop = w.Y(double(w.Ht) - w.t);
    if (w.oneSided && ys > slabTop) return frontSoilBelowSlabTop(w, ys);
    std::vector<Spot> o = {{w.X(0), ys}, {w.frontSoilFaceX(), ys}, {w.X(w.Lt), slabTop}};
    if (w.Lt != 0) o.push_back({w.X(0), w.Y(double(w.Ht) - w.tt)});
    return o;
}

std::vector<Spot> backSoil(const WallFigure& w) {
    std::vector<Spot> o = {{w.backSoilFaceX(), w.Y(w.H2)}, {w.X(w.B), w.Y(w.H2)}};
    if (w.Lh != 0) o.push_back({w.X(w.B), w.Y(double(w.Ht) - w.th)});
    o.push_back({w.X(double(w.B) - w.Lh), w.Y(double(w.Ht) - w.t)});
    return o;
}

// Where the number of a part stands in the drawing's own layout: the middle of the part
// (the top left of the text is set off from it by the digit's size).
Spot partMiddle(const WallFigure& w, int part) {
    const double Ht = w.Ht, B = w.B, Lt = w.Lt, Lh = w.Lh;
    switch (part) {
        case 1: return {w.X(Lt + w.b1b / 2.0), w.Y(((Ht - w.H4 - w.H3) + (Ht - w.t)) / 2)};
        case 2: return {w.X(B - (w.b2b / 2.0 + Lh)), w.Y(Ht / 2)};
        case 3: return {w.X(Lt + w.b1b + w.L0 / 2.0), w.Y(Ht - w.t / 2.0)};
        case 4: return {w.X(B - Lh / 2), w.Y(Ht - w.th / 2.0)};
        case 5: return {w.X(Lt / 2), w.Y(Ht - w.tt / 2.0)};
        case 6: return {w.X(Lt + w.b1b + w.L0 / 2.0), w.Y(Ht - w.t - w.hc / 2.0)};
        case 7: return {w.X(B - Lh / 2), w.Y(w.H2 + w.hb / 2.0)};
        default: return {w.X(Lt / 2), w.oneSided ? w.Y(Ht - w.t - w.hf / 2.0) : w.Y(w.H2 + w.hb / 2.0)};
    }
}

// The top left of the number, off the middle of its part.
Spot numberSpot(const WallFigure& w, int part) {
    const Spot m = partMiddle(w, part);
    switch (part) {
        case 3: return {m.x - 50, m.y - 50};
        case 6: return {m.x + 100, m.y - 50};
        case 8: return {m.x - 100, m.y - 25};
        default: return {m.x - 100, m.y - 50};
    }
}

// A point inside the part for its leader: its middle, or, where that lies outside a part
// of another shape, the mean of its corners.
Spot leaderPoint(const std::vector<Spot>& outline, Spot middle) {
    if (inside(outline, middle)) return middle;
    Spot mean{0, 0};
    for (const Spot& c : outline) mean = {mean.x + c.x, mean.y + c.y};
    return {mean.x / double(outline.size()), mean.y / double(outline.size())};
}

// How far a number at a spot may move and still stand in the outline.
double reachWithin(const std::vector<Spot>& outline, Spot spot) {
    double reach = 0;
    for (const Spot& c : outline) reach = std::max({reach, std::fabs(c.x - spot.x), std::fabs(c.y - spot.y)});
    return reach;
}

}  // namespace

std::vector<Spot> partOutline(const WallFigure& w, int part) {
    const double Ht = w.Ht, B = w.B, Lt = w.Lt, Lh = w.Lh;
    const double top = w.Y(Ht - w.H4 - w.H3), slabTop = w.Y(Ht - w.t), base = w.Y(Ht);
    const double frontIn = w.X(Lt + w.b1b), rearIn = w.X(B - Lh - w.b2b);
    switch (part) {
        case 1:
            return {{w.X(Lt + w.o1), top}, {w.X(Lt + w.o1 + w.b1t), top}, {frontIn, slabTop},
                    {frontIn, base},       {w.X(Lt), base},                {w.X(Lt), slabTop}};
        case 2:
            return {{w.X(B - (w.o2 + Lh + w.b2t)), w.Y(0)}, {w.X(B - (w.o2 + Lh)), w.Y(0)}, {w.X(B - Lh), slabTop},
                    {w.X(B - Lh), base},                    {rearIn, base},                 {rearIn, slabTop}};
        case 3: return {{frontIn, slabTop}, {rearIn, slabTop}, {rearIn, base}, {frontIn, base}};
        case 4: return {{w.X(B - Lh), slabTop}, {w.X(B), w.Y(Ht - w.th)}, {w.X(B), base}, {w.X(B - Lh), base}};
        case 5: return {{w.X(0), w.Y(Ht - w.tt)}, {w.X(Lt), slabTop}, {w.X(Lt), base}, {w.X(0), base}};
        case 6: {
            const double fill = w.Y(Ht - w.t - w.hc);
            return {{w.fillFrontX(), fill}, {w.fillRearX(), fill}, {rearIn, slabTop}, {frontIn, slabTop}};
        }
        case 7: return backSoil(w);
        default: return frontSoil(w);
    }
}

void printPartNumbers(const WallFigure& w, const std::vector<int>& parts, FigureLabels& labels) {
    static const char* const kDigits[] = {"", "①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};
    for (int part : parts) {
        std::vector<std::vector<Spot>> others;
        for (int other : parts)
            if (other != part) others.push_back(partOutline(w, other));
        std::vector<Spot> outline = partOutline(w, part);
        Label l;
        l.lines = {{kDigits[part], 0, 0}};
        l.spots = {numberSpot(w, part)};
        l.reach = std::min(l.reach, reachWithin(outline, l.spots.front()));
        l.anchor = leaderPoint(outline, partMiddle(w, part));
        l.home = insideOutline(std::move(outline));
        // Beside its part, a number stands in no other part where it can.
        l.awayPreferred = [others = std::move(others)](const Box& ink) {
            return std::none_of(others.begin(), others.end(),
                                [&](const std::vector<Spot>& o) { return inside(o, {ink.midX(), ink.midY()}); });
        };
        labels.print(l);
    }
}

}  // namespace page
