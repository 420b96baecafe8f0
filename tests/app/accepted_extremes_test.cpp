// The least and the most that the boxes accept still make a wall whose every figure can
// be shown and printed: no label, box or printed line carries a number of more than 15
// significant digits (Kh 1e-30 once gave a 34-digit spacing, φB 89.9999 a 15-digit
// resistance on the panel).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/program_snapshot.h"

namespace {

// The digits of the longest number in the text, leading zeros left out ("0.0100" has 3).
int longestNumber(const std::string& text) {
    int longest = 0, digits = 0;
    bool leading = true;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            if (ch != '0' || !leading) {
                leading = false;
                ++digits;
            }
        } else if (ch != '.' && ch != ',') {
            longest = std::max(longest, digits);
            digits = 0;
            leading = true;
        }
    }
    return std::max(longest, digits);
}

TEST(LongestNumber, CountsSignificantDigits) {
    EXPECT_EQ(longestNumber("Kh=0.0100"), 3);
    EXPECT_EQ(longestNumber("-429871901704192.000 and 12"), 18);
    EXPECT_EQ(longestNumber("1,234.5"), 5);
    EXPECT_EQ(longestNumber("ＯＫ"), 0);
}

struct Extreme {
    const char* name;
    fixture::Wall wall;
    // What is changed on the design-conditions screen of the entered wall.
    std::function<void(Program&, ScriptedServices&)> change;
};

// The seismic dialog opened from its button, its horizontal box set, "ＯＫ".
void seismicKh(Program& p, ScriptedServices& s, const char* kh) {
    s.modalScripts.push_back([kh](plat::Form& f) {
        auto& d = static_cast<Form25&>(f);
        d.Text1.setText(kh);
        d.cmd1.press();
    });
    p.form<Form3>().cmd4.press();
}

// φB at the end of its range, μ = tan φB computed from it.
void foundationPhi(Program& p, const char* phi) {
    Form3& c = p.form<Form3>();
    c.txt11.setText(phi);
    c.opt6.setValue(false);
    c.opt6.userClick();
}

const Extreme kExtremes[] = {
    {"Kho 0.01, road", fixture::Wall::InclinedRear,
     [](Program& p, ScriptedServices& s) {
         seismicKh(p, s, "0.01");
         // δ and KA follow the new coefficient: both computed again.
         p.form<Form3>().cmd7.press();
         p.form<Form3>().cmd6.press();
     }},
    {"Kh 0.01, building", fixture::Wall::TwoSidedSeismic,
     [](Program& p, ScriptedServices& s) {
         seismicKh(p, s, "0.01");
         // δ and KA follow the new coefficient: both computed again.
         p.form<Form3>().cmd7.press();
         p.form<Form3>().cmd6.press();
     }},
    {"φB 60°, with key", fixture::Wall::HeelToeKey, [](Program& p, ScriptedServices&) { foundationPhi(p, "60"); }},
    {"φ 60°, δ 60°", fixture::Wall::HeelToeKey,
     [](Program& p, ScriptedServices&) {
         Form3& c = p.form<Form3>();
         c.txt8.setText("60");
         c.txt10.setText("60");
         c.txt12.setText("60");
         c.cmd6.press();
     }},
    {"tiny surcharges, cohesion and μ", fixture::Wall::HeelToeKey,
     [](Program& p, ScriptedServices&) {
         Form3& c = p.form<Form3>();
         c.txt14.setText("1e-30");
         c.txt9.setText("1e-30");
         Form4& d = p.form<Form4>();
         d.txt21.setText("1e-30");
         d.txt22.setText("1e-30");
         d.txt23.setText("1e-30");
     }},
    {"KA 0.01 typed", fixture::Wall::HeelToeKey,
     [](Program& p, ScriptedServices&) {
         Form3& c = p.form<Form3>();
         c.cmd5.press();
         c.txt15.setText("0.01");
     }},
};

TEST(AcceptedExtremes, EveryFigureCanBeShownAndPrinted) {
    for (const Extreme& e : kExtremes) {
        ProgramWithMainWindow run;
        Program& p = run.prog;
        fixture::enterWall(p, e.wall);
        e.change(p, run.svc);
        p.form<Form3>().cmd3.press();
        p.form<Form23>().cmd1.press();
        fixture::checkStability(p);
        fixture::openSections(p);
        fixture::chooseBars(p);
        fixture::checkSections(p);
        EXPECT_TRUE(run.svc.messages.empty()) << e.name << ": " << run.svc.messages[0].text;
        ASSERT_TRUE(p.hasResult()) << e.name;
        for (const std::string& line : snapshot::contents(p))
            EXPECT_LE(longestNumber(line), 15) << e.name << ": " << line;
        const std::vector<std::string> pages = snapshot::printedReport(p, run.svc);
        EXPECT_FALSE(pages.empty()) << e.name;
        for (const std::string& line : pages) EXPECT_LE(longestNumber(line), 15) << e.name << ": " << line;
    }
}

}  // namespace
