// libFuzzer target of the project file: any bytes are opened through File > Open in a
// fresh headless program, each message box and dialog answered by its default. What
// fails the run besides a crash or a sanitizer report: a calculation fault shown while
// opening, and a project that the program saves right after opening but then refuses
// or does not save again to the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "common/calc_fault.h"
#include "project/project_file.h"
#include "stability/stability_fault.h"
#include "support/scripted_services.h"

namespace {

std::string temporaryPath(const char* role) {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder && *folder ? folder : "/tmp") + "/miranosu-fuzz-" + std::to_string(::getpid()) + "-" +
           role + ".ywd";
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "project_fuzz: %s\n", what.c_str());
    std::abort();
}

// A fresh program with its main window, as after start-up.
struct Run {
    ScriptedServices svc;
    Program prog{svc};
    Run() {
        prog.registerForms();
        prog.form<MDIForm1>();
    }
    // True when the file was taken as a project.
    bool open(const std::string& path) {
        svc.fileAnswers.push_back(path);
        prog.form<MDIForm1>().FileOpen();
        for (const plat::MessageRequest& m : svc.messages)
            if (m.text == kCannotComputeMessage || m.text == kStabilityFaultMessage)
                fail("a calculation fault was shown while opening: " + m.text);
        return prog.projectPath == path;
    }
    std::string saved() { return project::encode(project::collect(prog)); }
};

// The first line in which two files differ, for the report of a failure.
std::string firstDifference(const std::string& a, const std::string& b) {
    const auto x = project::parse(a).texts, y = project::parse(b).texts;
    for (size_t i = 0; i < x.size() && i < y.size(); ++i)
        if (x[i] != y[i]) return "line " + std::to_string(i + 1) + ": \"" + x[i] + "\" then \"" + y[i] + "\"";
    return "line count " + std::to_string(x.size()) + " then " + std::to_string(y.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = temporaryPath("input");
    static const std::string once = temporaryPath("once");
    writeFile(input, std::string(reinterpret_cast<const char*>(data), size));

    Run first;
    if (!first.open(input)) return 0;
    const std::string bytes = first.saved();
    writeFile(once, bytes);

    Run second;
    if (!second.open(once)) fail("a project saved right after opening is refused");
    const std::string again = second.saved();
    if (again != bytes) fail("saved after opening, opened and saved again, it changes at " + firstDifference(bytes, again));
    return 0;
}
