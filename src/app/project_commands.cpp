// The project-file and report commands of the main window. They arrive with the project
// file and the report; until then the menu items and toolbar buttons lead here.
#include "app/main_window.h"

void MDIForm1::FileOpen() {}
void MDIForm1::FileUpdate() {}
void MDIForm1::Men_FSav_Click() {}
void MDIForm1::FileImage() {}
void MDIForm1::Men_FPrn_Click() {}
