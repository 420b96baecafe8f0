// Makes every form of the program known by name ("Form3"), for tables that address controls by
// name, lets the owners of the results register how to drop them, and gives the lower floors
// the main window's toolbar and menus.
#pragma once

class Program;

void registerForms(Program& program);
