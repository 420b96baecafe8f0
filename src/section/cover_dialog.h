// Form22: the rebar-cover dialog, the concrete cover of the bars of each member in mm.
// "ＯＫ" spreads the covers over the check locations and hides it (the texts stay for
// the next opening); "キャンセル" discards it.
#pragma once
#include <array>
#include <vector>

#include "common/entry_bounds.h"
#include "common/entry_field.h"
#include "common/program.h"
#include "platform/form.h"
#include "section/check_locations.h"

class Form7;

class Form22 : public plat::Form {
public:
    static constexpr const char* kName = "Form22";
    explicit Form22(Program& program);

    plat::Label lbl1{*this, "lbl1"};
    plat::Label lbl2{*this, "lbl2"};
    plat::Label lbl3{*this, "lbl3"};
    plat::Label lbl4{*this, "lbl4"};
    // Upright wall.
    plat::Label lbl5{*this, "lbl5"};
    plat::TextBox txt1{*this, "txt1"};
    plat::Label lbl6{*this, "lbl6"};
    // Base slab.
    plat::Label lbl9{*this, "lbl9"};
    plat::TextBox txt3{*this, "txt3"};
    plat::Label lbl10{*this, "lbl10"};
    // Heel.
    plat::Label lbl11{*this, "lbl11"};
    plat::TextBox txt4{*this, "txt4"};
    plat::Label lbl12{*this, "lbl12"};
    // Toe.
    plat::Label lbl13{*this, "lbl13"};
    plat::TextBox txt5{*this, "txt5"};
    plat::Label lbl14{*this, "lbl14"};
    // Shear key.
    plat::Label lbl15{*this, "lbl15"};
    plat::TextBox txt6{*this, "txt6"};
    plat::Label lbl16{*this, "lbl16"};
    plat::CommandButton cmd1{*this, "cmd1"};
    plat::CommandButton cmd2{*this, "cmd2"};

    // "ＯＫ": checks the boxes of the members present, stores the covers, shows them on
    // the section screen, hides the dialog and recomputes the rows with a bar chosen.
    void cmd1_Click();
    // "キャンセル": discards the dialog and its texts.
    void cmd2_Click();
    // The cover boxes of the members present, with their bounds and messages.
    std::vector<BoundedBox> boundedBoxes();
    // Before each opening: the heel, toe and key rows are offered only for the members
    // that exist.
    void matchRowsToMembers();
    // Before each opening: the boxes show the covers that the section screen's rows use,
    // so that the dialog always starts from this project's covers.
    void showCoversInUse();

    void closeBoxPressed() override { cmd2_Click(); }

private:
    void layout();
    // The dialog's rows, one per member: caption, cover box and unit.
    struct MemberRow {
        SectionMember member;
        plat::Label& name;
        plat::TextBox& box;
        plat::Label& unit;
    };
    std::array<MemberRow, 5> memberRows();
    // A member's box with the check locations that take its cover, and the cover read.
    struct Member {
        plat::TextBox& box;
        std::vector<int> locs;
        float cover = 0;
    };
    std::vector<Member> members();
    // Refuses the first cover that leaves its member no depth beside its bar.
    bool refuseTooThick(Form7& sections, const std::vector<Member>& covers);

    Program& program_;
    EntryFields fields_;
};
