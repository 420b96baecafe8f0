// The block that closes every section of the section check pages: member dimensions,
// required steel and bond perimeter, the chosen bars, the steel ratio and the stress
// checks of concrete compression, steel tension and concrete shear.
#pragma once

class Program;
namespace plat {
class Surface;
}

namespace section_pages {

// Prints the block of check location loc (1, 2, 5 to 10) at the current print position,
// with rebarAllow as the page table's step set it for the location's bar.
void printCheckBlock(const Program& program, plat::Surface& s, int loc);
// In place of the forces and the block of a location whose section forces the ground
// reaction does not give: one line, judged NG.
void printRefusedBlock(const Program& program, plat::Surface& s, int loc);

}  // namespace section_pages
