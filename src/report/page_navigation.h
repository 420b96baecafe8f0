// Showing a report page in its preview window, and the steps from page to page.
#pragma once
#include "common/program.h"
#include "report/preview_window.h"
#include "report/report_pages.h"

namespace report {

// Shows a page in its window and draws it: the canvas becomes the output surface, the
// current window (none while the preview opens) is hidden, the page's window is placed
// at the top left and shown, its canvas cleared, the refresh of this entry run and then
// the page's writers. A calculation that cannot go on stops the drawing with a message.
void showPage(Program& program, PreviewWindow* current, int page, Entry entry);

// Opens the preview at the page of the current input screen; on the section screen, at
// page 5 while its stress check counts and at page 4, the last stability page, before.
void openPreview(Program& program);

}  // namespace report
