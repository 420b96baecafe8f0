// Design forces at the fixed ends of the members standing out of the base: the heel
// (location 8) and the toe (9), cantilevers under soil, slab weight and surcharge against
// the ground reaction, and the shear key (10) under the passive earth pressure; and the
// check that the slab model gives the ground reaction a location's forces are made of.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "section/check_locations.h"
#include "section/design_forces.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"

namespace {

using num::store;

// A load varying linearly from `root` at the fixed end to `end` at the free end of a
// cantilever of length l: moment and shear at the fixed end.
double cantileverMoment(double root, double end, double l) { return (root + 2 * end) * l * l / 6; }
double cantileverShear(double root, double end, double l) { return (root + end) * l / 2; }

void cantileverLoad(Program& p, int loc, float root, float end, double l) {
    if (root == end) {
        p.loadMoment[loc] = store(double(root) * l * l / 2);
        p.loadShear[loc] = store(double(root) * l);
    } else {
        p.loadMoment[loc] = store(cantileverMoment(root, end, l));
        p.loadShear[loc] = store(cantileverShear(root, end, l));
    }
}

void cantileverDesignForces(Program& p, int loc) {
    p.designMoment[loc] = store(1e5 * std::fabs(double(p.loadMoment[loc]) - p.reactionMoment[loc]));
    p.designShear[loc] = store(1e3 * std::fabs(double(p.loadShear[loc]) - p.reactionShear[loc]));
}

}  // namespace

HeelReaction heelReaction(const Program& p) {
    if (p.eccentricity == 0 || std::fabs(p.neutralAxisXn) > p.baseWidth) return HeelReaction::WholeBase;
    return p.eccentricity > 0 ? HeelReaction::FromToe : HeelReaction::FromHeel;
}

double heelContactLength(const Program& p) {
    return std::max(0.0, double(p.neutralAxisXn) - p.toeLength - p.frontWallBottomWidth - p.innerSpan -
                             p.rearWallBottomWidth);
}

namespace {

// What the reaction under the span is made of; the uniform pressure needs σmax only.
unsigned spanReactionWritten(const Program& p, int loc) {
    if (p.eccentricity == 0) return kWroteW1;
    // Where the contact ends decides the case; without Xn of this run it is unknown.
    if (!p.slabModelWrote(kWroteXn) || spanReaction(p) == SpanReaction::None)
        throw SectionRefusal(loc, SectionRefusal::Reason::GroundReaction);
    return kWroteW1 | kWroteV2 | kWroteV4;
}

unsigned heelReactionWritten(const Program& p, int loc) {
    if (p.eccentricity != 0 && !p.slabModelWrote(kWroteXn))
        throw SectionRefusal(loc, SectionRefusal::Reason::GroundReaction);
    switch (heelReaction(p)) {
    case HeelReaction::WholeBase: return kWroteW2W3 | kWroteV5 | kWroteVR;
    case HeelReaction::FromToe: return kWroteW2W3 | kWroteV5;
    case HeelReaction::FromHeel: break;
    }
    throw SectionRefusal(loc, SectionRefusal::Reason::GroundReaction);
}

}  // namespace

void requireGroundReaction(const Program& p, int loc) {
    // What the location's reaction is made of, as the slab model writes it.
    unsigned needed = 0;
    switch (checkLocationOf(loc).reaction) {
    case ReactionNeeded::None: return;
    case ReactionNeeded::Span: needed = spanReactionWritten(p, loc); break;
    case ReactionNeeded::Heel: needed = heelReactionWritten(p, loc); break;
    case ReactionNeeded::Toe: needed = kWroteW4W5 | kWroteV1 | kWroteVP; break;
    }
    if (!p.slabModelWrote(needed)) throw SectionRefusal(loc, SectionRefusal::Reason::GroundReaction);
}

void heelForces(Program& p, int loc) {
    requireGroundReaction(p, loc);
    const double h = p.heelLength;
    cantileverLoad(p, loc, p.slabLoadW2, p.slabLoadW3, h);
    if (heelReaction(p) == HeelReaction::WholeBase) {
        // The reaction runs from V5 at the root to VR at the end.
        p.reactionMoment[loc] = store(cantileverMoment(p.reactionV5, p.reactionVR, h));
        p.reactionShear[loc] = store(cantileverShear(p.reactionV5, p.reactionVR, h));
    } else {
        // Contact from the toe end up to Xn: the part beyond the heel root is a triangle
        // from V5 down to zero.
        const double c = heelContactLength(p);
        p.reactionMoment[loc] = store(double(p.reactionV5) * c * c / 6);
        p.reactionShear[loc] = store(double(p.reactionV5) * c / 2);
    }
    cantileverDesignForces(p, loc);
}

void toeForces(Program& p, int loc) {
    requireGroundReaction(p, loc);
    const double a = p.toeLength;
    cantileverLoad(p, loc, p.slabLoadW4, p.slabLoadW5, a);
    p.reactionMoment[loc] = store(cantileverMoment(p.reactionV1, p.reactionVP, a));
    p.reactionShear[loc] = store(cantileverShear(p.reactionV1, p.reactionVP, a));
    cantileverDesignForces(p, loc);
}

// The passive pressure acts uniformly over the key height.
void keyForces(Program& p, int loc) {
    const double pressure = p.keyPassivePressure, h0 = p.keyHeight;
    p.designMoment[loc] = store(1e5 * pressure * h0 * h0 / 2);
    p.designShear[loc] = store(1e3 * pressure * h0);
}
