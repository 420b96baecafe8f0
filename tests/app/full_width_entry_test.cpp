// A wall entered with full-width digits, decimal points and minus signs, as a Japanese input
// method in full-width mode types them or a pasted text carries them, gives the numbers of
// the same wall entered with half-width digits, on every screen: design conditions,
// dimensions, section spacings and covers. The boxes take them half-width as they arrive.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "platform/utf8.h"
#include "project/project_file.h"
#include "report/print_range_dialog.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/fixture_walls.h"
#include "support/program_fixture.h"
#include "support/scripted_services.h"

namespace {

// The full-width form of a half-width number text.
std::u32string wide(const std::string& ascii) {
    std::u32string out;
    for (char c : ascii) {
        if (c >= '0' && c <= '9')
            out += static_cast<char32_t>(U'０' + (c - '0'));
        else if (c == '.')
            out += U'．';
        else if (c == '-')
            out += U'－';
        else
            out += static_cast<char32_t>(c);
    }
    return out;
}

std::string utf8(const std::u32string& text) {
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// Types the box's own number again in full width, one key per character over the whole
// text, as the keyboard delivers an input method's characters.
void typeWide(plat::TextBox& box) {
    const std::u32string keys = wide(box.text());
    box.setFocus();
    box.selectAll();
    for (char32_t cp : keys) box.keyPress(static_cast<int>(cp));
}

// Pastes the box's own number in full width over its text.
void pasteWide(plat::TextBox& box) {
    const std::string pasted = utf8(wide(box.text()));
    box.setFocus();
    box.userEdit(pasted, static_cast<int>(pasted.size()), 0);
}

bool hasFullWidth(const std::string& text) {
    return text.find("\xEF\xBC") != std::string::npos;  // U+FF00 to U+FF3F
}

// Every number a screen shows as a result, by control, for comparing two walls.
std::vector<std::pair<std::string, std::string>> shownResults(Program& p) {
    std::vector<std::pair<std::string, std::string>> out;
    for (plat::Form* form : {static_cast<plat::Form*>(&p.form<Form4>()), static_cast<plat::Form*>(&p.form<Form7>())})
        for (plat::Control* c : form->controls())
            if (c->kind() == plat::ControlKind::Label)
                out.emplace_back(form->name() + "." + c->name(), static_cast<plat::Label*>(c)->caption());
    return out;
}

class FullWidthEntry : public ::testing::Test {
protected:
    void SetUp() override {
        for (Program* p : {&half, &full}) {
            registerForms(*p);
            p->form<MDIForm1>();
        }
    }
    ScriptedServices halfSvc, fullSvc;
    Program half{halfSvc};
    Program full{fullSvc};
};

TEST_F(FullWidthEntry, AWallTypedAndPastedInFullWidthGivesTheHalfWidthNumbers) {
    const fixture::Wall wall = fixture::Wall::HeelToeKey;
    fixture::enterWall(half, wall);
    ASSERT_TRUE(halfSvc.messages.empty()) << halfSvc.messages.front().text;

    // Design conditions: typed in full width, the KA computed again, on to the dimensions.
    fixture::enterConditions(full, wall);
    Form3& c = full.form<Form3>();
    for (plat::TextBox* box : {&c.txt2, &c.txt3, &c.txt4, &c.txt5, &c.txt8, &c.txt10, &c.txt12, &c.txt11})
        typeWide(*box);
    for (plat::TextBox* box : {&c.txt6, &c.txt9}) pasteWide(*box);
    ASSERT_EQ(c.txt6.text(), "24.5");
    c.cmd6.press();
    c.cmd3.press();
    full.form<Form23>().cmd1.press();
    EXPECT_EQ(full.concreteStrength, 21.0f);
    EXPECT_EQ(full.concreteUnitWeight, 24.5f);
    EXPECT_EQ(full.baseFriction, 0.5f);
    EXPECT_EQ(full.backfillPhi, half.backfillPhi);
    EXPECT_EQ(full.activeCoefficient, half.activeCoefficient);
    EXPECT_EQ(full.allowConcrete, half.allowConcrete);

    // Dimensions: every number typed or pasted in full width.
    fixture::enterDimensions(full, wall);
    Form4& d = full.form<Form4>();
    bool paste = false;
    for (plat::Control* control : d.controls()) {
        if (control->kind() != plat::ControlKind::TextBox || control == &d.txt1 || control == &d.txt2) continue;
        auto& box = static_cast<plat::TextBox&>(*control);
        if (box.text().empty()) continue;
        paste ? pasteWide(box) : typeWide(box);
        paste = !paste;
        EXPECT_FALSE(hasFullWidth(box.text())) << box.name();
    }
    fixture::checkStability(full);
    EXPECT_EQ(full.backSoilHeight, 2.5f);
    EXPECT_EQ(full.toeLength, 0.5f);
    EXPECT_EQ(full.sigmaMax, half.sigmaMax);
    EXPECT_EQ(full.slidingSafetyFactor, half.slidingSafetyFactor);

    // Section: the design spacings pasted in full width.
    fixture::openSections(full);
    Form7& s = full.form<Form7>();
    fixture::chooseBars(full);
    for (int loc : s.presentLocations()) pasteWide(s.row(loc).design);
    ASSERT_FALSE(hasFullWidth(s.txt1.text()));
    fixture::checkSections(full);
    EXPECT_TRUE(fullSvc.messages.empty()) << fullSvc.messages.front().text;
    for (int loc : s.presentLocations()) {
        EXPECT_EQ(full.designSpacing[loc], half.designSpacing[loc]) << loc;
        EXPECT_GT(full.designSpacing[loc], 0) << loc;
    }
    EXPECT_EQ(full.sectionCheckDone, 1);

    // Every result on the dimension and section screens reads as the half-width wall's.
    EXPECT_EQ(shownResults(full), shownResults(half));
    EXPECT_EQ(half.form<Form7>().lbl4.caption(), "O.K");
}

TEST_F(FullWidthEntry, CoversPastedInFullWidthAreTheHalfWidthCovers) {
    const fixture::Wall wall = fixture::Wall::HeelToeKey;
    for (Program* p : {&half, &full}) {
        fixture::enterWall(*p, wall);
        Form7& s = p->form<Form7>();
        s.cmd6.press();
        Form22& dialog = p->form<Form22>();
        const std::pair<plat::TextBox*, const char*> covers[] = {
            {&dialog.txt1, "50"}, {&dialog.txt3, "70.5"}, {&dialog.txt4, "65"}, {&dialog.txt5, "60"}, {&dialog.txt6, "75"}};
        for (auto [box, text] : covers) {
            box->setText(text);
            if (p == &full) (box == &dialog.txt3 ? typeWide(*box) : pasteWide(*box));
        }
        dialog.cmd1.press();
    }
    ASSERT_TRUE(fullSvc.messages.empty()) << fullSvc.messages.front().text;
    for (int loc : kCheckLocationNumbers) EXPECT_EQ(full.rebarCover[loc], half.rebarCover[loc]) << loc;
    EXPECT_EQ(full.rebarCover[5], 70.5f);
    EXPECT_EQ(full.form<Form7>().row(5).cover.caption(), "70.5");
    EXPECT_EQ(shownResults(full), shownResults(half));
}

// Types a text key by key over the box's whole text, as an input method commits it.
void typeKeys(plat::TextBox& box, const std::string& text) {
    box.selectAll();
    for (char32_t cp : plat::toCodePoints(text)) box.keyPress(static_cast<int>(cp));
}

// Pastes a text over the box's whole text, the caret after it.
void paste(plat::TextBox& box, const std::string& text) {
    box.userEdit(text, plat::charCount(text), 0);
}

struct WideText {
    const char* arrives;
    const char* shown;  // the box's text afterwards
};

// Full-width digits, points, signs, exponent letters and commas become half-width in
// every number box of the program, typed or pasted; other characters stay as they come.
TEST(FullWidthNumbers, BecomeHalfWidthInEveryNumberBoxAsTheyArrive) {
    const WideText texts[] = {
        {"０", "0"},         {"２４", "24"},         {"０．２５", "0.25"}, {"－１．５", "-1.5"}, {"＋３", "+3"},
        {"１Ｅ２", "1E2"},   {"２，８", "2,8"},      {"２−１", "2-1"},     {"１　２", "1 2"},    {"２ｍ", "2ｍ"},
        {"24", "24"},        {"ﾆｼ-1", "ﾆｼ-1"},
    };
    ProgramWithMainWindow run;
    Program& p = run.prog;
    Form3& c = p.form<Form3>();
    Form4& d = p.form<Form4>();
    Form7& s = p.form<Form7>();
    const std::vector<plat::TextBox*> boxes = {
        &c.txt2,  &c.txt9,  &c.txt15, &d.txt3,  &d.txt12, &d.txt21,
        &s.txt_1, &s.txt_ka, &s.txt1,  &s.txt10, &p.form<Form22>().txt3, &p.form<Form25>().Text1,
        &p.form<Form19>().txt1, &p.form<Form26>().txt3, &p.form<Form21>().txt1, &p.form<Form15>().txt_P};
    for (plat::TextBox* box : boxes) {
        for (const WideText& t : texts) {
            SCOPED_TRACE(box->form().name() + "." + box->name() + " " + t.arrives);
            typeKeys(*box, t.arrives);
            EXPECT_EQ(box->text(), t.shown) << "typed";
            box->setText("9");
            paste(*box, t.arrives);
            EXPECT_EQ(box->text(), t.shown) << "pasted";
            EXPECT_EQ(box->selStart(), plat::charCount(t.shown)) << "the caret stays after the paste";
        }
    }
    // The free-text boxes keep what the input method gives: the site, the section number
    // and the wall mark.
    for (plat::TextBox* box : {&c.txt1, &d.txt1, &d.txt2}) {
        typeKeys(*box, "２４－Ａ");
        EXPECT_EQ(box->text(), "２４－Ａ") << box->name();
        paste(*box, "ﾖｳﾍｷ０");
        EXPECT_EQ(box->text(), "ﾖｳﾍｷ０") << box->name();
    }
}

// "２４" and "０．５" typed into the design conditions are read as 24 and 0.5 and saved as
// "24" and "0.5", as the earlier program's files hold them.
TEST(FullWidthNumbers, TypedNumbersAreReadAndSavedHalfWidth) {
    ProgramWithMainWindow run;
    fixture::enterConditions(run.prog, fixture::Wall::HeelToeKey);
    Form3& c = run.prog.form<Form3>();
    c.show();
    c.txt2.setFocus();
    typeKeys(c.txt2, "２４");
    c.txt9.setFocus();
    typeKeys(c.txt9, "０．５");
    c.cmd3.press();
    ASSERT_TRUE(run.svc.messages.empty()) << run.svc.messages.front().text;
    EXPECT_EQ(run.prog.concreteStrength, 24.0f);
    EXPECT_EQ(run.prog.baseFriction, 0.5f);
    const std::vector<std::string> lines = project::collect(run.prog);
    EXPECT_EQ(lines[3], "24");
    EXPECT_EQ(lines[9], "0.5");
}

// "０" typed into the toe or its end thickness is 0 in every rule of the dimension screen:
// the front-soil choice goes, the partner box becomes 0 and the stability check gives
// what the wall typed with "0" gives.
TEST(FullWidthNumbers, AZeroTakesTheToeAwayInFullWidthToo) {
    for (plat::TextBox Form4::*zeroed : {&Form4::txt12, &Form4::txt18}) {
        ScriptedServices hs, fs;
        Program h{hs}, f{fs};
        for (auto [p, zero] : {std::pair<Program*, const char*>{&h, "0"}, {&f, "０"}}) {
            registerForms(*p);
            p->form<MDIForm1>();
            fixture::enterConditions(*p, fixture::Wall::HeelToeKey);
            fixture::enterDimensions(*p, fixture::Wall::HeelToeKey);
            Form4& d = p->form<Form4>();
            ASSERT_TRUE(d.Frame2.visible());
            ASSERT_TRUE(d.opt3.value());
            (d.*zeroed).setFocus();
            typeKeys(d.*zeroed, zero);
            d.txt13.setFocus();
            fixture::checkStability(*p);
        }
        SCOPED_TRACE((f.form<Form4>().*zeroed).name());
        Form4& d = f.form<Form4>();
        EXPECT_EQ((d.*zeroed).text(), "0");
        EXPECT_EQ(d.txt12.text(), "0");
        EXPECT_EQ(d.txt18.text(), "0") << "the partner is zeroed";
        EXPECT_FALSE(d.Frame2.visible());
        EXPECT_FALSE(d.opt3.value());
        EXPECT_EQ(f.toeLength, 0.0f);
        EXPECT_EQ(fs.messageTexts(), hs.messageTexts());
        EXPECT_NE(f.sigmaMax, 0.0f);
        EXPECT_EQ(f.sigmaMax, h.sigmaMax);
        EXPECT_EQ(shownResults(f), shownResults(h));
    }
}

}  // namespace
