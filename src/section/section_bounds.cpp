#include "section/section_bounds.h"

#include <vector>

#include "common/entry_bounds.h"
#include "section/section_screen.h"

bool sectionBoxesDescribeAWall(Program& program, Form7& screen) {
    // An empty KA is asked for when a bar is chosen; the inertia height counts while it
    // can be typed.
    const std::vector<BoundedBox> bounded = {
        {&screen.txt_ka, "主働土圧係数", bounds::kCoefficientPositive, !screen.txt_ka.text().empty()},
        {&screen.txt_1, "上載荷重の慣性力の作用位置", bounds::kLengthOrNone,
         screen.txt_1.visible() && screen.txt_1.enabled()},
    };
    return !refuseOutOfBounds(program, bounded);
}
