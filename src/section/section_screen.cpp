#include "section/section_screen.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "common/colours.h"
#include "section/cover_dialog.h"
#include "stability/dimension_screen.h"

const char* const Form7::kBarItems[21] = {
    "  D10", "D10,D13", "  D13", "D13,D16", "  D16", "D16,D19", "  D19", "D19,D22", "  D22", "D22,D25", "  D25",
    "D25,D29", "  D29", "D29,D32", "  D32", "D32,D35", "  D35", "D35,D38", "  D38", "D38,D41", "  D41"};

namespace {
constexpr const char* kScreenFont = "ＭＳ ゴシック";

// The grid: columns left to right, rows in check-location order.
constexpr int kGridLeft = 120;
constexpr int kColMember = 900;
constexpr int kColRow = 1080;
constexpr int kColBar = 1140;
constexpr int kColCover = 1080;
constexpr int kColSpacing = 780;
constexpr int kColStress = 1230;
constexpr int kColJudge = 900;
constexpr int kHeaderTop = 840;
constexpr int kFirstRowTop = 1500;
constexpr int kRowHeight = 300;
constexpr int kCellHeight = 270;

constexpr int xMember = kGridLeft;
constexpr int xRow = xMember + kColMember;
constexpr int xBar = xRow + kColRow;
constexpr int xCover = xBar + kColBar;
constexpr int xComputed = xCover + kColCover;
constexpr int xDesign = xComputed + kColSpacing;
constexpr int xSigmaC = xDesign + kColSpacing;
constexpr int xSigmaS = xSigmaC + kColStress;
constexpr int xTau = xSigmaS + kColStress;
constexpr int xJudge = xTau + kColStress;

int rowTop(int row) { return kFirstRowTop + row * kRowHeight; }

void placeCaption(plat::Label& label, int left, int top, int width, const std::string& text,
             plat::Align align = plat::Align::Left) {
    label.place(left, top, width, 195);
    label.setCaption(text);
    label.setAlignment(align);
}

// A cell of the grid: a bordered label the width of its column.
void cell(plat::Label& label, int left, int row, int width) {
    label.place(left + 15, rowTop(row), width - 30, kCellHeight);
    label.setBorderStyle(1);
    label.setAlignment(plat::Align::Center);
    label.setTransparent(false);
    label.setBackColor(0xFFFFFF);
}
}  // namespace

Form7::Form7(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    placeControls();
    drawSketch();
    chk_1.Click = [this] { chk_1_Click(); };
    txt_1.Change = [this] { txt_1_Change(); };
    txt_ka.Change = [this] { txt_ka_Change(); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd3.Click = [this] { cmd3_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
    bindFields();
    bindBarLists();
}

std::array<Form7::Row, kCheckLocations.size()> Form7::rows() {
    const auto& at = kCheckLocations;
    return {{
        {at[0], Label1, cbo1, lbl_r1, lbl_ra, txt1, {&lbl1, &lbl2, &lbl3, &lbl4}},
        {at[1], Label2, cbo2, lbl_r2, lbl_rb, txt2, {&lbl5, &lbl6, &lbl7, &lbl8}},
        {at[2], Label5, cbo5, lbl_r5, lbl_re, txt5, {&lbl17, &lbl18, &lbl19, &lbl20}},
        {at[3], Label6, cbo6, lbl_r6, lbl_rf, txt6, {&lbl21, &lbl22, &lbl23, &lbl24}},
        {at[4], Label7, cbo7, lbl_r7, lbl_rg, txt7, {&lbl25, &lbl26, &lbl27, &lbl28}},
        {at[5], Label8, cbo8, lbl_r8, lbl_rh, txt8, {&lbl29, &lbl30, &lbl31, &lbl32}},
        {at[6], Label9, cbo9, lbl_r9, lbl_ri, txt9, {&lbl33, &lbl34, &lbl35, &lbl36}},
        {at[7], Label10, cbo10, lbl_r10, lbl_rj, txt10, {&lbl37, &lbl38, &lbl39, &lbl40}},
    }};
}

Form7::Row Form7::row(int loc) {
    for (const Row& r : rows())
        if (r.loc == loc) return r;
    throw std::out_of_range("no check location " + std::to_string(loc));
}

namespace {

// Heading and the surcharge inertia of the upright wall.
void placeHeading(Form7& f) {
    f.Label72.place(120, 120, 2400, 330);
    f.Label72.setCaption("断 面 計 算");
    f.Label72.setFont(kScreenFont, 14.25, true);
    f.Label72.setForeColor(kGreen);
    f.chk_1.place(2760, 90, 3360, 270);
    f.chk_1.setCaption("上載荷重の慣性力を算入する");
    placeCaption(f.lbl_1, 3000, 450, 2100, "作用位置：底盤下端より");
    f.txt_1.place(5130, 405, 675, kCellHeight);
    numberBox(f.txt_1);
    placeCaption(f.lbl_2, 5850, 450, 240, "m");
    // A lone small letter at 9 pt, greyed and engraved, is a blob; one size up it reads.
    f.lbl_2.setFont(kScreenFont, 11);
    f.lbl_2.place(5850, 405, 240, 255);
    placeCaption(f.Label18, 120, 540, 2640, "たて壁は、背面土の土圧で計算");
    f.Label18.setForeColor(kNavy);
}

// Section earth-pressure coefficient.
void placeKa(Form7& f) {
    f.Frame1.place(6360, 30, 4440, 690);
    f.Frame1.setFont("ＭＳ 明朝", 9);
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&f.Label28, &f.Label81, &f.txt_ka, &f.opt1, &f.cmd4, &f.opt2, &f.cmd5})
        c->setContainer(f.Frame1);
    placeCaption(f.Label28, 120, 120, 1200, "主働土圧係数");
    placeCaption(f.Label81, 120, 390, 360, "KA=");
    f.txt_ka.place(510, 345, 795, kCellHeight);
    numberBox(f.txt_ka);
    f.opt1.place(1500, 105, 240, 240);
    f.cmd4.place(1770, 75, 1095, 300);
    f.cmd4.setCaption("直接入力");
    f.opt2.place(1500, 375, 240, 240);
    f.cmd5.place(1770, 345, 1095, 300);
    f.cmd5.setCaption("計算する");
}

// Column headers.
void placeColumnHeaders(Form7& f) {
    placeCaption(f.Label59, xMember, kHeaderTop + 210, kColMember, "部　分", plat::Align::Center);
    placeCaption(f.Label60, xRow, kHeaderTop + 210, kColRow, "計算箇所", plat::Align::Center);
    placeCaption(f.Label15, xBar, kHeaderTop + 210, kColBar, "鉄筋の種類", plat::Align::Center);
    placeCaption(f.Label37, xCover, kHeaderTop - 15, kColCover, "鉄筋かぶり厚", plat::Align::Center);
    placeCaption(f.Label21, xCover, kHeaderTop + 390, 480, "(mm)", plat::Align::Center);
    f.cmd6.place(xCover + 510, kHeaderTop + 225, 540, 270);
    f.cmd6.setCaption("変更");
    placeCaption(f.Label20, xComputed, kHeaderTop, 2 * kColSpacing, "鉄筋の間隔", plat::Align::Center);
    placeCaption(f.Label11, xComputed, kHeaderTop + 225, kColSpacing, "計算", plat::Align::Center);
    placeCaption(f.Label52, xComputed, kHeaderTop + 420, kColSpacing, "(mm)", plat::Align::Center);
    placeCaption(f.Label12, xDesign, kHeaderTop + 225, kColSpacing, "設計", plat::Align::Center);
    placeCaption(f.Label23, xDesign, kHeaderTop + 420, kColSpacing, "(mm)", plat::Align::Center);
    // The stress heads break after three full-width characters ("圧  縮" over "応力度"),
    // so that the three columns' heads stand alike on two lines above their units.
    auto stressHead = [](plat::Label& head, plat::Label& unit, int left, const char* text, const char* unitText) {
        constexpr int kHeadWidth = 600;
        placeCaption(head, left + (kColStress - kHeadWidth) / 2, kHeaderTop - 15, kHeadWidth, text, plat::Align::Center);
        head.setHeight(420);
        placeCaption(unit, left, kHeaderTop + 420, kColStress, unitText, plat::Align::Center);
    };
    stressHead(f.Label35, f.Label24, xSigmaC, "圧  縮応力度", "σc(N/mm2)");
    stressHead(f.Label36, f.Label25, xSigmaS, "引  張応力度", "σs(N/mm2)");
    stressHead(f.Label44, f.Label27, xTau, "せん断応力度", "τc(N/mm2)");
    placeCaption(f.Label38, xJudge, kHeaderTop + 210, kColJudge, "判定", plat::Align::Center);
}

// Member captions beside their rows.
void placeMemberCaptions(Form7& f) {
    placeCaption(f.Label63, xMember, rowTop(0) + 180, kColMember, "たて壁", plat::Align::Center);
    placeCaption(f.Label76, xMember, rowTop(3) + 45, kColMember, "底　版", plat::Align::Center);
    placeCaption(f.Label14, xMember, rowTop(5) + 45, kColMember, "かかと版", plat::Align::Center);
    placeCaption(f.Label19, xMember, rowTop(6) + 45, kColMember, "つま先版", plat::Align::Center);
    placeCaption(f.Label13, xMember, rowTop(7) + 45, kColMember, "突　起", plat::Align::Center);
}

// The rows, in check-location order, and under them the reason of the refused rows, in the
// NG colour of their verdicts.
void placeRows(Form7& f) {
    int line = 0;
    for (const Form7::Row& r : f.rows()) {
        placeCaption(r.caption, xRow, rowTop(line) + 45, kColRow, r.rowCaption, plat::Align::Center);
        r.bars.place(xBar + 15, rowTop(line), kColBar - 30, kCellHeight);
        // A plain list: the bar shown is always one the calculation knows.
        r.bars.setStyle(plat::ComboBox::Style::DropDownList);
        cell(r.cover, xCover, line, kColCover);
        r.cover.setCaption("60");
        cell(r.computed, xComputed, line, kColSpacing);
        r.design.place(xDesign + 15, rowTop(line), kColSpacing - 30, kCellHeight);
        r.design.setAlignment(plat::Align::Right);
        cell(*r.results[0], xSigmaC, line, kColStress);
        cell(*r.results[1], xSigmaS, line, kColStress);
        cell(*r.results[2], xTau, line, kColStress);
        cell(*r.results[3], xJudge, line, kColJudge);
        ++line;
    }
    placeCaption(f.lbl_ng, kGridLeft, rowTop(8) + 15, 6720, "");
    f.lbl_ng.setForeColor(plat::kColour13);
}

// The four steps.
void placeSteps(Form7& f) {
    placeCaption(f.Label22, 120, 4200, 3960, "①主働土圧係数を入力又は計算");
    placeCaption(f.Label26, 120, 4620, 3960, "②鉄筋の種類を選択");
    placeCaption(f.Label40, 360, 4860, 3720, "（鉄筋の間隔が計算されます）");
    placeCaption(f.Label41, 120, 5280, 3960, "③設計上の鉄筋の間隔を入力（３０cm以下）");
    placeCaption(f.Label43, 120, 5700, 3960, "④応力度計算をクリック（結果が判定されます）");
    for (plat::Label* step : {&f.Label22, &f.Label26, &f.Label40, &f.Label41, &f.Label43}) step->setForeColor(kBlue);
}

}  // namespace

void Form7::placeControls() {
    setSize(10920, 6945);
    setFont(kScreenFont, 9);
    for (plat::Control* c : controls()) c->setFont(kScreenFont, 9);

    placeHeading(*this);
    placeKa(*this);
    placeColumnHeaders(*this);
    placeMemberCaptions(*this);
    placeRows(*this);
    placeSteps(*this);
    cmd1.place(8640, 5280, 2040, 495);
    cmd1.setCaption("応力度計算");
    cmd3.place(8640, 6060, 2040, 495);
    cmd3.setCaption("< 寸法の変更");

    // Tab order: the KA box, the rows left to right, then the buttons.
    int tab = plat::setTabOrder({&chk_1, &txt_1, &txt_ka, &opt1, &cmd4, &opt2, &cmd5, &cmd6});
    for (const Row& r : rows()) {
        r.bars.setTabIndex(tab++);
        r.design.setTabIndex(tab++);
    }
    plat::setTabOrder({&cmd1, &cmd3}, tab);
}

// A U-shaped wall with its toe on the left and the heel on the right, the back soil
// behind the rear wall and its earth pressure; the location marks A to G.
void Form7::drawSketch() {
    // Wall outline.
    sketch_.line(4800, 6300, 7740, 6300);  // base underside
    sketch_.line(4800, 6060, 4800, 6300);  // toe end
    sketch_.line(4800, 6060, 5160, 6060);  // toe top
    sketch_.line(5160, 4320, 5160, 6060);  // front wall, outer face
    sketch_.line(5160, 4320, 5400, 4320);  // front wall top
    sketch_.line(5400, 4320, 5400, 6060);  // front wall, inner face
    sketch_.line(5400, 6060, 7080, 6060);  // slab top
    sketch_.line(7080, 4080, 7080, 6060);  // rear wall, inner face
    sketch_.line(7080, 4080, 7320, 4080);  // rear wall top
    sketch_.line(7320, 4080, 7320, 6060);  // rear wall, outer face
    sketch_.line(7320, 6060, 7740, 6060);  // heel top
    sketch_.line(7740, 6060, 7740, 6300);  // heel end
    // Soil surfaces behind the rear wall and between the walls.
    sketch_.line(7320, 4200, 7740, 4200);
    sketch_.line(5400, 4500, 7080, 4500);

    // Earth pressure on the back: the surcharge band and the triangle, with arrows.
    sketch_.line(7980, 4200, 7980, 6300);
    sketch_.line(7980, 4200, 8100, 4200);
    sketch_.line(8100, 4200, 8100, 6300);
    sketch_.line(8100, 4200, 8400, 6300);
    sketch_.line(7980, 6300, 8400, 6300);
    for (int y : {4800, 5400, 6000}) {
        sketch_.line(7920, y, 8220, y);
        sketch_.line(7920, y, 7980, y - 45);
        sketch_.line(7920, y, 7980, y + 45);
    }
    // The inclination δ of the resultant.
    plat::Line& backDelta = sketch_.line(7740, 5700, 8100, 5580);
    backDelta.setBorderStyle(2);

    // Front ground of the one-sided shape: lower than the back soil.
    Line100.setPoints(4800, 5460, 5160, 5460);
    // The symmetric shape: front ground at the back soil's level and the mirror image of
    // the back pressure (arrows without heads, so that the set hides as a whole), far
    // enough from the toe for the caption "前面土" between them.
    Line101.setPoints(4800, 4200, 5160, 4200);
    Line102.setPoints(4440, 4200, 4440, 6300);
    Line103.setPoints(4320, 4200, 4440, 4200);
    Line104.setPoints(4320, 4200, 4320, 6300);
    Line105.setPoints(4320, 4200, 4020, 6300);
    Line106.setPoints(4020, 6300, 4440, 6300);
    Line107.setPoints(4200, 4800, 4500, 4800);
    Line108.setPoints(4200, 5400, 4500, 5400);
    Line109.setPoints(4800, 5700, 4440, 5580);
    Line109.setBorderStyle(2);
    placeCaption(Label100, 4140, 3960, 420, "ΔPA", plat::Align::Center);
    placeCaption(Label101, 3900, 5100, 300, "PA", plat::Align::Center);
    placeCaption(Label102, 3870, 5430, 240, "δ", plat::Align::Center);
    for (plat::Label* l : {&Label100, &Label101, &Label102}) l->setForeColor(kRed);

    // Captions of the back-side pressure (outside its triangle) and the soils.
    sketch_.text(7980, 3960, "ΔPA").setForeColor(kRed);
    sketch_.text(8280, 5100, "PA").setForeColor(kRed);
    sketch_.text(8310, 5430, "δ").setForeColor(kRed);
    sketch_.text(7380, 4440, "背面土");
    sketch_.text(5940, 4680, "中央土");
    sketch_.text(4590, 5820, "前面土");

    // Check locations: A at mid-height and B at the foot of both walls, C mid-span,
    // D and E the slab's fixed ends, F the heel's, G the toe's.
    sketch_.text(5430, 5040, "Ａ").setForeColor(kBlue);
    sketch_.text(6870, 5040, "Ａ").setForeColor(kBlue);
    sketch_.text(5430, 5760, "Ｂ").setForeColor(kBlue);
    sketch_.text(6870, 5760, "Ｂ").setForeColor(kBlue);
    sketch_.text(6150, 6060, "Ｃ").setForeColor(kBlue);
    sketch_.text(5430, 6060, "Ｄ").setForeColor(kBlue);
    sketch_.text(6870, 6060, "Ｅ").setForeColor(kBlue);
    sketch_.text(7350, 6060, "Ｆ").setForeColor(kBlue);
    sketch_.text(4950, 6060, "Ｇ").setForeColor(kBlue);
}

void Form7::Form_Load() {
    program_.currentScreen = 3;
    for (const Row& r : rows())
        for (const char* item : kBarItems) r.bars.addItem(item);
}

void Form7::Form_Activate() { program_.currentScreen = 3; }

void Form7::cmd3_Click() {
    hide();
    Form4& dimensions = program_.form<Form4>();
    dimensions.setTop(0);
    dimensions.setLeft(0);
    dimensions.show();
    dimensions.txt12.setFocus();
    dimensions.txt12.selectAll();
}

void Form7::cmd6_Click() {
    Form22& covers = program_.form<Form22>();
    covers.matchRowsToMembers();
    covers.showCoversInUse();
    // Each opening starts in the wall's box, its cover selected to be typed over.
    covers.showModalAtFirstStop();
}

void Form7::Hihyouji_3() {
    // The bar lists, spacings and results of every row, then the coefficient itself.
    clearGrid();
    txt_ka.setText("");
    program_.dropCheck();
}

KaMode sectionKaMode(const Program& program) {
    const auto* screen = static_cast<const Form7*>(program.find(Form7::kName));
    if (!screen) return KaMode::None;
    return chosen(screen->opt1, KaMode::Typed, screen->opt2, KaMode::Computed);
}
