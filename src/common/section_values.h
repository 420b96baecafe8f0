// Program-wide values of the section design: the per-location results, indexed by the
// check location r (1, 2, 5 to 10; 3 and 4 never exist), and the values kept beside them.
#pragma once
#include <array>
#include <initializer_list>
#include <optional>
#include <string>

// One value per check location, indexed by r.
template <class T>
using PerLocation = std::array<T, 11>;

struct SectionValues {
    // 1 while the section stress check is current, 0 after an invalidation;
    // unset before its first assignment, which counts as 0.
    std::optional<int> sectionCheckDone;
    int sectionCheckDoneValue() const { return sectionCheckDone.value_or(0); }

    // The results of each location; never reset, only overwritten by the next computation.
    PerLocation<std::string> barName{};
    PerLocation<float> barArea{};            // cm2, one bar (a pair: the mean)
    PerLocation<float> barPerimeter{};       // cm
    PerLocation<float> rebarCover{};         // mm
    PerLocation<float> effectiveCover{};     // mm, d'
    PerLocation<float> memberThickness{};    // cm, D
    PerLocation<float> effectiveDepth{};     // cm, d
    PerLocation<float> leverArm{};           // cm, j·d
    PerLocation<float> designMoment{};       // N·cm per metre
    PerLocation<float> designShear{};        // N per metre
    PerLocation<float> loadMoment{};         // kN·m per metre, M1
    PerLocation<float> reactionMoment{};     // kN·m per metre, M2
    PerLocation<float> loadShear{};          // kN per metre, S1
    PerLocation<float> reactionShear{};      // kN per metre, S2
    PerLocation<float> requiredSteelArea{};  // cm2 per metre
    PerLocation<float> requiredPerimeter{};  // cm per metre
    PerLocation<float> barsForArea{};
    PerLocation<float> barsForBond{};
    PerLocation<float> barsPerMetre{};
    PerLocation<float> computedSpacing{};    // mm
    PerLocation<float> designSpacing{};      // mm
    PerLocation<float> steelRatio{};         // p
    PerLocation<float> neutralAxisRatio{};   // k
    PerLocation<float> leverArmRatio{};      // j
    PerLocation<float> concreteStress{};     // σc, N/mm2
    PerLocation<float> rebarStress{};        // σs, N/mm2
    PerLocation<float> shearStress{};        // τc, N/mm2

    // Values of the upright-wall locations 1 and 2 (kN per metre, m); each keeps its own.
    PerLocation<float> sectionPAX{}, sectionDeltaPAX{};
    PerLocation<float> wallWeightAbove{}, wallWeightArm{};
    PerLocation<float> backSoilArm{};
    // The back soil above location 1 (m2, m) and the rectangle and triangle it is made of.
    float upperBackSoilArea = 0, upperBackSoilCentroid = 0;
    float upperSoilRectArea = 0, upperSoilTriArea = 0, upperSoilRectArm = 0, upperSoilTriArm = 0;
    // Fixed-end moments shared by locations 5, 6 and 7, kN·m per metre.
    float fixedEndC1 = 0, fixedEndC21 = 0, fixedEndC22 = 0, fixedEndC2 = 0;

    // A location the wall does not have holds nothing, as in a fresh program.
    void clearLocation(int loc) {
        barName[loc].clear();
        for (PerLocation<float>* field :
             {&barArea, &barPerimeter, &rebarCover, &effectiveCover, &memberThickness, &effectiveDepth, &leverArm,
              &designMoment, &designShear, &loadMoment, &reactionMoment, &loadShear, &reactionShear,
              &requiredSteelArea, &requiredPerimeter, &barsForArea, &barsForBond, &barsPerMetre, &computedSpacing,
              &designSpacing, &steelRatio, &neutralAxisRatio, &leverArmRatio, &concreteStress, &rebarStress,
              &shearStress, &sectionPAX, &sectionDeltaPAX, &wallWeightAbove, &wallWeightArm, &backSoilArm})
            (*field)[loc] = 0;
    }

    // Section earth-pressure coefficient and the surcharge-inertia height of the section design.
    float activeCoefficientSection = 0;
    float sectionSurchargeInertiaHeight = 0;
};
