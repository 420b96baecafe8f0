#include "section/cover_dialog.h"
#include "common/colours.h"
#include "common/messages.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "common/entry_bounds.h"
#include "common/numbers.h"
#include "common/calc_fault.h"
#include "section/section_refusal.h"
#include "section/section_screen.h"

namespace {

void placeCaption(plat::Label& label, int left, int top, int width, const std::string& text) {
    label.place(left, top, width, 255);
    label.setCaption(text);
}

// A cover as the section screen shows it: the shortest decimal text ("60", "42.5").
std::string coverText(float value) { return num::shortForm(value); }

// A member row: caption, box and unit; it is offered only while its member exists.
void offerRow(plat::Label& name, plat::TextBox& box, plat::Label& unit, bool present) {
    box.setVisible(present);
    unit.setVisible(present);
    name.setEnabled(present);
}
}  // namespace

Form22::Form22(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog), program_(program) {
    layout();
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    // The boxes only select, so that a cover typed replaces the one shown. Enter passes
    // over the rows of absent members, which are hidden.
    fields_.add(txt1, {.next = txt3, .dblClickFrom = 30});
    fields_.add(txt3, {.next = txt4});
    fields_.add(txt4, {.next = txt5});
    fields_.add(txt5, {.next = txt6});
    fields_.add(txt6, {.next = cmd1});
}

void Form22::layout() {
    setCaption("ミラノス");
    setSize(6000, 3660);
    setFont("ＭＳ ゴシック", 9);
    for (plat::Control* c : controls()) c->setFont("ＭＳ ゴシック", 9);

    placeCaption(lbl1, 240, 180, 5520, "鉄筋のかぶり厚さ");
    lbl1.setFont("ＭＳ ゴシック", 11.25, true);
    lbl1.setForeColor(kGreen);
    placeCaption(lbl2, 240, 570, 5520, "コンクリート表面から鉄筋表面までの最小間隔");
    placeCaption(lbl3, 480, 900, 5280, "土に接する部分：60mm以上");
    placeCaption(lbl4, 480, 1170, 5280, "その他の部分　：40mm以上");

    // Wall, heel and key on the left; slab and toe on the right.
    struct Row {
        plat::Label& name;
        const char* text;
        plat::TextBox& box;
        plat::Label& unit;
        int left, top;
    };
    const Row rows[] = {
        {lbl5, "たて壁", txt1, lbl6, 360, 1620},    {lbl9, "底　版", txt3, lbl10, 3120, 1620},
        {lbl11, "かかと版", txt4, lbl12, 360, 2040}, {lbl13, "つま先版", txt5, lbl14, 3120, 2040},
        {lbl15, "突　起", txt6, lbl16, 360, 2460},
    };
    for (const Row& row : rows) {
        placeCaption(row.name, row.left, row.top + 30, 960, row.text);
        row.box.place(row.left + 1020, row.top, 735, 300);
        row.box.setAlignment(plat::Align::Right);
        placeCaption(row.unit, row.left + 1815, row.top + 30, 360, "mm");
    }

    cmd1.place(1560, 3000, 1200, 420);
    cmd1.setCaption("ＯＫ");
    cmd2.place(3240, 3000, 1200, 420);
    cmd2.setCaption("キャンセル");

    plat::setTabOrder({&txt1, &txt3, &txt4, &cmd1, &cmd2, &txt5, &txt6});
}

std::array<Form22::MemberRow, 5> Form22::memberRows() {
    return {{
        {SectionMember::Wall, lbl5, txt1, lbl6},
        {SectionMember::Slab, lbl9, txt3, lbl10},
        {SectionMember::Heel, lbl11, txt4, lbl12},
        {SectionMember::Toe, lbl13, txt5, lbl14},
        {SectionMember::Key, lbl15, txt6, lbl16},
    }};
}

void Form22::matchRowsToMembers() {
    // A member added since an earlier opening gets its row back.
    for (const MemberRow& m : memberRows()) offerRow(m.name, m.box, m.unit, memberPresent(program_, m.member));
}

// A cover is a real thickness of concrete: none, or one beyond any member, is a slip. The
// wall and slab rows are always there; the others only while shown.
std::vector<BoundedBox> Form22::boundedBoxes() {
    return {
        {&txt1, "たて壁のかぶり厚さ", bounds::kCover, true, "たて壁のかぶり厚さを入力してください。"},
        {&txt3, "底版のかぶり厚さ", bounds::kCover, true, "底版のかぶり厚さを入力してください。"},
        {&txt4, "かかと版のかぶり厚さ", bounds::kCover, txt4.visible(), "かかと版のかぶり厚さを入力してください。"},
        {&txt5, "つま先版のかぶり厚さ", bounds::kCover, txt5.visible(), "つま先版のかぶり厚さを入力してください。"},
        {&txt6, "突起のかぶり厚さ", bounds::kCover, txt6.visible(), "突起のかぶり厚さを入力してください。"},
    };
}

void Form22::showCoversInUse() {
    Form7& sections = program_.form<Form7>();
    // A member's box shows the cover of its first row.
    for (const MemberRow& m : memberRows()) {
        for (const Form7::Row& r : sections.rows()) {
            if (r.member != m.member) continue;
            m.box.setText(r.cover.caption());
            break;
        }
    }
}

std::vector<Form22::Member> Form22::members() {
    std::vector<Member> out;
    for (const MemberRow& m : memberRows()) {
        out.push_back({m.box, {}});
        for (const CheckLocation& at : kCheckLocations)
            if (at.member == m.member) out.back().locs.push_back(at.loc);
    }
    return out;
}

// A cover must leave its member some depth beside the bar chosen for each of its rows:
// the first that does not is refused, with the focus in its box, before anything changes.
bool Form22::refuseTooThick(Form7& sections, const std::vector<Member>& covers) {
    for (const Member& m : covers) {
        if (!m.box.visible()) continue;
        for (int loc : m.locs) {
            if (sections.coverFits(loc, m.cover)) continue;
            program_.msgBox(SectionRefusal(loc, SectionRefusal::Reason::TooThin).what(), plat::msg::kOk,
                            kErrorTitle);
            moveTo(m.box);
            return true;
        }
    }
    return false;
}

void Form22::cmd1_Click() {
    const std::vector<BoundedBox> bounded = boundedBoxes();
    for (const BoundedBox& entry : bounded) {
        if (entry.applies && entry.box->text().empty()) {
            program_.msgBox(entry.missing, plat::msg::kOk, kErrorTitle);
            moveTo(*entry.box);
            return;
        }
    }
    if (refuseOutOfBounds(program_, bounded)) return;

    // All five are read and checked before any is stored, so that a refused cover leaves
    // every location as it was.
    std::vector<Member> covers = members();
    try {
        for (Member& m : covers) m.cover = num::readSingle(m.box.text());
    } catch (const num::CalcFault&) {
        showCannotCompute(program_);
        return;
    }
    Form7& sections = program_.form<Form7>();
    if (refuseTooThick(sections, covers)) return;

    // The spacing calculations take their cover from the section screen's captions. A
    // member whose row is not offered and left empty keeps the cover it had.
    const auto keeps = [&](const Member& m) {
        if (!m.box.visible() && m.box.text().empty()) return true;
        for (int loc : m.locs)
            if (sections.row(loc).cover.caption() != coverText(m.cover)) return false;
        return true;
    };
    // Covers confirmed as they were change nothing: the rows and the check stand.
    if (std::all_of(covers.begin(), covers.end(), keeps)) {
        hide();
        return;
    }
    for (const Member& m : covers) {
        if (!m.box.visible() && m.box.text().empty()) continue;
        for (int loc : m.locs) {
            program_.rebarCover[loc] = m.cover;
            sections.row(loc).cover.setCaption(coverText(m.cover));
        }
    }

    hide();
    sections.coversChanged();
}

void Form22::cmd2_Click() { unload(); }
