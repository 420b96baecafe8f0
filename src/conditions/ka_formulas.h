// The earth-pressure formulas of both the design conditions (the stability calculation)
// and the section design: the seismic composite angle θk and the active coefficient KA by
// Coulomb and by Mononobe-Okabe, in checked arithmetic. Angles are in degrees.
#pragma once
#include "common/program.h"

namespace ka {

// θk = atan(Kh / (1 − Kv)), stored in radians and in degrees.
void storeSeismicTheta(Program& p);

// The angles KA depends on: the backfill's φ, the wall friction δ, the back face's α from
// the vertical and the ground slope β.
struct Angles {
    double phi, delta, alpha, beta;
};

// The terms of KA = numerator / (cosθk·cos²α·cos(α+δ+θk)·(1 + √(root))²), with
// root = sin(φ+δ)·sin|φ−β−θk| / (cos(α+δ+θk)·cos|α−β|); θk = 0 and no (1 − Kv) for Coulomb.
struct Terms {
    double numerator;          // cos²(φ−α−θk), times (1 − Kv) for Mononobe-Okabe
    double cosTheta;           // cosθk; 1 for Coulomb
    double cos2Alpha;          // cos²α
    double cosAlphaDelta;      // cos(α+δ+θk)
    double rootSinPhiDelta;    // sin(φ+δ)
    double rootSinPhiBeta;     // sin|φ−β−θk|; 0 where the slope (with θk) is steeper than φ
    double rootCosAlphaDelta;  // cos(α+δ+θk)
    double rootCosAlphaBeta;   // cos|α−β|
};

Terms coulombTerms(const Angles& a);
// thetaK in degrees, as stored.
Terms mononobeOkabeTerms(const Angles& a, double thetaK, double Kv);
// KA from its terms (as computed, or as the design conditions store them).
double activeCoefficient(const Terms& t);

}  // namespace ka
