// The hand-over from the ground-shape screen's "寸法の入力 >": the dimension screen shows
// itself with the choices, figure and boxes of the shape chosen there.
#include <initializer_list>
#include <string>

#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "stability/dimension_screen.h"

void Form4::takeOverFromGroundShape() {
    const GroundShape shape = designChoices(program_).groundShape;
    setTop(0);
    setLeft(0);
    show();
    canvas().clear();

    // The choices of the vertical component, the front soil and the shear key.
    if (shape == GroundShape::OneSided) {
        Frame1.setEnabled(true);
        Label19.setEnabled(true);
        opt1.setEnabled(true);
        opt2.setEnabled(true);
        // The toe as typed, not the last calculation's: a toe typed since shows the frame.
        frontSoilFrameByToe();
        Frame3.setVisible(true);
        if (opt5.value()) cmd5.setVisible(false);
    } else {
        Frame1.setEnabled(false);
        Label19.setEnabled(false);
        opt1.setValue(false);
        opt1.setEnabled(false);
        opt2.setValue(false);
        opt2.setEnabled(false);
        Frame2.setVisible(false);
        Frame3.setVisible(false);
        cmd5.setVisible(false);
    }

    // The figure and the inputs of the front side.
    auto lines = [&](int from, int to, bool visible) {
        for (int n = from; n <= to; ++n) program_.controlByName(kName, "Line" + std::to_string(n)).setVisible(visible);
    };
    const bool oneSided = shape == GroundShape::OneSided;
    if (oneSided) {
        lines(135, 149, false);
        lines(120, 134, true);
    } else {
        lines(120, 134, false);
        lines(135, 149, true);
    }
    for (plat::Control* c : {static_cast<plat::Control*>(&txt3), static_cast<plat::Control*>(&txt4),
                             static_cast<plat::Control*>(&Label3), static_cast<plat::Control*>(&Label4),
                             static_cast<plat::Control*>(&lbl5), static_cast<plat::Control*>(&lbl6)})
        c->setVisible(oneSided);
    showFrontHeights(oneSided);
    for (plat::Label* l : {&lbl32, &lbl33, &lbl34}) l->setVisible(!oneSided);
    for (plat::Label* l : {&lbl22, &lbl23}) l->setVisible(oneSided);
    txt23.setVisible(oneSided);
    for (plat::Label* l : {&lbl10, &lbl45}) l->setVisible(oneSided);
    if (!oneSided) program_.surchargeFront = program_.surchargeBack;

    // The surcharge deduction belongs to a typed KA only.
    const KaMode ka = designChoices(program_).kaMode;
    if (ka == KaMode::Typed) {
        chk1.setEnabled(true);
    } else if (ka == KaMode::Computed) {
        chk1.setValue(0);
        chk1.setEnabled(false);
    }
}
