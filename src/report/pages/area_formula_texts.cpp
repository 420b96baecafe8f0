// The area formulas of the self-weight table: each part's dimensions joined by its
// formula, so that an engineer can follow the area the table states.
#include <string>

#include "common/numbers.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_text.h"
#include "report/pages/self_weight.h"

namespace page {

namespace {

double rearHeight(const Program& p) { return double(p.backSoilAboveSlab) + p.rearWallUpperHeight; }
double frontHeight(const Program& p) { return double(p.frontSoilAboveSlab) + p.frontWallUpperHeight; }

// A sum of two lengths printed as one number.
std::string sum(float a, float b) { return f3(num::store(double(a) + b)); }

bool rearOuterBatter(const Program& p) {
    return num::store(double(p.rearWallInnerBatter) + p.rearWallTopWidth) != p.rearWallBottomWidth;
}
bool frontOuterBatter(const Program& p) {
    return num::store(double(p.frontWallInnerBatter) + p.frontWallTopWidth) != p.frontWallBottomWidth;
}

class AreaFormula {
public:
    AreaFormula(const Program& p, plat::Surface& s, int part) : p_(p), s_(s), y_(selfWeightRowY(part)) {}

    void draw(int part) {
        switch (part) {
            case 1: frontWall(); break;
            case 2: rearWall(); break;
            case 3: oneLine(f3(p_.innerSpan) + "×" + f3(p_.slabThickness)); break;
            case 4: slabEnd(p_.heelLength, p_.heelEndThickness); break;
            case 5: slabEnd(p_.toeLength, p_.toeEndThickness); break;
            case 6: centralFill(); break;
            case 7: backSoil(); break;
            case 8: frontSoil(); break;
            default: break;
        }
    }

private:
    void oneLine(const std::string& text) { printAt(s_, 2100, y_, text); }
    void twoLines(const std::string& first, double secondX, const std::string& second) {
        printAt(s_, 2100, y_ - 100, first);
        printAt(s_, secondX, y_ + 100, second);
    }

    // The one-line form is the width times the full height; the two-line form the
    // trapezoid above the slab plus the strip under the wall. Both may apply.
    void wall(float top, float bottom, float inner, float outer, float fullLow, float fullHigh, float aboveSlab,
              float upper) {
        if (top == bottom) oneLine(f3(top) + "×" + sum(fullLow, fullHigh));
        if (inner != 0 || outer != 0)
            twoLines(sum(aboveSlab, upper) + "×(" + f3(top) + "＋" + f3(bottom) + ")/2", 3200,
                     "＋" + f3(bottom) + "×" + f3(p_.slabThickness));
    }
    void frontWall() {
        wall(p_.frontWallTopWidth, p_.frontWallBottomWidth, p_.frontWallInnerBatter, p_.frontWallOuterBatter,
             p_.frontSoilHeight, p_.frontWallUpperHeight, p_.frontSoilAboveSlab, p_.frontWallUpperHeight);
    }
    void rearWall() {
        wall(p_.rearWallTopWidth, p_.rearWallBottomWidth, p_.rearWallInnerBatter, p_.rearWallOuterBatter,
             p_.backSoilHeight, p_.rearWallUpperHeight, p_.backSoilAboveSlab, p_.rearWallUpperHeight);
    }

    void slabEnd(float length, float endThickness) {
        if (p_.slabThickness == endThickness)
            oneLine(f3(length) + "×" + f3(p_.slabThickness));
        else
            oneLine(f3(length) + "×(" + f3(p_.slabThickness) + "＋" + f3(endThickness) + ")/2");
    }

    void centralFill() {
        if (p_.frontWallInnerBatter == 0 && p_.rearWallInnerBatter == 0)
            oneLine(f3(p_.innerSpan) + "×" + f3(p_.centralFillDepth));
        else
            oneLine(f3(p_.centralFillDepth) + "×(" + f3(p_.innerSpan) + "＋" + f3(fillTopWidth(p_)) + ")/2");
    }

    void backSoil() {
        const float heel = p_.heelLength, hb = p_.backSoilAboveSlab;
        const bool batter = rearOuterBatter(p_), taper = p_.slabThickness != p_.heelEndThickness;
        if (heel == 0) {
            // Reached only with a rear outer batter: the soil over it is a triangle.
            oneLine(f3(backSurfaceWidth(p_)) + "×" + f3(hb) + "/2");
        } else if (!batter && !taper) {
            oneLine(f3(heel) + "×" + f3(hb));
        } else if (batter && !taper) {
            oneLine(std::string("(").append(f3(heel)) + "＋" + f3(backSurfaceWidth(p_)) + ")×" + f3(hb) + "/2");
        } else if (!batter) {
            oneLine(f3(heel) + "×(" + f3(hb) + "＋" + sum(p_.heelTaper, hb) + ")/2");
        } else {
            twoLines(f3(hb) + "×(" + f3(heel) + "＋" + f3(backSurfaceWidth(p_)) + ")/2", 2900,
                     "＋" + f3(heel) + "×" + f3(p_.heelTaper) + "/2");
        }
    }

    void frontSoil() {
        const float toe = p_.toeLength, hf = p_.frontSoilAboveSlab;
        const bool batter = frontOuterBatter(p_), taper = p_.slabThickness != p_.toeEndThickness;
        if (!batter && !taper) {
            oneLine(f3(toe) + "×" + f3(hf));
        } else if (batter && !taper) {
            oneLine(f3(hf) + "×(" + f3(toe) + "＋" + f3(frontSurfaceWidth(p_)) + ")/2");
        } else if (!batter) {
            oneLine(f3(toe) + "×(" + f3(hf) + "＋" + sum(hf, p_.toeTaper) + ")/2");
        } else {
            twoLines(f3(hf) + "×(" + f3(toe) + "＋" + f3(frontSurfaceWidth(p_)) + ")/2", 2900,
                     "＋" + f3(toe) + "×" + f3(p_.toeTaper) + "/2");
        }
    }

    const Program& p_;
    plat::Surface& s_;
    double y_;
};

}  // namespace

float backSurfaceWidth(const Program& p) {
    const double o2 = p.rearWallOuterBatter;
    return num::store(p.heelLength + o2 - num::div(o2 * p.rearWallUpperHeight, rearHeight(p)));
}

float frontSurfaceWidth(const Program& p) {
    const double o1 = p.frontWallOuterBatter;
    return num::store(o1 - num::div(o1 * p.frontWallUpperHeight, frontHeight(p)) + p.toeLength);
}

float fillTopWidth(const Program& p) {
    const double hc = p.centralFillDepth;
    return num::store(num::div(hc * p.frontWallInnerBatter, frontHeight(p)) + p.innerSpan +
                      num::div(hc * p.rearWallInnerBatter, rearHeight(p)));
}

// Both batter terms over the front wall's height, as the stability run takes the load.
float centreSurchargeWidth(const Program& p) {
    const double hc = p.centralFillDepth;
    return num::store(num::div(hc * p.rearWallInnerBatter + hc * p.frontWallInnerBatter, frontHeight(p)) +
                      p.innerSpan);
}

void drawAreaFormula(const Program& p, plat::Surface& s, int part) { AreaFormula(p, s, part).draw(part); }

}  // namespace page
