// The project file's line table, the text forms it writes and the conversions it reads.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/cp932.h"
#include "conditions/conditions_screen.h"
#include "conditions/seismic_dialog.h"
#include "platform/utf8.h"
#include "section/section_screen.h"
#include "stability/dimension_screen.h"
#include "support/choice_input.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

using project::Column;
using project::Kind;

class ProjectFileTest : public ProgramTest {
protected:
    const project::LineSource& line(int n) { return project::lines().at(n - 1); }
    std::string text(int n) { return project::lineText(prog, line(n)); }
};

struct Anchor {
    int number;
    const char* form;
    const char* control;
    Kind kind;
};

// Lines at the edges of every group, as the file's readers elsewhere expect them.
const Anchor kAnchors[] = {
    {1, "Form3", "opt_T", Kind::Option},      {2, "Form3", "opt_D", Kind::Option},
    {3, "Form3", "txt1", Kind::Text},         {9, "Form3", "txt8", Kind::Text},
    {16, "Form3", "txt15", Kind::Text},       {17, "Form3", "cbo1", Kind::Text},
    {18, "Form3", "cbo2", Kind::Text},        {19, "Form3", "opt1", Kind::Option},
    {26, "Form3", "opt8", Kind::Option},      {27, "Form23", "opt1", Kind::Option},
    {28, "Form23", "opt2", Kind::Option},     {29, "Form4", "txt1", Kind::Text},
    {38, "Form4", "txt10", Kind::Text},       {39, "Form4", "txt12", Kind::Text},
    {50, "Form4", "txt23", Kind::Text},       {51, "Form4", "opt1", Kind::Option},
    {56, "Form4", "opt6", Kind::Option},      {57, "Form4", "lbl46", Kind::Text},
    {60, "Form4", "lbl52", Kind::Text},       {63, "Form4", "lbl56", Kind::Text},
    {69, "Form4", "lbl62", Kind::Text},       {70, "Form4", "lbl64", Kind::Text},
    {73, "Form4", "lbl67", Kind::Text},       {76, "Form4", "lbl70", Kind::Text},
    {77, "Form4", "lbl33", Kind::Text},       {78, "Form4", "chk1", Kind::Check},
    {79, "Form19", "txt1", Kind::Text},       {82, "Form19", "chk1", Kind::Check},
    {83, "Form25", "opt_K1", Kind::Option},   {85, "Form25", "opt_D1", Kind::Option},
    {86, "Form25", "Text1", Kind::Text},      {87, "Form25", "Text2", Kind::Text},
    {88, "Form25", "opt_A", Kind::Option},    {90, "Form25", "opt_C", Kind::Option},
    {91, "Form14", "opt1", Kind::Option},     {96, "Form14", "opt6", Kind::Option},
    {97, "Form21", "opt1", Kind::Option},     {106, "Form21", "opt10", Kind::Option},
    {107, "Form21", "chk1", Kind::Check},     {108, "Form21", "txt1", Kind::Text},
    {109, "Form21", "lbl2", Kind::Text},      {110, "Form21", "lbl3", Kind::Text},
    {111, "Form22", "txt1", Kind::Text},      {112, "Form22", "txt3", Kind::Text},
    {115, "Form22", "txt6", Kind::Text},      {116, "Form7", "chk_1", Kind::Check},
    {117, "Form7", "txt_1", Kind::Text},      {118, "Form7", "opt1", Kind::Option},
    {119, "Form7", "opt2", Kind::Option},     {120, "Form7", "txt_ka", Kind::Text},
    {153, "Form7", "cbo1", Kind::ListPosition}, {155, "Form7", "cbo5", Kind::ListPosition},
    {160, "Form7", "cbo10", Kind::ListPosition}, {161, "Form7", "lbl_r1", Kind::Text},
    {168, "Form7", "lbl_r10", Kind::Text},    {169, "Form7", "lbl_ra", Kind::Text},
    {171, "Form7", "lbl_re", Kind::Text},     {176, "Form7", "lbl_rj", Kind::Text},
    {177, "Form7", "txt1", Kind::Text},       {179, "Form7", "txt5", Kind::Text},
    {184, "Form7", "txt10", Kind::Text},      {185, "Form7", "lbl1", Kind::Text},
    {192, "Form7", "lbl8", Kind::Text},       {193, "Form7", "lbl17", Kind::Text},
    {216, "Form7", "lbl40", Kind::Text},      {217, "", "", Kind::Variant},
    {218, "Form26", "txt1", Kind::Text},      {220, "Form26", "txt3", Kind::Text},
};

TEST_F(ProjectFileTest, TableHoldsTheLinesInFileOrder) {
    const auto& table = project::lines();
    ASSERT_EQ(table.size(), 220u);
    for (size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].number, static_cast<int>(i) + 1);
    for (const Anchor& a : kAnchors) {
        const project::LineSource& l = line(a.number);
        EXPECT_EQ(l.form, a.form) << "line " << a.number;
        EXPECT_EQ(l.control, a.control) << "line " << a.number;
        EXPECT_EQ(l.kind, a.kind) << "line " << a.number;
    }
}

// All 220 lines, one "Form.control:kind" a line (O option, T text, C check, S single,
// L list position, V variant), as the file's line order lays them down.
const char* const kAllLines =
    "Form3.opt_T:O Form3.opt_D:O Form3.txt1:T Form3.txt2:T Form3.txt3:T Form3.txt4:T Form3.txt5:T Form3.txt6:T "
    "Form3.txt8:T Form3.txt9:T Form3.txt10:T Form3.txt11:T Form3.txt12:T Form3.txt13:T Form3.txt14:T Form3.txt15:T "
    "Form3.cbo1:T Form3.cbo2:T Form3.opt1:O Form3.opt2:O Form3.opt3:O Form3.opt4:O Form3.opt5:O Form3.opt6:O "
    "Form3.opt7:O Form3.opt8:O Form23.opt1:O Form23.opt2:O Form4.txt1:T Form4.txt2:T Form4.txt3:T Form4.txt4:T "
    "Form4.txt5:T Form4.txt6:T Form4.txt7:T Form4.txt8:T Form4.txt9:T Form4.txt10:T Form4.txt12:T Form4.txt13:T "
    "Form4.txt14:T Form4.txt15:T Form4.txt16:T Form4.txt17:T Form4.txt18:T Form4.txt19:T Form4.txt20:T Form4.txt21:T "
    "Form4.txt22:T Form4.txt23:T Form4.opt1:O Form4.opt2:O Form4.opt3:O Form4.opt4:O Form4.opt5:O Form4.opt6:O "
    "Form4.lbl46:T Form4.lbl47:T Form4.lbl48:T Form4.lbl52:T Form4.lbl53:T Form4.lbl54:T Form4.lbl56:T Form4.lbl57:T "
    "Form4.lbl58:T Form4.lbl59:T Form4.lbl60:T Form4.lbl61:T Form4.lbl62:T Form4.lbl64:T Form4.lbl65:T Form4.lbl66:T "
    "Form4.lbl67:T Form4.lbl68:T Form4.lbl69:T Form4.lbl70:T Form4.lbl33:T Form4.chk1:C Form19.txt1:T Form19.txt2:T "
    "Form19.txt3:T Form19.chk1:C Form25.opt_K1:O Form25.opt_K2:O Form25.opt_D1:O Form25.Text1:T Form25.Text2:T Form25.opt_A:O "
    "Form25.opt_B:O Form25.opt_C:O Form14.opt1:O Form14.opt2:O Form14.opt3:O Form14.opt4:O Form14.opt5:O Form14.opt6:O "
    "Form21.opt1:O Form21.opt2:O Form21.opt3:O Form21.opt4:O Form21.opt5:O Form21.opt6:O Form21.opt7:O Form21.opt8:O "
    "Form21.opt9:O Form21.opt10:O Form21.chk1:C Form21.txt1:T Form21.lbl2:T Form21.lbl3:T Form22.txt1:T Form22.txt3:T "
    "Form22.txt4:T Form22.txt5:T Form22.txt6:T Form7.chk_1:C Form7.txt_1:T Form7.opt1:O Form7.opt2:O Form7.txt_ka:T "
    "S S S S S S S S "
    "S S S S S S S S "
    "S S S S S S S S "
    "S S S S S S S S "
    "Form7.cbo1:L Form7.cbo2:L Form7.cbo5:L Form7.cbo6:L Form7.cbo7:L Form7.cbo8:L Form7.cbo9:L Form7.cbo10:L "
    "Form7.lbl_r1:T Form7.lbl_r2:T Form7.lbl_r5:T Form7.lbl_r6:T Form7.lbl_r7:T Form7.lbl_r8:T Form7.lbl_r9:T Form7.lbl_r10:T "
    "Form7.lbl_ra:T Form7.lbl_rb:T Form7.lbl_re:T Form7.lbl_rf:T Form7.lbl_rg:T Form7.lbl_rh:T Form7.lbl_ri:T Form7.lbl_rj:T "
    "Form7.txt1:T Form7.txt2:T Form7.txt5:T Form7.txt6:T Form7.txt7:T Form7.txt8:T Form7.txt9:T Form7.txt10:T "
    "Form7.lbl1:T Form7.lbl2:T Form7.lbl3:T Form7.lbl4:T Form7.lbl5:T Form7.lbl6:T Form7.lbl7:T Form7.lbl8:T "
    "Form7.lbl17:T Form7.lbl18:T Form7.lbl19:T Form7.lbl20:T Form7.lbl21:T Form7.lbl22:T Form7.lbl23:T Form7.lbl24:T "
    "Form7.lbl25:T Form7.lbl26:T Form7.lbl27:T Form7.lbl28:T Form7.lbl29:T Form7.lbl30:T Form7.lbl31:T Form7.lbl32:T "
    "Form7.lbl33:T Form7.lbl34:T Form7.lbl35:T Form7.lbl36:T Form7.lbl37:T Form7.lbl38:T Form7.lbl39:T Form7.lbl40:T "
    "V Form26.txt1:T Form26.txt2:T Form26.txt3:T ";

TEST_F(ProjectFileTest, EveryLineHasItsSourceAndKind) {
    std::vector<std::string> expected;
    std::string word;
    for (const char* c = kAllLines; *c; ++c) {
        if (*c != ' ') {
            word += *c;
        } else if (!word.empty()) {
            expected.push_back(word);
            word.clear();
        }
    }
    ASSERT_EQ(expected.size(), 220u);
    const auto kindLetter = [](Kind k) {
        switch (k) {
            case Kind::Option: return "O";
            case Kind::Text: return "T";
            case Kind::Check: return "C";
            case Kind::Single: return "S";
            case Kind::ListPosition: return "L";
            case Kind::Variant: return "V";
        }
        return "?";
    };
    for (int n = 1; n <= 220; ++n) {
        const project::LineSource& l = line(n);
        const std::string actual =
            l.form.empty() ? std::string(kindLetter(l.kind)) : l.form + "." + l.control + ":" + kindLetter(l.kind);
        EXPECT_EQ(actual, expected[n - 1]) << "line " << n;
    }
}

TEST_F(ProjectFileTest, PerLocationLinesGoFourByFourInLocationOrder) {
    const int locations[] = {1, 2, 5, 6, 7, 8, 9, 10};
    const Column columns[] = {Column::BarArea, Column::BarPerimeter, Column::RebarCover, Column::EffectiveCover};
    for (int i = 0; i < 8; ++i)
        for (int c = 0; c < 4; ++c) {
            const project::LineSource& l = line(121 + 4 * i + c);
            EXPECT_EQ(l.kind, Kind::Single);
            EXPECT_EQ(l.location, locations[i]);
            EXPECT_EQ(l.column, columns[c]);
        }
}

// Every control of the table exists with a kind that fits its line, and no line is read twice.
TEST_F(ProjectFileTest, EveryControlExistsOnceWithAFittingKind) {
    std::set<std::string> seen;
    for (const project::LineSource& l : project::lines()) {
        if (l.form.empty()) continue;
        EXPECT_TRUE(seen.insert(l.form + "." + l.control).second) << l.form << "." << l.control;
        plat::Control& c = prog.controlByName(l.form, l.control);
        switch (l.kind) {
            case Kind::Option: EXPECT_EQ(c.kind(), plat::ControlKind::OptionButton) << l.number; break;
            case Kind::Check: EXPECT_EQ(c.kind(), plat::ControlKind::CheckBox) << l.number; break;
            case Kind::ListPosition: EXPECT_EQ(c.kind(), plat::ControlKind::ComboBox) << l.number; break;
            case Kind::Text:
                EXPECT_TRUE(c.kind() == plat::ControlKind::TextBox || c.kind() == plat::ControlKind::Label ||
                            c.kind() == plat::ControlKind::ComboBox)
                    << l.number;
                break;
            default: ADD_FAILURE() << l.number;
        }
    }
}

TEST_F(ProjectFileTest, TextFormsOfEachKind) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    prog.form<Form3>().txt1.setText(" 東京都 ");
    Form7& s = prog.form<Form7>();
    s.chk_1.setValue(1);  // its click empties the bar lists of locations 1 and 2
    s.txt_ka.setText("0.3");
    // Set as the reader sets it: without a wall behind it, nothing it starts may empty it.
    prog.readingProjectLines = true;
    s.cbo2.setListIndex(3);
    prog.readingProjectLines = false;
    prog.barArea[1] = 0.7133f;
    prog.barPerimeter[1] = -0.25f;
    prog.rebarCover[1] = 60;
    prog.effectiveCover[1] = 1.2345678f;
    prog.barArea[2] = 0;
    prog.barPerimeter[2] = 2.5f;
    prog.rebarCover[10] = 1e7f;
    prog.effectiveCover[10] = 0.000015f;

    EXPECT_EQ(text(1), "True");
    EXPECT_EQ(text(2), "False");
    EXPECT_EQ(text(3), " 東京都 ");
    EXPECT_EQ(text(14), "");  // an empty box, an empty line
    EXPECT_EQ(text(121), " .7133 ");
    EXPECT_EQ(text(122), "-.25 ");
    EXPECT_EQ(text(123), " 60 ");
    EXPECT_EQ(text(124), " 1.234568 ");
    EXPECT_EQ(text(125), " 0 ");
    EXPECT_EQ(text(126), " 2.5 ");
    EXPECT_EQ(text(151), " 1E+07 ");
    EXPECT_EQ(text(152), " 1.5E-05 ");
    EXPECT_EQ(text(153), "-1 ");
    EXPECT_EQ(text(154), " 3 ");
    EXPECT_EQ(text(116), " 1 ");
    EXPECT_EQ(text(78), " 0 ");
    EXPECT_EQ(text(161), "60");  // the section screen's initial cover
}

TEST_F(ProjectFileTest, DeltaComputedIsEmptyWhileUnset) {
    prog.deltaComputed.reset();
    EXPECT_EQ(text(217), "");
    prog.deltaComputed = 1;
    EXPECT_EQ(text(217), " 1 ");
    prog.deltaComputed = 0;
    EXPECT_EQ(text(217), " 0 ");
}

TEST_F(ProjectFileTest, BytesAreCodePage932WithCrLfAndNoByteOrderMark) {
    choice_input::setDesignChoices(prog, {Standard::Building});
    prog.form<Form3>().txt1.setText("東京都");
    prog.form<Form7>().lbl4.setCaption("∴O.K");
    prog.form<Form7>().lbl19.setCaption("――");
    const std::string bytes = project::encode(project::collect(prog));

    EXPECT_EQ(bytes.substr(0, 13), "True\r\nFalse\r\n");
    EXPECT_EQ(bytes.find("\r\n\x93\x8c\x8b\x9e\x93\x73\r\n"), 11u);
    EXPECT_NE(bytes.find("\r\n\x81\x88O.K\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\x81\x5c\x81\x5c\r\n"), std::string::npos);
    size_t crlf = 0, lf = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ++lf;
            if (i > 0 && bytes[i - 1] == '\r') ++crlf;
        }
    EXPECT_EQ(crlf, 220u);
    EXPECT_EQ(lf, 220u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(ProjectFileTest, WholeNumbers) {
    EXPECT_EQ(project::wholeNumber(" .7133 "), 0.7133);
    EXPECT_EQ(project::wholeNumber("-1 "), -1.0);
    EXPECT_EQ(project::wholeNumber(" 1E+07 "), 1e7);
    EXPECT_EQ(project::wholeNumber(" 1.5E-05 "), 1.5e-5);
    EXPECT_EQ(project::wholeNumber("60"), 60.0);
    for (const char* bad : {"", " ", "abc", "1a", ".", "-", "1E", "1,5", "True", "１"})
        EXPECT_FALSE(project::wholeNumber(bad).has_value()) << bad;
}

struct ApplyCase {
    int line;
    const char* text;
    bool converts;
};

class ApplyLine : public ProjectFileTest, public ::testing::WithParamInterface<ApplyCase> {};

// A line that does not convert leaves its target as it was.
TEST_P(ApplyLine, ConvertsOrLeavesTheTarget) {
    const ApplyCase& c = GetParam();
    const project::LineSource& l = line(c.line);
    const std::string before = text(c.line);
    EXPECT_EQ(project::apply(prog, l, c.text), c.converts);
    if (!c.converts) {
        EXPECT_EQ(text(c.line), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ApplyLine,
                         ::testing::Values(ApplyCase{83, "True", true}, ApplyCase{83, "false", true},
                                           ApplyCase{83, " 1 ", true}, ApplyCase{83, "abc", false},
                                           ApplyCase{83, "", false}, ApplyCase{82, " 1 ", true},
                                           ApplyCase{82, "True", false}, ApplyCase{82, " 2 ", false},
                                           ApplyCase{121, " .7133 ", true}, ApplyCase{121, "x", false},
                                           ApplyCase{121, " 1E+39 ", false}, ApplyCase{154, " 20 ", true},
                                           ApplyCase{154, " 21 ", false}, ApplyCase{154, "-2 ", false},
                                           ApplyCase{154, "D13", false}, ApplyCase{86, " 0.2x ", true}));

TEST_F(ProjectFileTest, ReadValuesLandInTheirTargets) {
    project::apply(prog, line(83), "True");
    EXPECT_TRUE(prog.form<Form25>().opt_K1.value());
    project::apply(prog, line(84), " 1 ");
    EXPECT_TRUE(prog.form<Form25>().opt_K2.value());
    EXPECT_FALSE(prog.form<Form25>().opt_K1.value());
    project::apply(prog, line(84), "False");
    EXPECT_FALSE(prog.form<Form25>().opt_K2.value());
    project::apply(prog, line(121), " .7133 ");
    EXPECT_EQ(prog.barArea[1], 0.7133f);
    project::apply(prog, line(152), " 1.5E-05 ");
    EXPECT_EQ(prog.effectiveCover[10], 1.5e-5f);
    project::apply(prog, line(3), " 東京都 ");
    EXPECT_EQ(prog.form<Form3>().txt1.text(), " 東京都 ");
    project::apply(prog, line(216), "NG");
    EXPECT_EQ(prog.form<Form7>().lbl40.caption(), "NG");
}

TEST_F(ProjectFileTest, DeltaComputedReadBack) {
    project::apply(prog, line(217), " 1 ");
    EXPECT_EQ(prog.deltaComputed, 1);
    project::apply(prog, line(217), " 0 ");
    EXPECT_EQ(prog.deltaComputed, 0);
    project::apply(prog, line(217), "");
    EXPECT_FALSE(prog.deltaComputed.has_value());
    prog.deltaComputed = 1;
    EXPECT_FALSE(project::apply(prog, line(217), "2"));
    EXPECT_FALSE(prog.deltaComputed.has_value()) << "a value of no meaning leaves δ's origin unknown";
}

std::string linesOfText(int count, const char* end = "\r\n") {
    std::string s;
    for (int i = 1; i <= count; ++i) s += std::to_string(i) + end;
    return s;
}

// The texts a fresh program saves: options False, check boxes 0, everything else empty.
std::vector<std::string> plainTexts(int count) {
    std::vector<std::string> texts;
    for (int n = 1; n <= count; ++n) {
        const Kind kind = project::lines()[n - 1].kind;
        texts.push_back(kind == Kind::Option ? "False" : kind == Kind::Check ? " 0 " : "");
    }
    return texts;
}

TEST(ProjectParse, TwoHundredSeventeenOrTwoHundredTwentyLines) {
    for (int count : {217, 220}) {
        project::ReadResult ok = project::parse(linesOfText(count));
        ASSERT_EQ(ok.error, project::ReadError::None) << count;
        EXPECT_EQ(ok.texts.size(), static_cast<size_t>(count));
        EXPECT_EQ(ok.texts.front(), "1");
        EXPECT_EQ(ok.texts.back(), std::to_string(count));
        EXPECT_EQ(project::parse(linesOfText(count, "\n")).error, project::ReadError::None);
        std::string unterminated = linesOfText(count);
        unterminated.resize(unterminated.size() - 2);
        EXPECT_EQ(project::parse(unterminated).error, project::ReadError::None);
    }

    EXPECT_EQ(project::parse("").error, project::ReadError::NotAProject);
    for (int count : {216, 218, 219, 221, 5000})
        EXPECT_EQ(project::parse(linesOfText(count)).error, project::ReadError::NotAProject) << count;
    std::string binary = linesOfText(217);
    binary[5] = '\0';
    EXPECT_EQ(project::parse(binary).error, project::ReadError::NotAProject);
}

// Empty lines after the last line the program reads are no part of the project; a line
// with text there is.
TEST(ProjectParse, EmptyLinesAfterTheLastLineAreIgnored) {
    struct Case {
        int count;
        const char* tail;
        size_t read;  // 0: no project
    };
    const Case cases[] = {
        {220, "\r\n", 220}, {220, "\r\n\r\n\r\n\r\n\r\n", 220}, {220, "\n\n", 220}, {220, "\r\n ", 0},
        {220, "\r\n\r\nx", 0}, {217, "\r\n", 217},    {217, "\r\n\r\n", 217}, {217, "\r\n\r\n\r\n", 220},
        {217, "\r\nx\r\n", 0}, {216, "\r\n", 217},
    };
    for (const Case& c : cases) {
        const project::ReadResult r = project::parse(linesOfText(c.count) + c.tail);
        SCOPED_TRACE(std::to_string(c.count) + " + " + ::testing::PrintToString(c.tail));
        EXPECT_EQ(r.error, c.read ? project::ReadError::None : project::ReadError::NotAProject);
        EXPECT_EQ(r.texts.size(), c.read);
        if (c.read) {
            EXPECT_EQ(r.texts[static_cast<size_t>(c.count) - 1], std::to_string(c.count));
        }
    }
}

// A line behind the mark EF BB BF is UTF-8; every other line is CP932, as the earlier
// program wrote them all, also where its bytes happen to be UTF-8 as well. Only a line
// that is no CP932 at all but whole UTF-8 reads as UTF-8.
TEST(ProjectParse, EachLineReadsByItsMark) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"\xC6\xBC-1", "ﾆｼ-1"},  // as UTF-8 "Ƽ-1"
        {"\xD6\xB3\xCD\xB7", "ﾖｳﾍｷ"},
        {"\xC5\xB6\xC9\xBC", "ﾅｶﾉｼ"},
        {"\xCB\xB6\xDE\xBC 1", "ﾋｶﾞｼ 1"},
        {"\xCF\xB4-2", "ﾏｴ-2"},
        {"\x93\x8c\x8b\x9e\x93\x73", "東京都"},
        {"\x83\x7e\x83\x89\x83\x6d\x83\x58", "ミラノス"},
        {"ascii only", "ascii only"},
        {"\xEF\xBB\xBF東京都 港区", "東京都 港区"},
        {"\xEF\xBB\xBF𠮷野家 한국", "𠮷野家 한국"},
        {"\xEF\xBB\xBF", ""},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", "\uFEFFx"},     // one mark is taken, the next is text
        {"\xEF\xBB\xBF" "a\xC3(b\xE3\x81", "a?(b??"},  // broken UTF-8 after the mark: "?"
        {"東京都", cp932::decode("東京都")},                // UTF-8 without the mark that is CP932 too
        {"ｱｲ", "ｱｲ"},                                      // no CP932 (lead byte EF), whole UTF-8
        {"\x93\x8c\xE6", cp932::decode("\x93\x8c\xE6")},  // neither: CP932, its stray byte "?"
        {"60\rA", "60A"},                                     // a stray CR is no part of a text
        {"\xEF\xBB\xBF" "\xF0\x9F\x98\r\x80", "😀"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = plainTexts(217);
        std::string bytes;
        for (size_t i = 0; i < lines.size(); ++i) bytes += (i == 2 ? c.bytes : lines[i]) + "\r\n";
        const project::ReadResult r = project::parse(bytes);
        ASSERT_EQ(r.error, project::ReadError::None);
        EXPECT_EQ(r.texts[2], c.text) << c.text;
    }
}

// Every pair of half-width katakana, and each beside a kanji, reads back as written.
TEST(ProjectParse, EveryPairOfHalfWidthKatakanaReadsBack) {
    std::vector<std::string> pairs;
    for (char32_t a = U'｡'; a <= U'ﾟ'; ++a)
        for (char32_t b = U'｡'; b <= U'ﾟ'; ++b) pairs.push_back(plat::fromCodePoints({a, b}));
    for (char32_t a = U'｡'; a <= U'ﾟ'; ++a) pairs.push_back(plat::fromCodePoints({U'東', a, U'-', U'1'}));
    std::vector<int> textLines;
    for (const project::LineSource& l : project::lines())
        if (l.kind == Kind::Text) textLines.push_back(l.number);
    for (size_t next = 0; next < pairs.size();) {
        std::vector<std::string> texts = plainTexts(220);
        std::vector<std::string> expected = texts;
        for (int n : textLines) {
            if (next == pairs.size()) break;
            texts[n - 1] = pairs[next++];
        }
        const std::string bytes = project::encode(texts);
        ASSERT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos) << "all CP932";
        const project::ReadResult r = project::parse(bytes);
        ASSERT_EQ(r.error, project::ReadError::None);
        ASSERT_EQ(r.texts, texts);
    }
}

// Written, a text the code page holds is CP932; one it cannot hold is kept in UTF-8
// whole behind the mark, never with "?", and reads back the same.
TEST(ProjectEncode, TextsBeyondTheCodePageStayWhole) {
    std::vector<std::string> texts = plainTexts(220);
    texts[2] = "𠮷野家 港区";
    texts[15] = "砂質土";
    texts[16] = "\uFEFF한";
    const std::string bytes = project::encode(texts);
    EXPECT_NE(bytes.find("\r\n\xEF\xBB\xBF𠮷野家 港区\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n" + cp932::encode("砂質土") + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\xEF\xBB\xBF\xEF\xBB\xBF한\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(project::parse(bytes).texts, texts);
}

TEST(ProjectParse, EmptyLinesCountAndTextsDecode) {
    std::vector<std::string> texts = plainTexts(217);
    texts[2] = "\x93\x8c\x8b\x9e\x93\x73";
    std::string bytes;
    for (const std::string& t : texts) bytes += t + "\r\n";
    project::ReadResult r = project::parse(bytes);
    ASSERT_EQ(r.error, project::ReadError::None);
    EXPECT_EQ(r.texts[2], "東京都");
    EXPECT_EQ(r.texts[3], "");
}

struct LineForm {
    int line;
    const char* text;
    bool project;  // still a project file
};

class ParseLineForms : public ::testing::TestWithParam<LineForm> {};

// Options must be truth words or numbers and check boxes numbers, as the program writes
// them; values merely out of range pass, and text lines take anything.
TEST_P(ParseLineForms, DecideWhetherTheFileIsAProject) {
    const LineForm& c = GetParam();
    for (int count : {217, 220}) {
        std::vector<std::string> texts = plainTexts(count);
        texts[c.line - 1] = c.text;
        EXPECT_EQ(project::parse(project::encode(texts)).error,
                  c.project ? project::ReadError::None : project::ReadError::NotAProject)
            << "line " << c.line << " \"" << c.text << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseLineForms,
    ::testing::Values(LineForm{1, "True", true}, LineForm{1, " 1 ", true}, LineForm{1, "-3", true},
                      LineForm{1, "true", true}, LineForm{1, "", false}, LineForm{1, "yes", false},
                      LineForm{1, "Tru", false}, LineForm{106, "\xef\xbc\xb4rue", false},
                      LineForm{119, "False ", true}, LineForm{78, " 1 ", true}, LineForm{78, " 7 ", true},
                      LineForm{78, "-40000", true}, LineForm{78, "", false}, LineForm{82, "True", false},
                      LineForm{116, "1x", false}, LineForm{153, "D13", true}, LineForm{121, "x", true},
                      LineForm{217, "maybe", true}, LineForm{3, "True\tFalse", true}));

// A file far too large for a project is refused without being read into memory.
TEST(ProjectRead, OversizedFileIsNoProject) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("miranosu-oversized-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".ywd");
    { std::ofstream create(file, std::ios::binary); }
    std::filesystem::resize_file(file, project::kMaxFileBytes + 1);  // sparse: nothing is written
    EXPECT_EQ(project::read(file.string()).error, project::ReadError::NotAProject);
    std::filesystem::remove(file);
    EXPECT_EQ(project::read(file.string()).error, project::ReadError::Unreadable);
}

}  // namespace
