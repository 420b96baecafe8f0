// The labels of a report drawing (dimension figures, part numbers, load names), placed by
// their measured width so that none runs into another or is struck by a line of the
// drawing, and none leaves the drawing's band of the page. A label stands at a place of
// its own, where it reads as its part's; where none is clear it stands beside, with a
// leader line from its part.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace page {

struct Spot {
    double x, y;  // top left of the text, twips
};

struct Segment {
    double x1, y1, x2, y2;
};

// The ink of a label, twips.
struct Box {
    double left, top, right, bottom;
    double midX() const { return (left + right) / 2; }
    double midY() const { return (top + bottom) / 2; }
};

// The lines drawn on a recording surface.
std::vector<Segment> linesOf(const plat::RecordingSurface& drawn);
// Whether the segment runs through the inside of the rectangle.
bool crosses(const Segment& l, double left, double top, double right, double bottom);
// Whether two segments cross each other.
bool segmentsCross(const Segment& p, const Segment& q);
// Whether the point lies inside the polygon.
bool inside(const std::vector<Spot>& polygon, Spot p);

// Where a label may move from its spot: up and down (beside a vertical dimension line),
// left and right (above a horizontal one), or any way.
enum class Slide { Vertical, Horizontal, Any };

// A label and the places it may take.
struct Label {
    // Lines that read together (a caption and the value under it), each at its offset
    // from the label's position: they move as one.
    struct Line {
        std::string text;
        double dx, dy;
    };
    std::vector<Line> lines;
    // Its own places, the first preferred, and how far it may move from them.
    std::vector<Spot> spots;
    Slide slide = Slide::Any;
    double reach = 900;
    // Where the label still reads as its part's; none: anywhere within reach.
    std::function<bool(const Box&)> home;
    // The point of its part a leader runs from when no own place is clear; none: no leader.
    std::optional<Spot> anchor;
    // The dimension line a leader may start from instead, anywhere on its middle half.
    std::optional<Segment> stretch;
    // Where it may stand with a leader; none: anywhere clear. Where it had better stand,
    // if any such place is clear.
    std::function<bool(const Box&)> away;
    std::function<bool(const Box&)> awayPreferred;
};

// One text near its spot, or beside with a leader from a point of what it names.
Label labelAt(const std::string& text, Spot spot, Spot anchor);

// Homes: the label's middle over the stretch from a to b of a horizontal dimension, beside
// the stretch of a vertical one, or inside the outline of its part.
std::function<bool(const Box&)> overStretch(double a, double b);
std::function<bool(const Box&)> besideStretch(double a, double b);
std::function<bool(const Box&)> insideOutline(std::vector<Spot> outline);

class FigureLabels {
public:
    // lines: every line of the drawing; top and bottom: the drawing's band on the page.
    FigureLabels(plat::Surface& s, std::vector<Segment> lines, double top, double bottom);

    // Prints the label in the current font at the clear place of its own nearest to its
    // first spot; failing that at the clear place nearest its part, with a leader. A label
    // that finds neither stands at its first spot, and the figure is not complete.
    void print(const Label& label);

    // Keeps every label printed after this out of an area (a row that holds one figure).
    void reserve(const Box& area) { reserved_.push_back(area); }

    // Whether every label found a clear place.
    bool complete() const { return complete_; }

    // Width of a text in the current font.
    double width(const std::string& text) const { return s_.textWidth(text); }

private:
    // The ink of a label's lines, and of all of them together, at (0, 0).
    struct Ink {
        std::vector<Box> lines;
        Box all{0, 0, 0, 0};
        static Box at(const Box& b, Spot p);
    };
    Box boxAt(const std::string& text, Spot at) const;
    Ink inkOf(const Label& label) const;
    bool clear(const Box& b) const;
    bool fits(const Ink& ink, Spot at) const;
    std::optional<Spot> ownPlace(const Label& label, const Ink& ink) const;
    struct Away {
        Spot at;
        Segment leader;
    };
    // How a place with a leader is looked for: where it had better stand (none: anywhere
    // it may), how far off, and whether its leader may cross other leaders.
    struct Search {
        std::function<bool(const Box&)> preferred;
        double reach;
        bool acrossLeaders;
    };
    std::optional<Away> placeWithLeader(const Label& label, const Ink& ink, Spot anchor, const Search& search) const;
    bool leaderClear(const Segment& leader, bool acrossLeaders) const;
    int linesCrossed(const Segment& leader) const;
    bool covered(Spot p) const;
    Spot freeAnchor(const Label& label) const;
    void put(const Label& label, Spot at);

    plat::Surface& s_;
    std::vector<Segment> lines_;
    std::vector<Box> placed_;
    std::vector<Box> reserved_;
    std::vector<Segment> leaders_;
    double top_, bottom_;
    bool complete_ = true;
};

// Space kept between a label and the line it stands beside, twips.
inline constexpr double kLabelGap = 40;
// Room kept between the ink of a label and a line, and between two labels, twips.
inline constexpr double kLineMargin = 25;
inline constexpr double kLabelMargin = 45;

// The leader from a point to a label's ink: it stops short of the ink by the room kept
// between a label and a line.
Segment leaderTo(Spot from, const Box& ink);

}  // namespace page
