// Program-wide values of the design conditions, filled by the design-conditions screen
// (HENSUU and its companions) and read by the stability and section calculations.
#pragma once
#include <optional>
#include <string>

struct DesignValues {
    std::string siteName;
    float concreteStrength = 0;    // Fc (building) or σck (road), N/mm2
    float rebarAllowLong = 0;      // N/mm2
    float rebarAllowShort = 0;     // N/mm2
    float allowBearingLong = 0;    // fe or qa, kN/m2
    float soilUnitWeight = 0;      // γ, kN/m3
    float concreteUnitWeight = 0;  // kN/m3
    std::string backfillSoilType;
    std::string foundationSoilType;
    float foundationCohesion = 0;  // C, kN/m2
    float backfillPhi = 0;         // φ, degrees
    float foundationPhi = 0;       // φB, degrees
    float baseFriction = 0;        // μ
    float deltaStability = 0;      // δ of the stability calculation, degrees
    float deltaSection = 0;        // δ of the section calculation, degrees
    float activeCoefficient = 0;   // KA of the stability calculation
    float groundSlope = 0;         // β, degrees (always 0)
    float wallBackAngle = 0;       // α (θ in the report), virtual back face to the vertical, degrees (never set)

    // Allowable stresses: long and short term, their working candidates, and the set in force.
    float allowConcreteLong = 0, allowConcreteShort = 0;
    float allowShearCandidate1 = 0, allowShearCandidate2 = 0;
    float allowShearLong = 0, allowShearShort = 0;
    float allowBondCandidate1 = 0, allowBondCandidate2 = 0;
    float allowBondLong = 0, allowBondShort = 0;
    float allowBearingShort = 0;
    float allowConcrete = 0, allowShear = 0, rebarAllow = 0, allowBond = 0, allowBearing = 0;

    // Seismic input.
    float seismicKh = 0;
    float seismicKv = 0;
    double seismicKho = 0;  // Kho of the road standard, kept as typed (double)
    double regionCz = 0;    // Cz of the road standard: 1, 0.85 or 0.70; 0 before a region is chosen
    float seismicThetaRad = 0;  // θk, radians
    float seismicTheta = 0;     // θk, degrees

    // Terms of the KA formula, each stored before use.
    float kaNumerator = 0, kaCos2Alpha = 0, kaCosAlphaDelta = 0, kaRootSinPhiDelta = 0, kaRootSinPhiBeta = 0,
          kaRootCosAlphaDelta = 0, kaRootCosAlphaBeta = 0, kaCosTheta = 0;
    // Terms of the seismic δ.
    float deltaAuxSin = 0, deltaAuxRad = 0, deltaAux = 0, deltaStabilityTan = 0, deltaStabilityRad = 0;

    // 1 when δ for stability was computed by the program, 0 when typed; unset until
    // the first assignment of a run.
    std::optional<int> deltaComputed;

    bool operator==(const DesignValues&) const = default;
};
