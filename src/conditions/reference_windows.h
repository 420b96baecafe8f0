// Form9 and Form10: the reference tables of the road and the building standard, opened
// from the main window's 参考 menu. Fixed texts only; "閉じる" gives the menus back.
#pragma once
#include "common/program.h"
#include "common/fixed_drawing.h"
#include "platform/form.h"

// The tables of the road standard (道路土工－擁壁工指針).
class Form9 : public plat::Form {
public:
    static constexpr const char* kName = "Form9";
    explicit Form9(Program& program);

    plat::CommandButton cmd1{*this, "cmd1"};
    FixedDrawing tables{*this, "tbl"};

    void cmd1_Click();

private:
    Program& program_;
};

// The tables of the building standard (宅地造成等規制法, 建築基準法, 建築基礎構造設計指針).
class Form10 : public plat::Form {
public:
    static constexpr const char* kName = "Form10";
    explicit Form10(Program& program);

    plat::CommandButton cmd1{*this, "cmd1"};
    FixedDrawing tables{*this, "tbl"};

    void cmd1_Click();

private:
    Program& program_;
};
