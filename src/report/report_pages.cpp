#include "report/report_pages.h"

#include <stdexcept>

#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "report/pages/page_writers.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"

namespace report {

namespace {

using Writer = void (*)(plat::Surface&, const Program&);
using Step = std::function<void(Program&, const plat::Surface&)>;

// The screens a writer reads, loaded before it runs, since a writer only reads: the
// screen whose name the procedure carries (its load step runs as it always did when the
// procedure ran), any other screen whose controls the page reads, the dialogs, and the
// design conditions last, as the page titles always loaded them. The dialogs have no
// load step and read as nothing chosen when fresh, so loading them changes nothing.
template <class... Screens>
void loadScreens(Program& p) {
    (p.form<Screens>(), ...);
    p.form<Form14>();
    p.form<Form21>();
    p.form<Form23>();
    p.form<Form25>();
    p.form<Form3>();
}

// A page writer as the table runs it: its screens loaded, its step, then the writer on
// the output surface. Without a surface nothing is drawn and nothing is changed.
template <class... Screens>
ProcEntry page(const char* name, Writer writer, Step step = nullptr) {
    return {name, [writer, step](Program& p) {
                loadScreens<Screens...>(p);
                if (!p.outputSurface) return;  // nowhere to draw
                plat::Surface& s = *p.outputSurface;
                if (step) step(p, s);
                writer(s, p);
            }};
}

// A step that does not need the surface.
Step only(void (*step)(Program&)) {
    return [step](Program& p, const plat::Surface&) { step(p); };
}

Step sectionCheck(int loc) {
    return [loc](Program& p, const plat::Surface&) { prepareSectionCheck(p, loc); };
}

std::array<ProcEntry, kProcCount> makeProcedures() {
    return {{
        {"Form3.HENSUU", [](Program& p) { p.form<Form3>().HENSUU(); }},
        {"Form4.DANMEM_1", [](Program& p) { p.form<Form4>().DANMEM_1(); }},
        page<Form3>("Form3.Ippan", Ippan),
        page<Form4>("Form4.KEIJYOU", KEIJYOU, prepareWallDrawing),
        page<Form4>("Form4.JIJYUU", JIJYUU, only(prepareSelfWeightPage)),
        page<Form4>("Form4.Doatu", Doatu, only(prepareEarthPressurePage)),
        page<Form4>("Form4.Doatu2", Doatu2, only(prepareLoadTable)),
        page<Form4>("Form4.KENTOU", KENTOU, only(prepareStabilityPage)),
        page<Form7, Form4>("Form7.HAIKIN", HAIKIN, prepareSectionOpeningPage),
        page<Form7, Form4>("Form7.HAIKIN_A", HAIKIN_A, sectionCheck(1)),
        page<Form7, Form4>("Form7.HAIKIN_B", HAIKIN_B, sectionCheck(2)),
        page<Form7>("Form7.HAIKIN_E", HAIKIN_E, sectionCheck(5)),
        page<Form7>("Form7.HAIKIN_F", HAIKIN_F, sectionCheck(6)),
        page<Form7>("Form7.HAIKIN_G", HAIKIN_G, sectionCheck(7)),
        page<Form7>("Form7.HAIKIN_H", HAIKIN_H, sectionCheck(8)),
        page<Form7>("Form7.HAIKIN_I", HAIKIN_I, sectionCheck(9)),
        page<Form7>("Form7.HAIKIN_J", HAIKIN_J, sectionCheck(10)),
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
    return Members{memberPresent(program, SectionMember::Heel), memberPresent(program, SectionMember::Toe),
                   memberPresent(program, SectionMember::Key)};
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
