#include "stability/dimension_screen.h"
#include "stability/stability_rules.h"
#include "common/colours.h"
#include "common/messages.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions/conditions_screen.h"
#include "conditions/design_choices.h"
#include "conditions/ground_shape.h"
#include "conditions/note_window.h"
#include "conditions/seismic_dialog.h"
#include "stability/check_method_dialogs.h"
#include "stability/judgement_panel.h"
#include "stability/shear_key_dialogs.h"

namespace {
constexpr plat::Colour kTeal = 0x00C0C0;
constexpr plat::Colour kLightCyan = 0xC0FFFF;
constexpr plat::Colour kLightYellow = 0xFFFFC0;
constexpr int kDashed = 2;
constexpr int kBoxWidth = 555;
constexpr int kBoxHeight = 270;
// The dimension lines under the boxes: each box stands on its line.
constexpr int kTopWidthLine = 1845;
constexpr int kBatterLine = 2205;
constexpr int kWallBottomLine = 5190;
constexpr int kBottomLine = 5505;
constexpr int kBaseLine = 6210;

void placeCaption(plat::Label& label, int left, int top, const std::string& text, int width = 0) {
    label.place(left, top, width ? width : 120 * static_cast<int>(text.size() / 2 + 1), 195);
    label.setCaption(text);
}

// A numeric box with its unit caption to the right, as wide as the unit needs: a wider one
// would reach over the next box or line.
void numberBox(plat::TextBox& box, plat::Label& unit, int left, int top, const std::string& unitText = " m",
               int unitWidth = 240) {
    box.place(left, top, kBoxWidth, kBoxHeight);
    box.setImeMode(plat::ImeMode::Off);
    placeCaption(unit, left + kBoxWidth + 15, top + 45, unitText, unitWidth);
}
}  // namespace

Form4::Form4(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    setSize(10920, 6945);
    placeControls();
    drawFigure();
    // Handlers last: the start state set above ("無し" chosen) runs none of them.
    bindHandlers();
    bindFields();
}

plat::Line& Form4::addLine(int x1, int y1, int x2, int y2, int style) {
    auto line = std::make_unique<plat::Line>(*this, "fig_line" + std::to_string(figure_.size() + 1));
    line->setPoints(x1, y1, x2, y2);
    line->setBorderStyle(style);
    figure_.push_back(std::move(line));
    return *figure_.back();
}

std::vector<plat::Line*> Form4::arrowHeads(bool horizontal, int a, int b, int at) {
    // Heads point at the ends; a length too short for two heads gets them from outside.
    constexpr int kLength = 90, kHalfWidth = 30, kShortest = 2 * kLength + 60;
    const int inward = b - a >= kShortest ? 1 : -1;
    std::vector<plat::Line*> heads;
    for (auto [tip, tail] : {std::pair{a, a + inward * kLength}, std::pair{b, b - inward * kLength}})
        for (int side : {-kHalfWidth, kHalfWidth})
            heads.push_back(horizontal ? &addLine(tip, at, tail, at + side) : &addLine(at, tip, at + side, tail));
    return heads;
}

void Form4::dimension(bool horizontal, int a, int b, int at, int from, int to) {
    // The line runs under the box that sits on it, and past short lengths to their heads.
    constexpr int kOverrun = 90;
    const bool shortLength = b - a < 2 * kOverrun + 60;
    const int start = std::min(from, shortLength ? a - kOverrun : a);
    const int end = std::max(to, shortLength ? b + kOverrun : b);
    if (horizontal)
        addLine(start, at, end, at);
    else
        addLine(at, start, at, end);
    arrowHeads(horizontal, a, b, at);
}

void Form4::showFrontHeights(bool shown) {
    for (plat::Line* l : {&Line150, &Line151, &Line152}) l->setVisible(shown);
    for (plat::Line* l : frontHeights_) l->setVisible(shown);
}

namespace {

// Heading.
void placeHeading(Form4& f) {
    placeCaption(f.Label1, 120, 210, "§");
    f.Label1.setForeColor(kGreen);
    f.txt1.place(360, 180, 375, kBoxHeight);
    f.txt1.setImeMode(plat::ImeMode::FullWidthAlpha);
    placeCaption(f.Label2, 780, 210, "ＲＣ擁壁の設計", 1500);
    f.Label2.setForeColor(kGreen);
    placeCaption(f.Label17, 2400, 210, "擁壁各部の寸法 及 上載荷重の入力", 3600);
    placeCaption(f.Label18, 420, 960, "擁壁の記号： ", 1080);
    f.txt2.place(1500, 900, 675, kBoxHeight);
    f.txt2.setImeMode(plat::ImeMode::FullWidthAlpha);
    placeCaption(f.Label5, 2340, 960, "擁壁の形状は、印刷イメージで確認して下さい。", 4500);
    f.Label5.setForeColor(kNavy);
}

// Heights, with their names above the boxes. The front heights stand a little left of
// their place so that the unit clears the dimension line at x 960.
void placeHeights(Form4& f) {
    placeCaption(f.Label3, 120, 2790, "H3=", 420);
    numberBox(f.txt3, f.lbl5, 120, 3030);
    placeCaption(f.Label4, 120, 4140, "H4=", 420);
    numberBox(f.txt4, f.lbl6, 120, 4380);
    placeCaption(f.Label24, 7140, 3300, "H1=", 420);
    numberBox(f.txt5, f.Label25, 7140, 3540);
    placeCaption(f.Label26, 7140, 2010, "H2=", 420);
    numberBox(f.txt6, f.Label27, 7140, 2250);
}

// Each length box sits on the dimension line of its own length (drawFigure). The lengths
// of the wall tops and the batters are too short to hold a box, so the boxes stand
// beside them, the front batter's a row lower; the wall bottom widths take a row of
// their own above the toe, span and heel, so that every unit stays clear.
void placeLengths(Form4& f) {
    numberBox(f.txt7, f.Label28, 2280, 1560);
    numberBox(f.txt8, f.Label29, 3480, 1920);
    numberBox(f.txt10, f.Label31, 4110, 1560);
    numberBox(f.txt9, f.Label30, 5160, 1560);
    numberBox(f.txt12, f.Label32, 2250, 5220);
    numberBox(f.txt13, f.Label33, 2850, 4905);
    numberBox(f.txt14, f.Label34, 3750, 5220);
    numberBox(f.txt15, f.Label35, 4710, 4905);
    numberBox(f.txt16, f.Label36, 5310, 5220);
    numberBox(f.txt17, f.Label37, 3720, 4440);
    numberBox(f.txt18, f.Label38, 1020, 4500);
    numberBox(f.txt19, f.Label39, 6240, 4500);
    numberBox(f.txt20, f.Label40, 3720, 3600);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&f.txt12, &f.Label32, &f.txt18, &f.Label38})
        c->setBackColor(kLightCyan);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&f.txt16, &f.Label36, &f.txt19, &f.Label39})
        c->setBackColor(kLightYellow);
}

// Surcharges, and the deduction from the back surcharge.
void placeSurcharges(Form4& f) {
    placeCaption(f.Label41, 5760, 1800, "上載荷重", 960);
    numberBox(f.txt21, f.Label42, 5760, 2040, "kN/m2", 600);
    placeCaption(f.Label43, 3570, 2490, "上載荷重", 960);
    numberBox(f.txt22, f.Label44, 3570, 2730, "kNm2", 540);
    placeCaption(f.lbl22, 1590, 3240, "上載荷重", 960);
    numberBox(f.txt23, f.lbl23, 1590, 3480, "kNm2", 540);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&f.lbl22, &f.txt23, &f.lbl23})
        c->setBackColor(kLightCyan);
    placeCaption(f.lbl32, 1590, 1920, "上載荷重", 960);
    f.lbl33.place(1680, 2130, 465, 195);
    f.lbl33.setAlignment(plat::Align::Center);
    placeCaption(f.lbl34, 2160, 2130, "KN/m2", 660);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&f.lbl32, &f.lbl33, &f.lbl34}) c->setVisible(false);
    f.chk1.place(3000, 6540, 4095, 195);
    f.chk1.setCaption("上載荷重から５kN/m2を差し引いて算定する。");
    f.chk1.setForeColor(kDarkGreen);
}

// Captions of the figure.
void placeFigureCaptions(Form4& f) {
    placeCaption(f.lbl10, 2070, 4020, "前面土", 600);
    f.lbl10.setBackColor(kLightCyan);
    placeCaption(f.lbl45, 5400, 3300, "背面土", 600);
    placeCaption(f.Label8, 5520, 3780, "合力の作用線", 1200);
    placeCaption(f.Label9, 3030, 5640, "B/2", 360);
    placeCaption(f.Label10, 4170, 5640, "ｅ", 240);
    placeCaption(f.Label11, 4980, 5640, "d", 240);
    placeCaption(f.Label12, 3990, 6000, "B", 240);
}

// The vertical component of the earth pressure in the stabilizing moment.
void placeVerticalComponentChoice(Form4& f) {
    f.Frame1.place(8160, 4380, 2595, 915);
    f.Frame1.setCaption("土圧の鉛直成分");
    placeCaption(f.Label19, 180, 300, "安定モーメントに", 1680);
    f.Label19.setContainer(f.Frame1);
    f.opt1.place(120, 600, 1000, 255);
    f.opt1.setCaption("参入する");
    f.opt1.setContainer(f.Frame1);
    f.opt2.place(1200, 600, 1200, 255);
    f.opt2.setCaption("参入しない");
    f.opt2.setContainer(f.Frame1);
}

// The load of the front soil in the calculation.
void placeFrontSoilChoice(Form4& f) {
    f.Frame2.place(300, 5340, 1695, 915);
    f.Frame2.setCaption("前面土の荷重");
    f.Frame2.setBackColor(kLightCyan);
    f.opt3.place(60, 240, 1500, 255);
    f.opt3.setCaption("計算に含む");
    f.opt4.place(60, 540, 1560, 255);
    f.opt4.setCaption("計算に含まない");
    for (plat::OptionButton* o : {&f.opt3, &f.opt4}) {
        o->setContainer(f.Frame2);
        o->setBackColor(kLightCyan);
    }
}

// The shear key, none at the start. A little right of its place, clear of the heel box's
// unit.
void placeKeyChoice(Form4& f) {
    f.Frame3.place(6120, 5340, 1635, 555);
    f.Frame3.setCaption("突起");
    f.opt5.place(120, 270, 660, 255);
    f.opt5.setCaption("無し");
    f.opt5.setContainer(f.Frame3);
    f.opt6.place(840, 270, 660, 255);
    f.opt6.setCaption("有り");
    f.opt6.setContainer(f.Frame3);
    f.opt5.setValue(true);
}

// Buttons.
void placeButtons(Form4& f) {
    f.cmd1.place(9540, 6480, 1290, 375);
    f.cmd1.setCaption("断面計算 >");
    f.cmd2.place(8100, 6480, 1290, 375);
    f.cmd2.setCaption("< 地盤の形状");
    f.cmd3.place(8760, 5880, 1455, 375);
    f.cmd3.setCaption("安定性の検討");
    f.cmd4.place(8580, 5400, 1755, 375);
    f.cmd4.setCaption("安定性の検討方法");
    f.cmd5.place(6120, 5880, 1635, 375);
    f.cmd5.setCaption("突起の計算");
    f.cmd5.setVisible(false);
    f.cmd6.place(360, 6480, 2535, 315);
    f.cmd6.setCaption("背面上載荷重の土圧について");
}

// The panel: headings, then the result cells, hidden until a check fills them.
void placePanel(Form4& f) {
    f.Label13.place(8160, 720, 2595, 255);
    f.Label13.setCaption("安 定 性 の 検 討");
    f.Label13.setAlignment(plat::Align::Center);
    f.Label13.setForeColor(kGreen);
    placeCaption(f.Label14, 8160, 1140, "転倒に対して", 1440);
    placeCaption(f.Label15, 8160, 2160, "支持力に対して", 1680);
    placeCaption(f.Label16, 8160, 3120, "滑動に対して", 1440);
    const JudgementPanel panel = judgementPanel(f);
    placeCaption(panel.keylessCaption, 8160, 3780, "突起の無い状態で", 1920);
    // Name, value and verdict columns; the verdicts ("> 1.5 ∴O.K") need the widest cell.
    auto row = [](int top, plat::Label& name, plat::Label& value, plat::Label& verdict) {
        name.place(8280, top, 660, 195);
        value.place(8940, top, 780, 195);
        value.setAlignment(plat::Align::Right);
        verdict.place(9840, top, 1020, 195);
    };
    auto line = [&row](int top, const PanelLine& l) { row(top, l.name, l.value, l.verdict); };
    line(1440, panel.overturning);
    line(1800, panel.overturningPart);
    const BearingLines& bearing = panel.bearing;
    row(2460, bearing.name, bearing.value, bearing.unit);
    line(3420, panel.sliding);
    line(3960, panel.keyless);
    bearing.relation.place(8280, 2760, 240, 195);
    bearing.limit.place(8520, 2760, 600, 195);
    bearing.limit.setAlignment(plat::Align::Right);
    bearing.limitUnit.place(9180, 2760, 600, 195);
    bearing.verdict.place(9840, 2760, 1020, 195);
    for (plat::Label* label : panel.allCells()) label->setVisible(false);
}

}  // namespace

void Form4::placeControls() {
    placeHeading(*this);
    placeHeights(*this);
    placeLengths(*this);
    placeSurcharges(*this);
    placeFigureCaptions(*this);
    placeVerticalComponentChoice(*this);
    placeFrontSoilChoice(*this);
    placeKeyChoice(*this);
    placeButtons(*this);
    plat::setTabOrder({&txt1, &txt2, &txt3, &txt4, &txt5, &txt6, &txt7, &txt9, &txt8, &txt10, &txt13, &txt15,
                       &txt14, &txt12, &txt16, &txt17, &txt18, &txt19, &txt20, &txt21, &txt22, &txt23, &cmd4, &cmd3,
                       &cmd1, &cmd2, &opt3, &opt4, &cmd5, &opt6, &opt5, &opt1, &opt2, &chk1, &cmd6});
    placePanel(*this);
}

void Form4::drawFigure() {
    drawRules();
    drawOutline();
    drawSoilAndLoads();
    drawDimensions();
    drawFrontSide();
}

// Rules of the screen and the panel.
void Form4::drawRules() {
    addLine(0, 600, 10920, 600);
    addLine(7980, 600, 7980, 6360, kDashed);
    addLine(7980, 6360, 10920, 6360, kDashed);
    addLine(7980, 1020, 10920, 1020);
    addLine(7980, 4260, 10920, 4260);
    addLine(7980, 2100, 10920, 2100).setBorderColor(kTeal);
    addLine(7980, 3060, 10920, 3060).setBorderColor(kTeal);
}

// Outline of the section.
void Form4::drawOutline() {
    addLine(3000, 2340, 3300, 2340, kDashed);  // front wall top
    addLine(3000, 2340, 2820, 4260, kDashed);  // front wall outer face
    addLine(3300, 2340, 3420, 4260, kDashed);  // front wall inner face
    addLine(4830, 2340, 5100, 2340, kDashed);  // rear wall top
    addLine(4830, 2340, 4680, 4260, kDashed);  // rear wall inner face
    addLine(5100, 2340, 5280, 4260, kDashed);  // rear wall outer face
    addLine(3420, 4260, 4680, 4260, kDashed);  // slab top between the walls
    addLine(2220, 4860, 5850, 4860, kDashed);  // slab underside
    addLine(2220, 4380, 2220, 4860, kDashed);  // toe end
    addLine(2220, 4380, 2820, 4260, kDashed);  // toe top
    addLine(5880, 4380, 5880, 4860, kDashed);  // heel end
    addLine(5850, 4380, 5280, 4260, kDashed);  // heel top
}

// Soil surfaces and the surcharges on them, and the line of action of the resultant.
void Form4::drawSoilAndLoads() {
    addLine(5100, 2580, 7500, 2580, kDashed);  // back soil
    addLine(3360, 3240, 4770, 3240, kDashed);  // central fill
    addLine(5130, 2400, 6690, 2400);           // back surcharge
    for (int x = 5130; x <= 6690; x += 120) addLine(x, 2400, x, 2580);
    addLine(3360, 3060, 4800, 3060);  // central surcharge
    for (int x = 3360; x <= 4800; x += 120) addLine(x, 3060, x, 3240);
    // Line of action of the resultant.
    addLine(4440, 5040, 5340, 2160).setBorderWidth(5);
}

// Dimension lines: every width, height and thickness box sits on the line of its own
// length, between extension lines from the figure, with arrow heads at both ends.
void Form4::drawDimensions() {
    // The top row: the wall top widths on one line, the front batter a line lower.
    for (int x : {3000, 3300, 4830, 5100}) addLine(x, 2310, x, kTopWidthLine);
    for (int x : {3420, 4680}) addLine(x, 4230, x, x == 3420 ? kBatterLine : kTopWidthLine);
    dimension(true, 3000, 3300, kTopWidthLine, 2280, 3300);  // txt7
    dimension(true, 3300, 3420, kBatterLine, 3300, 4035);    // txt8
    dimension(true, 4680, 4830, kTopWidthLine, 4110, 4830);  // txt10
    dimension(true, 4830, 5100, kTopWidthLine, 4830, 5715);  // txt9
    // Under the base: the wall bottom widths, then toe, span and heel, then the base B.
    for (int x : {2220, 5880}) addLine(x, 4890, x, kBaseLine + 30);
    for (int x : {2820, 3420, 4680, 5280}) addLine(x, 4890, x, kBottomLine + 30);
    dimension(true, 2820, 3420, kWallBottomLine, 2820, 3420);  // txt13
    dimension(true, 4680, 5280, kWallBottomLine, 4680, 5280);  // txt15
    dimension(true, 2220, 2820, kBottomLine, 2220, 2820);      // txt12
    dimension(true, 3420, 4680, kBottomLine, 3420, 4680);      // txt14
    dimension(true, 5280, 5880, kBottomLine, 5280, 5880);      // txt16
    dimension(true, 2220, 5880, kBaseLine, 2220, 5880);        // B
    // Thicknesses: the central fill over the slab at x 3660, the slab, the toe and heel ends.
    dimension(false, 3240, 4260, 3660, 3240, 4260);  // txt20
    dimension(false, 4260, 4860, 3660, 4260, 4860);  // txt17
    for (int y : {4380, 4860}) addLine(2190, y, 1800, y);
    dimension(false, 4380, 4860, 1860, 4380, 4860);  // txt18
    for (int y : {4380, 4860}) addLine(5910, y, 6180, y);
    dimension(false, 4380, 4860, 6120, 4380, 4860);  // txt19
    // The back heights H2 over H1 at x 7050, beside their boxes.
    addLine(5130, 2340, 7110, 2340);
    addLine(5910, 4860, 7110, 4860);
    dimension(false, 2340, 2580, 7050, 2340, 2580);  // txt6
    dimension(false, 2580, 4860, 7050, 2580, 4860);  // txt5
}

// The front side, one set per ground shape.
void Form4::drawFrontSide() {
    Line120.setPoints(720, 3960, 2850, 3960);
    Line120.setBorderStyle(kDashed);
    Line121.setPoints(1290, 3780, 2880, 3780);
    plat::Line* oneSided[] = {&Line122, &Line123, &Line124, &Line125, &Line126, &Line127, &Line128,
                              &Line129, &Line130, &Line131, &Line132, &Line133, &Line134};
    for (int k = 0; k < 13; ++k) oneSided[k]->setPoints(1290 + 132 * k, 3780, 1290 + 132 * k, 3960);
    Line135.setPoints(1200, 2580, 2970, 2580);
    Line135.setBorderStyle(kDashed);
    Line136.setPoints(1410, 2400, 3000, 2400);
    plat::Line* symmetric[] = {&Line137, &Line138, &Line139, &Line140, &Line141, &Line142, &Line143,
                               &Line144, &Line145, &Line146, &Line147, &Line148, &Line149};
    for (int k = 0; k < 13; ++k) symmetric[k]->setPoints(1410 + 132 * k, 2400, 1410 + 132 * k, 2580);
    Line150.setPoints(960, 2340, 960, 4860);
    Line151.setPoints(900, 2340, 1020, 2340);
    Line152.setPoints(900, 3960, 1020, 3960);
    // H3 from the wall top to the front soil, H4 from there to the underside: their heads
    // and the extension lines from the wall top and the underside, shown with Line150.
    frontHeights_ = {&addLine(1020, 2340, 2970, 2340), &addLine(2190, 4860, 900, 4860)};
    for (auto [a, b] : {std::pair{2340, 3960}, std::pair{3960, 4860}})
        for (plat::Line* l : arrowHeads(false, a, b, 960)) frontHeights_.push_back(l);
    for (plat::Line* l : {&Line135, &Line136}) l->setVisible(false);
    for (plat::Line* l : symmetric) l->setVisible(false);
}

void Form4::bindHandlers() {
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    cmd3.Click = [this] { cmd3_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
    chk1.Click = [this] { chk1_Click(); };
    opt1.Click = [this] { opt1_Click(); };
    opt2.Click = [this] { opt2_Click(); };
    opt3.Click = [this] { opt3_Click(); };
    opt4.Click = [this] { opt4_Click(); };
    opt5.Click = [this] { opt5_Click(); };
    opt6.Click = [this] { opt6_Click(); };
    txt12.LostFocus = [this] { txt12_LostFocus(); };
    txt16.LostFocus = [this] { txt16_LostFocus(); };
    txt18.LostFocus = [this] { txt18_LostFocus(); };
    txt19.LostFocus = [this] { txt19_LostFocus(); };
    txt21.LostFocus = [this] { txt21_LostFocus(); };
}

void Form4::Form_Load() { program_.currentScreen = 2; }

void Form4::Form_Activate() {
    program_.currentScreen = 2;
    if (program_.hasResult() && symmetric()) printSymmetricNotes();
    program_.form<Form23>().hide();
}

// Drawn on the screen itself, under the overturning and sliding headings, because the
// symmetric wall is judged for bearing only.
void Form4::printSymmetricNotes() {
    plat::RecordingSurface& s = canvas();
    s.setFont(font().name, font().size);
    s.setForeColor(plat::kBlack);
    s.setCurrentX(8200);
    s.setCurrentY(1450);
    s.print("対称土圧の為、転倒は生じない。");
    // Low enough to clear the glyphs of the heading "滑動に対して" above it.
    s.setCurrentX(8200);
    s.setCurrentY(3330);
    s.print("対称土圧の為、滑動は生じない。");
}

bool Form4::oneSided() { return designChoices(program_).groundShape == GroundShape::OneSided; }
bool Form4::symmetric() { return designChoices(program_).groundShape == GroundShape::Symmetric; }

void Form4::chk1_Click() { stale_.changed(chk1); }
void Form4::opt1_Click() { stale_.changed(opt1); }
void Form4::opt2_Click() { stale_.changed(opt2); }
void Form4::opt3_Click() { stale_.changed(opt3); }
void Form4::opt4_Click() { stale_.changed(opt4); }

void Form4::opt5_Click() {
    // The building-standard key starts afresh; the road-standard dialog keeps its entries.
    program_.unload(Form19::kName);
    program_.keyHeight = 0;
    cmd5.setVisible(false);
    stale_.changed(opt5);
}

void Form4::opt6_Click() {
    cmd5.setVisible(true);
    stale_.changed(opt6);
}

void Form4::cmd1_Click() {
    if (!program_.hasResult()) {
        program_.msgBox("安定性の検討をしてください。", plat::msg::kOk, kErrorTitle);
        cmd3.setFocus();
        return;
    }
    // What the result was built from is judged again as it stands: a value that reached
    // it unjudged goes no further.
    if (refuseFirstBroken(program_, givenOnly(stabilityRules(program_)))) return;
    // The section screen takes the result over and sets itself up for this wall.
    program_.handOvers.run(HandOver::OpenSections);
}

void Form4::cmd2_Click() {
    hide();
    Form23& shape = program_.form<Form23>();
    shape.show();
    shape.setTop(0);
    shape.setLeft(0);
}

void Form4::cmd4_Click() { openCheckMethodDialog(program_); }
void Form4::cmd5_Click() { calculateShearKey(program_); }
void Form4::cmd6_Click() { program_.form<Form27>().showModal(); }

void Form4::Ouryoku_T() { drawReactionSketchT(program_, program_.form<Form19>()); }
void Form4::Ouryoku_D() { drawReactionSketchD(program_, program_.form<Form26>()); }
