#include "stability/dimension_screen.h"

Form4::Form4(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    setSize(10920, 6870);
}

void Form4::Form_Load() { program_.currentScreen = 2; }

void Form4::Form_Activate() { program_.currentScreen = 2; }
