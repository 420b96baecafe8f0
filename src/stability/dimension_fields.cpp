// The entry boxes of the dimension screen: the shared field behaviour, the Enter chain
// with its ground-shape branches, what a click or key invalidates, and the couplings
// between boxes when the focus leaves them.
#include <initializer_list>
#include <string>

#include "common/numbers.h"
#include "stability/dimension_screen.h"

namespace {

// Empty or exactly "0" (also full-width, as a file may hold it): the user says there is
// no toe (heel). "0.0" counts as a length.
bool noLength(const plat::TextBox& box) { return box.text().empty() || num::narrowed(box.text()) == "0"; }

// The pair rule of the toe and the heel: leaving one of them without a length zeroes
// the other.
void zeroPartner(const plat::TextBox& left, plat::TextBox& partner) {
    if (noLength(left)) partner.setText("0");
}

}  // namespace

// What each input of the screen makes stale. The wall's dimensions, the ground's options and
// the slab check feed the stability calculation; the section rows are compared with its next
// result at the hand-over. The shear-key choice drops everything of the other choice.
void Form4::bindInvalidation() {
    for (const plat::Control* input :
         std::initializer_list<const plat::Control*>{&txt3,  &txt4,  &txt5,  &txt6,  &txt7,  &txt8,  &txt9,  &txt10,
                                                     &txt13, &txt15, &txt14, &txt12, &txt16, &txt17, &txt18, &txt19,
                                                     &txt20, &txt21, &txt22, &txt23, &chk1,  &opt1,  &opt2,  &opt3,
                                                     &opt4})
        stale_.add(*input, invalidates::kWallInput);
    stale_.add(opt5, invalidates::kShearKey);
    stale_.add(opt6, invalidates::kShearKey);
    // A calculation that could not go on, or one the panel does not show.
    stale_.add("calculation fault", invalidates::kStabilityAndCommands);
    stale_.add("unshown result", invalidates::kStabilityAndCommands);
}

void Form4::bindFields() {
    bindInvalidation();
    // A look changes nothing and drops nothing; an edit of the box's text does.
    auto invalidating = [this](plat::TextBox& box, EntryTarget next) {
        EntryFieldSpec spec;
        spec.next = std::move(next);
        spec.onEdit = [this, &box] { stale_.changed(box); };
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

    fields_.add(txt3, invalidating(txt3, txt4));
    fields_.add(txt4, invalidating(txt4, txt5));
    fields_.add(txt5, invalidating(txt5, txt6));
    fields_.add(txt6, invalidating(txt6, txt7));
    fields_.add(txt7, invalidating(txt7, txt8));
    fields_.add(txt8, invalidating(txt8, txt9));
    fields_.add(txt9, invalidating(txt9, txt10));
    fields_.add(txt10, invalidating(txt10, txt13));
    fields_.add(txt13, invalidating(txt13, txt15));
    fields_.add(txt15, invalidating(txt15, txt14));
    fields_.add(txt14, invalidating(txt14, txt12));
    EntryFieldSpec toe = invalidating(txt12, txt16);
    toe.onClick = [this] {
        if (!oneSided()) return;
        // A front-soil choice that goes with the frame changes the wall's loads.
        const bool chosen = opt3.value() || opt4.value();
        frontSoilFrameByText(txt12);
        if (chosen && !opt3.value() && !opt4.value()) stale_.changed(txt12);
    };
    fields_.add(txt12, std::move(toe));
    fields_.add(txt16, invalidating(txt16, txt17));
    fields_.add(txt17, invalidating(txt17, txt18));
    fields_.add(txt18, invalidating(txt18, txt19));
    fields_.add(txt19, invalidating(txt19, txt20));
    fields_.add(txt20, invalidating(txt20, txt21));
    fields_.add(txt21, invalidating(txt21, txt22));
    fields_.add(txt22, invalidating(txt22, [this]() -> plat::Control* {
                    if (oneSided()) return &txt23;
                    if (symmetric()) return &cmd3;
                    return nullptr;
                }));
    fields_.add(txt23, invalidating(txt23, cmd3));
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
