// The print run: the pages of the chosen print range on the printer, one sheet a page,
// each optionally numbered at its foot.
#pragma once
#include "common/program.h"

namespace report {

// The print run started by the print-range dialog's OK (the dialog is hidden by then).
// A range whose pages may not be made is refused before the printer dialog. A job that
// cannot start, a fault in a page and a job that fails end the run with one message; the
// job is then abandoned whole.
void FilePrint(Program& program);

// The page number at the foot of a sheet: "－ 12 －".
std::string pageNumberText(float number);

}  // namespace report
