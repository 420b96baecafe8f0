#include "conditions/ka_formulas.h"

#include <cmath>

#include "common/numbers.h"

namespace ka {

namespace {

double square(double x) { return x * x; }
double cosd(double degrees) { return std::cos(num::rad(degrees)); }
double sind(double degrees) { return std::sin(num::rad(degrees)); }

}  // namespace

void storeSeismicTheta(Program& p) {
    p.seismicThetaRad = num::store(num::atan(num::div(p.seismicKh, 1.0 - p.seismicKv)));
    p.seismicTheta = num::store(num::deg(p.seismicThetaRad));
}

Terms coulombTerms(const Angles& a) {
    const double phi = a.phi, delta = a.delta, alpha = a.alpha, beta = a.beta;
    return {
        .numerator = square(cosd(phi - alpha)),
        .cosTheta = 1,
        .cos2Alpha = square(cosd(alpha)),
        .cosAlphaDelta = cosd(delta + alpha),
        .rootSinPhiDelta = sind(delta + phi),
        .rootSinPhiBeta = phi < beta ? 0.0 : sind(std::fabs(phi - beta)),
        .rootCosAlphaDelta = cosd(delta + alpha),
        .rootCosAlphaBeta = cosd(std::fabs(alpha - beta)),
    };
}

Terms mononobeOkabeTerms(const Angles& a, double thetaK, double Kv) {
    const double phi = a.phi, delta = a.delta, alpha = a.alpha, beta = a.beta;
    // The slope and θk together as the program stores them, against φ.
    const bool steeperThanPhi = num::store(beta + thetaK) > phi;
    return {
        .numerator = square(cosd(phi - alpha - thetaK)) * (1 - Kv),
        .cosTheta = cosd(thetaK),
        .cos2Alpha = square(cosd(alpha)),
        .cosAlphaDelta = cosd(delta + alpha + thetaK),
        .rootSinPhiDelta = sind(delta + phi),
        .rootSinPhiBeta = steeperThanPhi ? 0.0 : sind(std::fabs(phi - beta - thetaK)),
        .rootCosAlphaDelta = cosd(delta + alpha + thetaK),
        .rootCosAlphaBeta = cosd(std::fabs(alpha - beta)),
    };
}

double activeCoefficient(const Terms& t) {
    const double root = num::sqrt(
        num::div(t.rootSinPhiBeta * t.rootSinPhiDelta, t.rootCosAlphaBeta * t.rootCosAlphaDelta));
    return num::div(t.numerator, (t.cosTheta * t.cos2Alpha * t.cosAlphaDelta) * square(root + 1));
}

}  // namespace ka
