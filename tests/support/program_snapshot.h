// What an engineer sees of a project and what the program prints from it, for comparing
// two runs of the program: the controls of every form the project file holds, and every
// page of the printed report.
#pragma once
#include <string>
#include <vector>

#include "common/program.h"
#include "support/scripted_services.h"

namespace snapshot {

// One line per control of the project's forms: its text, caption, choice, state or list
// position, whether it is shown and enabled, and its colour.
std::vector<std::string> controls(Program& p);
// The same lines with the content alone: what a project typed in and the same project
// opened from its file have in common (the open sets shown and enabled states its own way).
std::vector<std::string> contents(Program& p);

// Every report page as the print run draws it, printed through the File menu with every
// page chosen; empty when nothing was printed. Leaves no script of its own queued.
std::vector<std::string> printedReport(Program& p, ScriptedServices& s);

// File > 開く and File > 名前を付けて保存, with the file dialog answering `path`.
void openThroughMenu(Program& p, ScriptedServices& s, const std::string& path);
void saveAsThroughMenu(Program& p, ScriptedServices& s, const std::string& path);

}  // namespace snapshot
