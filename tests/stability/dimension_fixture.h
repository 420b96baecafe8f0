// The dimension screen shown by the ground-shape step, over a wall whose stability
// values were worked out independently (base 4.0 m, F = 17.752, σmax = 60.010 kN/m2,
// sliding F = 3.680), with helpers that observe the results the screen invalidates.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/design_values.h"
#include "support/program_fixture.h"
#include "support/choice_input.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

class DimensionFixture : public ProgramTest {
protected:
    Form4& f() { return prog.form<Form4>(); }
    plat::TextBox& box(const std::string& name) { return static_cast<plat::TextBox&>(*f().control(name)); }

    // Design conditions as the calculation reads them; the seismic case with method K1.
    void conditions(LoadCase load = LoadCase::Normal, Standard standard = Standard::Building) {
        choice_input::setDesignChoices(prog, {standard, load, GroundShape::None,
                                              load == LoadCase::Seismic ? SeismicMethod::K1 : SeismicMethod::None});
        fixture::setDesignValues(prog);
    }

    // Chooses the shape and lets the ground-shape step show and lay out the screen.
    void layOut(GroundShape shape) {
        Form23& step = prog.form<Form23>();
        (shape == GroundShape::OneSided ? step.opt1 : step.opt2).setValue(true);
        step.cmd1.press();
    }

    // Every box of the screen filled for the wall of this fixture.
    void fillWall() { screen_input::typeWall(f()); }

    // One-sided wall, normal case, every choice made: the check runs through.
    void readyOneSided() {
        conditions();
        layOut(GroundShape::OneSided);
        fillWall();
        f().opt1.setValue(true);
        f().Frame2.setVisible(true);
        f().opt3.setValue(true);
        prog.form<Form14>().opt1.setValue(true);
        svc.clear();
    }

    // Stability and section results exist, saving and printing are on.
    void makeResultsValid() {
        fixture::standStabilityResult(prog);
        f().lbl57.setVisible(true);
        for (ToolbarButton command : kReportCommandButtons) button(*prog.mainToolbar(), command).enabled = true;
        prog.form<Form7>().lbl1.setCaption("O.K");
    }
    bool stabilityInvalid() { return prog.sigmaMax == 0 && !f().lbl57.visible(); }
    bool toolbarOff() {
        plat::Toolbar& t = *prog.mainToolbar();
        return !button(t, ToolbarButton::Save).enabled && !button(t, ToolbarButton::Preview).enabled &&
               !button(t, ToolbarButton::Print).enabled;
    }
    bool sectionCleared() { return prog.form<Form7>().lbl1.caption().empty(); }
    bool nothingInvalidated() {
        return prog.sigmaMax == fixture::kStandingSigmaMax && f().lbl57.visible() &&
               button(*prog.mainToolbar(), ToolbarButton::Save).enabled && !sectionCleared();
    }

    // A user's click into an unfocused box: the focus arrives, then the click.
    static void click(plat::TextBox& b) {
        b.setFocus();
        if (b.Click) b.Click();
    }
    bool focused(const plat::Control& c) { return f().activeControl() == &c; }
};
