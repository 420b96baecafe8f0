// The entry boxes of the dimension screen: the shared field behaviour, the Enter chain
// with its ground-shape branches, what a click or key invalidates, and the couplings
// between boxes when the focus leaves them.
#include <string>

#include "common/numbers.h"
#include "stability/dimension_screen.h"

namespace {

// Empty or exactly "0": the user says there is no toe (heel). "0.0" counts as a length.
bool noLength(const plat::TextBox& box) { return box.text().empty() || box.text() == "0"; }

// The pair rule of the toe and the heel: leaving one of them without a length zeroes
// the other.
void zeroPartner(const plat::TextBox& left, plat::TextBox& partner) {
    if (noLength(left)) partner.setText("0");
}

}  // namespace

void Form4::bindFields() {
    auto invalidating = [this](EntryTarget next) {
        EntryFieldSpec spec;
        spec.next = std::move(next);
        spec.onClick = [this] { invalidate(); };
        spec.onKey = [this](int) { invalidate(); };
        return spec;
    };

    // Section number and wall mark: plain text, nothing depends on them.
    fields_.add(txt1, {.next = txt2, .ime = plat::ImeMode::FullWidthAlpha});
    fields_.add(txt2, {.next = [this]() -> plat::Control* {
                           if (oneSided()) return &txt3;
                           if (symmetric()) return &txt5;
                           return nullptr;
                       },
                       .ime = plat::ImeMode::FullWidthAlpha});

    fields_.add(txt3, invalidating(txt4));
    fields_.add(txt4, invalidating(txt5));
    fields_.add(txt5, invalidating(txt6));
    fields_.add(txt6, invalidating(txt7));
    fields_.add(txt7, invalidating(txt8));
    fields_.add(txt8, invalidating(txt9));
    fields_.add(txt9, invalidating(txt10));
    fields_.add(txt10, invalidating(txt13));
    fields_.add(txt13, invalidating(txt15));
    fields_.add(txt15, invalidating(txt14));
    fields_.add(txt14, invalidating(txt12));
    EntryFieldSpec toe = invalidating(txt16);
    toe.onClick = [this] {
        invalidate();
        if (oneSided()) frontSoilFrameByText(txt12);
    };
    fields_.add(txt12, std::move(toe));
    fields_.add(txt16, invalidating(txt17));
    fields_.add(txt17, invalidating(txt18));
    fields_.add(txt18, invalidating(txt19));
    fields_.add(txt19, invalidating(txt20));
    fields_.add(txt20, invalidating(txt21));
    fields_.add(txt21, invalidating(txt22));
    fields_.add(txt22, invalidating([this]() -> plat::Control* {
                    if (oneSided()) return &txt23;
                    if (symmetric()) return &cmd3;
                    return nullptr;
                }));
    fields_.add(txt23, invalidating(cmd3));
}

// Shows the front-soil frame when the box holds a toe length, hides it otherwise. The
// choice goes with the frame: I never let a choice that no screen shows load the wall.
void Form4::frontSoilFrameByText(const plat::TextBox& box) {
    const bool toe = !noLength(box);
    Frame2.setVisible(toe);
    if (toe) return;
    opt3.setValue(false);
    opt4.setValue(false);
}

void Form4::frontSoilFrameByToe() { frontSoilFrameByText(txt12); }

void Form4::txt12_LostFocus() {
    if (oneSided()) frontSoilFrameByText(txt12);
    zeroPartner(txt12, txt18);
}

void Form4::txt18_LostFocus() {
    if (oneSided()) frontSoilFrameByText(txt18);
    zeroPartner(txt18, txt12);
}

void Form4::txt16_LostFocus() { zeroPartner(txt16, txt19); }
void Form4::txt19_LostFocus() { zeroPartner(txt19, txt16); }

// The symmetric wall carries the back surcharge on its front side too.
void Form4::txt21_LostFocus() {
    if (!symmetric()) return;
    float q;
    try {
        q = num::readSingle(txt21.text());
    } catch (const num::CalcFault&) {
        return;  // too large for a number of the program; the check command reports it
    }
    program_.surchargeFront = q;
    lbl33.setCaption(num::shortForm(q));
}

std::string Form4::numberText(float value) { return num::shortForm(value); }
