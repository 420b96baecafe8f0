// Program-wide values of the base-slab reaction and load model of the section design.
#pragma once

struct SlabModelValues {};
