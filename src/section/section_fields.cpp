// The entry fields of the section screen: the design-spacing boxes with their Enter
// chain over the rows that exist, the surcharge-inertia switch, its height box and the
// coefficient box, and what touching each of them empties.
#include <cstddef>

#include "common/entry_field.h"
#include "section/section_screen.h"

// What each input empties: the height and switch of the surcharge inertia and the
// coefficient enter the upright wall's forces; choosing how KA is given empties every row.
// A design box whose spacing is edited empties its own row's results (designBoxTouched).
void Form7::bindInvalidation() {
    stale_.add(chk_1, invalidates::kUprightWall);
    stale_.add(txt_1, invalidates::kUprightWall);
    stale_.add(txt_ka, invalidates::kUprightWall);
    stale_.add(cmd4, invalidates::kSectionRows);
    stale_.add(cmd5, invalidates::kSectionRows);
}

void Form7::bindFields() {
    bindInvalidation();
    // A new spacing empties its row's results; a look changes nothing.
    auto designBox = [this](int r, EntryTarget next) {
        return EntryFieldSpec{.next = std::move(next), .onEdit = [this, r] { designBoxTouched(r); }};
    };
    // Each design box leads to the next row's; the chain passes over the members that
    // do not exist, and the last row leads to the stress check.
    const auto grid = rows();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        auto next = [this, i]() -> plat::Control* {
            const auto later = rows();
            for (std::size_t j = i + 1; j < later.size(); ++j)
                if (memberPresent(program_, later[j].member)) return &later[j].design;
            return &cmd1;
        };
        fields_.add(grid[i].design, designBox(grid[i].loc, next));
    }

    // The height box selects like the others but has no key handling: Enter is not
    // taken for a chain.
    txt_1.Click = [this] { txt_1.selectAll(); };
    txt_1.DblClick = [this] { selectFrom(txt_1, 10); };
    txt_1.GotFocus = [this] { txt_1.selectAll(); };
}

void Form7::designBoxTouched(int loc) {
    for (plat::Label* result : row(loc).results) result->setCaption("");
    checkOutdated();
}

void Form7::chk_1_Click() {
    if (chk_1.value() == 1) {
        txt_1.setEnabled(true);
        lbl_1.setEnabled(true);
        lbl_2.setEnabled(true);
    } else {
        txt_1.setText("");
        txt_1.setEnabled(false);
        lbl_1.setEnabled(false);
        lbl_2.setEnabled(false);
    }
    // The upright wall's rows were computed with the other setting: choose again.
    stale_.changed(chk_1);
}

// The height of the surcharge inertia and the coefficient enter the upright wall's forces.
void Form7::txt_1_Change() { stale_.changed(txt_1); }

void Form7::txt_ka_Change() {
    if (!handingOverKa_) stale_.changed(txt_ka);
}
