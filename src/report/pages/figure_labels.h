// The labels of a report drawing (dimension figures, part numbers, load names), placed by
// their measured width so that none runs into another or is struck by a line of the
// drawing, and none leaves the drawing's band of the page.
#pragma once
#include <initializer_list>
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

// The lines drawn on a recording surface.
std::vector<Segment> linesOf(const plat::RecordingSurface& drawn);
// Whether the segment runs through the inside of the rectangle.
bool crosses(const Segment& l, double left, double top, double right, double bottom);

// Where a label may move when its own spot is taken: up and down (beside a vertical
// dimension line), left and right (above a horizontal one), or any way.
enum class Slide { Vertical, Horizontal, Any };

class FigureLabels {
public:
    // lines: every line of the drawing; top and bottom: the drawing's band on the page.
    FigureLabels(plat::Surface& s, std::vector<Segment> lines, double top, double bottom);

    // Prints the text in the current font at the first of its spots that is clear; when
    // none is, at the clear position nearest to one of them along the slide. A text that
    // finds no clear position within reach stands at its first spot.
    void print(const std::string& text, std::initializer_list<Spot> spots, Slide slide);

    // Lines that read together (a caption and the value under it), each at its offset
    // from the spot: they move as one.
    struct Line {
        std::string text;
        double dx, dy;
    };
    void print(const std::vector<Line>& lines, Spot spot, Slide slide);

    // Width of a text in the current font.
    double width(const std::string& text) const { return s_.textWidth(text); }

private:
    struct Box {
        double left, top, right, bottom;
    };
    Box boxAt(const std::string& text, Spot at) const;
    bool clear(const Box& b) const;
    // The first clear position for the lines (nearest to a spot, along the slide).
    Spot find(const std::vector<Line>& lines, const std::vector<Spot>& spots, Slide slide) const;
    void put(const std::vector<Line>& lines, Spot at);

    plat::Surface& s_;
    std::vector<Segment> lines_;
    std::vector<Box> placed_;
    double top_, bottom_;
};

// Space kept between a label and the line it stands beside, twips.
inline constexpr double kLabelGap = 40;

}  // namespace page
