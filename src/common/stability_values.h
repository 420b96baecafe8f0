// Program-wide results of the stability calculation.
#pragma once

struct StabilityValues {
    // Maximum ground contact pressure (kN/m2); 0 means no valid stability result.
    float sigmaMax = 0;
    // The last computed sliding safety factor; never reset during a run.
    float slidingSafetyFactor = 0;
};
