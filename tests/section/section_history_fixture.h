// Programs driven through the screens as an engineer drives them: design conditions,
// ground shape, dimensions, stability check, hand-over and the section check; and a record
// of what the section screen and the section values hold, to compare two histories.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "section/cover_dialog.h"
#include "section/section_screen.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/screen_input.h"
#include "support/scripted_services.h"

namespace history {

// A wall as the screens take it: the common wall of the tests with the dimension boxes
// named here typed over it.
struct Wall {
    std::string name;
    screen_input::Texts dims;
    std::string ka = "";        // typed KA on the design conditions; empty: computed
    LoadCase load = LoadCase::Normal;  // seismic: building standard, method K2, Kh = 0.2
    std::string keyHeight = ""; // a shear key of this height, 1.0 m from the toe, 0.4 m wide
    bool verticalComponent = true;  // the vertical component of the earth pressure counts
    bool cohesion = false;  // C = 10 kN/m2, its area with the eccentricity deducted
    screen_input::Texts conditions = {};  // design-condition boxes typed over the usual values
    std::string kh = "0.2";              // Kh of the seismic case
    std::string inertiaHeight = "";      // seismic case: the surcharges' inertia at this height
};

// One program with its main window and scripted services.
class Session {
public:
    Session() {
        registerForms(prog);
        prog.form<MDIForm1>();
    }

    Form3& conditions() { return prog.form<Form3>(); }
    Form4& dims() { return prog.form<Form4>(); }
    Form7& sec() { return prog.form<Form7>(); }
    MDIForm1& main() { return prog.form<MDIForm1>(); }

    // File > New, then the wall through the screens up to its stability check.
    void enter(const Wall& w) {
        main().FileNew();
        fillConditions(w);
        Form3& c = conditions();
        c.cmd3.press();  // "地盤の形状 >"
        Form23& shape = prog.form<Form23>();
        shape.opt1.userClick();
        shape.cmd1.press();  // "寸法の入力 >"
        Form4& d = dims();
        screen_input::typeWall(d, w.dims);
        (w.verticalComponent ? d.opt1 : d.opt2).userClick();
        d.Frame2.setVisible(box("txt12").text() != "0");
        if (d.Frame2.visible()) d.opt3.userClick();
        if (w.load == LoadCase::Seismic) {
            prog.form<Form21>().opt1.setValue(true);
            prog.form<Form21>().opt5.setValue(true);
            if (w.cohesion) prog.form<Form21>().opt7.setValue(true);
            if (!w.inertiaHeight.empty()) {
                prog.form<Form21>().chk1.setValue(1);
                prog.form<Form21>().txt1.setText(w.inertiaHeight);
                prog.form<Form21>().cmd1.press();  // "ＯＫ" takes the height
            }
        } else {
            prog.form<Form14>().opt1.setValue(true);
            if (w.cohesion) prog.form<Form14>().opt4.setValue(true);
        }
        if (!w.keyHeight.empty()) {
            d.opt6.userClick();
            Form19& key = prog.form<Form19>();
            key.txt1.setText(w.keyHeight);
            key.txt2.setText("1.0");
            key.txt3.setText("0.4");
        }
        stabilityCheck();
    }

    // "変更" on the section screen: the cover dialog's boxes named here typed, then "ＯＫ".
    void confirmCovers(const screen_input::Texts& boxes) {
        svc.modalScripts.push_back([boxes](plat::Form& form) {
            for (const auto& [name, text] : boxes) static_cast<plat::TextBox&>(*form.control(name)).setText(text);
            static_cast<Form22&>(form).cmd1.press();
        });
        sec().cmd6.press();
    }

    void stabilityCheck() { dims().cmd3.press(); }
    void handOver() { dims().cmd1.press(); }
    void back() { sec().cmd3.press(); }

    // Every row of a member that exists gets a bar where it has none, a design spacing
    // that the computed spacing allows where it has none; then "応力度計算".
    void sectionCheck() {
        Form7& s = sec();
        for (const Form7::Row& r : s.rows()) {
            if (!r.bars.visible()) continue;
            if (r.bars.text().empty()) r.bars.userPick(4);  // "  D16"
        }
        for (const Form7::Row& r : s.rows()) {
            if (!r.design.visible() || !r.design.text().empty() || r.computed.caption().empty()) continue;
            // "――": nothing loads the location, and no spacing is required.
            const double computed = r.computed.caption() == "――" ? 250.0 : num::parse(r.computed.caption());
            r.design.setText(num::format(std::min(computed, 250.0), "0"));
        }
        s.cmd1.press();
    }

    // The whole way from File > New to a section check.
    void design(const Wall& w) {
        enter(w);
        handOver();
        sectionCheck();
    }

    plat::TextBox& box(const std::string& name) { return static_cast<plat::TextBox&>(*dims().control(name)); }

    ScriptedServices svc;
    Program prog{svc};

private:
    void fillConditions(const Wall& w) {
        Form3& c = conditions();
        c.opt_T.userClick();
        if (w.load == LoadCase::Seismic) {
            c.cmd2.press();
            c.txt13.setText("300");
            svc.modalScripts.push_back([kh = w.kh](plat::Form& form) {
                auto& dialog = static_cast<Form25&>(form);
                dialog.opt_K2.userClick();
                dialog.Text1.setText(kh);
                dialog.Text2.setText("0");
                dialog.cmd1.press();
            });
            c.cmd4.press();
        } else {
            c.cmd1.press();
        }
        screen_input::typeDesignValues(c, "東京都", w.cohesion);
        for (const auto& [name, text] : w.conditions) static_cast<plat::TextBox&>(*c.control(name)).setText(text);
        if (w.ka.empty()) {
            c.cmd6.press();  // KA computed
        } else {
            c.cmd5.press();
            c.txt15.setText(w.ka);
        }
    }
};

// What a history leaves: the section screen as the user sees it, the section values of the
// locations shown, and the check flag.
struct Outcome {
    std::map<std::string, std::string> screen;
    std::map<std::string, float> values;
    int flag = 0;
    bool operator==(const Outcome&) const = default;
};

inline void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "flag " << o.flag << "\n";
    for (const auto& [k, v] : o.screen) *os << "  " << k << " = \"" << v << "\"\n";
    for (const auto& [k, v] : o.values) *os << "  " << k << " = " << v << "\n";
}

inline Outcome outcomeOf(Session& run) {
    Outcome o;
    Program& p = run.prog;
    Form7& s = run.sec();
    for (const plat::Control* c : s.controls()) {
        if (!c->visible()) continue;
        std::string text;
        switch (c->kind()) {
        case plat::ControlKind::Label: text = static_cast<const plat::Label*>(c)->caption(); break;
        case plat::ControlKind::TextBox: text = static_cast<const plat::TextBox*>(c)->text(); break;
        case plat::ControlKind::ComboBox: text = static_cast<const plat::ComboBox*>(c)->text(); break;
        case plat::ControlKind::CheckBox: text = std::to_string(static_cast<const plat::CheckBox*>(c)->value()); break;
        default: continue;
        }
        o.screen[c->name()] = text;
    }
    // The fields each location has: no shear at the slab centre, no slab terms at the key.
    for (int loc : s.presentLocations()) {
        auto put = [&](const char* name, const PerLocation<float>& field) {
            o.values[std::string(name) + "[" + std::to_string(loc) + "]"] = field[loc];
        };
        o.screen["barName[" + std::to_string(loc) + "]"] = p.barName[loc];
        put("barArea", p.barArea);
        put("barPerimeter", p.barPerimeter);
        put("rebarCover", p.rebarCover);
        put("effectiveCover", p.effectiveCover);
        put("memberThickness", p.memberThickness);
        put("effectiveDepth", p.effectiveDepth);
        put("leverArm", p.leverArm);
        put("designMoment", p.designMoment);
        put("requiredSteelArea", p.requiredSteelArea);
        put("barsForArea", p.barsForArea);
        put("barsPerMetre", p.barsPerMetre);
        put("computedSpacing", p.computedSpacing);
        put("designSpacing", p.designSpacing);
        put("steelRatio", p.steelRatio);
        put("neutralAxisRatio", p.neutralAxisRatio);
        put("leverArmRatio", p.leverArmRatio);
        put("concreteStress", p.concreteStress);
        put("rebarStress", p.rebarStress);
        if (checkLocationOf(loc).shear) {
            put("designShear", p.designShear);
            put("requiredPerimeter", p.requiredPerimeter);
            put("barsForBond", p.barsForBond);
            put("shearStress", p.shearStress);
        }
        if (loc >= 5 && loc <= 9) {
            put("loadMoment", p.loadMoment);
            put("reactionMoment", p.reactionMoment);
        }
        if (loc >= 6 && loc <= 9) {
            put("loadShear", p.loadShear);
            put("reactionShear", p.reactionShear);
        }
        if (loc <= 2) {
            put("sectionPAX", p.sectionPAX);
            put("sectionDeltaPAX", p.sectionDeltaPAX);
        }
    }
    o.values["activeCoefficientSection"] = p.activeCoefficientSection;
    o.flag = p.sectionCheckDoneValue();
    return o;
}

// Puts the section inputs that one program ended with into another that has just been
// handed the same wall: surcharge inertia, KA, covers, bars and design spacings, then
// "応力度計算".
inline void enterSectionInputsOf(Session& from, Session& to) {
    Form7& a = from.sec();
    Form7& b = to.sec();
    if (b.chk_1.visible() && b.chk_1.enabled()) b.chk_1.setValue(a.chk_1.value());
    if (b.txt_1.visible() && b.txt_1.enabled()) b.txt_1.setText(a.txt_1.text());
    if (b.txt_ka.text() != a.txt_ka.text()) b.txt_ka.setText(a.txt_ka.text());
    if (from.prog.isLoaded(Form22::kName)) {
        Form22& covers = from.prog.form<Form22>();
        to.confirmCovers({{"txt1", covers.txt1.text()},
                          {"txt3", covers.txt3.text()},
                          {"txt4", covers.txt4.text()},
                          {"txt5", covers.txt5.text()},
                          {"txt6", covers.txt6.text()}});
    }
    const auto rowsA = a.rows();
    const auto rowsB = b.rows();
    for (size_t i = 0; i < rowsA.size(); ++i) {
        if (!rowsB[i].bars.visible()) continue;
        if (rowsA[i].bars.listIndex() >= 0) rowsB[i].bars.userPick(rowsA[i].bars.listIndex());
        rowsB[i].design.setText(rowsA[i].design.text());
    }
    b.cmd1.press();
}

// The values behind what a row shows are the program's answer: those of its spacing while
// it shows a computed spacing, those of its stresses while it shows a judgement. A row that
// shows nothing answers nothing.
inline Outcome comparable(Session& run) {
    Outcome o = history::outcomeOf(run);
    Form7& s = run.sec();
    static const char* const kStressFields[] = {"steelRatio",     "neutralAxisRatio", "leverArmRatio",
                                                "concreteStress", "rebarStress",      "shearStress"};
    for (int loc : s.presentLocations()) {
        const Form7::Row row = s.row(loc);
        const std::string suffix = std::string("[").append(std::to_string(loc)).append("]");
        if (row.computed.caption().empty()) {
            std::erase_if(o.values, [&](const auto& kv) { return kv.first.ends_with(suffix); });
            o.screen.erase("barName" + suffix);
        } else if (row.results[3]->caption().empty()) {
            for (const char* field : kStressFields) o.values.erase(field + suffix);
        }
    }
    return o;
}

}  // namespace history
