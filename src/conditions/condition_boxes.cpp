#include "conditions/condition_boxes.h"

#include "common/numbers.h"
#include "conditions/seismic_dialog.h"

namespace {

using DV = DesignValues;
using Empty = ConditionBox::Empty;
using Then = ConditionBox::Then;

constexpr const char* kSoilMissing = "土質を入力してください。";
constexpr const char* kDeltaMissing = "壁背面と土との間の壁面摩擦角を入力してください。";

// clang-format off
const ConditionBox kBoxes[] = {
    {.box = &Form3::txt1, .text = &DV::siteName, .missing = "築造地を入力してください。", .then = Then::StandardChosen},
    {.box = &Form3::txt2, .number = &DV::concreteStrength, .missing = "コンクリートの設計基準強度を入力してください。", .name = "コンクリートの設計基準強度", .bounds = bounds::kStrength, .then = Then::RoadStrength},
    {.box = &Form3::txt3, .number = &DV::rebarAllowLong, .missing = "鉄筋の許容引張応力度を入力してください。", .name = "鉄筋の許容引張応力度", .bounds = bounds::kStress},
    {.box = &Form3::txt4, .number = &DV::allowBearingLong, .missing = "許容地耐力度を入力してください。", .name = "許容地耐力度", .bounds = bounds::kPressure},
    {.box = &Form3::txt5, .number = &DV::soilUnitWeight, .missing = "土の単位体積重量を入力してください。", .name = "土の単位体積重量", .bounds = bounds::kUnitWeight},
    {.box = &Form3::txt6, .number = &DV::concreteUnitWeight, .missing = "鉄筋コンクリートの単位体積重量を入力してください。", .name = "鉄筋コンクリートの単位体積重量", .bounds = bounds::kUnitWeight},
    {.list = &Form3::cbo1, .text = &DV::backfillSoilType, .missing = kSoilMissing},
    {.box = &Form3::txt8, .number = &DV::backfillPhi, .missing = "内部摩擦角を入力してください。", .roadMissing = "せん断抵抗角を入力してください。", .name = "裏込め土の内部摩擦角", .roadName = "裏込め土のせん断抵抗角", .bounds = bounds::kAngle},
    {.box = &Form3::txt10, .number = &DV::deltaStability, .missing = kDeltaMissing, .name = "安定計算時の壁面摩擦角", .bounds = bounds::kAngle},
    {.box = &Form3::txt12, .number = &DV::deltaSection, .missing = kDeltaMissing, .name = "断面計算時の壁面摩擦角", .bounds = bounds::kAngle},
    {.list = &Form3::cbo2, .text = &DV::foundationSoilType, .missing = kSoilMissing},
    {.box = &Form3::txt14, .number = &DV::foundationCohesion, .missing = "土の粘着力を入力してください。", .name = "土の粘着力", .bounds = bounds::kPressureOrNone},
    {.box = &Form3::txt11, .number = &DV::foundationPhi, .missing = "内部摩擦角度を入力してください。", .name = "基礎地盤の内部摩擦角", .roadName = "基礎地盤のせん断抵抗角", .bounds = bounds::kAngle},
    {.box = &Form3::txt9, .number = &DV::baseFriction, .missing = "底盤の摩擦係数を入力又は計算してください。", .name = "底盤の摩擦係数", .bounds = bounds::kCoefficient, .empty = Empty::FrictionChoice},
    {.box = &Form3::txt15, .number = &DV::activeCoefficient, .missing = "主働土圧係数を入力又は計算してください。", .name = "主働土圧係数", .bounds = bounds::kCoefficientPositive, .empty = Empty::KaChoice},
    {.box = &Form3::txt13, .number = &DV::rebarAllowShort, .missing = "短期の鉄筋の許容引張応力度を入力してください。", .name = "短期の鉄筋の許容引張応力度", .bounds = bounds::kStress, .seismicOnly = true, .then = Then::SeismicMethod},
};
// clang-format on

}  // namespace

std::span<const ConditionBox> conditionBoxes() { return kBoxes; }

const char* missingMessage(const ConditionBox& row, bool road) {
    return road && row.roadMissing ? row.roadMissing : row.missing;
}

std::string boundsName(const ConditionBox& row, bool road) { return road && row.roadName ? row.roadName : row.name; }

void readBox(const ConditionBox& row, const Form3& screen, DesignValues& values) {
    const std::string& typed = row.box ? (screen.*row.box).text() : (screen.*row.list).text();
    if (row.text) values.*row.text = typed;
    if (row.number) values.*row.number = num::readSingle(typed);
}

bool takesPart(const ConditionBox& row, const Form3& screen) {
    if (row.seismicOnly && !screen.opt4.value()) return false;
    if (row.number == &DV::foundationCohesion && screen.opt8.value()) return false;
    return true;
}

std::vector<BoundedBox> conditionRules(Program& program) {
    Form3& screen = program.form<Form3>();
    std::vector<BoundedBox> rules = screen.boundedBoxes();
    for (BoundedBox& entry : rules) entry.bringUp = [&screen] { screen.bringToFront(); };
    if (screen.opt4.value()) {
        std::vector<BoundedBox> seismic = program.form<Form25>().boundedBoxes();
        for (BoundedBox& entry : seismic) entry.bringUp = [&screen] { screen.cmd4_Click(); };
        appendRules(rules, std::move(seismic));
    }
    return rules;
}
