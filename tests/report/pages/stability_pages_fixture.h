// A wall entered on the input screens and computed by the stability calculation, with a
// recording surface as the report's output, for the writers of report pages 3 and 4.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "conditions/conditions_screen.h"
#include "conditions/ground_shape.h"
#include "conditions/seismic_dialog.h"
#include "platform/surface.h"
#include "report/report_pages.h"
#include "stability/check_method_dialogs.h"
#include "stability/dimension_screen.h"
#include "stability/shear_key_dialogs.h"
#include "support/design_values.h"
#include "support/scripted_services.h"
#include "support/choice_input.h"
#include "support/screen_input.h"

class StabilityPagesFixture : public ::testing::Test {
protected:
    ScriptedServices svc;
    Program prog{svc};
    plat::RecordingSurface surface;

    void SetUp() override {
        registerForms(prog);
        prog.outputSurface = &surface;
        surface.setFont("ＭＳ 明朝", 11);
    }

    Form3& conditions() { return prog.form<Form3>(); }
    Form4& dims() { return prog.form<Form4>(); }

    // The one-sided wall of base 4.0 m (γ 18, KA 0.333, δ 20ﾟ, μ 0.5, φB 30ﾟ, qa 200).
    // key: building (B1 1.5 m, H0 0.3 m) or road (L1 2.0 m, H0 0.4 m).
    void enterWall(bool seismic, bool road, bool key, float cohesion = 0) {
        choice_input::setDesignChoices(prog, {road ? Standard::Road : Standard::Building,
                                              seismic ? LoadCase::Seismic : LoadCase::Normal, GroundShape::OneSided,
                                              seismic ? SeismicMethod::K2 : SeismicMethod::None});
        Form4& f = dims();
        screen_input::typeWall(f);
        choice_input::setDimensionChoices(prog, {FrontSoilLoad::Counted, VerticalEarthPressureComponent::Counted,
                                                 key ? ShearKey::Present : ShearKey::Absent, SurchargeDeduction::Off});
        if (key) {
            ShearKeyDialog& dialog = road ? static_cast<ShearKeyDialog&>(prog.form<Form26>())
                                          : static_cast<ShearKeyDialog&>(prog.form<Form19>());
            dialog.txt1.setText(road ? "0.4" : "0.3");
            dialog.txt2.setText(road ? "2.0" : "1.5");
            dialog.txt3.setText(road ? "0.4" : "0.3");
        }
        if (seismic) {
            Form21& m = prog.form<Form21>();
            m.opt2.setValue(true);
            m.opt5.setValue(true);
            m.opt8.setValue(true);
            m.chk1.setValue(1);
            prog.surchargeInertiaHeight = 2.8f;
        } else {
            Form14& m = prog.form<Form14>();
            m.opt1.setValue(true);
            m.opt5.setValue(true);
        }
        fixture::setDesignValues(prog);
        prog.foundationCohesion = cohesion;
        prog.seismicKh = seismic ? 0.25f : 0;
        dims().DANMEM_1();
        svc.clear();
    }

    std::vector<std::string> texts() const { return surface.texts(); }

    // The text ops, in order.
    std::vector<plat::DrawOp> textOps() const {
        std::vector<plat::DrawOp> out;
        for (const auto& op : surface.ops())
            if (op.kind == plat::DrawOp::Text) out.push_back(op);
        return out;
    }
    std::vector<plat::DrawOp> lineOps() const {
        std::vector<plat::DrawOp> out;
        for (const auto& op : surface.ops())
            if (op.kind == plat::DrawOp::Line) out.push_back(op);
        return out;
    }
    // The first text op that reads exactly text; fails the test when there is none.
    plat::DrawOp textOp(const std::string& text) const {
        for (const auto& op : surface.ops())
            if (op.kind == plat::DrawOp::Text && op.text == text) return op;
        ADD_FAILURE() << "no text \"" << text << "\"";
        return plat::DrawOp(plat::DrawOp::Text);
    }
    bool hasText(const std::string& text) const {
        for (const auto& t : surface.texts())
            if (t == text) return true;
        return false;
    }
    bool hasLine(double x1, double y1, double x2, double y2) const {
        for (const auto& op : lineOps())
            if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) return true;
        return false;
    }
    static std::string blanks(int n) { return std::string(n, ' '); }
};
