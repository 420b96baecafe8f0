// Form4.DANMEM_1: the stability calculation of the wall, in the order of the calculation
// report. Every formula is one line, evaluated in double from the stored singles and
// stored once; a value that a path does not assign keeps what the last run left.
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_boxes.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"

namespace {

using num::store;

class StabilityRun {
public:
    StabilityRun(Program& program, Form4& screen) : p_(program), f_(screen) {}

    void run() {
        readChoices();
        readDimensions();
        deriveGeometry();
        readKey();
        clearLoads();
        earthPressure();
        partAreas();
        surchargeLoads();
        verticalLoads();
        weightTotals();
        subAreas();
        partCentroids();
        loadArms();
        if (heights_) partHeights();
        moments();
        overturning();
        resultant();
        contactPressure();
        if (!oneSided_) return;  // the symmetric wall neither overturns nor slides
        contactLength();
        sliding();
    }

private:
    // Choices that steer the run; a run without a load case, a seismic run without a
    // method and a run without a ground shape would fall back on an earlier run's
    // moments, so they stop before anything is computed.
    void readChoices() {
        const DesignChoices choices = designChoices(p_);
        oneSided_ = choices.oneSided();
        symmetric_ = choices.symmetric();
        building_ = choices.building();
        road_ = choices.road();
        normal_ = choices.normal();
        seismicK1_ = choices.seismicMethod == SeismicMethod::K1;
        heights_ = choices.withHeights();
        if (choices.groundShape == GroundShape::None) throw StabilityInputFault("no ground shape chosen");
        if (choices.loadCase == LoadCase::None) throw StabilityInputFault("no load case chosen");
        if (!normal_ && choices.seismicMethod == SeismicMethod::None)
            throw StabilityInputFault("no seismic method chosen");
    }

    // The texts and dimensions as typed, box by box. H3, H4 and the front surcharge are
    // typed in the one-sided shape only, and only there read; the symmetric wall carries
    // the back side's on its front side.
    void readDimensions() {
        for (const DimensionBox& row : dimensionBoxes()) {
            if (row.frontOnly && !oneSided_) continue;
            readBox(row, f_, p_);
        }
        if (symmetric_) p_.surchargeFront = p_.surchargeBack;
    }

    void deriveGeometry() {
        const double H1 = p_.backSoilHeight, fB = p_.frontWallBottomWidth, toe = p_.toeLength;
        const double span = p_.innerSpan, rB = p_.rearWallBottomWidth, heel = p_.heelLength;
        const double fT = p_.frontWallTopWidth, fI = p_.frontWallInnerBatter;
        const double rT = p_.rearWallTopWidth, rI = p_.rearWallInnerBatter;
        const double t = p_.slabThickness, tt = p_.toeEndThickness, th = p_.heelEndThickness;
        p_.earthPressureHeight = store(H1);
        p_.baseWidth = store(fB + toe + span + rB + heel);
        p_.heelPlusRearOuterBatter = store(heel + rB - (rI + rT));
        p_.topClearWidth = store(rI + fI + span);
        p_.frontWallOuterBatter = store(fB - fT - fI);
        p_.rearWallOuterBatter = store(rB - rT - rI);
        p_.toeTaper = store(t - tt);
        p_.heelTaper = store(t - th);
        p_.frontSoilAboveSlab = store(p_.frontSoilHeight - tt - p_.toeTaper);
        p_.backSoilAboveSlab = store(H1 - th - p_.heelTaper);
        // The symmetric wall takes the back side's heights for the front; the outer
        // batter and taper of the front keep their own inputs.
        if (symmetric_) {
            p_.frontSoilAboveSlab = p_.backSoilAboveSlab;
            p_.frontWallUpperHeight = p_.rearWallUpperHeight;
            p_.frontSoilHeight = p_.backSoilHeight;
        }
    }

    void readKey() {
        // Without a key this wall has none, whatever an earlier wall had.
        if (!dimensionChoices(p_).withKey()) {
            p_.keyHeight = 0;
            return;
        }
        ShearKeyDialog* dialog = nullptr;
        if (building_)
            dialog = &p_.form<Form19>();
        else if (road_)
            dialog = &p_.form<Form26>();
        if (!dialog) return;
        for (const KeyBox& key : keyBoxes()) p_.*key.number = num::readSingle((dialog->*key.box).text());
    }

    void clearLoads() {
        for (int part = 1; part <= StabilityValues::kParts; ++part) p_.partArea[part] = 0;
        p_.surchargeLoadBack = 0;
        p_.surchargeLoadCentre = 0;
        p_.surchargeLoadFront = 0;
        p_.verticalLoadPAY = 0;
        p_.verticalLoadDeltaPAY = 0;
    }

    void earthPressure() {
        const double KA = p_.activeCoefficient, gs = p_.soilUnitWeight, H = p_.earthPressureHeight;
        const double q1 = p_.surchargeBack, delta = num::rad(p_.deltaStability);
        p_.earthPressurePA = store((1.0 / 2.0) * KA * gs * std::pow(H, 2.0));
        p_.earthPressurePAX = store(p_.earthPressurePA * std::cos(delta));
        p_.earthPressurePAY = store(p_.earthPressurePA * std::sin(delta));
        // The deduction never makes the surcharge pull on the wall.
        const SurchargeDeduction deduction = dimensionChoices(p_).surchargeDeduction;
        if (deduction == SurchargeDeduction::Off) p_.surchargePressureDeltaPA = store(KA * q1 * H);
        if (deduction == SurchargeDeduction::Deduct5) p_.surchargePressureDeltaPA = store(std::max(q1 - 5.0, 0.0) * KA * H);
        p_.surchargePressureDeltaPAX = store(p_.surchargePressureDeltaPA * std::cos(delta));
        p_.surchargePressureDeltaPAY = store(p_.surchargePressureDeltaPA * std::sin(delta));
    }

    // Heights of the walls above the slab top and the widenings of the soil surfaces
    // over the batters (not stored).
    double hF() const { return double(p_.frontSoilAboveSlab) + p_.frontWallUpperHeight; }
    double hR() const { return double(p_.backSoilAboveSlab) + p_.rearWallUpperHeight; }
    double wF() const { return num::div(double(p_.centralFillDepth) * p_.frontWallInnerBatter, hF()); }
    double wR() const { return num::div(double(p_.centralFillDepth) * p_.rearWallInnerBatter, hR()); }
    double w7() const { return num::div(double(p_.backSoilAboveSlab) * p_.rearWallOuterBatter, hR()); }
    double w8() const { return num::div(double(p_.frontSoilAboveSlab) * p_.frontWallOuterBatter, hF()); }

    void partAreas() {
        const double fT = p_.frontWallTopWidth, fB = p_.frontWallBottomWidth, rT = p_.rearWallTopWidth;
        const double rB = p_.rearWallBottomWidth, span = p_.innerSpan, toe = p_.toeLength, heel = p_.heelLength;
        const double t = p_.slabThickness, tt = p_.toeEndThickness, th = p_.heelEndThickness;
        const double hc = p_.centralFillDepth, sB = p_.backSoilAboveSlab, sF = p_.frontSoilAboveSlab;
        const double taH = p_.heelTaper, taT = p_.toeTaper;
        float* A = p_.partArea;
        A[1] = store(hF() * (fB + fT) / 2 + t * fB);
        A[2] = store(hR() * (rB + rT) / 2 + t * rB);
        A[3] = store(t * span);
        A[4] = store((th + t) * heel / 2);
        A[5] = store((tt + t) * toe / 2);
        A[6] = store((wF() + span + wR() + span) * hc / 2);
        A[7] = store((w7() + heel + heel) * sB / 2 + taH * heel / 2);
        if (oneSided_) {
            const FrontSoilLoad frontSoil = dimensionChoices(p_).frontSoil;
            if (frontSoil == FrontSoilLoad::Counted) A[8] = store((w8() + toe + toe) * sF / 2 + taT * toe / 2);
            if (frontSoil == FrontSoilLoad::LeftOut) A[8] = 0;
        }
        if (symmetric_) {
            A[8] = store((w8() + toe + toe) * sF / 2 + taT * toe / 2);
            if (A[8] < 0.000001f) A[8] = 0;
        }
    }

    void surchargeLoads() {
        const double hc = p_.centralFillDepth, rI = p_.rearWallInnerBatter, fI = p_.frontWallInnerBatter;
        p_.surchargeLoadBack = store((w7() + p_.heelLength) * p_.surchargeBack);
        p_.surchargeLoadCentre = store((num::div(hc * rI + hc * fI, hF()) + p_.innerSpan) * p_.surchargeCentre);
        p_.surchargeLoadFront = store((w8() + p_.toeLength) * p_.surchargeFront);
    }

    void verticalLoads() {
        if (dimensionChoices(p_).verticalComponent == VerticalEarthPressureComponent::Counted) {
            p_.verticalLoadPAY = p_.earthPressurePAY;
            p_.verticalLoadDeltaPAY = p_.surchargePressureDeltaPAY;
        }
        if (dimensionChoices(p_).verticalComponent == VerticalEarthPressureComponent::LeftOut) {
            p_.verticalLoadPAY = 0;
            p_.verticalLoadDeltaPAY = 0;
        }
    }

    // γc·A② + γc·A① + ... + γs·A⑧, in the order of the report's table.
    double selfWeight() const {
        const double gc = p_.concreteUnitWeight, gs = p_.soilUnitWeight;
        const float* A = p_.partArea;
        return gc * A[2] + gc * A[1] + gc * A[3] + gc * A[4] + gc * A[5] + gs * A[6] + gs * A[7] + gs * A[8];
    }

    void weightTotals() {
        p_.sumW = store(selfWeight());
        p_.sumV = store(selfWeight() + p_.surchargeLoadBack + p_.surchargeLoadCentre + p_.surchargeLoadFront +
                        p_.verticalLoadPAY + p_.verticalLoadDeltaPAY);
    }

    void subAreas() {
        const double fT = p_.frontWallTopWidth, fI = p_.frontWallInnerBatter, fO = p_.frontWallOuterBatter;
        const double fB = p_.frontWallBottomWidth, rT = p_.rearWallTopWidth, rI = p_.rearWallInnerBatter;
        const double rO = p_.rearWallOuterBatter, rB = p_.rearWallBottomWidth, span = p_.innerSpan;
        const double toe = p_.toeLength, heel = p_.heelLength, t = p_.slabThickness;
        const double tt = p_.toeEndThickness, th = p_.heelEndThickness, hc = p_.centralFillDepth;
        const double taT = p_.toeTaper, taH = p_.heelTaper, sF = p_.frontSoilAboveSlab, sB = p_.backSoilAboveSlab;
        const double hF = this->hF(), hR = this->hR(), wF = this->wF(), wR = this->wR();
        const double w8 = this->w8();
        float* a = p_.subArea;
        float* x = p_.subAreaX;
        a[1] = store(hF * fT);          x[1] = store(fT / 2 + fO);
        a[2] = store(hF * fI / 2);      x[2] = store(fO + fT + fI / 3);
        a[3] = store(hF * fO / 2);      x[3] = store((fO + fO) / 3);
        a[4] = store(t * fB);           x[4] = store(fB / 2);
        a[5] = store(hR * rT);          x[5] = store(rT / 2 + rI);
        a[6] = store(hR * rI / 2);      x[6] = store((rI + rI) / 3);
        a[7] = store(hR * rO / 2);      x[7] = store(rI + rT + rO / 3);
        a[8] = store(t * rB);           x[8] = store(rB / 2);
        a[9] = store(t * span);         x[9] = store(span / 2);
        a[10] = store(th * heel);       x[10] = store(heel / 2);
        a[11] = store(taH * heel / 2);  x[11] = store((heel + heel) / 3);
        a[12] = store(tt * toe);        x[12] = store(toe / 2);
        a[13] = store(taT * toe / 2);   x[13] = store((toe + toe) / 3);
        a[14] = store(hc * span);       x[14] = store(span / 2);
        a[15] = store(wF * hc / 2);     x[15] = store(-wF / 3);
        a[16] = store(wR * hc / 2);     x[16] = store(wR / 3 + span);
        a[17] = store(sB * heel);       x[17] = store(heel / 2);
        a[18] = store(sF * toe);        x[18] = store(toe / 2);
        a[19] = store(taT * toe / 2);   x[19] = store(toe / 3);
        a[20] = store(w8 * sF / 2);     x[20] = store(w8 / 3 + toe);
        if (!heights_) return;
        float* y = p_.subAreaY;
        y[1] = store(hF / 2 + t);
        y[2] = store(hF / 3 + t);
        y[3] = store(hF / 3 + t);
        y[4] = store(t / 2);
        y[5] = store(hR / 2 + t);
        y[6] = store(hR / 3 + t);
        y[7] = store(hR / 3 + t);
        y[8] = store(t / 2);
        y[9] = store(t / 2);
        y[10] = store(th / 2);
        y[11] = store(taH / 3 + th);
        y[12] = store(tt / 2);
        y[13] = store(taT / 3 + tt);
        y[14] = store(hc / 2 + t);
        y[15] = store((2.0 / 3.0) * hc + t);
        y[16] = store((2.0 / 3.0) * hc + t);
        y[17] = store(taH + th + sB / 2);
        y[18] = store(taT + tt + sF / 2);
        y[19] = store((2.0 / 3.0) * taT + tt);
        y[20] = store(taT + tt + (2.0 / 3.0) * sF);
    }

    // The pieces of the back soil ⑦ kept only for its centroid: the wedge over the heel
    // taper and the triangle over the rear wall's outer batter.
    double backWedge() const { return double(p_.heelTaper) * p_.heelLength / 2; }
    double backTriangle() const { return w7() * p_.backSoilAboveSlab / 2; }

    // Σ subArea·v / Σ subArea over the given sub-areas.
    double centroid(std::initializer_list<int> pieces, const float* v) const {
        double moment = 0, area = 0;
        for (int s : pieces) moment += double(p_.subArea[s]) * v[s];
        for (int s : pieces) area += p_.subArea[s];
        return num::div(moment, area);
    }
    bool hasArea(std::initializer_list<int> pieces) const {
        double area = 0;
        for (int s : pieces) area += p_.subArea[s];
        return area != 0;
    }
    double backSoilArea() const { return p_.subArea[17] + backWedge() + backTriangle(); }

    // Which of the parts ④ to ⑧ have a centroid. An empty part has none; its area is 0,
    // so it adds nothing to the sums. The walls and the slab between them must have one:
    // a wall without thickness or height, or no slab between the walls, is a fault.
    bool heelCounts() const { return p_.heelLength != 0 && hasArea({11, 10}); }
    bool toeCounts() const { return p_.toeLength != 0 && hasArea({13, 12}); }
    bool fillCounts() const { return p_.partArea[6] != 0 && hasArea({15, 14, 16}); }
    bool backSoilCounts() const {
        return !(p_.partArea[7] == 0 && p_.rearWallOuterBatter == 0) && backSoilArea() != 0;
    }
    bool frontSoilCounts() const {
        return !(p_.partArea[8] == 0 && p_.frontWallOuterBatter == 0) && hasArea({19, 18, 20});
    }

    void partCentroids() {
        const double toe = p_.toeLength, fB = p_.frontWallBottomWidth, span = p_.innerSpan, B = p_.baseWidth;
        const double heel = p_.heelLength;
        float* x = p_.partX;
        const float* sx = p_.subAreaX;
        x[1] = store(centroid({1, 2, 3, 4}, sx) + toe);
        x[2] = store(centroid({5, 6, 7, 8}, sx) + fB + toe + span);
        x[3] = store(num::div(double(p_.subArea[9]) * sx[9], p_.subArea[9]) + fB + toe);
        if (heelCounts()) x[4] = store(B - centroid({11, 10}, sx));
        if (toeCounts()) x[5] = store(centroid({13, 12}, sx));
        if (fillCounts()) x[6] = store(centroid({15, 14, 16}, sx) + fB + toe);
        if (backSoilCounts())
            x[7] = store(B - num::div(double(p_.subArea[17]) * sx[17] + backWedge() * heel / 3 +
                                          backTriangle() * (w7() / 3 + heel),
                                      backSoilArea()));
        if (frontSoilCounts()) x[8] = store(centroid({19, 18, 20}, sx));
    }

    void loadArms() {
        const double B = p_.baseWidth, heel = p_.heelLength, toe = p_.toeLength, span = p_.innerSpan;
        const double fB = p_.frontWallBottomWidth, wF = this->wF();
        if (p_.surchargeLoadBack != 0) p_.surchargeLoadBackX = store(B - (w7() + heel) / 2);
        p_.surchargeLoadCentreX = store((wF + span + wF) / 2 + fB + toe - wF);
        if (p_.surchargeLoadFront != 0) p_.surchargeLoadFrontX = store((w8() + toe) / 2);
        if (p_.earthPressurePAY != 0) p_.verticalLoadPAYX = p_.baseWidth;
        if (p_.surchargePressureDeltaPAY != 0) p_.verticalLoadDeltaPAYX = p_.baseWidth;
    }

    void partHeights() {
        const double th = p_.heelEndThickness, taH = p_.heelTaper, sB = p_.backSoilAboveSlab;
        float* y = p_.partY;
        const float* sy = p_.subAreaY;
        y[1] = store(centroid({1, 2, 3, 4}, sy));
        y[2] = store(centroid({5, 6, 7, 8}, sy));
        y[3] = store(num::div(double(p_.subArea[9]) * sy[9], p_.subArea[9]));
        if (heelCounts()) y[4] = store(centroid({11, 10}, sy));
        if (toeCounts()) y[5] = store(centroid({13, 12}, sy));
        if (fillCounts()) y[6] = store(centroid({15, 14, 16}, sy));
        if (backSoilCounts())
            y[7] = store(num::div(double(p_.subArea[17]) * sy[17] + backWedge() * ((2.0 / 3.0) * taH + th) +
                                      backTriangle() * (taH + th + (2.0 / 3.0) * sB),
                                  backSoilArea()));
        if (frontSoilCounts()) y[8] = store(centroid({19, 18, 20}, sy));
    }

    // γc·A②·v② + γc·A①·v① + ... + γs·A⑧·v⑧.
    double weightMoment(const float* v) const {
        const double gc = p_.concreteUnitWeight, gs = p_.soilUnitWeight;
        const float* A = p_.partArea;
        return gc * A[2] * v[2] + gc * A[1] * v[1] + gc * A[3] * v[3] + gc * A[4] * v[4] + gc * A[5] * v[5] +
               gs * A[6] * v[6] + gs * A[7] * v[7] + gs * A[8] * v[8];
    }

    void moments() {
        p_.sumWx = store(weightMoment(p_.partX));
        if (heights_) p_.sumWy = store(weightMoment(p_.partY));
        p_.momentResisting =
            store(weightMoment(p_.partX) + double(p_.surchargeLoadBack) * p_.surchargeLoadBackX +
                  double(p_.surchargeLoadCentre) * p_.surchargeLoadCentreX +
                  double(p_.surchargeLoadFront) * p_.surchargeLoadFrontX +
                  double(p_.verticalLoadPAY) * p_.verticalLoadPAYX +
                  double(p_.verticalLoadDeltaPAY) * p_.verticalLoadDeltaPAYX);
    }

    SurchargeInertia surchargeInertia() const { return checkMethods(p_).surchargeInertia; }

    void overturning() {
        if (symmetric_) {
            p_.momentOverturning = 0;
            return;
        }
        const double H = p_.earthPressureHeight, Kh = p_.seismicKh;
        const double earth = double(p_.surchargePressureDeltaPAX) * H / 2 + double(p_.earthPressurePAX) * H / 3;
        if (normal_ || seismicK1_) {
            p_.momentOverturning = store(earth);
        } else if (heights_) {
            const SurchargeInertia inertia = surchargeInertia();
            if (inertia == SurchargeInertia::Off) p_.momentOverturning = store(earth + Kh * p_.sumWy);
            if (inertia == SurchargeInertia::On)
                p_.momentOverturning =
                    store(earth + Kh * p_.sumWy + double(p_.surchargeLoadBack) * Kh * p_.surchargeInertiaHeight +
                          (double(p_.centralFillDepth) + p_.slabThickness) * p_.surchargeLoadCentre * Kh);
        }
        p_.overturningSafetyFactor = store(num::div(p_.momentResisting, p_.momentOverturning));
    }

    void resultant() {
        p_.resultantPosition = store(num::div(double(p_.momentResisting) - p_.momentOverturning, p_.sumV));
        p_.eccentricity = store(double(p_.baseWidth) / 2 - p_.resultantPosition);
        if (p_.eccentricity > -0.000001f && p_.eccentricity < 0.000001f) p_.eccentricity = 0;
    }

    void contactPressure() {
        const double e = std::fabs(p_.eccentricity), B = p_.baseWidth, V = p_.sumV;
        triangle_ = 1.0f / 6.0f < store(num::div(e, B));
        if (triangle_) {
            p_.sigmaMin = 0;
            p_.sigmaMax = store(num::div(2, (1.0 / 2.0 - e / B) * 3) * (V / B));
        } else {
            p_.sigmaMax = store((e * 6 / B + 1) * (V / B));
            p_.sigmaMin = store((1 - e * 6 / B) * (V / B));
        }
        p_.bearingOutsideBase = !(std::fabs(p_.eccentricity) < p_.baseWidth / 2) || !(p_.sigmaMax > 0);
    }

    void contactLength() {
        const double e = std::fabs(p_.eccentricity), B = p_.baseWidth;
        if (triangle_)
            p_.neutralAxisXn = store((B / 2 - e) * 3);
        else if (p_.eccentricity != 0)
            p_.neutralAxisXn = store((num::div(B, e * 6) + 1) * (B / 2));
    }

    // ΣH of the load case; its moment is the overturning moment's.
    void horizontalTotal() {
        const double PAX = p_.earthPressurePAX, dPAX = p_.surchargePressureDeltaPAX, Kh = p_.seismicKh;
        if (normal_ || seismicK1_) {
            p_.sumH = store(dPAX + PAX);
        } else if (heights_) {
            const SurchargeInertia inertia = surchargeInertia();
            if (inertia == SurchargeInertia::Off) p_.sumH = store(double(p_.sumW) * Kh + PAX + dPAX);
            if (inertia == SurchargeInertia::On)
                p_.sumH = store(double(p_.sumW) * Kh + PAX + dPAX + Kh * p_.surchargeLoadBack +
                                Kh * p_.surchargeLoadCentre);
        }
    }

    // The cohesion acts on the whole base, on the effective width B − 2|e|, or on the
    // compressed width |Xn| where part of the base lifts off.
    bool noDeduction() const { return checkMethods(p_).noDeduction(); }
    bool deduction() const { return checkMethods(p_).deduction(); }
    double cohesionWidth() const { return triangle_ ? std::fabs(p_.neutralAxisXn) : p_.baseWidth; }

    void resistanceWithoutKey() {
        const double C = p_.foundationCohesion, mu = p_.baseFriction, V = p_.sumV;
        const double e = std::fabs(p_.eccentricity);
        if (C == 0) {
            p_.slidingResistance = store(mu * V);
        } else {
            p_.effectiveArea = store(p_.baseWidth - (e + e));
            if (noDeduction())
                p_.slidingResistance = store(C * cohesionWidth() + mu * V);
            else if (deduction())
                p_.slidingResistance = store(double(p_.effectiveArea) * C + mu * V);
        }
        p_.slidingSafetyFactor = store(num::div(p_.slidingResistance, p_.sumH));
    }

    double passiveAngle() const { return num::rad(double(p_.foundationPhi) / 2 + 45); }

    // Contact pressure at x from the toe end, on the line through σmax and Xn.
    double pressureAt(double x) const {
        const double Xn = std::fabs(p_.neutralAxisXn), a = p_.eccentricity >= 0 ? x : p_.baseWidth - x;
        return num::div((Xn - a) * p_.sigmaMax, Xn);
    }

    void keyPressures() {
        const double B1 = p_.keyPosition;
        p_.keyWedgeLength = store(double(p_.keyHeight) * num::tan(passiveAngle()));
        if (p_.eccentricity == 0) {
            p_.keySigma1 = p_.sigmaMax;
            p_.keySigma2 = p_.sigmaMax;
        } else {
            p_.keySigma1 = store(pressureAt(B1 - p_.keyWedgeLength));
            p_.keySigma2 = store(pressureAt(B1));
        }
        p_.keySigma0 = store((double(p_.keySigma2) + p_.keySigma1) * (1.0 / 2.0));
        p_.keyPassivePressure = store(std::pow(num::tan(passiveAngle()), 2.0) * p_.keySigma0);
    }

    // Building standard: the wedge's passive resistance P·H0 and the friction of the
    // base outside the wedge.
    void keyBuilding() {
        const double B = p_.baseWidth, B1 = p_.keyPosition, L = p_.keyWedgeLength, Xn = std::fabs(p_.neutralAxisXn);
        const double s1 = p_.keySigma1, s2 = p_.keySigma2, sMax = p_.sigmaMax, sMin = p_.sigmaMin;
        const bool toeSide = p_.eccentricity >= 0;
        if (!triangle_ && toeSide) p_.keyNormalLoadW1 = store((s2 + sMin) / 2 * (B - B1) + (s1 + sMax) / 2 * (B1 - L));
        if (!triangle_ && !toeSide) p_.keyNormalLoadW1 = store((s2 + sMax) / 2 * (B - B1) + (s1 + sMin) / 2 * (B1 - L));
        if (triangle_ && toeSide) p_.keyNormalLoadW1 = store((Xn - B1) * s2 / 2 + (s1 + sMax) / 2 * (B1 - L));
        if (triangle_ && !toeSide) p_.keyNormalLoadW1 = store((B1 - (B - Xn) - L) * s1 / 2 + (s2 + sMax) / 2 * (B - B1));

        const double C = p_.foundationCohesion, mu = p_.baseFriction, W1 = p_.keyNormalLoadW1;
        const double PH0 = double(p_.keyPassivePressure) * p_.keyHeight;
        if (C == 0)
            p_.slidingSafetyFactorWithKey = store(num::div(mu * W1 + PH0, p_.sumH));
        else if (noDeduction())
            p_.slidingSafetyFactorWithKey = store(num::div(C * cohesionWidth() + mu * W1 + PH0, p_.sumH));
        else if (deduction())
            p_.slidingSafetyFactorWithKey = store(num::div(mu * W1 + double(p_.effectiveArea) * C + PH0, p_.sumH));
    }

    // Road standard: the shear resistance of the soil along the base on both sides of the key.
    void keyRoad() {
        const double B = p_.baseWidth, B1 = p_.keyPosition, Xn = std::fabs(p_.neutralAxisXn);
        const double s2 = p_.keySigma2, sMax = p_.sigmaMax, sMin = p_.sigmaMin;
        const double T = num::tan(num::rad(p_.foundationPhi)), C = p_.foundationCohesion;
        const bool toeSide = p_.eccentricity >= 0;
        double Hk = 0;
        if (toeSide && !triangle_) Hk = (s2 + sMin) / 2 * (B - B1) * T + (s2 + sMax) / 2 * B1 * T;
        if (toeSide && triangle_) Hk = (Xn - B1) * (s2 + sMin) / 2 * T + (s2 + sMax) / 2 * B1 * T;
        if (!toeSide && !triangle_) Hk = (s2 + sMax) / 2 * (B - B1) * T + (s2 + sMin) / 2 * B1 * T;
        if (!toeSide && triangle_) Hk = (Xn - B1) * (s2 + sMax) / 2 * T + (s2 + sMin) / 2 * B1 * T;
        if (C != 0) Hk += C * B1;
        p_.keyShearResistanceHk = num::finite(Hk);
        p_.slidingSafetyFactorWithKey = store(num::div(p_.keyShearResistanceHk, p_.sumH));
    }

    void sliding() {
        const ShearKey key = dimensionChoices(p_).shearKey;
        if (key == ShearKey::Absent) {
            horizontalTotal();
            resistanceWithoutKey();
        } else if (key == ShearKey::Present && building_) {
            horizontalTotal();
            resistanceWithoutKey();
            keyPressures();
            keyBuilding();
        } else if (key == ShearKey::Present && road_) {
            horizontalTotal();
            keyPressures();
            keyRoad();
        }
    }

    Program& p_;
    Form4& f_;
    bool oneSided_ = false, symmetric_ = false;
    bool building_ = false, road_ = false;
    bool normal_ = false, seismicK1_ = false;
    bool heights_ = false;  // K2 or D1: the wall's inertia acts at the parts' heights
    bool triangle_ = false;  // part of the base lifts off
};

}  // namespace

void Form4::DANMEM_1() {
    try {
        StabilityRun(program_, *this).run();
    } catch (...) {
        program_.dropResult();
        throw;
    }
}
