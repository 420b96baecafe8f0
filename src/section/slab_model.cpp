// Form7.TEKKIN: the base-slab load and ground-reaction model that the slab, heel, toe and
// upright-wall locations are designed with, rebuilt from the current stability result.
#include <cmath>

#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace {

using num::store;

constexpr unsigned kAllOrdinates =
    kWroteVP | kWroteV1 | kWroteV2 | kWroteV3 | kWroteV4 | kWroteV5 | kWroteVR;

// The linear ground reaction at distance x from the σmax edge: σmax·(|Xn| − x)/|Xn|.
float reaction(const Program& p, double x) {
    const double Xn = std::fabs(p.neutralAxisXn);
    return store(num::div(double(p.sigmaMax) * (Xn - x), Xn));
}

// Full contact: the pressure runs from σmax at one edge down to σmin at the other.
void trapezoid(Program& p) {
    const double e = std::fabs(p.eccentricity), B = p.baseWidth;
    const double a = p.toeLength, w1 = p.frontWallBottomWidth, s = p.innerSpan, w2 = p.rearWallBottomWidth,
                 h = p.heelLength;
    if (p.eccentricity == 0) {
        // Uniform pressure; no contact length exists.
        for (float* v : {&p.reactionVP, &p.reactionV1, &p.reactionV2, &p.reactionV3, &p.reactionV4, &p.reactionV5,
                         &p.reactionVR})
            *v = p.sigmaMax;
        p.slabModelWritten |= kAllOrdinates;
        return;
    }
    p.neutralAxisXn = store((num::div(B, e * 6) + 1) * (B / 2));
    p.slabModelWritten |= kWroteXn;
    if (p.eccentricity > 0) {
        p.reactionVP = p.sigmaMax;
        p.reactionV1 = reaction(p, a);
        p.reactionV2 = reaction(p, a + w1);
        p.reactionV3 = reaction(p, a + w1 + s / 2);
        p.reactionV4 = reaction(p, a + w1 + s);
        p.reactionV5 = reaction(p, a + w1 + s + w2);
        p.reactionVR = reaction(p, B);
    } else {
        // Largest pressure at the heel end: the mirror image, measured from there.
        p.reactionVR = p.sigmaMax;
        p.reactionV5 = reaction(p, h);
        p.reactionV4 = reaction(p, h + w2);
        p.reactionV3 = reaction(p, h + w2 + s / 2);
        p.reactionV2 = reaction(p, h + w2 + s);
        p.reactionV1 = reaction(p, h + w2 + s + w1);
        p.reactionVP = reaction(p, B);
    }
    p.slabModelWritten |= kAllOrdinates;
}

// Partial contact towards the toe: only the points inside the contact get an ordinate;
// the readers tell from Xn which ones apply.
void triangle(Program& p) {
    if (p.eccentricity <= 0) return;
    const double e = std::fabs(p.eccentricity), B = p.baseWidth;
    const double a = p.toeLength, w1 = p.frontWallBottomWidth, s = p.innerSpan, w2 = p.rearWallBottomWidth,
                 h = p.heelLength;
    p.neutralAxisXn = store((B / 2 - e) * 3);
    p.slabModelWritten |= kWroteXn;
    const float Xn = p.neutralAxisXn;
    // Where the contact ends, each bound as a single compared with Xn.
    const float heelRoot = store(B - h);
    const float rearFace = store(B - h - w2);
    const float midSpan = store(B - h - w2 - s / 2);
    const float frontFace = store(B - h - w2 - s);
    int inside = 0;  // ordinates after VP that lie inside the contact: V1 … V5
    if (heelRoot <= Xn && Xn < p.baseWidth)
        inside = 5;
    else if (rearFace <= Xn && Xn < heelRoot)
        inside = 4;
    else if (midSpan <= Xn && Xn < rearFace)
        inside = 3;
    else if (frontFace <= Xn && Xn < midSpan)
        inside = 2;
    if (inside == 0) return;
    p.reactionVP = p.sigmaMax;
    p.slabModelWritten |= kWroteVP;
    struct Point {
        float* value;
        double x;
        unsigned bit;
    };
    const Point points[] = {{&p.reactionV1, a, kWroteV1},
                            {&p.reactionV2, a + w1, kWroteV2},
                            {&p.reactionV3, a + w1 + s / 2, kWroteV3},
                            {&p.reactionV4, a + w1 + s, kWroteV4},
                            {&p.reactionV5, a + w1 + s + w2, kWroteV5}};
    for (int k = 0; k < inside; ++k) {
        *points[k].value = reaction(p, points[k].x);
        p.slabModelWritten |= points[k].bit;
    }
}

void slabLoads(Program& p) {
    const double gs = p.soilUnitWeight, gc = p.concreteUnitWeight, t = p.slabThickness;
    p.slabLoadW1 = store(gc * t + gs * p.centralFillDepth + p.surchargeCentre);
    p.slabModelWritten |= kWroteW1;
    if (memberPresent(p, SectionMember::Heel)) {
        const double soil = p.backSoilAboveSlab, q1 = p.surchargeBack;
        p.slabLoadW2 = store(gs * soil + gc * t + q1);
        p.slabLoadW3 = store(gs * (double(p.heelTaper) + soil) + gc * p.heelEndThickness + q1);
        p.slabModelWritten |= kWroteW2W3;
    }
    if (p.toeLength == 0) return;
    const double q3 = p.surchargeFront, taper = p.toeTaper, ta = p.toeEndThickness;
    const GroundShape shape = designChoices(p).groundShape;
    if (shape == GroundShape::OneSided) {
        const double soil = p.frontSoilAboveSlab;
        const FrontSoilLoad frontSoil = dimensionChoices(p).frontSoil;
        if (frontSoil == FrontSoilLoad::Counted) {
            p.slabLoadW4 = store(gs * soil + gc * t + q3);
            p.slabLoadW5 = store(gs * (taper + soil) + gc * ta + q3);
            p.slabModelWritten |= kWroteW4W5;
        } else if (frontSoil == FrontSoilLoad::LeftOut) {
            // The front soil is left out, its surcharge still acts on the toe.
            p.slabLoadW4 = store(gc * t + q3);
            p.slabLoadW5 = store(gc * ta + q3);
            p.slabModelWritten |= kWroteW4W5;
        }
    } else if (shape == GroundShape::Symmetric) {
        const double soil = p.backSoilAboveSlab;
        p.slabLoadW4 = store(gs * soil + gc * t + q3);
        p.slabLoadW5 = store(gs * (taper + soil) + gc * ta + q3);
        p.slabModelWritten |= kWroteW4W5;
    }
}

// The rear wall's outer batter over its height above the slab.
void rearFaceAngle(Program& p) {
    const double batter = double(p.rearWallBottomWidth) - p.rearWallTopWidth - p.rearWallInnerBatter;
    const double height = double(p.backSoilHeight) - p.slabThickness + p.rearWallUpperHeight;
    p.rearFaceThetaRad = store(std::atan(num::div(batter, height)));
    p.rearFaceTheta = store(p.rearFaceThetaRad / num::kPi * 180);
}

}  // namespace

void Form7::TEKKIN() {
    Program& p = program_;
    // Nothing counts as written until this run writes it.
    p.slabModelWritten = 0;
    const float q = store(std::fabs(num::div(p.eccentricity, p.baseWidth)));
    if (1.0f / 6.0f < q)
        triangle(p);
    else
        trapezoid(p);
    slabLoads(p);
    rearFaceAngle(p);
}
