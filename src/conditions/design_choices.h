// The design choices of a wall in words: the standard, the load case, the ground shape and
// the seismic method. They are read from the option buttons each time they are asked for,
// since an option can change without an event (a project being opened, a reset), so no
// copy can go stale.
#pragma once
#include "common/program.h"

enum class Standard { None, Building, Road };
enum class LoadCase { None, Normal, Seismic };
enum class GroundShape { None, OneSided, Symmetric };
// K1: horizontal seismic coefficient on the wall's own weight only; K2 and D1 also work
// with the heights of the parts (K2 by coefficient, D1 by the seismic earth pressure).
enum class SeismicMethod { None, K1, K2, D1 };

struct DesignChoices {
    Standard standard = Standard::None;
    LoadCase loadCase = LoadCase::None;
    GroundShape groundShape = GroundShape::None;
    SeismicMethod seismicMethod = SeismicMethod::None;

    bool building() const { return standard == Standard::Building; }
    bool road() const { return standard == Standard::Road; }
    bool normal() const { return loadCase == LoadCase::Normal; }
    bool seismic() const { return loadCase == LoadCase::Seismic; }
    bool oneSided() const { return groundShape == GroundShape::OneSided; }
    bool symmetric() const { return groundShape == GroundShape::Symmetric; }
    // The seismic methods that work with the heights of the parts.
    bool withHeights() const { return seismicMethod == SeismicMethod::K2 || seismicMethod == SeismicMethod::D1; }
};

// The choices on the screens now; loads a screen that is not loaded yet.
DesignChoices designChoices(Program& program);
// The same without loading anything: a screen that is not loaded has no choice made.
DesignChoices designChoices(const Program& program);
// The ground shape alone; loads the ground-shape step only, since loading the design
// conditions moves the current screen.
GroundShape groundShape(Program& program);
