// The judgement panel and report page 4 give each fixture wall the same verdicts: as
// computed, with every judged value at its limit, and with every one just beyond it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/surface.h"
#include "report/report_pages.h"
#include "stability/dimension_screen.h"
#include "stability/stability_checks.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"

namespace {

using Kind = StabilityCheckKind;

// The panel cell that holds the check's verdict.
plat::Label& panelVerdict(Form4& f, const std::vector<StabilityCheck>& checks, Kind kind) {
    switch (kind) {
        case Kind::Overturning: return f.lbl54;
        case Kind::Resultant:
        case Kind::Eccentricity: return findCheck(checks, Kind::Overturning) ? f.lbl48 : f.lbl54;
        case Kind::Bearing: return f.lbl62;
        case Kind::SlidingKeyless: return f.lbl70;
        case Kind::Sliding:
        case Kind::SlidingWithKey: break;
    }
    return f.lbl66;
}

// Whether a page line judges the check: the first line of its verdict.
bool judges(const std::string& text, Kind kind) {
    const bool partOfBase = text.find(" B/") != std::string::npos;
    switch (kind) {
        case Kind::Overturning: return text.find("転 倒 安 全 率") != std::string::npos;
        case Kind::Eccentricity: return partOfBase && text.find("e=(B/2)－d") != std::string::npos;
        case Kind::Resultant: return text.ends_with("合力の作用位置  d=(Mr－Mo)/ΣV");
        case Kind::Bearing: return text.find("kN/m2  ∴") != std::string::npos || text.find("底版の外") != std::string::npos;
        case Kind::Sliding:
        case Kind::SlidingKeyless: return text.find("滑 動 安 全 率") != std::string::npos;
        case Kind::SlidingWithKey: return text.find("滑動安全率") != std::string::npos;
    }
    return false;
}

// The colour of the page line that judges the check: black passes, colour 13 fails.
bool pagePasses(const plat::RecordingSurface& page, Kind kind, bool& found) {
    found = false;
    for (const plat::DrawOp& op : page.ops()) {
        if (op.kind != plat::DrawOp::Text || !judges(op.text, kind)) continue;
        found = true;
        return op.colour == plat::kBlack;
    }
    return false;
}

float& judgedValue(Program& p, Kind kind) {
    switch (kind) {
        case Kind::Overturning: return p.overturningSafetyFactor;
        case Kind::Resultant: return p.resultantPosition;
        case Kind::Eccentricity: return p.eccentricity;
        case Kind::Bearing: return p.sigmaMax;
        case Kind::Sliding:
        case Kind::SlidingKeyless: return p.slidingSafetyFactor;
        case Kind::SlidingWithKey: break;
    }
    return p.slidingSafetyFactorWithKey;
}

enum class Values { AsComputed, AtLimit, BeyondLimit };

void place(Program& p, const std::vector<StabilityCheck>& checks, Values values) {
    if (values == Values::AsComputed) return;
    for (const StabilityCheck& c : checks) {
        const bool beyond = values == Values::BeyondLimit;
        const float towards = c.direction == Limit::AtLeast ? -1e9f : 1e9f;
        judgedValue(p, c.kind) = beyond ? std::nextafter(c.limit, towards) : c.limit;
    }
}

TEST(StabilityVerdictsTest, PanelAndPageFourAgreeOnEveryFixtureWall) {
    for (fixture::Wall wall : fixture::kAllWalls) {
        for (Values values : {Values::AsComputed, Values::AtLimit, Values::BeyondLimit}) {
            ProgramWithMainWindow run;
            Program& p = run.prog;
            fixture::placeStability(p, wall);
            Form4& f = p.form<Form4>();
            const std::vector<StabilityCheck> checks = stabilityChecks(p, dimensionChoices(p).shearKey);
            place(p, checks, values);
            f.showJudgement();
            plat::RecordingSurface page;
            p.outputSurface = &page;
            report::runWriters(p, 4);

            for (const StabilityCheck& c : checks) {
                const std::string where = fixture::name(wall) + ", check " + std::to_string(int(c.kind)) +
                                          ", values " + std::to_string(int(values));
                bool found = false;
                const bool onPage = pagePasses(page, c.kind, found);
                ASSERT_TRUE(found) << where;
                const bool onPanel = panelVerdict(f, checks, c.kind).foreColor() == plat::kBlack;
                EXPECT_EQ(onPanel, onPage) << where;
                if (values != Values::AsComputed) {
                    // A resultant outside the base fails the bearing check whatever σmax.
                    const bool outside = c.kind == Kind::Bearing && p.bearingOutsideBase;
                    EXPECT_EQ(onPage, values == Values::AtLimit && !outside) << where;
                }
            }
        }
    }
}

}  // namespace
