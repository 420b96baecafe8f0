// Report page 4: the stability checks against overturning, bearing and sliding, with the
// contact-pressure sketch (Form4.KENTOU).
#include <cmath>
#include <string>
#include <vector>

#include "conditions/design_choices.h"
#include "report/pages/page_writers.h"
#include "report/pages/shear_key_page.h"
#include "report/pages/stability_pages_common.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/stability_checks.h"

using namespace stability_pages;

namespace {

class StabilityPage {
    using O = OverturningMethod;

public:
    StabilityPage(const Program& p, plat::Surface& s)
        : p_(p), s_(s), ch_(designChoices(p)), d_(dimensionChoices(p)),
          m_(checkMethods(p)), checks_(stabilityChecks(p, d_.shearKey)) {}

    void write() {
        page::topOfPage(s_);
        s_.setFontSize(11);
        if (auto suffix = page::CaseTitle(p_)) s_.print(blanks(12) + p_.chapterNumber + "－２ 安定性の検討" + *suffix);
        overturning();
        bearing();
        if (!sliding()) return;
        sketch();
    }

private:
    std::string mr() const { return f3(page::round3(p_.momentResisting)); }
    std::string mo() const { return f3(page::round3(p_.momentOverturning)); }

    void line(const std::string& text) { s_.print(text); }
    void judged(bool passed, const std::string& text) { page::printCheck(p_, s_, passed, {text}); }
    void failed(const std::vector<std::string>& lines) { page::printCheck(p_, s_, false, lines); }
    const StabilityCheck* check(StabilityCheckKind kind) const { return findCheck(checks_, kind); }
    // " > 1.5" or " < 1.0": the relation and the limit as printed.
    static std::string against(const StabilityCheck& c, bool passed) {
        return std::string(" ") + relation(c, passed) + " " + c.limitText;
    }
    // What follows " < B/6": "=4.000/6=0.667m".
    std::string partOfBase(const StabilityCheck& c) const {
        return "=" + f3(p_.baseWidth) + "/" + std::to_string(c.baseDivisor) + "=" + f3(c.limit) + "m";
    }

    void mrLine() { line(blanks(16) + "抵抗モーメント Mr=ΣV･x=" + mr() + "kNm/m"); }
    // d=(Mr－Mo)/ΣV with its numbers, from after the opening bracket.
    std::string dNumbers() const {
        return mr() + "－" + operand(mo()) + ")/" + operand(f3(p_.sumV)) + "=" + f3(p_.resultantPosition) + "m";
    }
    void dLine(const char* lead) { line(blanks(16) + lead + dNumbers()); }
    std::string eLead(const char* lead) const {
        return blanks(16) + lead + f3(p_.baseWidth) + "/2)－" + operand(f3(p_.resultantPosition)) + "=" +
               f3(p_.eccentricity);
    }
    // |e| against B/k.
    void eCheck(const char* lead, const StabilityCheck& c) {
        const bool passed = passes(p_, c);
        const std::string text = eLead(lead) + "m" + against(c, passed) + partOfBase(c);
        if (passed)
            line(text + " ∴ O.K");
        else
            failed({text});
    }
    void fCheck(const StabilityCheck& c) {
        const bool passed = passes(p_, c);
        const std::string text = blanks(16) + "転 倒 安 全 率  F=Mr/Mo=" + mr() + "/" + operand(mo()) + "=" +
                                 f3(p_.overturningSafetyFactor) + against(c, passed);
        if (passed)
            line(text + "  ∴ O.K");
        else
            failed({text});
    }
    // d against B/3, its formula over two lines.
    void dCheck(const StabilityCheck& c) {
        const bool passed = passes(p_, c);
        const std::string first = blanks(16) + "合力の作用位置  d=(Mr－Mo)/ΣV";
        const std::string second = blanks(33) + "=(" + dNumbers() + against(c, passed) + partOfBase(c);
        if (passed) {
            line(first);
            line(second + " ∴ O.K");
        } else {
            failed({first, second});
        }
    }

    static constexpr const char* kD1 = "合力の作用位置  d=(Mr－Mo)/ΣV=(";
    static constexpr const char* kD2 = "合力の作用位置 d=(Mr－Mo)/ΣV=(";
    static constexpr const char* kE1 = "偏　心　距　離  e=(B/2)－d=(";
    static constexpr const char* kE2 = "偏  心  距  離 e=(B/2)－d=(";
    static constexpr const char* kE3 = "偏　心　距　離 e=(B/2)－d=(";

    void overturning() {
        line("");
        line(blanks(12) + "１）転倒に対する検討");
        line("");
        if (ch_.symmetric()) {
            line(blanks(16) + "対称土圧の為、転倒は生じない。");
            return;
        }
        if (!ch_.oneSided()) return;
        mrLine();
        line(blanks(16) + "転倒モーメント Mo=ΣH･y=" + mo() + "kNm/m");
        // |e| with the d it follows from, then F, then d against B/3.
        if (const StabilityCheck* e = check(StabilityCheckKind::Eccentricity)) {
            dLine(kD1);
            eCheck(kE1, *e);
        }
        if (const StabilityCheck* f = check(StabilityCheckKind::Overturning)) fCheck(*f);
        if (const StabilityCheck* d = check(StabilityCheckKind::Resultant)) dCheck(*d);
    }

    void bearing() {
        line("");
        line("");
        line(blanks(12) + "２）地盤支持力(接地圧)に対する検討");
        line("");
        if (ch_.symmetric()) {
            mrLine();
            line(blanks(16) + "転倒モーメント Mo=ΣH･y=0kNm/m");
        }
        if (ch_.normal()) {
            if (m_.normalIs(O::Factor15)) {
                dLine(kD2);
                line(eLead(kE2) + "m");
            } else if (m_.normalIs(O::ResultantB3)) {
                line(eLead(kE2) + "m");
            }
        } else if (ch_.seismic() && (m_.seismicIs(O::Factor10) || m_.seismicIs(O::Factor12))) {
            dLine(kD2);
            line(eLead(kE3) + "m");
        }

        const std::string sv = f3(p_.sumV), B = f3(p_.baseWidth), absE = f3(std::fabs(p_.eccentricity));
        const bool trapezoid = eccentricityRatio(p_) <= oneSixth();
        if (trapezoid) {
            line(blanks(16) + "最 大 接 地 圧 σmax=(ΣV/B)･{1＋(6e/B)}");
            line(blanks(27) + "　　     =(" + sv + "/" + B + ")×{1＋(6×" + absE + "/" + B + ")}");
            line(blanks(26) + "　　      =" + f3(p_.sigmaMax) + "kN/m2");
            if (p_.eccentricity != 0) {
                line(blanks(16) + "最 小 接 地 圧 σmin=(ΣV/B)･{1－(6e/B)}");
                line(blanks(27) + "　　     =(" + sv + "/" + B + ")×{1－(6×" + absE + "/" + B + ")}");
                line(blanks(26) + "　　      =" + f3(p_.sigmaMin) + "kN/m2");
            }
        } else {
            line(blanks(16) + "最 大 接 地 圧 σmax=(ΣV/B)･[2/{3×(1/2－e/B)}]");
            line(blanks(27) + "　　     =(" + sv + "/" + B + ")×[2/{3×(1/2－" + absE + "/" + B + ")}]");
            line(blanks(26) + "　　      =" + f3(p_.sigmaMax) + "kN/m2");
            if (p_.eccentricity != 0) line(blanks(16) + "最 小 接 地 圧 σmin=0kN/m2");
        }

        const StabilityCheck& bearing = *check(StabilityCheckKind::Bearing);
        const std::string qa = nf(bearing.limit, fmt::kBearingPage4);
        const bool both = p_.eccentricity != 0;
        if (p_.bearingOutsideBase) {
            // The resultant lies outside the base: the pressures above are no real contact
            // pressures, so the ground cannot carry the wall whatever σmax shows.
            failed({blanks(31) + "合力の作用位置が底版の外にある  ∴ NG"});
        } else if (passes(p_, bearing)) {
            line(blanks(31) + (both ? "σmax,σmin < " : "σmax < ") + qa + "kN/m2  ∴ O.K");
        } else if (!within(bearing, p_.sigmaMin)) {
            failed({blanks(31) + (both ? "σmax,σmin > " : "σmax > ") + qa + "kN/m2  ∴ NG"});
        } else {
            failed({blanks(31) + "σmax > " + qa + "kN/m2  ∴ NG"});
        }
    }

    // False when the page ends with a failed sliding check (normal case, no key). The
    // shear-key check belongs to the one-sided wall only: a symmetric wall does not slide.
    bool sliding() {
        line("");
        line("");
        line(blanks(12) + "３）滑り出しに対する検討");
        line("");
        if (ch_.symmetric()) {
            line(blanks(16) + "対称土圧の為､滑動は生じない｡");
            return true;
        }
        if (!ch_.oneSided()) return true;

        const bool noKey = d_.withoutKey(), key = d_.withKey();
        const bool building = ch_.building();
        const bool deduct = m_.deduction(), noDeduct = m_.noDeduction();
        const std::string C = nf(p_.foundationCohesion, fmt::kCohesionCheck), sv = operand(f3(p_.sumV));
        const std::string mu = nf(p_.baseFriction, fmt::kFrictionCheck), RH = f3(p_.slidingResistance);
        const std::string H1 = blanks(16) + "水 平 力 の 総 和 ΣH=" + f3(p_.sumH) + "kN/m";
        if (noKey || (key && building)) {
            if (noDeduct || p_.foundationCohesion == 0) {
                line(H1);
                if (eccentricityRatio(p_) <= oneSixth())
                    line(blanks(16) + "滑動に対する抵抗力 RH=C･B＋ΣV･μ=" + C + "×" + f3(p_.baseWidth) + "＋" + sv +
                         "×" + mu + "=" + RH + "kN/m");
                else
                    line(blanks(16) + "滑動に対する抵抗力 RH=C･B＋ΣV･μ=" + C + "×(" + f3(p_.baseWidth) + "×" +
                         f3(num::div(std::fabs(p_.neutralAxisXn), p_.baseWidth)) + ")＋" + sv + "×" + mu + "=" +
                         RH + "kN/m");
            } else if (deduct) {
                line(blanks(16) + "底版の有効載荷面積 A'=B-2e=" + f3(p_.baseWidth) + "－2×" +
                     f3(std::fabs(p_.eccentricity)) + "=" + f3(p_.effectiveArea) + "m2/m");
                line(H1);
                line(blanks(16) + "滑動に対する抵抗力 RH=C･A'＋ΣV･μ=" + C + "×" + f3(p_.effectiveArea) + "＋" + sv +
                     "×" + mu + "=" + RH + "kN/m");
            }
        } else if (key && ch_.road()) {
            line(blanks(16) + "水平力の総和 ΣH=" + f3(p_.sumH) + "kN/m");
        }

        const std::string F = blanks(16) + "滑 動 安 全 率      F=RH/ΣH=" + RH + "/" + operand(f3(p_.sumH)) + "=" +
                              f3(p_.slidingSafetyFactor);
        if (const StabilityCheck* c = check(StabilityCheckKind::Sliding)) {
            const bool passed = passes(p_, *c);
            judged(passed, F + against(*c, passed) + (passed ? "  ∴ O.K" : ""));
            if (!passed && ch_.normal()) return false;
        }
        // Under a building-standard key, the factor without it against 1.0.
        if (const StabilityCheck* c = check(StabilityCheckKind::SlidingKeyless)) {
            const bool passed = passes(p_, *c);
            judged(passed, F + against(*c, passed) + (passed ? "  ――-> 突起を設ける" : ""));
        }
        if (key) {
            line("");
            writeShearKeyCheck(s_, p_, check(StabilityCheckKind::SlidingWithKey));
        }
        return true;
    }

    // A fixed sketch beside the text: the contact pressure, or the key.
    void sketch() {
        if (d_.withoutKey()) {
            s_.setFontSize(9);
            s_.line(9500, 3800, 11000, 3800);
            s_.line(9500, 3800, 9500, 3550);
            s_.line(11000, 3800, 11000, 3550);
            s_.line(9500, 5200, 11000, 5200);
            s_.line(9500, 5200, 9500, 4800);
            s_.line(11000, 5200, 11000, 4800);
            printAt(s_, 10150, 5000, "Ｂ");
            const float e = p_.eccentricity;
            // No room right of the heel end on the sheet: σmax there stands below its
            // ordinate, clear of the base-width tick.
            const double belowHeelEnd = 4600 + kSketchLabelGap;
            if (eccentricityRatio(p_) < oneSixth()) {
                if (e > 0) {
                    s_.line(9500, 4100, 11000, 4100);
                    s_.line(9500, 4100, 9500, 4600);
                    s_.line(11000, 4100, 11000, 4350);
                    s_.line(9500, 4600, 11000, 4350);
                    printAt(s_, 9000, 4250, "σmax");
                    printAt(s_, 10650, 4450, "σmin");
                } else if (e < 0) {
                    s_.line(9500, 4100, 11000, 4100);
                    s_.line(9500, 4100, 9500, 4350);
                    s_.line(11000, 4100, 11000, 4600);
                    s_.line(9500, 4350, 11000, 4600);
                    printLeftOf(s_, 11000, belowHeelEnd, "σmax");
                    printAt(s_, 9000, 4150, "σmin");
                } else {
                    s_.line(9500, 4100, 11000, 4100);
                    s_.line(9500, 4100, 9500, 4475);
                    s_.line(11000, 4100, 11000, 4475);
                    s_.line(9500, 4475, 11000, 4475);
                    printAt(s_, 10000, 4550, "σmax");
                }
            } else if (e > 0) {
                s_.line(9500, 4100, 10750, 4100);
                s_.line(9500, 4600, 10750, 4100);
                s_.line(9500, 4100, 9500, 4600);
                // Beside the lower end of its ordinate: the bearing formula of the triangle
                // beside it can reach the sketch.
                printAt(s_, 9000, 4600 - s_.textHeight(), "σmax");
            } else if (e < 0) {
                s_.line(9500, 4100, 11000, 4100);
                s_.line(11000, 4600, 11000, 4100);
                s_.line(9750, 4100, 11000, 4600);
                printLeftOf(s_, 11000, belowHeelEnd, "σmax");
            }
        } else if (d_.withKey()) {
            drawShearKeySketch(s_, p_);
        }
        s_.setFontSize(11);
    }

    const Program& p_;
    plat::Surface& s_;
    const DesignChoices ch_;
    const DimensionChoices d_;
    const CheckMethods m_;
    const std::vector<StabilityCheck> checks_;
};

}  // namespace

void report::prepareStabilityPage(Program& p) { p.pageLoopCounter = page::kLoopCounterAfterTop; }

void report::KENTOU(plat::Surface& s, const Program& p) { StabilityPage(p, s).write(); }
