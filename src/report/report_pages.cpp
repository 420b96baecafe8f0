#include "report/report_pages.h"

#include <stdexcept>

#include "conditions/conditions_screen.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"

namespace report {

namespace {

std::array<ProcEntry, kProcCount> makeProcedures() {
    return {{
        {"Form3.HENSUU", [](Program& p) { p.form<Form3>().HENSUU(); }},
        {"Form4.DANMEM_1", [](Program& p) { p.form<Form4>().DANMEM_1(); }},
        {"Form3.Ippan", [](Program& p) { p.form<Form3>().Ippan(); }},
        {"Form4.KEIJYOU", [](Program& p) { p.form<Form4>().KEIJYOU(); }},
        {"Form4.JIJYUU", [](Program& p) { p.form<Form4>().JIJYUU(); }},
        {"Form4.Doatu", [](Program& p) { p.form<Form4>().Doatu(); }},
        {"Form4.Doatu2", [](Program& p) { p.form<Form4>().Doatu2(); }},
        {"Form4.KENTOU", [](Program& p) { p.form<Form4>().KENTOU(); }},
        {"Form7.HAIKIN", [](Program& p) { p.form<Form7>().HAIKIN(); }},
        {"Form7.HAIKIN_A", [](Program& p) { p.form<Form7>().HAIKIN_A(); }},
        {"Form7.HAIKIN_B", [](Program& p) { p.form<Form7>().HAIKIN_B(); }},
        {"Form7.HAIKIN_E", [](Program& p) { p.form<Form7>().HAIKIN_E(); }},
        {"Form7.HAIKIN_F", [](Program& p) { p.form<Form7>().HAIKIN_F(); }},
        {"Form7.HAIKIN_G", [](Program& p) { p.form<Form7>().HAIKIN_G(); }},
        {"Form7.HAIKIN_H", [](Program& p) { p.form<Form7>().HAIKIN_H(); }},
        {"Form7.HAIKIN_I", [](Program& p) { p.form<Form7>().HAIKIN_I(); }},
        {"Form7.HAIKIN_J", [](Program& p) { p.form<Form7>().HAIKIN_J(); }},
    }};
}

std::vector<Proc> page8Writers(Members m) {
    std::vector<Proc> w{Proc::HAIKIN_G};
    if (m.heel)
        w.push_back(Proc::HAIKIN_H);
    else if (m.toe)
        w.push_back(Proc::HAIKIN_I);
    else if (m.key)
        w.push_back(Proc::HAIKIN_J);
    return w;
}

// The sections that page 8 did not take.
std::vector<Proc> page9Writers(Members m) {
    if (!page9Exists(m)) return {};
    if (m.toe && !m.key) return {Proc::HAIKIN_I};
    if (m.key && !m.toe) return {Proc::HAIKIN_J};
    if (m.heel) return {Proc::HAIKIN_I, Proc::HAIKIN_J};
    return {Proc::HAIKIN_J};
}

const std::array<ReportPage, kPageCount> kPages{{
    {1, "Form1", [](Members) { return std::vector<Proc>{Proc::Ippan}; }},
    {2, "Form2", [](Members) { return std::vector<Proc>{Proc::KEIJYOU, Proc::JIJYUU}; }},
    {3, "Form5", [](Members) { return std::vector<Proc>{Proc::Doatu, Proc::Doatu2}; }},
    {4, "Form18", [](Members) { return std::vector<Proc>{Proc::KENTOU}; }},
    {5, "Form6", [](Members) { return std::vector<Proc>{Proc::HAIKIN}; }},
    {6, "Form8", [](Members) { return std::vector<Proc>{Proc::HAIKIN_A, Proc::HAIKIN_B}; }},
    {7, "Form16", [](Members) { return std::vector<Proc>{Proc::HAIKIN_E, Proc::HAIKIN_F}; }},
    {8, "Form17", page8Writers},
    {9, "Form20", page9Writers},
}};

}  // namespace

std::array<ProcEntry, kProcCount>& procedures() {
    static std::array<ProcEntry, kProcCount> table = makeProcedures();
    return table;
}

const char* procName(Proc proc) { return procedures()[static_cast<int>(proc)].name; }

void runProc(Program& program, Proc proc) {
    // A copy: a writer may replace table entries while it runs (tests do).
    auto run = procedures()[static_cast<int>(proc)].run;
    if (run) run(program);
}

Members members(const Program& program) {
    return Members{program.heelLength != 0.0f, program.toeLength != 0.0f, program.keyHeight != 0.0f};
}

bool page9Exists(Members m) { return int(m.heel) + int(m.toe) + int(m.key) >= 2; }

const std::array<ReportPage, kPageCount>& reportPages() { return kPages; }

const ReportPage& reportPage(int page) {
    if (page < 1 || page > kPageCount) throw std::out_of_range("no report page " + std::to_string(page));
    return kPages[page - 1];
}

std::vector<Proc> pageWriters(int page, Members m) { return reportPage(page).writers(m); }

void runWriters(Program& program, int page) {
    for (Proc proc : pageWriters(page, members(program))) runProc(program, proc);
}

std::optional<Proc> refreshFor(int page, Entry entry) {
    switch (entry) {
        case Entry::Opened:
            if (page == 2 || page == 5) return Proc::DANMEM_1;
            break;
        case Entry::FromBefore:
            if (page == 2 || page == 4) return Proc::DANMEM_1;
            break;
        case Entry::FromAfter:
            if (page == 1) return Proc::HENSUU;
            if (page == 4) return Proc::DANMEM_1;
            break;
    }
    return std::nullopt;
}

}  // namespace report
