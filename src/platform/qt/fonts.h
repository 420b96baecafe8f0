// The program's font names mapped to the IPA fonts installed here, which have the same
// character widths, so that blank-indented text still lines up.
#pragma once
#include <QFont>
#include <QString>
#include <string>

#include "platform/controls.h"

namespace plat::qt {

// Registers the IPA font files with Qt and the name substitutions; call once at start-up.
void registerFonts();
// The installed family that stands in for one of the program's font names.
QString mappedFamily(const std::string& name);
// A font in points, on the screen or on the given paint device.
QFont toQFont(const std::string& name, double points, bool bold);
QFont toQFont(const plat::Font& font);

}  // namespace plat::qt
