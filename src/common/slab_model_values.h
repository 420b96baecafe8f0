// Program-wide values of the base-slab reaction and load model of the section design
// (Form7.TEKKIN). Lengths in m, pressures and loads in kN/m2. A run writes only the
// values of its case; the others keep what an earlier run left.
#pragma once

// The values of the model, one bit each, for SlabModelValues::slabModelWritten.
enum SlabModelValue : unsigned {
    kWroteXn = 1u << 0,
    kWroteVP = 1u << 1,
    kWroteV1 = 1u << 2,
    kWroteV2 = 1u << 3,
    kWroteV3 = 1u << 4,
    kWroteV4 = 1u << 5,
    kWroteV5 = 1u << 6,
    kWroteVR = 1u << 7,
    kWroteW1 = 1u << 8,
    kWroteW2W3 = 1u << 9,
    kWroteW4W5 = 1u << 10,
};

struct SlabModelValues {
    // Ground reaction at the seven fixed points of the base, from the toe end: toe end,
    // toe root, front wall's inner face, mid-span, rear wall's inner face, heel root,
    // heel end. The contact length itself is StabilityValues::neutralAxisXn.
    float reactionVP = 0;
    float reactionV1 = 0;
    float reactionV2 = 0;
    float reactionV3 = 0;
    float reactionV4 = 0;
    float reactionV5 = 0;
    float reactionVR = 0;

    // Downward loads: between the walls (W1), heel root and end (W2, W3), toe root and
    // end (W4, W5).
    float slabLoadW1 = 0;
    float slabLoadW2 = 0;
    float slabLoadW3 = 0;
    float slabLoadW4 = 0;
    float slabLoadW5 = 0;

    // Angle θ of the rear wall's back face to the vertical, radians and degrees.
    float rearFaceThetaRad = 0;
    float rearFaceTheta = 0;

    // What the last run of the model wrote (SlabModelValue bits). A value it left alone
    // belongs to an earlier wall or case and is never designed with.
    unsigned slabModelWritten = 0;
    bool slabModelWrote(unsigned values) const { return (slabModelWritten & values) == values; }
};
