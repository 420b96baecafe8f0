#include "report/pages/section_check_block.h"

#include <cmath>
#include <string>

#include "common/numbers.h"
#include "common/program.h"
#include "common/shown_texts.h"
#include "conditions/design_choices.h"
#include "platform/surface.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_text.h"
#include "section/section_screen.h"

namespace section_pages {

namespace {

namespace fmt = page::fmt;
using page::blanks;
using page::f3;
using page::nf;

// The empty lines that keep a location's block where the page layout has it: one after
// the bar line of the toe, two after the whole block of the heel. The refused block,
// which has no bar line, takes both at its end.
struct BlockSpacing {
    int loc;
    int afterBars;
    int afterBlock;
};
constexpr BlockSpacing kBlockSpacing[] = {{8, 0, 2}, {9, 1, 0}};

BlockSpacing spacingOf(int loc) {
    for (const BlockSpacing& b : kBlockSpacing)
        if (b.loc == loc) return b;
    return {loc, 0, 0};
}

// Display units of a location: d in mm and M in N·mm per metre, as singles.
struct Display {
    float dMm;
    float mNmm;
};

void concreteCheck(const Program& p, plat::Surface& s, int loc, const Display& u) {
    const bool passed = page::passesAtMost(p.concreteStress[loc], p.allowConcrete);
    const std::string allow = nf(p.allowConcrete, fmt::kSectionConcreteAllow) + "N/mm2";
    page::printCheck(p, s, passed,
                     {blanks(17) + "・コンクリートの曲げ圧縮応力度",
                      blanks(19) + "σc=2M/(k･j･b･d^2)=2×" + nf(u.mNmm, fmt::kDesignValue) + "/(" +
                          nf(p.neutralAxisRatio[loc], fmt::kSectionProperty) + "×" +
                          nf(p.leverArmRatio[loc], fmt::kSectionProperty) + "×1000×" + nf(u.dMm, fmt::kDepthMm) + "^2)=" +
                          nf(p.concreteStress[loc], fmt::kSectionProperty) + "N/mm2",
                      passed ? blanks(37) + "<σca=" + allow + "  " + page::kPassed : blanks(37) + ">σca=" + allow});
}

void steelCheck(const Program& p, plat::Surface& s, int loc, const Display& u, double as) {
    const bool passed = page::passesAtMost(p.rebarStress[loc], p.rebarAllow);
    const std::string allow = nf(p.rebarAllow, fmt::kSectionRebarAllow) + "N/mm2";
    page::printCheck(p, s, passed,
                     {blanks(17) + "・鉄筋の引張応力度",
                      blanks(19) + "σs=M/(As･j･d)=" + nf(u.mNmm, fmt::kDesignValue) + "/(" + f3(as) + "×" +
                          nf(p.leverArmRatio[loc], fmt::kSectionProperty) + "×" + nf(u.dMm, fmt::kDepthMm) + ")=" +
                          nf(p.rebarStress[loc], fmt::kSectionProperty) + "N/mm2",
                      passed ? blanks(33) + "<σsa=" + allow + "  " + page::kPassed : blanks(33) + ">σsa=" + allow});
}

// The shear check in the form of the design standard; nothing without a standard.
void shearCheck(const Program& p, plat::Surface& s, int loc, const Display& u) {
    const DesignChoices choices = designChoices(p);
    std::string formula;
    if (choices.building()) {
        formula = blanks(19) + "τc=S/(b･j･d)=" + nf(p.designShear[loc], fmt::kDesignValue) + "/(1000×" +
                  nf(p.leverArmRatio[loc], fmt::kSectionProperty) + "×" + nf(u.dMm, fmt::kDepthMm) + ")=" +
                  nf(p.shearStress[loc], fmt::kSectionProperty) + "N/mm2";
    } else if (choices.road()) {
        formula = blanks(19) + "τc=S/(b･d)=" + nf(p.designShear[loc], fmt::kDesignValue) + "/(1000×" +
                  nf(u.dMm, fmt::kDepthMm) + ")=" + nf(p.shearStress[loc], fmt::kSectionProperty) + "N/mm2";
    } else {
        return;
    }
    const bool passed = page::passesAtMost(p.shearStress[loc], p.allowShear);
    const std::string allow = nf(p.allowShear, fmt::kSectionShearAllow) + "N/mm2";
    page::printCheck(p, s, passed,
                     {blanks(17) + "・コンクリートのせん断応力度", formula,
                      passed ? blanks(32) + "<τca=" + allow + "  " + page::kPassed : blanks(32) + ">τca=" + allow});
}

}  // namespace

void printCheckBlock(const Program& p, plat::Surface& s, int loc) {
    // The slab centre carries no shear: no bond line and no shear check there.
    const bool shear = checkLocationOf(loc).shear;
    s.print(blanks(18) + "D=" + nf(p.memberThickness[loc], fmt::kEffectiveDepth) + "cm    d=" +
            nf(p.effectiveDepth[loc], fmt::kEffectiveDepth) + "cm    j=" + nf(p.leverArm[loc], fmt::kSectionProperty) +
            "cm");

    s.print(blanks(17) + "at=M/(ft･j)=" + nf(p.designMoment[loc], fmt::kDesignValue) + "/(" +
            nf(100.0 * p.rebarAllow, fmt::kSectionRebarAllow) + "×" + nf(p.leverArm[loc], fmt::kSectionProperty) + ")=" +
            f3(p.requiredSteelArea[loc]) + "cm2/m");
    if (shear)
        s.print(blanks(17) + "φ=S/(fa･j)=" + nf(p.designShear[loc], fmt::kDesignValue) + "/(" +
                nf(100.0 * p.allowBond, fmt::kSectionBondAllow) + "×" + nf(p.leverArm[loc], fmt::kSectionProperty) + ")=" +
                f3(p.requiredPerimeter[loc]) + "cm/m");
    s.print("");

    const std::string& bar = p.barName[loc];
    // Without load no spacing is required by strength.
    const bool withoutLoad = p.designMoment[loc] == 0 && (!shear || p.designShear[loc] == 0);
    const std::string computed = withoutLoad ? kNoValue : nf(std::floor(p.computedSpacing[loc]), fmt::kDesignValue);
    s.print(blanks(17) + "配筋 " + bar + "-" + computed + "@  -----> ∴ " + bar +
            "-" + nf(p.designSpacing[loc], fmt::kDesignValue) + "@  とする");
    s.print(blanks(16) + "───────────────────────");
    page::emptyLines(s, spacingOf(loc).afterBars);

    // Without a design spacing no steel area is provided: the ratios and stresses that
    // follow would belong to no arrangement, so the section ends with its bars.
    if (p.designSpacing[loc] > 0) {
        const Display u{num::store(10.0 * p.effectiveDepth[loc]), num::store(10.0 * p.designMoment[loc])};
        const double as = 100.0 * num::div(1000.0, p.designSpacing[loc]) * p.barArea[loc];
        const std::string ratio = nf(p.steelRatio[loc], fmt::kSteelRatio);
        s.print(blanks(17) + "n=15    b=100cm");
        s.print(blanks(17) + "p=As/(b･d)=" + f3(as) + "/(1000×" + nf(u.dMm, fmt::kDepthMm) + ")=" + ratio);
        s.print(blanks(17) + "k=sqr{2n･p＋(n･p)^2}－n･p=sqr{2×15×" + ratio + "＋(15×" + ratio + ")^2}－15×" + ratio +
                "=" + nf(p.neutralAxisRatio[loc], fmt::kSectionProperty));
        s.print(blanks(17) + "j=1－(K/3)=1－(" + nf(p.neutralAxisRatio[loc], fmt::kSectionProperty) + "/3)=" +
                nf(p.leverArmRatio[loc], fmt::kSectionProperty));
        s.print("");
        concreteCheck(p, s, loc, u);
        s.print("");
        steelCheck(p, s, loc, u, as);
        if (shear) {
            s.print("");
            shearCheck(p, s, loc, u);
        }
    }
    page::emptyLines(s, spacingOf(loc).afterBlock);
}

void printRefusedBlock(const Program& p, plat::Surface& s, int loc) {
    page::printCheck(p, s, false, {blanks(18) + Form7::kRefusedReason + "  ∴NG"});
    const BlockSpacing spacing = spacingOf(loc);
    page::emptyLines(s, spacing.afterBars + spacing.afterBlock);
}

}  // namespace section_pages
