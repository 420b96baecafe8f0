// The program as it starts, for tests: scripted services, every form registered and the
// main window loaded. Most screen tests start from here; a test that needs a second run of
// the program inside it makes another ProgramWithMainWindow. A computed stability result is
// fixture::placeStability (support/fixture_walls.h); one put in place by hand,
// fixture::standStabilityResult (support/standing_results.h).
#pragma once
#include <gtest/gtest.h>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "support/scripted_services.h"

struct ProgramWithMainWindow {
    ProgramWithMainWindow() {
        registerForms(prog);
        main = &prog.form<MDIForm1>();
    }
    ProgramWithMainWindow(const ProgramWithMainWindow&) = delete;
    ProgramWithMainWindow& operator=(const ProgramWithMainWindow&) = delete;

    ScriptedServices svc;
    Program prog{svc};
    MDIForm1* main = nullptr;
};

// The same as a test fixture.
class ProgramTest : public ::testing::Test, public ProgramWithMainWindow {};
