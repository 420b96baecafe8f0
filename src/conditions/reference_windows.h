// Form9 and Form10: the reference tables of the road and the building standard.
#pragma once
#include "common/program.h"
#include "platform/form.h"

class Form9 : public plat::Form {
public:
    static constexpr const char* kName = "Form9";
    explicit Form9(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild) {}
};

class Form10 : public plat::Form {
public:
    static constexpr const char* kName = "Form10";
    explicit Form10(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild) {}
};
