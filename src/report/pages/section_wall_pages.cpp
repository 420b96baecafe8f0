// Report page 6: the rear upright wall at mid-height (location 1, Form7.HAIKIN_A) and at
// its fixed end on the slab (location 2, Form7.HAIKIN_B), a cantilever under the back
// earth pressure and, in the seismic case, the inertia of the wall, soil and surcharge.
#include <cmath>
#include <string>

#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_text.h"
#include "report/pages/page_writers.h"
#include "report/pages/section_check_block.h"
#include "report/pages/section_pages_common.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace {

namespace fmt = page::fmt;
using page::blanks;
using page::f3;
using page::f4;
using page::nf;

class WallSection {
public:
    WallSection(const Program& program, plat::Surface& s, int loc)
        : p_(program), s_(s), loc_(loc), h_(height()), cos_(std::cos(num::rad(double(p_.rearFaceTheta + p_.deltaSection)))) {}

    void print() {
        earthPressure();
        forces();
        section_pages::printCheckBlock(p_, s_, loc_);
    }

private:
    // Height of the back soil above the section: at mid-height the soil above the wall's
    // middle, at the fixed end the whole soil height above the slab.
    float height() const {
        if (loc_ == 2) return p_.backSoilAboveSlab;
        const float wall = p_.rearWallUpperHeight + p_.backSoilAboveSlab;
        return wall / 2 - p_.rearWallUpperHeight;
    }

    // A section at or above the soil surface has no soil on it: H is 0 there, as the
    // forces take it, not the height of the section above the surface.
    std::string H() const { return nf(h_ > 0 ? h_ : 0.0f, fmt::kLength); }
    std::string PAX() const { return f3(p_.sectionPAX[loc_]); }
    std::string dPAX() const { return f3(p_.sectionDeltaPAX[loc_]); }
    std::string W() const { return f3(p_.wallWeightAbove[loc_]); }
    std::string M() const { return nf(p_.designMoment[loc_], fmt::kDesignValue) + "Ncm/m"; }
    std::string S() const { return nf(p_.designShear[loc_], fmt::kDesignValue) + "N/m"; }
    // The earth-pressure part of M inside its braces.
    std::string earthMoment() const { return PAX() + "×(" + H() + "/3)＋" + dPAX() + "×(" + H() + "/2)"; }

    void earthPressure() {
        const std::string angles = nf(p_.deltaSection, fmt::kAngle) + "ﾟ＋" + nf(p_.rearFaceTheta, fmt::kWallBackAngle) + "ﾟ)=";
        const std::string ka = nf(p_.activeCoefficientSection, fmt::kKaStated);
        const std::string cosine = f4(cos_);
        s_.print(blanks(18) + "PAX=1/2･KA･γ･H^2･cos(" + angles + "1/2×" + ka + "×" + nf(p_.soilUnitWeight, fmt::kUnitWeight) +
                 "×" + H() + "^2×" + cosine + "=" + PAX() + "kN/m");
        const SurchargeDeduction deduction = dimensionChoices(p_).surchargeDeduction;
        const std::string q = nf(p_.surchargeBack, fmt::kSurchargeSection);
        std::string surcharge;
        if (deduction == SurchargeDeduction::Off)
            surcharge = "×" + q + "×";
        else if (deduction == SurchargeDeduction::Deduct5)
            surcharge = "×" + page::deductedSurcharge(p_.surchargeBack, fmt::kSurchargeSection) + "×";
        else
            return;
        s_.print(blanks(16) + "△PAX=KA･q･H･cos(" + angles + ka + surcharge + H() + "×" + cosine + "=" + dPAX() + "kN/m");
    }

    void forces() {
        const DesignChoices choices = designChoices(p_);
        const bool seismic = choices.seismic();
        if (choices.normal() || (seismic && choices.seismicMethod == SeismicMethod::K1)) {
            s_.print(blanks(18) + "M=PAX･n＋△PAX･n={" + earthMoment() + "}×10^5=" + M());
            s_.print(blanks(18) + "S=PAX＋△PAX=(" + PAX() + "＋" + dPAX() + ")×10^3=" + S());
            s_.print("");
        } else if (seismic && choices.withHeights()) {
            if (!surchargeInertiaCounts(p_))
                wallInertia();
            else
                fullInertia();
        }
        // No load case, or no seismic method: no moment and shear lines.
    }

    void wallInertia() {
        const std::string kh = nf(p_.seismicKh, fmt::kKhShort);
        s_.print(blanks(17) + "たて壁重量 W=" + W() + "kN/m");
        s_.print(blanks(18) + "M=PAX･n＋△PAX･n＋W･Kh･y");
        s_.print(blanks(19) + "={" + earthMoment() + "＋" + W() + "×" + kh + "×" + f3(p_.wallWeightArm[loc_]) +
                 "}×10^5=" + M());
        s_.print(blanks(18) + "S=PAX＋△PAX＋W･Kh=(" + PAX() + "＋" + dPAX() + "＋" + W() + "×" + kh + ")×10^3=" + S());
    }

    void fullInertia() {
        const std::string kh = nf(p_.seismicKh, fmt::kKhPage1);
        // The back soil above the section and the height of the surcharge inertia above it.
        const double w2 = double(p_.soilUnitWeight) * (loc_ == 1 ? p_.upperBackSoilArea : p_.partArea[7]);
        const double hq = p_.sectionSurchargeInertiaHeight;
        const double y3 = loc_ == 1 ? num::div(hq, double(p_.slabThickness) + p_.backSoilAboveSlab) * h_
                                    : hq - p_.slabThickness;
        const std::string W2 = f3(w2), q = f3(p_.surchargeBack);
        s_.print(blanks(17) + "たて壁重量 W1=" + W() + "kN/m　  背面土重量 W2=" + W2 + "kN/m");
        s_.print(blanks(18) + "M=PAX･n＋△PAX･n＋W1･Kh･y1＋W2･Kh･y2＋q･Kh･y3");
        s_.print(blanks(19) + "={" + earthMoment() + "＋" + W() + "×" + kh + "×" + f3(p_.wallWeightArm[loc_]));
        s_.print(blanks(20) + "＋" + W2 + "×" + kh + "×" + f3(p_.backSoilArm[loc_]) + "＋" + q + "×" + kh + "×" +
                 f3(y3) + "}×10^5=" + M());
        s_.print(blanks(18) + "S=PAX＋△PAX＋W1･Kh＋W2･Kh＋q･Kh");
        s_.print(blanks(19) + "=(" + PAX() + "＋" + dPAX() + "＋" + W() + "×" + kh + "＋" + W2 + "×" + kh + "＋" + q + "×" +
                 kh + ")×10^3");
        s_.print(blanks(19) + "=" + S());
    }

    const Program& p_;
    plat::Surface& s_;
    int loc_;
    float h_;
    double cos_;
};

}  // namespace

void report::HAIKIN_A(plat::Surface& s, const Program& p) {
    page::emptyLines(s, 5);
    s.print(blanks(14) + "１）たて壁（中央部）");
    if (!surchargeInertiaCounts(p)) s.print("");
    WallSection(p, s, 1).print();
}

void report::HAIKIN_B(plat::Surface& s, const Program& p) {
    s.print("");
    if (!surchargeInertiaCounts(p)) s.print("");
    s.print(blanks(14) + "２）たて壁（固定部）");
    if (!surchargeInertiaCounts(p)) s.print("");
    WallSection(p, s, 2).print();
}
