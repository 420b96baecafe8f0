// A program with the main window and the design-conditions screen shown, and helpers
// that observe the results the screen invalidates.
#pragma once
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "common/program.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/seismic_dialog.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

class DesignConditionsTest : public ProgramTest {
protected:
    void SetUp() override {
        screen = &prog.form<Form3>();
        screen->show();
    }

    Form3& f() { return *screen; }

    // A user's click into an unfocused box: the focus arrives, then the click.
    static void click(plat::TextBox& box) {
        box.setFocus();
        if (box.Click) box.Click();
    }

    // Stability and section results exist and the section check counts, saving and
    // printing are on.
    void makeResultsValid() {
        fixture::standStabilityResult(prog);
        prog.form<Form4>().lbl57.setVisible(true);
        for (ToolbarButton command : kReportCommandButtons) button(*prog.mainToolbar(), command).enabled = true;
        prog.form<Form7>().lbl1.setCaption("O.K");
        fixture::standSectionCheck(prog);
    }
    bool stabilityInvalid() { return prog.sigmaMax == 0 && !prog.form<Form4>().lbl57.visible(); }
    bool toolbarOff() { return !button(*prog.mainToolbar(), ToolbarButton::Save).enabled; }
    bool sectionCleared() { return prog.form<Form7>().lbl1.caption().empty(); }
    // The section check no longer counts; the rows stay for the next hand-over to compare
    // with the new stability result.
    bool checkDroppedRowsKept() { return !prog.checkCurrent() && !sectionCleared(); }

    bool focused(const plat::Control& c) { return screen->activeControl() == &c; }
    static bool allSelected(const plat::TextBox& box) {
        return box.selStart() == 0 && box.selText() == box.text();
    }

    // The last message box: its text, with the error title checked.
    std::string lastError() {
        if (svc.messages.empty()) return "";
        EXPECT_EQ(svc.messages.back().title, "エラーメッセージ");
        return svc.messages.back().text;
    }

    // Every input of the screen filled under the standard, normal load case.
    void fillAll(Standard standard = Standard::Building) {
        if (standard == Standard::Road)
            f().opt_D.userClick();
        else
            f().opt_T.userClick();
        f().txt1.setText("東京都");
        f().txt2.setText("24");
        f().txt3.setText("200");
        f().txt4.setText("100");
        f().txt5.setText("18");
        f().txt6.setText("24");
        f().cbo1.setListIndex(2);
        f().txt8.setText("30");
        f().txt10.setText("20");
        f().txt12.setText("15");
        f().cbo2.setListIndex(2);
        // Cohesion considered, so that its box is asked for and judged.
        f().opt7.setValue(true);
        f().txt14.setText("0");
        f().txt11.setText("30");
        f().txt9.setText("0.5");
        f().txt15.setText("0.297");
    }

    // The seismic case through "地震時" and the dialog's "ＯＫ" with the given method.
    void seismic(plat::OptionButton Form25::*method, const char* kh, const char* kv,
                 plat::OptionButton Form25::*region = nullptr) {
        f().cmd2.press();
        svc.modalScripts.push_back([=](plat::Form& d) {
            auto& dialog = static_cast<Form25&>(d);
            (dialog.*method).userClick();
            dialog.Text1.setText(kh);
            dialog.Text2.setText(kv);
            if (region) (dialog.*region).userClick();
            dialog.cmd1.press();
        });
        f().cmd4.press();
    }

    Form3* screen = nullptr;
};
