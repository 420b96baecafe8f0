// Design forces at the fixed ends of the members standing out of the base: the heel
// (location 8) and the toe (9), cantilevers under soil, slab weight and surcharge against
// the ground reaction, and the shear key (10) under the passive earth pressure.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
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

void designForces(Program& p, int loc) {
    p.designMoment[loc] = store(1e5 * std::fabs(double(p.loadMoment[loc]) - p.reactionMoment[loc]));
    p.designShear[loc] = store(1e3 * std::fabs(double(p.loadShear[loc]) - p.reactionShear[loc]));
}

void heelForces(Program& p) {
    const double h = p.heelLength;
    cantileverLoad(p, 8, p.slabLoadW2, p.slabLoadW3, h);
    const float xn = std::fabs(p.neutralAxisXn);
    if (p.eccentricity == 0 || xn > p.baseWidth) {
        // The whole base in contact: the reaction runs from V5 at the root to VR at the end.
        p.reactionMoment[8] = store(cantileverMoment(p.reactionV5, p.reactionVR, h));
        p.reactionShear[8] = store(cantileverShear(p.reactionV5, p.reactionVR, h));
    } else if (p.eccentricity > 0) {
        // Contact from the toe end up to Xn: the part beyond the heel root, if any, is a
        // triangle from V5 down to zero.
        const double c = std::max(0.0, double(p.neutralAxisXn) - p.toeLength - p.frontWallBottomWidth -
                                           p.innerSpan - p.rearWallBottomWidth);
        p.reactionMoment[8] = store(double(p.reactionV5) * c * c / 6);
        p.reactionShear[8] = store(double(p.reactionV5) * c / 2);
    }
    // Contact from the heel end over part of the base: the last reaction terms stay.
    designForces(p, 8);
}

void toeForces(Program& p) {
    const double a = p.toeLength;
    cantileverLoad(p, 9, p.slabLoadW4, p.slabLoadW5, a);
    p.reactionMoment[9] = store(cantileverMoment(p.reactionV1, p.reactionVP, a));
    p.reactionShear[9] = store(cantileverShear(p.reactionV1, p.reactionVP, a));
    designForces(p, 9);
}

// The passive pressure acts uniformly over the key height.
void keyForces(Program& p) {
    const double pressure = p.keyPassivePressure, h0 = p.keyHeight;
    p.designMoment[10] = store(1e5 * pressure * h0 * h0 / 2);
    p.designShear[10] = store(1e3 * pressure * h0);
}

}  // namespace

void Form7::cmd_r8() {
    RequiredSpacing(8, [this] { heelForces(program_); });
}

void Form7::cmd_r9() {
    RequiredSpacing(9, [this] { toeForces(program_); });
}

void Form7::cmd_r10() {
    RequiredSpacing(10, [this] { keyForces(program_); });
}
