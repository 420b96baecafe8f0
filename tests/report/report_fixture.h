// A program with the main window, whose refreshes and page writers are replaced by
// recorders: each logs its name, and each writer prints its name on the output surface.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "common/numbers.h"
#include "report/preview_window.h"
#include "report/report_pages.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"
#include "support/standing_results.h"

class ReportTest : public ProgramTest {
protected:
    std::vector<std::string> log;
    std::array<report::ProcEntry, report::kProcCount> saved = report::procedures();

    void SetUp() override {
        // Current stability and section results: every page may be made.
        fixture::standResults(prog);
        for (int i = 0; i < report::kProcCount; ++i) {
            auto proc = static_cast<report::Proc>(i);
            bool refresh = proc == report::Proc::HENSUU || proc == report::Proc::DANMEM_1;
            report::procedures()[i].run = [this, proc, refresh](Program& p) {
                std::string name = report::procName(proc);
                log.push_back(name);
                if (!refresh && p.outputSurface) p.outputSurface->print(name);
            };
        }
    }
    void TearDown() override { report::procedures() = saved; }

    // Makes a procedure fail the way a calculation fault does.
    void failAt(report::Proc proc) {
        report::procedures()[static_cast<int>(proc)].run = [this, proc](Program&) {
            log.push_back(std::string(report::procName(proc)) + "!");
            throw num::CalcFault("test fault");
        };
    }

    void setMembers(bool heel, bool toe, bool key) {
        prog.heelLength = heel ? 1.2f : 0.0f;
        prog.toeLength = toe ? 0.8f : 0.0f;
        prog.keyHeight = key ? 0.5f : 0.0f;
    }

    // The one preview window that is visible; none when the preview is closed.
    PreviewWindow* shown() {
        PreviewWindow* found = nullptr;
        for (int page = 1; page <= report::kPageCount; ++page) {
            PreviewWindow* w = loadedPreviewWindow(prog, page);
            if (w && w->visible()) {
                EXPECT_EQ(found, nullptr) << "two preview windows visible";
                found = w;
            }
        }
        return found;
    }
    int loadedWindows() {
        int n = 0;
        for (int page = 1; page <= report::kPageCount; ++page) n += loadedPreviewWindow(prog, page) != nullptr;
        return n;
    }
    std::vector<std::string> takeLog() { return std::exchange(log, {}); }
};
