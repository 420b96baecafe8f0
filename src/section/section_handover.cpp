// The hand-over from the dimension screen's "断面計算 >": the slab model is built from the
// stability result, and the screen sets itself up for this wall and its design conditions.
#include <initializer_list>

#include "common/calc_fault.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "section/section_screen.h"

void Form7::takeOverFromDimensions() {
    try {
        TEKKIN();
    } catch (const num::CalcFault&) {
        showCannotCompute(program_);
        return;
    }
    setTop(0);
    setLeft(0);
    show();
    canvas().clear();

    // The surcharge inertia of the upright wall is offered only where the method adds
    // the wall's own inertia (K2, D1).
    const DesignChoices choices = designChoices(program_);
    plat::Control* const heightField[] = {&lbl_1, &txt_1, &lbl_2};
    auto enableHeight = [&](bool on) {
        if (!on) txt_1.setText("");
        for (plat::Control* c : heightField) c->setEnabled(on);
    };
    if (choices.normal()) {
        chk_1.setVisible(false);
        txt_1.setText("");
        for (plat::Control* c : heightField) c->setVisible(false);
    } else if (choices.seismic() && choices.seismicMethod == SeismicMethod::K1) {
        chk_1.setEnabled(false);
        enableHeight(false);
    } else if (choices.seismic() && choices.withHeights()) {
        // An earlier visit in another case may have hidden or greyed the group.
        chk_1.setVisible(true);
        chk_1.setEnabled(true);
        for (plat::Control* c : heightField) c->setVisible(true);
        enableHeight(chk_1.value() == 1);
    }

    // Rows of the members that may be absent; their results and member captions stay. A
    // member the wall does not have keeps no section values of an earlier one.
    for (const Row& r : rows()) {
        const bool present = memberPresent(program_, r.member);
        for (plat::Control* c : std::initializer_list<plat::Control*>{&r.caption, &r.bars, &r.cover, &r.design, &r.computed})
            c->setVisible(present);
        if (!present) program_.clearLocation(r.loc);
    }

    // The sketch: the front-side earth pressure only for the symmetric shape.
    const GroundShape shape = designChoices(program_).groundShape;
    if (shape != GroundShape::None) {
        const bool symmetric = shape == GroundShape::Symmetric;
        Line100.setVisible(!symmetric);
        for (plat::Control* c : std::initializer_list<plat::Control*>{
                 &Line101, &Line102, &Line103, &Line104, &Line105,
                 &Line106, &Line107, &Line108, &Line109, &Label100,
                 &Label101, &Label102})
            c->setVisible(symmetric);
    }

    // The section KA follows the way KA was given on the design conditions.
    const KaMode ka = designChoices(program_).kaMode;
    if (ka == KaMode::Typed) {
        opt1.setEnabled(true);
        cmd4.setEnabled(true);
        opt1.setValue(true);
        txt_ka.setText(num::format(program_.activeCoefficient, "0.0#"));
        txt_ka.setBorderStyle(1);
        txt_ka.setFocus();
        opt2.setValue(false);
        opt2.setEnabled(false);
        cmd5.setEnabled(false);
    } else if (ka == KaMode::Computed) {
        opt2.setEnabled(true);
        cmd5.setEnabled(true);
        opt2.setValue(true);
        try {
            Doatu();
        } catch (const num::CalcFault&) {
            // No coefficient for these inputs: none is offered for the spacings either.
            txt_ka.setText("");
            dropStaleRows();
            if (plat::Toolbar* toolbar = program_.mainToolbar()) button(*toolbar, ToolbarButton::Preview).enabled = false;
            showCannotCompute(program_);
            return;
        }
        txt_ka.setFocus();
        opt1.setValue(false);
        opt1.setEnabled(false);
        cmd4.setEnabled(false);
    }

    // What was designed on an earlier visit stays only while this wall still gives it.
    dropStaleRows();

    if (txt_ka.text().empty())
        if (plat::Toolbar* toolbar = program_.mainToolbar()) button(*toolbar, ToolbarButton::Preview).enabled = false;
}
