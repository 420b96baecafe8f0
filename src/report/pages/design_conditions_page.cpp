// Form3.Ippan: report page 1, the design conditions, as a list of text lines.
#include "common/numbers.h"
#include "conditions/design_choices.h"
#include "report/pages/page_conventions.h"
#include "report/pages/page_writers.h"

namespace {

using num::format;
namespace fmt = page::fmt;

class DesignConditionsPage {
public:
    DesignConditionsPage(const Program& p, plat::Surface& s)
        : p_(p), s_(s), choices_(designChoices(p)) {}

    void draw() {
        page::topOfPage(s_);
        title();
        s_.print("");
        s_.print("            １－１ 工作物の概要");
        s_.print("");
        s_.print("              ・築造地 ： " + p_.siteName);
        s_.print("");
        s_.print("              ・形　式 ： Ｕ型鉄筋コンクリート造擁壁");
        page::emptyLines(s_, 2);
        materials();
        page::emptyLines(s_, 2);
        backfill();
        s_.print("");
        earthPressure();
        s_.print("");
        foundation();
        page::emptyLines(s_, 2);
        policy();
    }

private:
    bool building() const { return choices_.building(); }
    bool road() const { return choices_.road(); }

    void title() {
        const std::optional<std::string> suffix = page::CaseTitle(p_);
        if (suffix) s_.print("          §１．設計条件" + *suffix);
    }

    void materials() {
        s_.print("            １－２ 使用材料 及 許容応力度");
        s_.print("");
        s_.print("                 ・ コンクリート");
        const std::string strength = format(p_.concreteStrength, fmt::kConcreteStrength);
        if (building())
            s_.print("                      設計基準強度     ： Ｆc= " + strength + " N/mm2");
        else if (road())
            s_.print("                      設計基準強度     ：σck= " + strength + " N/mm2");
        s_.print("                      許容圧縮応力度   ：σca= " + format(p_.allowConcrete, fmt::kAllowablePage1) +
                 " N/mm2");
        s_.print("                      許容せん断応力度 ：τca= " + format(p_.allowShear, fmt::kAllowablePage1) +
                 " N/mm2");
        const std::string bond = format(p_.allowBond, fmt::kAllowablePage1);
        if (building())
            s_.print("                      許容付着応力度   ： ｆa= " + bond + " N/mm2");
        else if (road())
            s_.print("                      許容付着応力度   ：τ0a= " + bond + " N/mm2");
        s_.print("");
        s_.print("                 ・ 鉄　筋");
        rebar();
        s_.print("");
        s_.print("             　  ・ 鉄筋コンクリート");
        s_.print("                      単位体積重量     ：ｒ= " + format(p_.concreteUnitWeight, fmt::kUnitWeight) +
                 " kN/m3");
    }

    // The long-term allowable in the normal case, the short-term one in the seismic case.
    void rebar() {
        std::optional<float> allow;
        if (choices_.normal()) allow = p_.rebarAllowLong;
        else if (choices_.seismic()) allow = p_.rebarAllowShort;
        if (!allow) return;
        const std::string value = format(*allow, fmt::kAllowablePage1);
        if (building())
            s_.print("                      許容引張応力度   ：ｆt= " + value + " N/mm2");
        else if (road())
            s_.print("                      許容引張応力度   ：σsa= " + value + " N/mm2");
    }

    void backfill() {
        s_.print("            １－３ 設計条件");
        s_.print("");
        s_.print("              ◎背面土");
        s_.print("             　  ・土質の種類          ： " + p_.backfillSoilType);
        s_.print("             　  ・土の単位体積重量    ：γs= " + format(p_.soilUnitWeight, fmt::kUnitWeight) +
                 " kN/m3");
        frictionAngle(p_.backfillPhi);
        s_.print("               　・粘 着 力            ： Ｃ= 0 kN/m2");
        // A δ never marked as typed or computed counts as typed.
        const int computed = p_.deltaComputed.value_or(0);
        if (computed == 0)
            s_.print("             　  ・仮想背面と土との摩擦角：（安定計算時）δ=" +
                     format(p_.deltaStability, fmt::kAngle) + "°");
        else if (computed == 1)
            s_.print("             　  ・仮想背面と土との摩擦角：（安定計算時）δ= 計算による");
        s_.print("             　  ・壁背面と土との摩擦角  ：（断面計算時）δ=" + format(p_.deltaSection, fmt::kAngle) +
                 "°");
    }

    void frictionAngle(float phi) {
        const std::string value = format(phi, fmt::kFrictionAnglePage1);
        if (building())
            s_.print("             　  ・内部摩擦角          ： φ= " + value + "°");
        else if (road())
            s_.print("             　  ・せん断抵抗角        ： φ= " + value + "°");
    }

    void earthPressure() {
        const char* heading = "              ○土圧";
        const std::string kh = format(p_.seismicKh, fmt::kKhPage1);
        const std::string ka = format(p_.activeCoefficient, fmt::kKaPage1);
        if (choices_.normal()) {
            s_.print(heading);
            if (choices_.kaMode == KaMode::Computed)
                s_.print("             　   クーロンの土圧式による。");
            else if (choices_.kaMode == KaMode::Typed)
                s_.print("             　   直接入力 KA=" + ka);
            return;
        }
        if (!choices_.seismic()) return;
        const SeismicMethod method = choices_.seismicMethod;
        if (method == SeismicMethod::K1 || method == SeismicMethod::D1) {
            s_.print(heading);
            s_.print("             　   岡部･物部式による。(水平震度 Kh＝" + kh + ")");
        } else if (method == SeismicMethod::K2) {
            s_.print(heading);
            if (choices_.kaMode == KaMode::Computed)
                s_.print("             　   クーロンの土圧式による。(水平震度 Kh＝" + format(p_.seismicKh, fmt::kKhShort) +
                         ")");
            else if (choices_.kaMode == KaMode::Typed)
                s_.print("             　   直接入力 KA=" + ka + " (水平震度 Kh＝" + kh + ")");
        }
    }

    void foundation() {
        s_.print("              ◎支持地盤");
        s_.print("             　  ・土質の種類          ： " + p_.foundationSoilType);
        frictionAngle(p_.foundationPhi);
        if (p_.foundationCohesion != 0)
            s_.print("             　  ・粘 着 力            ： Ｃ= " + format(p_.foundationCohesion, fmt::kCohesion) +
                     " kN/m2");
        else
            s_.print(std::string("             　  ・粘 着 力            ： Ｃ= 0") + " kN/m2");
        const std::string bearing = format(p_.allowBearing, fmt::kBearingPage1);
        if (building())
            s_.print("                 ・許容地耐力度        ： fe= " + bearing + " kN/m2");
        else if (road())
            s_.print("                 ・許容地耐力度        ：ｑa= " + bearing + " kN/m2");
        if (choices_.baseFriction == BaseFrictionMode::Typed)
            s_.print("             　  ・底盤の摩擦係数      ： μ= " + format(p_.baseFriction, fmt::kFrictionTyped));
        else if (choices_.baseFriction == BaseFrictionMode::TanPhi)
            s_.print("             　  ・底盤の摩擦係数      ： μ=tan" + format(p_.foundationPhi, fmt::kFrictionAnglePage1) +
                     "°= " + format(p_.baseFriction, fmt::kFrictionTan));
    }

    void policy() {
        s_.print("            １－４ 設計方針");
        s_.print("");
        s_.print("              ・　本計算は、片持梁式鉄筋コンクリート擁壁として、すべて土圧にて行う。");
        s_.print("");
        if (building()) {
            s_.print("              ・　本計算は、宅地造成等規制法、同施行令、建築基準法、同施行令、及び、");
            s_.print("                日本建築学会諸基準「鉄筋コンクリート構造計算基準、建築基礎構造設計指針」");
            s_.print("                に準拠して行う｡ ");
            s_.print("　　　            なお、応力計算は、日本土木学会「コンクリート標準示方書」による。");
        } else if (road()) {
            s_.print("              ・　本計算は、(社)日本道路協会「道路土工(擁壁工指針)」及び、日本土木学会");
            s_.print("                「コンクリート標準示方書」に準拠して行う。");
        }
    }

    const Program& p_;
    plat::Surface& s_;
    const DesignChoices choices_;
};

}  // namespace

void report::Ippan(plat::Surface& s, const Program& p) { DesignConditionsPage(p, s).draw(); }
