// Program-wide values of the wall section and its stability calculation (Form4.DANMEM_1).
// Lengths in m, areas in m2/m, loads in kN/m, moments in kN·m/m, pressures in kN/m2.
// A run overwrites the values on the paths that assign them; the others keep what an
// earlier run left.
#pragma once
#include <string>

struct StabilityValues {
    // Indices of the wall parts ① to ⑧ and of their sub-areas; element 0 is unused.
    static constexpr int kParts = 8;
    static constexpr int kSubAreas = 20;

    // Texts and dimensions as typed on the dimension screen.
    std::string chapterNumber;
    std::string wallMark;
    float frontWallUpperHeight = 0;  // H3
    float frontSoilHeight = 0;       // H4
    float backSoilHeight = 0;        // H1
    float rearWallUpperHeight = 0;   // H2
    float frontWallTopWidth = 0;     // fT
    float frontWallInnerBatter = 0;  // fI
    float rearWallTopWidth = 0;      // rT
    float rearWallInnerBatter = 0;   // rI
    float toeLength = 0;             // 0: no toe
    float frontWallBottomWidth = 0;  // fB
    float innerSpan = 0;
    float rearWallBottomWidth = 0;   // rB
    float heelLength = 0;            // 0: no heel
    float slabThickness = 0;         // t
    float toeEndThickness = 0;       // tt
    float heelEndThickness = 0;      // th
    float centralFillDepth = 0;      // hc
    float surchargeBack = 0;         // q1, kN/m2
    float surchargeCentre = 0;       // q2
    float surchargeFront = 0;        // q3 (q1 in the symmetric shape)

    // Shear key: height H0 (0: no key), position from the toe end, width D.
    float keyHeight = 0;
    float keyPosition = 0;
    float keyWidth = 0;
    // Height above the base underside at which the seismic surcharge inertia acts.
    float surchargeInertiaHeight = 0;

    // Derived geometry.
    float earthPressureHeight = 0;  // H
    float baseWidth = 0;            // B
    float heelPlusRearOuterBatter = 0;
    float topClearWidth = 0;
    float frontWallOuterBatter = 0;  // fO
    float rearWallOuterBatter = 0;   // rO
    float toeTaper = 0;              // taT
    float heelTaper = 0;             // taH
    float frontSoilAboveSlab = 0;    // sF
    float backSoilAboveSlab = 0;     // sB

    // The eight wall parts, indexed 1..8: area, centroid x from the toe end, centroid
    // height above the base underside.
    float partArea[kParts + 1] = {};
    float partX[kParts + 1] = {};
    float partY[kParts + 1] = {};
    // Their sub-areas, indexed 1..20; x is measured inside the part from its own edge.
    float subArea[kSubAreas + 1] = {};
    float subAreaX[kSubAreas + 1] = {};
    float subAreaY[kSubAreas + 1] = {};
    float sumW = 0;   // ΣW
    float sumWx = 0;  // ΣW·x
    float sumWy = 0;  // ΣW·y

    // Earth pressure of the back soil and of the back surcharge.
    float earthPressurePA = 0;
    float earthPressurePAX = 0;
    float earthPressurePAY = 0;
    float surchargePressureDeltaPA = 0;
    float surchargePressureDeltaPAX = 0;
    float surchargePressureDeltaPAY = 0;
    // Surcharge loads WQ1, WQ2, WQ3 and the vertical earth-pressure loads as counted.
    float surchargeLoadBack = 0;
    float surchargeLoadCentre = 0;
    float surchargeLoadFront = 0;
    float verticalLoadPAY = 0;
    float verticalLoadDeltaPAY = 0;
    // Their lever arms from the toe end.
    float surchargeLoadBackX = 0;
    float surchargeLoadCentreX = 0;
    float surchargeLoadFrontX = 0;
    float verticalLoadPAYX = 0;
    float verticalLoadDeltaPAYX = 0;
    float sumV = 0;             // ΣV
    float sumH = 0;             // ΣH
    float momentResisting = 0;  // Mr

    // Overturning and ground reaction.
    float momentOverturning = 0;        // Mo
    float overturningSafetyFactor = 0;  // F = Mr/Mo
    float resultantPosition = 0;        // d from the toe end
    float eccentricity = 0;             // e = B/2 − d, positive towards the toe
    // Maximum ground contact pressure; 0 means no valid stability result.
    float sigmaMax = 0;
    float sigmaMin = 0;
    float neutralAxisXn = 0;  // Xn from the σmax edge
    // The resultant of the last run lies outside the base (|e| ≥ B/2, or σmax not
    // positive): bearing fails whatever σmax says.
    bool bearingOutsideBase = false;

    // Sliding.
    float effectiveArea = 0;      // A' = B − 2|e|
    float slidingResistance = 0;  // RH
    // The last computed sliding safety factor; never reset during a run.
    float slidingSafetyFactor = 0;
    float keyWedgeLength = 0;  // L
    float keySigma1 = 0;
    float keySigma2 = 0;
    float keySigma0 = 0;
    float keyPassivePressure = 0;  // P
    float keyNormalLoadW1 = 0;     // W1 (building standard)
    double keyShearResistanceHk = 0;  // Hk (road standard), kept at double precision
    float slidingSafetyFactorWithKey = 0;
};
