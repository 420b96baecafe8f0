// The report commands of the main window: the print preview and the print-range dialog.
#include "app/main_window.h"
#include "report/page_navigation.h"
#include "report/print_range_dialog.h"

void MDIForm1::FileImage() { report::openPreview(program_); }

void MDIForm1::Men_FPrn_Click() { report::showPrintRange(program_); }
