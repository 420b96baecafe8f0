// Design forces of the base slab between the walls: its centre (location 5) and its
// fixed ends at the front wall (6) and the rear wall (7). The span is a beam fixed at
// both walls, loaded down by W1 and up by the ground reaction under the span.
#include <cmath>

#include "common/numbers.h"
#include "section/design_forces.h"
#include "section/section_screen.h"

namespace {

using num::store;
using Reaction = SpanReaction;

class SlabForces {
public:
    SlabForces(Program& program, int loc) : p_(program), loc_(loc) {}

    void run() {
        requireGroundReaction(p_, loc_);
        const double w1 = p_.slabLoadW1, s = p_.innerSpan;
        p_.fixedEndC1 = store(w1 * s * s / 12);
        if (loc_ == 5) {
            p_.loadMoment[loc_] = store(w1 * s * s / 8 - p_.fixedEndC1);
        } else {
            p_.loadMoment[loc_] = p_.fixedEndC1;
            p_.loadShear[loc_] = store(w1 * s / 2);
        }
        const Reaction reaction = spanReaction(p_);
        fixedEndMoments(reaction);
        reactionTerms(reaction);
        p_.designMoment[loc_] = store(1e5 * std::fabs(double(p_.loadMoment[loc_]) - p_.reactionMoment[loc_]));
        if (loc_ != 5)
            p_.designShear[loc_] = store(1e3 * std::fabs(double(p_.loadShear[loc_]) - p_.reactionShear[loc_]));
    }

private:
    // Fixed-end moments of a trapezoid from `high` down to `low`: at the high end and at the low end.
    double highEnd(double high, double low) const { return low * s2() / 12 + (high - low) * s2() / 20; }
    double lowEnd(double high, double low) const { return low * s2() / 12 + (high - low) * s2() / 30; }
    double s2() const { return double(p_.innerSpan) * p_.innerSpan; }

    void fixedEndMoments(Reaction reaction) {
        const double v2 = p_.reactionV2, v4 = p_.reactionV4;
        const bool front = loc_ == 5 || loc_ == 6, rear = loc_ == 5 || loc_ == 7;
        switch (reaction) {
        case Reaction::Falling:
            if (front) p_.fixedEndC21 = store(highEnd(v2, v4));
            if (rear) p_.fixedEndC22 = store(lowEnd(v2, v4));
            break;
        case Reaction::Rising:
            if (rear) p_.fixedEndC21 = store(highEnd(v4, v2));
            if (front) p_.fixedEndC22 = store(lowEnd(v4, v2));
            break;
        case Reaction::Uniform:
            p_.fixedEndC2 = store(double(p_.sigmaMax) * s2() / 12);
            break;
        case Reaction::None:  // refused before it gets here
            break;
        }
    }

    void reactionTerms(Reaction reaction) {
        const double v2 = p_.reactionV2, v4 = p_.reactionV4, s = p_.innerSpan, sigma = p_.sigmaMax;
        const double c21 = p_.fixedEndC21, c22 = p_.fixedEndC22, c2 = p_.fixedEndC2;
        const bool falling = reaction == Reaction::Falling;
        const double high = falling ? v2 : v4, low = falling ? v4 : v2;
        if (loc_ == 5) {
            const double m2 = reaction == Reaction::Uniform
                                  ? sigma * s2() / 8 - c2
                                  : low * s2() / 8 + (high - low) * s2() / (9 * std::sqrt(3.0)) - (c21 + c22) / 2;
            p_.reactionMoment[loc_] = store(m2);
            return;
        }
        // The wall under the higher ordinate takes C21 and a third of the triangle.
        double m2 = c2, shear2 = sigma * s / 2;
        if (reaction != Reaction::Uniform) {
            const bool highSide = underLargerOrdinate(loc_, reaction);
            m2 = highSide ? c21 : c22;
            shear2 = (high - low) * s / (highSide ? 3 : 6) + low * s / 2;
        }
        p_.reactionMoment[loc_] = store(m2);
        p_.reactionShear[loc_] = store(shear2);
    }

    Program& p_;
    int loc_;
};

}  // namespace

void slabForces(Program& program, int loc) { SlabForces(program, loc).run(); }

bool underLargerOrdinate(int loc, SpanReaction reaction) {
    // The front end (6) is the high one of a reaction falling towards the rear wall.
    return (loc == 6) == (reaction == SpanReaction::Falling);
}

SpanReaction spanReaction(const Program& p) {
    if (p.eccentricity == 0) return SpanReaction::Uniform;
    // Both single before they are compared; equality counts as reaching the rear wall.
    const float x4 = store(double(p.baseWidth) - p.heelLength - p.rearWallBottomWidth);
    const float xn = std::fabs(p.neutralAxisXn);
    if (x4 > xn) return SpanReaction::None;
    if (p.reactionV2 > p.reactionV4) return SpanReaction::Falling;
    if (p.reactionV4 > p.reactionV2) return SpanReaction::Rising;
    return SpanReaction::None;
}
