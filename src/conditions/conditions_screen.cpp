#include "conditions/conditions_screen.h"
#include "common/colours.h"
#include "common/messages.h"

#include <initializer_list>

#include "common/numbers.h"
#include "common/calc_fault.h"
#include "conditions/seismic_dialog.h"

namespace {

// The soil types of each standard, in list order.
constexpr const char* kBuildingSoils[] = {"岩", "砂利", "砂質土", "シルト", "粘土", "関東ローム", "改良地盤"};
constexpr const char* kRoadSoils[] = {"岩盤", "礫質土", "砂質土", "粘性土", "関東ローム", "改良地盤"};

// The labels that change with the design standard.
struct StandardTexts {
    const char* concrete;  // lbl56
    const char* bearing;   // lbl54
    const char* phi;       // lbl10, lbl14
};
constexpr StandardTexts kBuildingTexts{"コンクリートの設計基準強度：Fc=", "地盤の許容応力度（長期）：fe=", "内部摩擦角：φ="};
constexpr StandardTexts kRoadTexts{"コンクリートの設計基準強度：σck=", "地盤の許容支持力度（長期）：qa=", "せん断抵抗角：φ="};

// A box placed in its row: label to its left, unit to its right.
void row(plat::Label& label, const char* caption, int labelLeft, int labelWidth, plat::TextBox& box, int boxLeft,
         int top, plat::Label* unit = nullptr, const char* unitCaption = nullptr, int boxWidth = 615) {
    label.place(labelLeft, top + 30, labelWidth, 225);
    label.setCaption(caption);
    box.place(boxLeft, top, boxWidth, 285);
    if (unit) {
        unit->place(boxLeft + boxWidth + 60, top + 30, 840, 225);
        unit->setCaption(unitCaption);
    }
}

}  // namespace

Form3::Form3(Program& program) : plat::Form(program, kName, plat::FormKind::MdiChild), program_(program) {
    layout();
    bindHandlers();
    bindFields();
}

namespace {

// Column divider and group lines.
void placeRules(Form3& f) {
    f.Line1.setPoints(5460, 0, 5460, 6870);
    f.Line2.setPoints(0, 840, 5460, 840);
    f.Line3.setPoints(0, 1785, 5460, 1785);
    f.Line4.setPoints(0, 2895, 5460, 2895);
    f.Line5.setPoints(0, 4635, 5460, 4635);
    f.Line6.setPoints(5460, 2310, 10920, 2310);
    f.Line7.setPoints(5460, 3900, 10920, 3900);
    f.Line8.setPoints(5460, 5520, 10920, 5520);
}

// Left column: heading, site, design standard.
void placeSiteAndStandard(Form3& f) {
    f.lbl28.place(120, 60, 3600, 300);
    f.lbl28.setCaption("§１. 設 計 条 件");
    f.lbl28.setFont("ＭＳ Ｐゴシック", 11.25);
    f.lbl28.setForeColor(kGreen);
    f.lbl59.place(120, 480, 1080, 225);
    f.lbl59.setCaption("・築 造 地");
    f.txt1.place(1260, 450, 4095, 285);
    f.Label41.place(120, 930, 1500, 225);
    f.Label41.setCaption("・計算方法");
    f.opt_T.place(360, 1185, 4995, 255);
    f.opt_T.setCaption("建築基準法、建築基礎構造設計指針");
    f.opt_D.place(360, 1455, 4995, 255);
    f.opt_D.setCaption("道路土工(擁壁工指針)");
    f.opt_T.setForeColor(kDarkGreen);
    f.opt_D.setForeColor(kDarkGreen);
}

// Load case.
void placeLoadCase(Form3& f) {
    f.Frame2.place(0, 1830, 5460, 1020);
    f.Frame2.setBorderStyle(0);
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&f.Label43, &f.opt3, &f.cmd1, &f.opt4, &f.cmd2, &f.cmd4})
        c->setContainer(f.Frame2);
    f.Label43.place(120, 30, 1500, 225);
    f.Label43.setCaption("・計 算 時");
    f.opt3.place(360, 330, 255, 255);
    f.cmd1.place(660, 300, 1095, 315);
    f.cmd1.setCaption("常時");
    f.opt4.place(360, 690, 255, 255);
    f.cmd2.place(660, 660, 1095, 315);
    f.cmd2.setCaption("地震時");
    f.cmd4.place(2040, 300, 3180, 675);
    f.cmd4.setCaption("水平荷重の計算方法震度の入力");
}

// Allowable stresses of the materials.
void placeAllowableStresses(Form3& f) {
    f.lbl4.place(120, 2985, 2400, 225);
    f.lbl4.setCaption("・材料の許容応力度");
    row(f.lbl56, kBuildingTexts.concrete, 120, 3330, f.txt2, 3510, 3285, &f.lbl57, "N/mm2");
    row(f.lbl58, "鉄筋の許容引張応力度（長期）：ft=", 120, 3330, f.txt3, 3510, 3615, &f.lbl55, "N/mm2");
    row(f.lbl46, "（短期）：ft=", 2280, 1170, f.txt13, 3510, 3945, &f.lbl47, "N/mm2");
    row(f.lbl54, "許容地耐力度（長期）：fe=", 120, 3330, f.txt4, 3510, 4275, &f.lbl53, "kN/m2");
    f.lbl56.setAlignment(plat::Align::Right);
    f.lbl54.setAlignment(plat::Align::Right);
}

// Unit weights.
void placeUnitWeights(Form3& f) {
    f.Label2.place(120, 4725, 2400, 225);
    f.Label2.setCaption("・材料の単位重量");
    row(f.lbl22, "土の単位体積重量：γ=", 120, 3330, f.txt5, 3510, 5025, &f.lbl23, "kN/m3");
    row(f.lbl24, "鉄筋コンクリートの単位体積重量：ｒ=", 120, 3330, f.txt6, 3510, 5355, &f.lbl25, "kN/m3");
}

// Right column: foundation ground.
void placeFoundationGround(Form3& f) {
    f.lbl2.place(5580, 60, 1800, 225);
    f.lbl2.setCaption("・基礎地盤");
    f.lbl3.place(5820, 375, 900, 225);
    f.lbl3.setCaption("土質： ");
    f.cbo2.place(6720, 330, 1935, 300);
    f.cbo2.setImeMode(plat::ImeMode::Hiragana);  // the soil types are Japanese words
    row(f.lbl10, kBuildingTexts.phi, 5820, 3120, f.txt11, 9000, 675, &f.Label20, "゜");
    f.lbl10.setAlignment(plat::Align::Right);
}

// Cohesion of the foundation ground.
void placeCohesion(Form3& f) {
    f.Frame3.place(5460, 1005, 5460, 630);
    f.Frame3.setBorderStyle(0);
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&f.Label3, &f.Label10, &f.txt14, &f.Label13, &f.opt7, &f.opt8})
        c->setContainer(f.Frame3);
    f.Label3.place(360, 60, 1500, 225);
    f.Label3.setCaption("土の粘着力：");
    row(f.Label10, "Ｃ=", 3180, 330, f.txt14, 3540, 30, &f.Label13, "kN/m2");
    f.opt7.place(600, 345, 1335, 255);
    f.opt7.setCaption("考慮する");
    f.opt8.place(2040, 345, 1095, 255);
    f.opt8.setCaption("しない");
}

// Base friction.
void placeBaseFriction(Form3& f) {
    f.Frame4.place(5460, 1635, 5460, 630);
    f.Frame4.setBorderStyle(0);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&f.Label4, &f.lbl12, &f.txt9, &f.opt5, &f.opt6})
        c->setContainer(f.Frame4);
    f.Label4.place(360, 60, 1800, 225);
    f.Label4.setCaption("底面の摩擦係数：");
    row(f.lbl12, "μ=", 3180, 330, f.txt9, 3540, 30);
    f.opt5.place(600, 345, 1335, 255);
    f.opt5.setCaption("直接入力");
    f.opt6.place(2040, 345, 1095, 255);
    f.opt6.setCaption("tanφ");
}

// Backfill.
void placeBackfill(Form3& f) {
    f.lbl5.place(5580, 2370, 1800, 225);
    f.lbl5.setCaption("・背 面 土");
    f.lbl52.place(5820, 2670, 900, 225);
    f.lbl52.setCaption("土質： ");
    f.cbo1.place(6720, 2625, 1935, 300);
    f.cbo1.setImeMode(plat::ImeMode::Hiragana);  // the soil types are Japanese words
    f.lbl45.place(5820, 2985, 3120, 225);
    f.lbl45.setCaption("地平面と水平面とのなす角度：β=");
    f.lbl19.place(9000, 2985, 615, 225);
    f.lbl19.setCaption("0");
    f.Label21.place(9675, 2985, 300, 225);
    f.Label21.setCaption("゜");
    f.lbl51.place(5820, 3270, 3120, 225);
    f.lbl51.setCaption("土の粘着力：Ｃ=");
    f.lbl16.place(9000, 3270, 615, 225);
    f.lbl16.setCaption("0");
    f.lbl17.place(9675, 3270, 840, 225);
    f.lbl17.setCaption("kN/m2");
    row(f.lbl14, kBuildingTexts.phi, 5820, 3120, f.txt8, 9000, 3540, &f.Label22, "゜");
    f.lbl14.setAlignment(plat::Align::Right);
}

// Wall friction angles.
void placeWallFriction(Form3& f) {
    f.lbl20.place(5580, 3960, 5220, 225);
    f.lbl20.setCaption("壁背面と土との間の壁面摩擦角(δ)：");
    row(f.lbl29, "安定計算時：δ=", 5820, 1350, f.txt10, 7200, 4230, &f.Label23, "゜");
    f.Label23.setWidth(300);
    f.Label40.place(8160, 4260, 2700, 225);
    f.Label40.setCaption("常時：δ≦β(β>φの場合δ=φ)");
    f.Label26.place(8160, 4590, 780, 225);
    f.Label26.setCaption("地震時：");
    f.cmd7.place(8940, 4545, 1095, 315);
    f.cmd7.setCaption("計算する");
    row(f.lbl39, "断面計算時：δ=", 5820, 1350, f.txt12, 7200, 4890, &f.Label24, "゜");
    f.Label24.setWidth(300);
    f.Label19.place(8160, 4920, 2700, 225);
    f.Label19.setCaption("常時：δ≦2φ/3");
    f.Label15.place(7200, 5220, 3660, 225);
    f.Label15.setCaption("地震時又は透水マット使用時：δ≦φ/2");
}

// Active earth-pressure coefficient.
void placeKa(Form3& f) {
    f.Frame1.place(5460, 5550, 5460, 780);
    f.Frame1.setBorderStyle(0);
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&f.Label1, &f.Label18, &f.txt15, &f.opt1, &f.cmd5, &f.opt2, &f.cmd6})
        c->setContainer(f.Frame1);
    f.Label1.place(360, 60, 1200, 225);
    f.Label1.setCaption("主働土圧係数");
    row(f.Label18, "KA=", 1650, 300, f.txt15, 1980, 30, nullptr, nullptr, 609);
    f.opt1.place(2820, 60, 255, 255);
    f.cmd5.place(3120, 0, 1095, 315);
    f.cmd5.setCaption("直接入力");
    f.opt2.place(2820, 450, 255, 255);
    f.cmd6.place(3120, 390, 1095, 315);
    f.cmd6.setCaption("計算する");
}

}  // namespace

// Design-time properties: positions in twips, captions, fonts, colours, initial state.
void Form3::layout() {
    setSize(10920, 6870);
    setFont("ＭＳ ゴシック", 9);
    for (plat::Control* c : controls()) c->setFont("ＭＳ ゴシック", 9);

    placeRules(*this);
    placeSiteAndStandard(*this);
    placeLoadCase(*this);
    placeAllowableStresses(*this);
    placeUnitWeights(*this);
    placeFoundationGround(*this);
    placeCohesion(*this);
    placeBaseFriction(*this);
    placeBackfill(*this);
    placeWallFriction(*this);
    placeKa(*this);
    cmd3.place(9240, 6420, 1560, 375);
    cmd3.setCaption("地盤の形状 >");

    for (plat::Label* heading : {&lbl59, &Label41, &Label43, &lbl4, &Label2, &lbl2, &lbl5, &lbl20})
        heading->setForeColor(kNavy);

    // Tab order; of an option group only its selected option is a stop.
    plat::setTabOrder({&txt1, &txt2, &txt3, &txt13, &txt4, &txt5, &txt6, &cbo1, &txt8, &txt10, &txt12, &cbo2, &txt11,
                       &cmd3, &opt7, &opt8, &txt14, &txt9, &opt5, &opt6, &cmd2, &cmd1, &opt3, &opt4, &cmd6, &cmd5,
                       &opt1, &opt2, &txt15, &cmd4, &opt_T, &opt_D, &cmd7});

    // Initial state: normal load case, cohesion not considered, no standard, no KA or μ mode.
    opt3.setValue(true);
    cmd4.setEnabled(false);
    txt14.setText("0");
    txt14.setBorderStyle(0);
    opt8.setValue(true);
    txt9.setBorderStyle(0);
    txt15.setBorderStyle(0);}

void Form3::bindHandlers() {
    opt_T.Click = [this] { opt_T_Click(); };
    opt_D.Click = [this] { opt_D_Click(); };
    cmd1.Click = [this] { cmd1_Click(); };
    cmd2.Click = [this] { cmd2_Click(); };
    opt3.Click = [this] { opt3_Click(); };
    opt4.Click = [this] { opt4_Click(); };
    cmd4.Click = [this] { cmd4_Click(); };
    cmd5.Click = [this] { cmd5_Click(); };
    cmd6.Click = [this] { cmd6_Click(); };
    cmd7.Click = [this] { cmd7_Click(); };
    opt5.Click = [this] { opt5_Click(); };
    opt6.Click = [this] { opt6_Click(); };
    opt7.Click = [this] { opt7_Click(); };
    opt8.Click = [this] { opt8_Click(); };
    cbo1.Click = [this] { cbo1_Click(); };
    cbo2.Click = [this] { cbo2_Click(); };
    cbo1.KeyPress = [this](int& k) { cbo1_KeyPress(k); };
    cbo2.KeyPress = [this](int& k) { cbo2_KeyPress(k); };
    cmd3.Click = [this] { cmd3_Click(); };
}

// What each input makes stale. A condition of the wall or its soil feeds everything after
// this screen, and those screens go out of sight; the section rows wait for the hand-over,
// which keeps those that the new result gives unchanged. The section δ feeds the section
// design alone. Choosing how KA, μ or the cohesion is given leaves the toolbar as it is. A
// computed μ or KA drops the results but keeps the later screens where they are. Only an
// edit of a box's text counts: a click, the focus or Enter in a box changes nothing.
void Form3::bindInvalidation() {
    for (const plat::Control* input : std::initializer_list<const plat::Control*>{
             &txt2, &txt3, &txt13, &txt4, &txt5, &txt6, &txt8, &txt10, &txt14, &txt11, &txt9, &txt15, &opt_T, &opt_D,
             &cmd1, &cmd2, &cmd7})
        stale_.add(*input, invalidates::kConditionInput);
    stale_.add(txt12, invalidates::kSectionCondition);
    // A new load case: the section KA is given again too.
    stale_.add("load case KA", invalidates::kSectionKa);
    stale_.add(cmd5, invalidates::kStability);
    stale_.add(cmd6, invalidates::kWallInput);
    stale_.add(opt5, invalidates::kStability);
    stale_.add(opt6, invalidates::kWallInput);
    stale_.add(opt7, invalidates::kStability);
    stale_.add(opt8, invalidates::kStability);
    stale_.add(cbo1, invalidates::kStability);
    stale_.add(cbo2, invalidates::kStability);
    // Cohesion 0: the choice of the area it acts on goes, as the toe's front-soil choice
    // goes with the toe.
    stale_.add("no cohesion", invalidates::kNoCohesion);
    // Coming back here puts the later screens away; what they hold stays.
    stale_.add("activate", invalidates::kLaterScreens);
}

// The entry fields: their Enter chain and what an edit of each does besides the shared
// behaviour.
void Form3::bindFields() {
    bindInvalidation();
    // An edit of the box drops what the table says for it.
    auto invalidate = [this](plat::TextBox& box) { return [this, &box] { stale_.changed(box); }; };
    // The backfill φ: a computed KA and a computed δ go with it.
    auto phiEdited = [this] {
        withdrawComputedDelta();
        dropKa();
        stale_.changed(txt8);
    };
    // The stability δ: a computed KA goes with it, and a typed δ is no computed one.
    auto deltaEdited = [this] {
        dropKa();
        stale_.changed(txt10);
        program_.deltaComputed = 0;
    };
    // A value typed over one the program wrote: the box is the place to type now.
    auto typedOver = [this](plat::TextBox& box, plat::OptionButton* direct) {
        return [this, &box, direct] {
            box.setBorderStyle(1);
            if (direct) direct->setValue(true);
            stale_.changed(box);
        };
    };

    fields_.add(txt1, {.next = txt2, .dblClickFrom = 30, .ime = plat::ImeMode::Hiragana});
    fields_.add(txt2, {.next = txt3, .onEdit = invalidate(txt2)});
    fields_.add(txt3, {.next = [this]() -> plat::Control* { return txt13.visible() ? &txt13 : &txt4; },
                       .onEdit = invalidate(txt3)});
    fields_.add(txt13, {.next = txt4, .onEdit = invalidate(txt13)});
    fields_.add(txt4, {.next = txt5, .onEdit = invalidate(txt4)});
    fields_.add(txt5, {.next = txt6, .onEdit = invalidate(txt5)});
    fields_.add(txt6, {.next = cbo1, .onEdit = invalidate(txt6)});
    fields_.link(cbo1, txt8);
    fields_.add(txt8, {.next = txt10, .onEdit = phiEdited});
    fields_.add(txt10, {.next = txt12, .onEdit = deltaEdited});
    fields_.add(txt12, {.next = cbo2, .onEdit = invalidate(txt12)});
    fields_.link(cbo2, txt14);
    // A cohesion typed while it is not considered chooses "考慮する": what is typed counts.
    fields_.add(txt14, {.next = txt11, .onEdit = typedOver(txt14, &opt7)});
    // μ and KA: the box when its typed mode is set, else the control that chooses the mode.
    fields_.add(txt11, {.next = [this]() -> plat::Control* {
                            if (!opt1.value()) return &opt5;
                            txt9.setBorderStyle(1);
                            return &txt9;
                        },
                        .onEdit = invalidate(txt11)});
    fields_.add(txt9, {.next = [this]() -> plat::Control* {
                           if (!opt1.value()) return &cmd5;
                           txt15.setBorderStyle(1);
                           return &txt15;
                       },
                       .onEdit = typedOver(txt9, &opt5)});
    fields_.add(txt15, {.next = cmd3, .onEdit = typedOver(txt15, &opt1)});
    // Where "直接入力" of KA is disabled (a seismic method that needs the computed KA),
    // Enter goes on to "計算する".
    fields_.link(cmd5, cmd6);
    fields_.link(cmd6, cmd3);
}

void Form3::Form_Load() {
    program_.currentScreen = 1;
    fillSoilLists(false);
}

void Form3::Form_Activate() {
    program_.currentScreen = 1;
    stale_.changed("activate");
    program_.currentScreen = 1;
}

void Form3::fillSoilLists(bool road) {
    for (plat::ComboBox* list : {&cbo1, &cbo2}) {
        list->clear();
        if (road)
            for (const char* soil : kRoadSoils) list->addItem(soil);
        else
            for (const char* soil : kBuildingSoils) list->addItem(soil);
    }
}

void Form3::withdrawComputedDelta() {
    if (program_.deltaComputed != 1) return;
    txt10.setText("");
    program_.deltaComputed = 0;
}

void Form3::dropKa() {
    if (!opt1.value()) txt15.setText("");
    opt2.setValue(false);
}

// ---- design standard ----

void Form3::opt_T_Click() { standardChosen(opt_T, false); }

void Form3::opt_D_Click() { standardChosen(opt_D, true); }

// The soil lists and the labels follow the standard; a soil type chosen before is gone.
void Form3::standardChosen(const plat::OptionButton& option, bool road) {
    const StandardTexts& texts = road ? kRoadTexts : kBuildingTexts;
    fillSoilLists(road);
    lbl56.setCaption(texts.concrete);
    lbl54.setCaption(texts.bearing);
    lbl10.setCaption(texts.phi);
    lbl14.setCaption(texts.phi);
    stale_.changed(option);
    moveTo(txt2);
}

// ---- load case ----

// A new load case needs its KA typed or computed again, here and in the section design.
void Form3::withdrawKa() {
    txt15.setText("");
    opt1.setValue(false);
    opt2.setValue(false);
    stale_.changed("load case KA");
}

void Form3::showShortTermRow(bool shown) {
    lbl46.setVisible(shown);
    lbl47.setVisible(shown);
    txt13.setVisible(shown);
}

// A load case chosen with its option gets what its button gives (the short-term row, the
// seismic buttons, a new KA); a file being read sets the option and the rest itself.
void Form3::opt3_Click() {
    if (!choosingLoadCase_ && !program_.readingProjectLines) cmd1_Click();
}

void Form3::opt4_Click() {
    if (!choosingLoadCase_ && !program_.readingProjectLines) cmd2_Click();
}

void Form3::cmd1_Click() {
    choosingLoadCase_ = true;
    opt3.setValue(true);
    choosingLoadCase_ = false;
    cmd5.setEnabled(true);
    opt1.setEnabled(true);
    withdrawKa();
    showShortTermRow(false);
    txt13.setText("");
    program_.rebarAllowShort = 0;
    cmd7.setEnabled(false);
    txt10.setText("");
    stale_.changed(cmd1);
    program_.seismicKh = 0;
    program_.seismicKv = 0;
    cmd4.setEnabled(false);
    program_.deltaComputed = 0;
    program_.unload("Form21");
    program_.unload("Form25");
}

void Form3::cmd2_Click() {
    choosingLoadCase_ = true;
    opt4.setValue(true);
    choosingLoadCase_ = false;
    withdrawKa();
    showShortTermRow(true);
    cmd7.setEnabled(true);
    txt10.setText("");
    stale_.changed(cmd2);
    cmd4.setEnabled(true);
    program_.deltaComputed = 0;
    program_.unload("Form14");
}

// Opens the seismic-coefficient dialog prepared for the design standard, and waits.
void Form3::cmd4_Click() {
    Form25& dialog = program_.form<Form25>();
    if (opt_T.value()) {
        dialog.frm1.setVisible(false);
        dialog.Label7.setCaption("設計水平震度  Kh=");
    } else if (opt_D.value()) {
        dialog.frm1.setVisible(true);
        dialog.Label7.setCaption("設計水平震度標準値 Kho=");
    }
    dialog.open();
}

// ---- KA ----

void Form3::cmd5_Click() {
    // Pressed again while KA is typed, the button only leads into the box.
    const bool newMode = !opt1.value();
    moveTo(txt15);
    txt15.setBorderStyle(1);
    opt1.setValue(true);
    if (newMode) stale_.changed(cmd5);
}

void Form3::cmd6_Click() {
    auto refuse = [this](const char* message, plat::TextBox& box) {
        program_.msgBox(message, plat::msg::kOk, kErrorTitle);
        moveTo(box);
    };
    if (txt8.text().empty())
        return refuse(opt_D.value() ? "せん断抵抗角を入力してください。" : "内部摩擦角を入力してください。", txt8);
    if (txt10.text().empty()) return refuse("壁背面と土との間の壁面摩擦角を入力してください。", txt10);
    if (refuseFirstBroken(program_, formulaRules(txt15))) return;

    bool computed = false;
    try {
        computed = KEISAN();
    } catch (const num::CalcFault&) {
        showCannotCompute(program_);
        return;
    }
    if (!computed) {
        // A missing μ was reported by the calculation itself; a seismic case without a
        // method has no formula yet.
        if (!txt9.text().empty() && opt4.value()) {
            program_.msgBox("地震時水平荷重の計算方法を選択してください。", plat::msg::kOk, kErrorTitle);
            cmd4.setFocus();
        }
        return;
    }
    // Computed again as it was, KA changes nothing built on it.
    const std::string ka = num::format(program_.activeCoefficient, "0.00#");
    const bool same = opt2.value() && txt15.text() == ka;
    opt2.setValue(true);
    txt15.setBorderStyle(0);
    txt15.setText(ka);
    if (!same) stale_.changed(cmd6);
    cmd3.setFocus();
}

// ---- base friction ----

// A μ typed over a computed one chooses "直接入力" itself: the caret stays where it types.
void Form3::opt5_Click() {
    if (!txt9.hasFocus()) moveTo(txt9);
    txt9.setBorderStyle(1);
    stale_.changed(opt5);
}

void Form3::opt6_Click() {
    if (txt11.text().empty()) {
        // μ was not computed: the option does not claim it was.
        opt6.setValue(false);
        program_.msgBox("内部摩擦角を入力してください。", plat::msg::kOk, kErrorTitle);
        moveTo(txt11);
        return;
    }
    try {
        Masatu();
    } catch (const num::CalcFault&) {
        // μ was not computed: the option does not claim it was.
        opt6.setValue(false);
        showCannotCompute(program_);
        moveTo(txt11);
        return;
    }
    txt9.setBorderStyle(0);
    txt9.setText(num::format(program_.baseFriction, "0.00#"));
    moveTo(txt9);
    stale_.changed(opt6);
}

// ---- cohesion ----

void Form3::opt7_Click() {
    txt14.setBorderStyle(1);
    if (!txt14.hasFocus()) moveTo(txt14);
    stale_.changed(opt7);
}

void Form3::opt8_Click() {
    txt14.setBorderStyle(0);
    txt14.setText("0");
    stale_.changed(opt8);
    stale_.changed("no cohesion");
}

// ---- soil lists ----

// A soil picked again is no change: only another soil than the one the design values
// hold makes the results stale.
void Form3::cbo1_Click() {
    if (cbo1.text() != program_.backfillSoilType) stale_.changed(cbo1);
}

void Form3::cbo2_Click() {
    if (cbo2.text() != program_.foundationSoilType) stale_.changed(cbo2);
}

// Enter moves on and leaves the soil as it was: nothing is stale.
void Form3::cbo1_KeyPress(int& keyAscii) { fields_.enterKey(cbo1, keyAscii); }

void Form3::cbo2_KeyPress(int& keyAscii) { fields_.enterKey(cbo2, keyAscii); }
