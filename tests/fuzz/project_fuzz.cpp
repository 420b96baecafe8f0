// libFuzzer target of the project file: any bytes are opened through File > Open in a
// fresh headless program, each message box and dialog answered by its default. What
// fails the run besides a crash or a sanitizer report: a message while opening other
// than a refusal of the file or a screen's request for a missing input (a calculation
// fault above all), and a project that the program saves right after opening but then
// refuses or does not save again to the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "project/project_file.h"
#include "support/scripted_services.h"

namespace {

// What opening a project may show: the screens' requests for missing inputs.
const char* const kMissingInputs[] = {
    "内部摩擦角を入力してください。",                         // tan φ friction without φB
    "内部摩擦角度を入力してください。",                       // the earth-pressure coefficient
    "底盤の摩擦係数を入力してください。",                     // without φ, μ or δ
    "壁背面と土との間の壁面摩擦角度を入力してください。",
    "主働土圧係数を入力してください。",                       // a bar without the section KA
    "突起の計算をしてください。",                             // a key without its height
};
// What refuses a file before anything is touched.
const char* const kRefusals[] = {"ファイルを開けませんでした。", "ミラノスのデータファイルではありません。"};

bool oneOf(const std::string& text, const auto& list) {
    for (const char* known : list)
        if (text == known) return true;
    return false;
}

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
        const bool opened = prog.projectPath == path;
        for (const plat::MessageRequest& m : svc.messages)
            if (!(opened ? oneOf(m.text, kMissingInputs) : oneOf(m.text, kRefusals)))
                fail("shown while opening: " + m.text);
        return opened;
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
