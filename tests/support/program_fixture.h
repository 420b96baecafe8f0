// The program as it starts, for tests: scripted services, every form registered and the
// main window loaded. Most screen tests start from here; a test that needs a second run of
// the program inside it makes another ProgramWithMainWindow.
#pragma once
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "common/program.h"
#include "support/fixture_walls.h"
#include "support/scripted_services.h"

struct ProgramWithMainWindow {
    ProgramWithMainWindow() {
        prog.registerForms();
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

// A placed stability result: one of the fixture walls entered screen by screen and
// "安定性の検討" run, the dimension screen showing its judgement.
class StabilityResultTest : public ProgramTest {
protected:
    void place(fixture::Wall wall = fixture::Wall::HeelToeKey) { fixture::placeStability(prog, wall); }
};
