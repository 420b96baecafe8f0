// Projects saved, opened in a fresh program and saved again: the same bytes, the same
// screens, the same report. Files of the earlier form, without the road key dialog's
// lines, still open; so do the project files kept under tests/project/fixtures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/file_lines.h"
#include "common/cp932.h"
#include "project/project_fixture.h"
#include "report/print_range_dialog.h"
#include "support/program_snapshot.h"

namespace {

// What the three input screens show: every control's content and colour, and which
// lines of the judgement panel are shown. (The layout the ground-shape step and the
// hand-over give the later screens is set when the engineer goes on to them.)
std::vector<std::string> screens(Program& p) {
    std::vector<std::string> out;
    for (const char* name : {"Form3", "Form4", "Form7"}) {
        for (const plat::Control* c : p.formByName(name).controls()) {
            std::string content;
            switch (c->kind()) {
                case plat::ControlKind::TextBox: content = static_cast<const plat::TextBox*>(c)->text(); break;
                case plat::ControlKind::Label: content = static_cast<const plat::Label*>(c)->caption(); break;
                case plat::ControlKind::OptionButton:
                    content = static_cast<const plat::OptionButton*>(c)->value() ? "(o)" : "( )";
                    break;
                case plat::ControlKind::CheckBox:
                    content = std::to_string(static_cast<const plat::CheckBox*>(c)->value());
                    break;
                case plat::ControlKind::ComboBox: {
                    const auto* list = static_cast<const plat::ComboBox*>(c);
                    content = list->text() + " #" + std::to_string(list->listIndex());
                    break;
                }
                default: break;
            }
            std::string line = std::string(name) + "." + c->name() + " " + content + " colour " +
                               std::to_string(static_cast<int>(c->foreColor()));
            const bool panel = std::string(name) == "Form4" && c->kind() == plat::ControlKind::Label &&
                               c->name().rfind("lbl", 0) == 0 && c->name() != "lbl33";
            if (panel) line += c->visible() ? " shown" : " hidden";
            out.push_back(line);
        }
    }
    return out;
}

// Every report page as the print run draws it.
std::vector<std::string> report(Program& p, ScriptedServices& s) {
    s.modalScripts.push_back([](plat::Form& f) {
        auto& d = static_cast<Form15&>(f);
        d.opt5.userClick();  // every page
        d.cmd1.press();
    });
    p.form<MDIForm1>().Men_FPrn.userClick();
    if (s.printJobs.empty()) return {};
    return s.printJobs.back()->texts();
}

bool contains(const std::vector<std::string>& texts, const std::string& part) {
    for (const std::string& t : texts)
        if (t.find(part) != std::string::npos) return true;
    return false;
}

class RoundTrip : public ProjectFixture {};

// The key typed into the road standard's key dialog is saved and restored: the sliding
// check with the key, page 9's key section and every byte come back.
TEST_F(RoundTrip, RoadStandardProjectKeepsItsKey) {
    makeRoadKeyProject();
    ASSERT_TRUE(svc.messages.empty()) << svc.messages[0].text;
    const std::string file = path("road.ywd");
    saveAs(prog, svc, file);
    const std::vector<std::string> saved = linesOf(file);
    ASSERT_EQ(saved.size(), 220u);
    EXPECT_EQ(saved[217], "0.5");
    EXPECT_EQ(saved[218], "1.5");
    EXPECT_EQ(saved[219], "0.4");
    ASSERT_NE(prog.slidingSafetyFactorWithKey, 0.0f);
    const std::vector<std::string> screensBefore = screens(prog);
    const std::vector<std::string> reportBefore = report(prog, svc);
    ASSERT_TRUE(contains(reportBefore, "突起")) << "the key has its section in the report";

    Fresh run;
    open(run.prog, run.svc, file);
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
    EXPECT_TRUE(run.svc.modals.empty()) << "no key dialog asks for the height again";
    EXPECT_EQ(run.prog.slidingSafetyFactorWithKey, prog.slidingSafetyFactorWithKey);
    EXPECT_EQ(run.prog.keyHeight, 0.5f);
    EXPECT_EQ(screens(run.prog), screensBefore);
    EXPECT_EQ(report(run.prog, run.svc), reportBefore);

    const std::string again = path("again.ywd");
    saveAs(run.prog, run.svc, again);
    EXPECT_EQ(bytesOf(again), bytesOf(file));
}

// Typing the toe away after "計算に含む" hides the front-soil frame and drops its choice, so
// the project saved then is the one it reopens as: same screens, same report, same bytes.
TEST_F(RoundTrip, WallWithTheToeRemovedAfterTheFrontSoilChoice) {
    makeToeRemovedProject();
    ASSERT_TRUE(svc.messages.empty()) << svc.messages[0].text;
    EXPECT_FALSE(prog.form<Form4>().opt3.value());
    EXPECT_FALSE(prog.form<Form4>().opt4.value());
    EXPECT_FALSE(prog.form<Form4>().Frame2.visible());
    const std::string file = path("toe.ywd");
    saveAs(prog, svc, file);
    EXPECT_EQ(linesOf(file)[52], "False") << "line 53: the front soil not chosen";
    const std::vector<std::string> screensBefore = screens(prog);
    const std::vector<std::string> reportBefore = report(prog, svc);

    Fresh first;
    open(first.prog, first.svc, file);
    EXPECT_TRUE(first.svc.messages.empty()) << first.svc.messages[0].text;
    Form4& d = first.prog.form<Form4>();
    EXPECT_FALSE(d.opt3.value());
    EXPECT_FALSE(d.opt4.value());
    EXPECT_EQ(screens(first.prog), screensBefore);
    EXPECT_EQ(report(first.prog, first.svc), reportBefore);
    const std::string once = path("once.ywd");
    saveAs(first.prog, first.svc, once);
    EXPECT_EQ(bytesOf(once), bytesOf(file));

    // The panel is what the stability check gives for the screens as they stand.
    const std::string sigma = d.lbl57.caption();
    ASSERT_NE(sigma, "");
    EXPECT_TRUE(contains(reportBefore, sigma)) << sigma;
    d.cmd3.press();
    EXPECT_EQ(d.lbl57.caption(), sigma);
}

// A file of the earlier form ends after line 217: it opens, and the road key dialog
// starts empty instead of keeping the key of the project open before.
TEST_F(RoundTrip, FileOfTheEarlierFormOpens) {
    makeRoadKeyProject();
    const std::string file = path("road.ywd");
    saveAs(prog, svc, file);
    std::vector<std::string> texts = linesOf(file);
    texts.resize(217);
    const std::string earlier = craft(texts, "earlier.ywd");
    svc.clear();

    // Opened over the project with the key: the key request of the stability check comes,
    // as for a key never calculated.
    open(prog, svc, earlier);
    EXPECT_EQ(svc.messageTexts(), std::vector<std::string>{"突起の計算をしてください。"});
    for (plat::TextBox* box : {&prog.form<Form26>().txt1, &prog.form<Form26>().txt2, &prog.form<Form26>().txt3})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(prog.keyHeight, 0.0f);
    EXPECT_EQ(prog.projectPath, earlier);
    EXPECT_EQ(prog.form<Form3>().txt1.text(), " 東京都 港区∴O.K ");

    // Saved, it gets the three lines of the current form, empty.
    const std::string current = path("current.ywd");
    saveAs(prog, svc, current);
    const std::vector<std::string> saved = linesOf(current);
    ASSERT_EQ(saved.size(), 220u);
    for (int n = 218; n <= 220; ++n) EXPECT_EQ(saved[n - 1], "") << n;
}

// The files kept for the benchmark and as the fuzzer's seeds, as the program saved them.
const char* const kFixtures[] = {"building.ywd", "road-key.ywd", "toe-removed.ywd", "fresh.ywd", "earlier-217.ywd"};

std::string fixture(const std::string& name) { return std::string(MIRANOSU_FIXTURES) + "/" + name; }

// Each is a project; those of a complete wall open checked and without a message (a
// fresh program's file asks for the missing inputs, as the screens do). Saved again, each
// file of today's format is the same bytes: a file left from an older program would seed
// the fuzzer and the benchmark with what the program no longer writes.
TEST_F(RoundTrip, FixtureFilesOpen) {
    for (const std::string name : kFixtures) {
        Fresh run;
        open(run.prog, run.svc, fixture(name));
        EXPECT_EQ(run.prog.projectPath, fixture(name));
        if (name != "earlier-217.ywd") {
            const std::string again = path("again-" + name);
            saveAs(run.prog, run.svc, again);
            EXPECT_EQ(bytesOf(again), bytesOf(fixture(name))) << name;
        }
        if (name == "fresh.ywd") continue;
        EXPECT_EQ(run.prog.sectionCheckDone, 1) << name;
        EXPECT_TRUE(run.svc.messages.empty()) << name << ": " << run.svc.messages[0].text;
    }
}

struct Names {
    const char* site;
    const char* chapter;
    const char* mark;
};

// Half-width katakana (whose CP932 bytes often look like UTF-8), kanji, mixes and
// characters that CP932 does not have.
const Names kNames[] = {
    {"ﾆｼ-1", "3", "ﾖｳﾍｷ"},
    {"ﾅｶﾉｼ", "ﾋｶﾞｼ 1", "ﾏｴ-2"},
    {"東京都 港区 ﾆｼ-1", "３", "擁壁Ａ-ﾆｼ"},
    {"𠮷野家 한국", "3", "€-1"},
};

class Named : public ProjectFixture, public ::testing::WithParamInterface<Names> {};

// The names typed into the screens, saved through the File menu and opened in a fresh
// program: equal on every screen, on page 1 and in the § heading, and saved again to the
// same bytes. A name the code page holds is written in it, and only that way.
TEST_P(Named, ComeBackOnEveryScreenAndPage) {
    const Names& n = GetParam();
    fillConditions();
    prog.form<Form3>().txt1.setText(n.site);
    fillWall();
    prog.form<Form4>().txt1.setText(n.chapter);
    prog.form<Form4>().txt2.setText(n.mark);
    runChecks();
    ASSERT_TRUE(svc.messages.empty()) << svc.messages[0].text;
    const std::string file = path("names.ywd");
    snapshot::saveAsThroughMenu(prog, svc, file);
    const std::vector<std::string> contents = snapshot::contents(prog);
    const std::vector<std::string> printed = snapshot::printedReport(prog, svc);
    ASSERT_TRUE(contains(printed, std::string("              ・築造地 ： ") + n.site));
    ASSERT_TRUE(contains(printed, std::string("          § ") + n.chapter + "．ＲＣ擁壁（" + n.mark + "）の設計"));

    const std::string bytes = bytesOf(file);
    for (const char* name : {n.site, n.chapter, n.mark}) {
        const std::optional<std::string> cp932 = cp932::encodeExactly(name);
        const std::string line = cp932 ? *cp932 : std::string("\xEF\xBB\xBF") + name;
        EXPECT_NE(bytes.find("\r\n" + line + "\r\n"), std::string::npos) << name;
    }

    Fresh run;
    snapshot::openThroughMenu(run.prog, run.svc, file);
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
    EXPECT_EQ(run.prog.form<Form3>().txt1.text(), n.site);
    EXPECT_EQ(run.prog.form<Form4>().txt1.text(), n.chapter);
    EXPECT_EQ(run.prog.form<Form4>().txt2.text(), n.mark);
    const std::string again = path("again.ywd");
    snapshot::saveAsThroughMenu(run.prog, run.svc, again);
    EXPECT_EQ(snapshot::contents(run.prog), contents);
    EXPECT_EQ(snapshot::printedReport(run.prog, run.svc), printed);
    EXPECT_EQ(bytesOf(again), bytes);
}

INSTANTIATE_TEST_SUITE_P(Names, Named, ::testing::ValuesIn(kNames));

// The lines of a file, split at CRLF, as bytes.
std::vector<std::string> rawLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A file written by hand in CP932, as the earlier program wrote every line: its
// half-width katakana open as written, on the screens and on the page, and the program
// writes the file again byte for byte.
TEST_F(RoundTrip, HandWrittenCp932FileOpensWithItsKatakana) {
    std::vector<std::string> lines = rawLines(bytesOf(fixture("building.ywd")));
    ASSERT_EQ(lines.size(), 220u);
    lines[fixture::fileLine("Form3", "txt1") - 1] = "\xC6\xBC-1 \x93\x8c\x8b\x9e";  // ﾆｼ-1 東京
    lines[fixture::fileLine("Form4", "txt1") - 1] = "\xCB\xB6\xDE\xBC 1";           // ﾋｶﾞｼ 1
    lines[fixture::fileLine("Form4", "txt2") - 1] = "\xD6\xB3\xCD\xB7";              // ﾖｳﾍｷ
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    writeBytes(path("hand.ywd"), bytes);

    Fresh run;
    snapshot::openThroughMenu(run.prog, run.svc, path("hand.ywd"));
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
    EXPECT_EQ(run.prog.form<Form3>().txt1.text(), "ﾆｼ-1 東京");
    EXPECT_EQ(run.prog.form<Form4>().txt1.text(), "ﾋｶﾞｼ 1");
    EXPECT_EQ(run.prog.form<Form4>().txt2.text(), "ﾖｳﾍｷ");
    const std::vector<std::string> printed = snapshot::printedReport(run.prog, run.svc);
    EXPECT_TRUE(contains(printed, "              ・築造地 ： ﾆｼ-1 東京"));
    EXPECT_TRUE(contains(printed, "          § ﾋｶﾞｼ 1．ＲＣ擁壁（ﾖｳﾍｷ）の設計"));
    snapshot::saveAsThroughMenu(run.prog, run.svc, path("saved.ywd"));
    EXPECT_EQ(bytesOf(path("saved.ywd")), bytes);
}

// Open, 名前を付けて保存 through the File menu, open that in a fresh program: every
// control, the printed report and the saved bytes are those of the first run.
TEST_F(RoundTrip, OpenSaveAsAndOpenAgainChangeNothing) {
    for (const std::string name : kFixtures) {
        SCOPED_TRACE(name);
        Fresh first;
        snapshot::openThroughMenu(first.prog, first.svc, fixture(name));
        ASSERT_EQ(first.prog.projectPath, fixture(name));
        const std::string once = path("once-" + name);
        snapshot::saveAsThroughMenu(first.prog, first.svc, once);
        if (name == "fresh.ywd") {
            EXPECT_FALSE(std::filesystem::exists(once)) << "nothing to save before a calculation";
            continue;
        }
        Fresh second;
        snapshot::openThroughMenu(second.prog, second.svc, once);
        ASSERT_EQ(second.prog.projectPath, once);
        const std::string twice = path("twice-" + name);
        snapshot::saveAsThroughMenu(second.prog, second.svc, twice);
        EXPECT_EQ(second.svc.messageTexts(), first.svc.messageTexts());
        EXPECT_EQ(snapshot::controls(second.prog), snapshot::controls(first.prog));
        EXPECT_EQ(snapshot::printedReport(second.prog, second.svc), snapshot::printedReport(first.prog, first.svc));
        EXPECT_EQ(bytesOf(twice), bytesOf(once));
        if (name == "building.ywd" || name == "road-key.ywd") {
            EXPECT_EQ(bytesOf(once), bytesOf(fixture(name))) << "as the program saved it";
        }
    }
}

// Full-width digits in a file (typed before the boxes narrowed them) are read as the
// numbers they are, and the boxes keep the text as written: opening changes no text.
// A full-width "0" toe is no toe.
TEST_F(RoundTrip, FullWidthNumbersInAFileAreReadAsWritten) {
    std::vector<std::string> texts = linesOf(fixture("building.ywd"));
    texts[fixture::fileLine("Form3", "txt2") - 1] = "２４";
    texts[fixture::fileLine("Form4", "txt12") - 1] = "０";
    texts[fixture::fileLine("Form4", "txt18") - 1] = "０";
    const std::string file = craft(texts, "wide.ywd");
    Fresh run;
    snapshot::openThroughMenu(run.prog, run.svc, file);
    EXPECT_TRUE(run.svc.messages.empty()) << run.svc.messages[0].text;
    EXPECT_EQ(run.prog.form<Form3>().txt2.text(), "２４");
    EXPECT_EQ(run.prog.concreteStrength, 24.0f);
    EXPECT_EQ(run.prog.toeLength, 0.0f);
    Form4& d = run.prog.form<Form4>();
    EXPECT_FALSE(d.Frame2.visible());
    EXPECT_FALSE(d.opt3.value());
    // Leaving the toe box applies the rules of a box without a toe.
    d.show();
    d.txt18.setText("0.3");
    d.txt12.setFocus();
    d.txt13.setFocus();
    EXPECT_EQ(d.txt18.text(), "0");
    snapshot::saveAsThroughMenu(run.prog, run.svc, path("again.ywd"));
    EXPECT_EQ(linesOf(path("again.ywd"))[fixture::fileLine("Form3", "txt2") - 1], "２４");
}

class WriteFixture : public ProjectFixture, public ::testing::WithParamInterface<std::string> {};

// Writes the fixture files anew, from the screens, into the folder MIRANOSU_WRITE_FIXTURES
// names: project_tests --gtest_also_run_disabled_tests --gtest_filter='*WriteFixture*'
TEST_P(WriteFixture, DISABLED_FromTheScreens) {
    const char* folder = std::getenv("MIRANOSU_WRITE_FIXTURES");
    if (!folder) GTEST_SKIP() << "MIRANOSU_WRITE_FIXTURES not set";
    const std::string name = GetParam();
    if (name == "building") makeProject();
    if (name == "road-key") makeRoadKeyProject();
    if (name == "toe-removed") makeToeRemovedProject();
    const std::string file = std::string(folder) + "/" + name + ".ywd";
    saveAs(prog, svc, file);
    if (name != "building") return;
    std::vector<std::string> texts = linesOf(file);
    texts.resize(project::kEarlierLineCount);
    writeBytes(std::string(folder) + "/earlier-217.ywd", project::encode(texts));
}

INSTANTIATE_TEST_SUITE_P(Files, WriteFixture, ::testing::Values("building", "road-key", "toe-removed", "fresh"));

}  // namespace
