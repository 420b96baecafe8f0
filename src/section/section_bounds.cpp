#include "section/section_bounds.h"

#include "section/section_screen.h"

std::vector<BoundedBox> sectionBoundedBoxes(Form7& screen) {
    // An empty KA is asked for when a bar is chosen; the inertia height counts while it
    // can be typed.
    return {
        {&screen.txt_ka, "主働土圧係数", bounds::kCoefficientPositive, !screen.txt_ka.text().empty()},
        {&screen.txt_1, "上載荷重の慣性力の作用位置", bounds::kLengthOrNone,
         screen.txt_1.visible() && screen.txt_1.enabled()},
    };
}

bool sectionBoxesDescribeAWall(Program& program, Form7& screen) {
    return !refuseOutOfBounds(program, sectionBoundedBoxes(screen));
}

std::vector<BoundedBox> designSpacingBoxes(Form7& screen) {
    std::vector<BoundedBox> bounded;
    for (const Form7::Row& row : screen.rows())
        bounded.push_back({&row.design, "設計上の鉄筋の間隔", bounds::kSpacing,
                           row.design.visible() && !screen.refusedRow(row.loc) && !row.design.text().empty()});
    return bounded;
}
