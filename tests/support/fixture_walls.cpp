#include "support/fixture_walls.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/screen_input.h"

namespace fixture {

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

void type(plat::Form& form, const Texts& texts) {
    for (const auto& [name, text] : texts) static_cast<plat::TextBox*>(form.control(name))->setText(text);
}

}  // namespace

std::string name(Wall wall) {
    switch (wall) {
        case Wall::HeelToeKey: return "heel, toe and key";
        case Wall::RoadSeismic: return "road standard, seismic";
        case Wall::TwoSided: return "two-sided";
        case Wall::TwoSidedSeismic: return "two-sided, seismic";
        case Wall::FrontTaller: return "front wall taller";
        case Wall::InclinedRear: return "inclined rear face";
        case Wall::TallFront: return "front wall 4.4 m";
        case Wall::BatteredRear: return "battered rear face, K1";
        case Wall::NarrowParts: return "narrow parts along the base";
        case Wall::NarrowSpan: return "800 mm span with fill and surcharge";
        case Wall::TallThin: return "10 m walls, thin rear wall";
        case Wall::ResultantBehindToe: return "resultant behind the toe end";
    }
    return "?";
}

DesignChoices choices(Wall wall) {
    switch (wall) {
        case Wall::HeelToeKey: return {Standard::Building, LoadCase::Normal, GroundShape::OneSided};
        case Wall::RoadSeismic: return {Standard::Road, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::K2};
        case Wall::TwoSided: return {Standard::Building, LoadCase::Normal, GroundShape::Symmetric};
        case Wall::TwoSidedSeismic:
            return {Standard::Building, LoadCase::Seismic, GroundShape::Symmetric, SeismicMethod::K1};
        case Wall::FrontTaller: return {Standard::Building, LoadCase::Normal, GroundShape::OneSided};
        case Wall::InclinedRear: return {Standard::Road, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::D1};
        case Wall::TallFront: return {Standard::Building, LoadCase::Normal, GroundShape::OneSided};
        case Wall::BatteredRear:
            return {Standard::Building, LoadCase::Seismic, GroundShape::OneSided, SeismicMethod::K1};
        case Wall::NarrowParts:
        case Wall::NarrowSpan:
        case Wall::TallThin:
        case Wall::ResultantBehindToe: return {Standard::Building, LoadCase::Normal, GroundShape::OneSided};
    }
    return {};
}

void enterConditions(Program& p, Wall wall) {
    p.form<MDIForm1>().FileNew();
    const DesignChoices w = choices(wall);
    Form3& c = p.form<Form3>();
    (w.road() ? c.opt_D : c.opt_T).userClick();
    if (w.seismic()) {
        c.cmd2.press();
        // The seismic dialog: the wall's method, Kho 0.2 in region A, Kv 0.
        Form25& d = p.form<Form25>();
        switch (w.seismicMethod) {
            case SeismicMethod::K1: d.opt_K1.userClick(); break;
            case SeismicMethod::D1: d.opt_D1.userClick(); break;
            default: d.opt_K2.userClick(); break;
        }
        d.Text1.setText("0.2");
        d.Text2.setText("0");
        d.opt_A.userClick();
        d.cmd1.press();
    }
    type(c, {{"txt1", "東京都江東区"}, {"txt2", w.road() ? "24" : "21"}, {"txt3", w.road() ? "180" : "195"},
             {"txt4", "200"}, {"txt5", "18"}, {"txt6", "24.5"}, {"txt8", "30"}, {"txt10", "20"}, {"txt12", "15"},
             {"txt11", "30"}, {"txt9", "0.5"}});
    if (w.seismic()) type(c, {{"txt13", "300"}});
    c.cbo1.setListIndex(2);
    c.cbo2.setListIndex(2);
    c.opt8.userClick();
    c.opt5.userClick();
    type(c, {{"txt9", "0.5"}});
    if (wall == Wall::TwoSidedSeismic || wall == Wall::InclinedRear) c.cmd7.press();  // δ computed
    c.cmd6.press();  // KA computed
    c.cmd3.press();
    Form23& shape = p.form<Form23>();
    (w.symmetric() ? shape.opt2 : shape.opt1).userClick();
    shape.cmd1.press();
}

void enterDimensions(Program& p, Wall wall) {
    Form4& d = p.form<Form4>();
    // The common wall; the symmetric one has no toe and no heel (nor their end thicknesses).
    screen_input::Texts changes;
    if (wall == Wall::TwoSided || wall == Wall::TwoSidedSeismic)
        changes = {{"txt12", "0"}, {"txt16", "0"}, {"txt18", "0"}, {"txt19", "0"}};
    // Front soil 2.5 m with 1.5 m of wall above it, against 2.8 m at the rear.
    if (wall == Wall::FrontTaller) changes = {{"txt4", "2.5"}, {"txt3", "1.5"}};
    // No heel; the rear wall 0.8 m wide at the slab, 0.4 m of it its outer batter.
    if (wall == Wall::InclinedRear) changes = {{"txt16", "0"}, {"txt19", "0"}, {"txt15", "0.8"}};
    if (wall == Wall::TallFront) changes = {{"txt3", "1.2"}, {"txt4", "3.2"}};  // H3, H4
    // A rear wall 0.85 m wide at its foot: 0.45 m of outer batter over 2.4 m, atan 0.1875.
    if (wall == Wall::BatteredRear) changes = {{"txt15", "0.85"}};
    // Toe 0.3, walls 0.4 and 0.45 at the slab, span 1.1, heel 0.4: B 2.65 m.
    if (wall == Wall::NarrowParts)
        changes = {{"txt12", "0.3"}, {"txt13", "0.4"}, {"txt14", "1.1"}, {"txt15", "0.45"}, {"txt16", "0.4"},
                   {"txt7", "0.25"}, {"txt9", "0.25"}};
    if (wall == Wall::NarrowSpan) changes = {{"txt14", "0.8"}, {"txt20", "0.2"}, {"txt22", "20"}};
    // H1 9 and H2 1 at the rear, H4 8 and H3 2 at the front; the rear wall 0.2 at its top
    // with 0.05 of inner batter and 0.05 outside.
    if (wall == Wall::TallThin)
        changes = {{"txt5", "9"}, {"txt6", "1"}, {"txt4", "8"}, {"txt3", "2"}, {"txt9", "0.2"}, {"txt15", "0.3"},
                   {"txt10", "0.05"}};
    // No toe and no heel, walls 0.3 at the slab, span 0.5; H1 4, H4 0.5; q1 50.
    if (wall == Wall::ResultantBehindToe)
        changes = {{"txt14", "0.5"}, {"txt12", "0"}, {"txt18", "0"}, {"txt16", "0"}, {"txt19", "0"}, {"txt13", "0.3"},
                   {"txt15", "0.3"}, {"txt7", "0.2"}, {"txt9", "0.2"}, {"txt5", "4"}, {"txt4", "0.5"}, {"txt21", "50"}};
    screen_input::typeWall(d, changes);
    // Leaving the toe box offers the front-soil choice of a wall with a toe, as on screen.
    d.txt12.setFocus();
    d.txt13.setFocus();
    d.opt1.userClick();
    if (d.Frame2.visible()) (wall == Wall::FrontTaller ? d.opt4 : d.opt3).userClick();
    if (wall == Wall::HeelToeKey) {
        d.opt6.userClick();
        Form19& key = p.form<Form19>();
        key.txt1.setText("0.3");
        key.txt2.setText("1.5");
        key.txt3.setText("0.3");
        key.hide();
    } else {
        d.opt5.userClick();
    }
    if (choices(wall).seismic()) {
        Form21& m = p.form<Form21>();
        m.opt2.setValue(true);
        m.opt5.setValue(true);
        m.opt8.setValue(true);
        m.hide();
    } else {
        Form14& m = p.form<Form14>();
        m.opt1.setValue(true);
        m.opt5.setValue(true);
        m.hide();
    }
}

void checkStability(Program& p) { p.form<Form4>().cmd3.press(); }

void placeStability(Program& p, Wall wall) {
    enterConditions(p, wall);
    enterDimensions(p, wall);
    checkStability(p);
}

void openSections(Program& p) {
    p.form<Form4>().cmd1.press();
    p.form<Form7>().opt2.userClick();
}

void chooseBars(Program& p) {
    Form7& s = p.form<Form7>();
    for (const Form7::Row& row : s.rows())
        if (row.bars.visible()) row.bars.userPick(5);
    for (const Form7::Row& row : s.rows()) {
        if (!row.design.visible()) continue;
        // 200 mm, or the next 10 mm below the computed spacing.
        const double computed = p.computedSpacing[row.loc];
        const double spacing = std::min(200.0, std::floor(computed / 10) * 10);
        row.design.setText(std::to_string(static_cast<int>(spacing)));
    }
}

void checkSections(Program& p) { p.form<Form7>().cmd1.press(); }

void enterWall(Program& p, Wall wall) {
    placeStability(p, wall);
    openSections(p);
    chooseBars(p);
    checkSections(p);
}

}  // namespace fixture
