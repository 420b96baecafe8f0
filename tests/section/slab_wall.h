// A stability result from which the slab model and the spacings can be computed: a 4 m
// base (toe 0.5, front wall 0.4, span 2.3, rear wall 0.4 upright, heel 0.4), a slab of
// 0.4 m and 2.5 m of back soil, under σmax = 60 kN/m2 with e = 0.1 m.
#pragma once
#include "common/program.h"

inline void placeSlabWall(Program& prog) {
    prog.sigmaMax = 60;
    prog.eccentricity = 0.1f;
    prog.baseWidth = 4;
    prog.toeLength = 0.5f;
    prog.frontWallBottomWidth = 0.4f;
    prog.innerSpan = 2.3f;
    prog.rearWallBottomWidth = 0.4f;
    prog.rearWallTopWidth = 0.4f;
    prog.heelLength = 0.4f;
    prog.slabThickness = 0.4f;
    prog.backSoilHeight = 2.5f;
}
