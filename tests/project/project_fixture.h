// A program with the main window, a temporary folder for project files, and a complete
// project entered through the screens: design conditions, ground shape, dimensions,
// stability check, section design with its stress check.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/file_lines.h"
#include "app/main_window.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "project/project_file.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/program_fixture.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"

class ProjectFixture : public ProgramTest {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("miranosu-project-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void writeBytes(const std::string& file, const std::string& bytes) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    // The file's lines, decoded.
    static std::vector<std::string> linesOf(const std::string& file) { return project::parse(bytesOf(file)).texts; }

    // A second run of the program, the main window only.
    using Fresh = ProgramWithMainWindow;
    // A project file of the given texts (UTF-8), written as the program writes it.
    std::string craft(const std::vector<std::string>& texts, const std::string& name) {
        const std::string file = path(name);
        writeBytes(file, project::encode(texts));
        return file;
    }

    // Save as through the dialog, answering the replacement question if one comes.
    void saveAs(Program& p, ScriptedServices& s, const std::string& file) {
        s.fileAnswers.push_back(file);
        p.form<MDIForm1>().Men_FSav_Click();
    }
    void open(Program& p, ScriptedServices& s, const std::string& file) {
        s.fileAnswers.push_back(file);
        p.form<MDIForm1>().FileOpen();
    }

    // Every field of the design-conditions screen under the standard, normal case.
    void fillConditions(Standard standard = Standard::Building) {
        Form3& c = prog.form<Form3>();
        c.show();
        (standard == Standard::Road ? c.opt_D : c.opt_T).userClick();
        screen_input::typeDesignValues(c, " 東京都 港区∴O.K ");
        c.cmd6.press();  // KA computed
    }

    // The wall of the stability tests (base 4.0 m, toe 0.5 m, heel 0.6 m), one-sided shape.
    void fillWall() {
        prog.form<Form3>().cmd3.press();
        Form23& shape = prog.form<Form23>();
        shape.opt1.userClick();
        shape.cmd1.press();
        Form4& d = prog.form<Form4>();
        screen_input::typeWall(d);
        d.opt1.userClick();
        d.Frame2.setVisible(true);
        d.opt3.userClick();
        prog.form<Form14>().opt1.setValue(true);
    }

    // Stability check, hand-over, computed KA, a bar and a spacing for every location.
    void runChecks() {
        Form4& d = prog.form<Form4>();
        d.cmd3.press();
        d.cmd1.press();
        Form7& s = prog.form<Form7>();
        s.opt2.userClick();
        for (const Form7::Row& row : s.rows())
            if (row.bars.visible()) row.bars.userPick(5);
        for (plat::TextBox* design : {&s.txt1, &s.txt2, &s.txt5, &s.txt6, &s.txt7, &s.txt8, &s.txt9, &s.txt10})
            if (design->visible()) design->setText("100");
        s.cmd1.press();
    }

    void makeProject() {
        fillConditions();
        fillWall();
        runChecks();
    }

    // The wall of makeProject under the road standard, with a shear key entered through
    // "突起の計算" and the road key dialog.
    void makeRoadKeyProject() {
        fillConditions(Standard::Road);
        fillWall();
        Form4& d = prog.form<Form4>();
        d.opt6.userClick();
        svc.modalScripts.push_back([](plat::Form& dialog) {
            auto& key = static_cast<Form26&>(dialog);
            key.txt1.setText("0.5");
            key.txt2.setText("1.5");
            key.txt3.setText("0.4");
            key.cmd1.press();
        });
        d.cmd5.press();
        runChecks();
    }

    // The wall of makeProject whose toe is typed away after "計算に含む" was chosen: the
    // front-soil frame hides, the choice stays.
    void makeToeRemovedProject() {
        fillConditions();
        fillWall();
        Form4& d = prog.form<Form4>();
        d.txt12.setFocus();
        d.txt12.setText("0");
        d.txt16.setFocus();
        runChecks();
    }

    std::filesystem::path dir;
};
