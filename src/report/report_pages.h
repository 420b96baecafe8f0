// The calculation report's pages: which preview window shows each page, which writers
// fill it and in which order, and what is recomputed before them. The preview and the
// print run both go through this table.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "common/program.h"

namespace report {

// The procedures a page may run: the two refreshes, then the page writers.
enum class Proc {
    HENSUU,
    DANMEM_1,
    Ippan,
    KEIJYOU,
    JIJYUU,
    Doatu,
    Doatu2,
    KENTOU,
    HAIKIN,
    HAIKIN_A,
    HAIKIN_B,
    HAIKIN_E,
    HAIKIN_F,
    HAIKIN_G,
    HAIKIN_H,
    HAIKIN_I,
    HAIKIN_J,
};
inline constexpr int kProcCount = 17;

struct ProcEntry {
    const char* name;
    // Empty while the writer does not exist: its part of the page stays blank.
    std::function<void(Program&)> run;
};

// The one table of refreshes and writers, indexed by Proc.
std::array<ProcEntry, kProcCount>& procedures();
const char* procName(Proc proc);
// Runs the procedure; an empty entry does nothing.
void runProc(Program& program, Proc proc);

// The optional members of the wall that pages 8 and 9 depend on.
struct Members {
    bool heel = false;
    bool toe = false;
    bool key = false;
};
Members members(const Program& program);
// Page 9 exists when at least two of heel, toe and key are present.
bool page9Exists(Members m);

inline constexpr int kPageCount = 9;

struct ReportPage {
    int page;
    const char* window;  // the preview window that shows it
    std::vector<Proc> (*writers)(Members m);
};
const std::array<ReportPage, kPageCount>& reportPages();
const ReportPage& reportPage(int page);
// The writers of a page, in the order they run.
std::vector<Proc> pageWriters(int page, Members m);
// Runs the writers of a page for the wall as it is now.
void runWriters(Program& program, int page);

// How the preview enters a page; each way has its own refresh.
enum class Entry { Opened, FromBefore, FromAfter };
// The refresh that runs before the writers; none when nothing is recomputed.
std::optional<Proc> refreshFor(int page, Entry entry);

}  // namespace report
