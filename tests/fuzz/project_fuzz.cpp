// libFuzzer target of the project file: any bytes are opened through File > 開く in a
// fresh headless program, each message box and dialog answered by its default, saved
// through File > 名前を付けて保存 and opened again in another fresh program. What fails
// the run besides a crash or a sanitizer report: a message while opening other than a
// refusal of the file, a screen's request for a missing input, or the one message that
// names the first box whose value a screen would refuse (a calculation fault above all); a saved project that is refused, or that opens with other controls or
// another printed report than the first program had; a second save that differs from
// the first by a byte. Then every road to a result is taken in the first program
// (地盤の形状 >, 安定性の検討, 断面計算 >, the bar picks, 応力度計算, a print): whenever a
// result counts, every box it is built from keeps its rules, and no result label nor
// printed page shows a number of more than 15 significant digits.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/forms.h"
#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "project/project_file.h"
#include "section/section_bounds.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "stability/stability_rules.h"
#include "support/program_snapshot.h"
#include "support/scripted_services.h"
#include "support/significant_digits.h"

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

// The open names the first box a screen would refuse: asked for when empty, or told its
// range or that it takes one number.
bool asksForABox(const std::string& text) {
    return text.ends_with("入力してください。") || text.ends_with("入力又は計算してください。");
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

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
        registerForms(prog);
        prog.form<MDIForm1>();
    }
    // True when the file was taken as a project.
    bool open(const std::string& path) {
        snapshot::openThroughMenu(prog, svc, path);
        const bool opened = prog.projectPath == path;
        int brokenRules = 0;
        // The rule the opened project breaks first, if any: its message (a pair of boxes
        // reads "…共に0より大きくしてください。") is the one an opening may give.
        std::string firstBroken;
        if (opened) {
            const std::vector<BoundedBox> rules = projectRules(prog);
            if (const BoundedBox* wrong = firstBrokenRule(rules)) firstBroken = refusalMessage(*wrong);
        }
        for (const plat::MessageRequest& m : svc.messages) {
            if (opened && oneOf(m.text, kMissingInputs)) continue;
            if (!opened && oneOf(m.text, kRefusals)) continue;
            // The one box that breaks a screen's rule is named, once.
            if (opened && (asksForABox(m.text) || m.text == firstBroken) && ++brokenRules == 1) continue;
            fail("shown while opening: " + m.text);
        }
        return opened;
    }
    // Saved through the File menu; a project without a current check, which the menu
    // does not offer to save, is written by the same writer directly.
    std::string saveAs(const std::string& path) {
        std::remove(path.c_str());
        snapshot::saveAsThroughMenu(prog, svc, path);
        if (prog.projectPath != path && !project::write(prog, path)) fail("the project cannot be written");
        return readFile(path);
    }
};

// The box of the first broken rule, "" when every rule holds.
std::string brokenRule(const std::vector<BoundedBox>& rules) {
    const BoundedBox* wrong = firstBrokenRule(rules);
    return wrong ? wrong->box->form().name() + "." + wrong->box->name() + " \"" + wrong->box->text() + "\"" : "";
}

// The texts the engineer typed freely (a site, a mark, a soil): their digits are no number.
std::string withoutFreeTexts(std::string text, Program& p) {
    const std::string free[] = {p.form<Form3>().txt1.text(), p.form<Form3>().cbo1.text(), p.form<Form3>().cbo2.text(),
                                p.form<Form4>().txt1.text(), p.form<Form4>().txt2.text()};
    for (const std::string& typed : free)
        for (std::size_t at; !typed.empty() && (at = text.find(typed)) != std::string::npos;) text.erase(at, typed.size());
    return text;
}

// A counted result stands on boxes that keep their rules, and shows short numbers.
void expectSound(Program& p, const char* road) {
    if (p.hasResult()) {
        if (const std::string wrong = brokenRule(stabilityRules(p)); !wrong.empty())
            fail(std::string(road) + ": a stability result counts beside " + wrong);
        for (plat::Control* c : p.form<Form4>().controls())
            if (c->kind() == plat::ControlKind::Label &&
                mostSignificantDigits(static_cast<plat::Label*>(c)->caption()) > 15)
                fail(std::string(road) + ": Form4." + c->name() + " " + static_cast<plat::Label*>(c)->caption());
    }
    if (p.checkCurrent()) {
        if (const std::string wrong = brokenRule(sectionRules(p)); !wrong.empty())
            fail(std::string(road) + ": a section check counts beside " + wrong);
        for (const Form7::Row& row : p.form<Form7>().rows())
            for (const plat::Label* result : row.results)
                if (mostSignificantDigits(result->caption()) > 15) fail(std::string(road) + ": " + result->caption());
    }
}

// Every road to a result, as an engineer takes them after the opening.
void everyRoad(Program& p, ScriptedServices& svc) {
    p.form<Form3>().cmd3.press();
    expectSound(p, "地盤の形状 >");
    if (p.form<Form23>().visible()) p.form<Form23>().cmd1.press();
    p.form<Form4>().cmd3.press();
    expectSound(p, "安定性の検討");
    p.form<Form4>().cmd1.press();
    expectSound(p, "断面計算 >");
    for (const Form7::Row& row : p.form<Form7>().rows())
        if (row.bars.visible()) row.bars.userPick(5);
    expectSound(p, "a bar pick");
    p.form<Form7>().cmd1.press();
    expectSound(p, "応力度計算");
    for (const std::string& text : snapshot::printedReport(p, svc))
        if (mostSignificantDigits(withoutFreeTexts(text, p)) > 15) fail("printed: " + text);
    expectSound(p, "print");
}

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
    static const std::string twice = temporaryPath("twice");
    writeFile(input, std::string(reinterpret_cast<const char*>(data), size));

    Run first;
    if (!first.open(input)) return 0;
    const std::string bytes = first.saveAs(once);

    Run second;
    if (!second.open(once)) fail("a project saved right after opening is refused");
    const std::string again = second.saveAs(twice);
    if (again != bytes) fail("saved after opening, opened and saved again, it changes at " + firstDifference(bytes, again));
    const auto controls = snapshot::controls(first.prog), reopened = snapshot::controls(second.prog);
    for (size_t i = 0; i < controls.size() && i < reopened.size(); ++i)
        if (controls[i] != reopened[i]) fail("opened again, a control changes: " + controls[i] + " then " + reopened[i]);
    if (snapshot::printedReport(first.prog, first.svc) != snapshot::printedReport(second.prog, second.svc))
        fail("opened again, the printed report changes");
    everyRoad(first.prog, first.svc);
    return 0;
}
