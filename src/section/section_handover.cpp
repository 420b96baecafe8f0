// The hand-over from the dimension screen's "断面計算 >": the slab model is built from the
// stability result, and the screen sets itself up for this wall and its design conditions.
#include <initializer_list>
#include <string>

#include "common/calc_fault.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "section/section_refusal.h"
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

    if (!takeOverKa()) return;

    // What was designed on an earlier visit stays only while this wall still gives it.
    dropStaleRows();
    spaceWaitingRows();

    if (txt_ka.text().empty())
        if (plat::Toolbar* toolbar = program_.mainToolbar()) button(*toolbar, ToolbarButton::Preview).enabled = false;
}

// A row that holds its bar but shows no spacing (an opened project whose refused value
// was corrected since) is computed as opening computes it: the stress check needs no bar
// chosen again. A row that cannot be is emptied, and the first reason is told once.
void Form7::spaceWaitingRows() {
    if (txt_ka.text().empty() || !program_.hasResult()) return;
    std::vector<int> waiting;
    for (int loc : presentLocations()) {
        const Row r = row(loc);
        if (!refusedRow(loc) && !r.bars.text().empty() && r.computed.caption().empty()) waiting.push_back(loc);
    }
    computeSpacings(waiting);
}

// The section KA follows the way KA was given on the design conditions. What the hand-over
// writes into the box is no edit of it: the upright wall's rows are compared with the new
// coefficient by dropStaleRows, as every row is, rather than emptied (a row of an opened
// project keeps its bar when a refused coefficient is replaced by the one the wall gives).
bool Form7::takeOverKa() {
    handingOverKa_ = true;
    const bool taken = writeKa();
    handingOverKa_ = false;
    return taken;
}

bool Form7::writeKa() {
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
            return false;
        }
        txt_ka.setFocus();
        opt1.setValue(false);
        opt1.setEnabled(false);
        cmd4.setEnabled(false);
    }
    return true;
}
