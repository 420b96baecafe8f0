// How far right a drawing reaches: the end of its rightmost line or text.
#pragma once
#include <algorithm>

#include "platform/surface.h"

// Of what was drawn above y `below` (twips).
inline double rightmostX(const plat::RecordingSurface& drawn, double below) {
    double right = 0;
    for (const plat::DrawOp& op : drawn.ops()) {
        if (op.y1 >= below) continue;
        if (op.kind == plat::DrawOp::Line) right = std::max({right, op.x1, op.x2});
        if (op.kind == plat::DrawOp::Text) {
            plat::RecordingSurface measure;
            measure.setFont(op.fontName, op.fontSize);
            right = std::max(right, op.x1 + measure.textWidth(op.text));
        }
    }
    return right;
}
