// Report pages 3, 5 and 6 of walls entered through the screens whose texts and figure
// depend on what the last calculation wrote, painted by the Qt back end as the preview
// paints them. The texts are checked on the recorded page; with MIRANOSU_KEEP_PNG set to a
// folder the painted pages are kept there as PNG files to be looked at.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/painter_surface.h"
#include "report/report_pages.h"
#include "section/section_history_fixture.h"

namespace {

using history::Session;
using history::Wall;

// The page's writers on a recording surface (returned) and, when asked, on an A4 image at
// 150 dpi saved as a PNG.
plat::RecordingSurface writePage(Program& prog, int page, const std::string& name) {
    plat::RecordingSurface recorded;
    recorded.setFont("ＭＳ 明朝", 11);
    prog.outputSurface = &recorded;
    report::runWriters(prog, page);
    if (const char* keep = std::getenv("MIRANOSU_KEEP_PNG")) {
        constexpr int kDpi = 150;
        QImage image(8.27 * kDpi, 11.69 * kDpi, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kDpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        plat::qt::QPainterSurface painted(painter);
        painted.setFont("ＭＳ 明朝", 11);
        prog.outputSurface = &painted;
        report::runWriters(prog, page);
        painter.end();
        const auto file = std::filesystem::path(keep) / (name + "-page" + std::to_string(page) + ".png");
        image.save(QString::fromStdString(file.string()));
    }
    prog.outputSurface = nullptr;
    return recorded;
}

bool hasText(const plat::RecordingSurface& s, const std::string& text) {
    const auto texts = s.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const plat::DrawOp* textOp(const plat::RecordingSurface& s, const std::string& text) {
    for (const plat::DrawOp& op : s.ops())
        if (op.kind == plat::DrawOp::Text && op.text == text) return &op;
    return nullptr;
}

std::string blanks(int n) { return std::string(n, ' '); }

// Normal case, back surcharge 4 kN/m2 with the 5 kN/m2 deduction: △PA and △PAX are 0,
// and pages 3 and 6 show the term as taken.
TEST(ReportPageImages, DeductedSurchargeBelowFive) {
    Session s;
    s.enter(Wall{"Q4", {{"txt21", "4"}}});
    s.dims().chk1.userClick();
    s.stabilityCheck();
    s.handOver();
    s.sectionCheck();
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(s.prog.surchargePressureDeltaPA, 0.0f);

    const auto page3 = writePage(s.prog, 3, "deduction");
    bool termOnPage3 = false;
    for (const std::string& t : page3.texts())
        if (t.rfind(blanks(16) + "△PA=KA･q･H=", 0) == 0)
            termOnPage3 = t.find("×(4.0-5.0→0)×") != std::string::npos && t.ends_with("=0.0000kN/m");
    EXPECT_TRUE(termOnPage3);

    const auto page6 = writePage(s.prog, 6, "deduction");
    int terms = 0;
    for (const std::string& t : page6.texts())
        if (t.rfind(blanks(16) + "△PAX=KA･q･H･cos(", 0) == 0 && t.find("×(4.0-5.0→0)×") != std::string::npos &&
            t.ends_with("=0.000kN/m"))
            ++terms;
    EXPECT_EQ(terms, 2);  // mid-height and fixed end
    writePage(s.prog, 5, "deduction");
}

// Seismic case (K2) with δ derived by "計算する" and KA typed: the typed KA line of page 3
// stands at the left margin below the derivation.
TEST(ReportPageImages, TypedKaAfterTheDeltaDerivation) {
    Session s;
    s.enter(Wall{"SeismicTyped", {}, "0.45", LoadCase::Seismic});
    Form3& c = s.conditions();
    c.cmd7.press();  // "計算する": δ derived for the seismic case
    ASSERT_EQ(s.prog.deltaComputed, 1);
    c.cmd3.press();
    s.prog.form<Form23>().cmd1.press();
    s.stabilityCheck();
    s.handOver();
    s.sectionCheck();
    ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);

    const auto page3 = writePage(s.prog, 3, "typed-ka");
    const plat::DrawOp* ka = textOp(page3, blanks(16) + "主働土圧係数 KA=0.45");
    ASSERT_NE(ka, nullptr);
    EXPECT_EQ(ka->x1, 0);
    EXPECT_EQ(ka->y1, 2600 + 1600);
    writePage(s.prog, 5, "typed-ka");
    writePage(s.prog, 6, "typed-ka");
}

// A wall whose contact ends under the rear wall, entered after one whose reaction reached
// the heel: page 5 draws and labels only the ordinates of its own reaction.
TEST(ReportPageImages, ContactEndingShortOfTheHeel) {
    Session s;
    s.design(Wall{"Ordinary", {}});
    s.design(Wall{"ContactShortOfHeel", {}, "2.8", LoadCase::Normal, "", false});
    ASSERT_FALSE(s.prog.slabModelWrote(kWroteV5));
    const auto page5 = writePage(s.prog, 5, "short-contact");
    for (const char* label : {"VP", "V1", "V2", "V3", "V4"}) EXPECT_NE(textOp(page5, label), nullptr) << label;
    EXPECT_EQ(textOp(page5, "V5"), nullptr);
    EXPECT_EQ(textOp(page5, "VR"), nullptr);
    EXPECT_FALSE(hasText(page5, "V5"));
}

// A seismic wall (K2) designed with "上載荷重の慣性力を算入する" ticked, then turned into a
// normal wall: the tick stays in its hidden box and counts as none, so page 6 is the page
// of a fresh normal wall, its three empty lines included.
TEST(ReportPageImages, HiddenInertiaTickAfterTheSeismicCase) {
    Session lived;
    lived.design(Wall{"Seismic", {}, "", LoadCase::Seismic});
    lived.sec().chk_1.userClick();
    lived.sec().txt_1.setText("1.5");
    lived.sectionCheck();
    ASSERT_EQ(lived.sec().chk_1.value(), 1);
    lived.back();
    Form3& c = lived.conditions();
    c.cmd1.press();  // "常時"
    c.txt10.setText("20");  // δ, which the change of case empties
    c.cmd6.press();         // KA computed
    c.cmd3.press();
    lived.prog.form<Form23>().cmd1.press();
    lived.prog.form<Form14>().opt1.setValue(true);
    lived.stabilityCheck();
    lived.handOver();
    lived.sectionCheck();
    ASSERT_EQ(lived.prog.sectionCheckDoneValue(), 1) << ::testing::PrintToString(lived.svc.messageTexts());
    EXPECT_EQ(lived.sec().chk_1.value(), 1);
    EXPECT_FALSE(lived.sec().chk_1.visible());

    Session fresh;
    fresh.design(Wall{"Normal", {}});
    ASSERT_EQ(fresh.prog.sectionCheckDoneValue(), 1);
    EXPECT_EQ(writePage(lived.prog, 6, "hidden-tick").texts(), writePage(fresh.prog, 6, "fresh-normal").texts());
}

}  // namespace
