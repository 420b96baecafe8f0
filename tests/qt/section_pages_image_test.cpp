// The section pages of walls whose locations are refused or carry no load, drawn as the
// preview draws them: the refused block's line stands in the NG colour, and the pages can
// be written out as PNG files (MIRANOSU_PAGE_PNG_DIR) to be looked at.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/qt/desktop_view.h"
#include "platform/qt/painter_surface.h"
#include "platform/utf8.h"
#include "report/report_pages.h"
#include "section/section_history_fixture.h"

namespace {

using history::Session;
using history::Wall;

// A4 at 100 dpi.
QImage drawPage(Program& p, int page) {
    plat::RecordingSurface rec;
    p.outputSurface = &rec;
    report::runWriters(p, page);
    p.outputSurface = nullptr;
    QImage img(827, 1170, QImage::Format_RGB32);
    img.setDotsPerMeterX(3937);
    img.setDotsPerMeterY(3937);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        plat::qt::QPainterSurface surface(painter);
        rec.replay(surface);
    }
    return img;
}

// Pixels of magenta ink (colour 13), its smoothed edges included.
int magentaPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            n += qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 150;
        }
    return n;
}

void keep(const QImage& img, const std::string& name) {
    if (const char* dir = std::getenv("MIRANOSU_PAGE_PNG_DIR")) img.save(QString::fromStdString(std::string(dir) + "/" + name));
}

struct PageCase {
    const char* name;
    Wall wall;
    int page;
    bool magenta;  // a refused block (or a failed check) on the page
};

TEST(SectionPageImages, RefusedBlocksStandInTheNGColour) {
    const PageCase cases[] = {
        {"no-load", Wall{"NoLoadAtMidHeight", {{"txt6", "2.5"}}}, 6, false},
        {"contact-between-walls", Wall{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false}, 7, true},
        {"contact-between-walls", Wall{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false}, 8, true},
        {"outside-base", Wall{"OutsideBase", {{"txt21", "40"}}, "3", LoadCase::Normal, "", false}, 9, true},
    };
    for (const PageCase& c : cases) {
        Session s;
        s.design(c.wall);
        ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1) << c.name;
        for (int page = 5; page <= 9; ++page) {
            const QImage img = drawPage(s.prog, page);
            keep(img, std::string(c.name) + "-page" + std::to_string(page) + ".png");
            if (page == c.page) {
                EXPECT_EQ(magentaPixels(img) > 0, c.magenta) << c.name << " page " << page;
            }
        }
    }
}

// The section screen of a wall with refused rows and an unloaded row, and of a seismic
// wall with its surcharge-inertia line, as the desktop shows it: the refused judgements
// stand in magenta, the disabled lists are empty.
TEST(SectionScreenImage, RefusedAndUnloadedRowsAsShown) {
    for (const Wall& wall : {Wall{"ContactBetweenWalls", {}, "3.3", LoadCase::Normal, "", false},
                             Wall{"NoLoadAtMidHeight", {{"txt6", "2.5"}}},
                             Wall{"SeismicK2", {}, "", LoadCase::Seismic}}) {
        Session s;
        plat::qt::DesktopView view(s.prog);
        s.design(wall);
        ASSERT_EQ(s.prog.sectionCheckDoneValue(), 1);
        view.sync();
        Form7& f = s.sec();
        QWidget* window = view.windowOf(f);
        ASSERT_NE(window, nullptr);
        keep(window->grab().toImage(), "screen-" + wall.name + ".png");
        const bool refused = f.refusedRow(5);
        const QImage verdict = view.widgetOf(f.lbl20)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(magentaPixels(verdict) > 0, refused) << wall.name;
    }
}

// The judgement panel of a wall whose resultant lies outside the base, as the desktop
// shows it: the reason in words on the two bearing lines, in magenta, and whole.
TEST(PanelImage, ResultantOutsideTheBaseInWords) {
    Session s;
    plat::qt::DesktopView view(s.prog);
    s.enter(Wall{"OutsideBase", {{"txt21", "40"}}, "3", LoadCase::Normal, "", false});
    ASSERT_TRUE(s.prog.bearingOutsideBase);
    view.sync();
    Form4& d = s.dims();
    QWidget* window = view.windowOf(d);
    ASSERT_NE(window, nullptr);
    keep(window->grab().toImage(), "panel-outside-base.png");
    for (plat::Label* words : {&d.lbl56, &d.lbl59}) {
        QWidget* cell = view.widgetOf(*words);
        ASSERT_NE(cell, nullptr);
        // The cell spans the words: full-width characters of 12 pixels at 9 pt.
        EXPECT_GE(cell->width(), 12 * plat::charCount(words->caption())) << words->name();
        EXPECT_GT(magentaPixels(cell->grab().toImage().convertToFormat(QImage::Format_RGB32)), 0) << words->name();
    }
}

}  // namespace
