// The QPainter surface: twips become device units by the device's resolution, text hangs
// below its position, and pages turn through the callback.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/qt/painter_surface.h"

namespace {

QImage page96() {
    QImage img(200, 100, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);  // 96 dpi: 15 twips a pixel
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

bool darkIn(const QImage& img, QRect r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) return true;
    return false;
}

TEST(QPainterSurface, LinesAndTextLandWhereTheTwipsSay) {
    QImage img = page96();
    plat::RecordingSurface rec;
    rec.line(0, 600, 1500, 600);  // 40 px down, 100 px long
    rec.setFont("ＭＳ ゴシック", 12);
    rec.setCurrentX(1800);  // 120 px
    rec.setCurrentY(0);
    rec.print("ＭＳ");
    {
        QPainter p(&img);
        plat::qt::QPainterSurface surface(p);
        rec.replay(surface);
    }
    EXPECT_TRUE(darkIn(img, QRect(10, 39, 80, 3)));
    EXPECT_FALSE(darkIn(img, QRect(105, 35, 10, 10)));  // the line ends at 100 px
    // 12 pt text at the top: ink within its first 16 px rows, right of 120 px only.
    EXPECT_TRUE(darkIn(img, QRect(120, 0, 40, 17)));
    EXPECT_FALSE(darkIn(img, QRect(100, 0, 19, 30)));
    EXPECT_FALSE(darkIn(img, QRect(120, 20, 60, 15)));
}

TEST(QPainterSurface, NewPageAndEndDocReachTheCallbacks) {
    QImage img = page96();
    QPainter p(&img);
    plat::qt::QPainterSurface surface(p);
    int pages = 0, ends = 0;
    surface.onNewPage = [&] { ++pages; };
    surface.onEndDoc = [&] { ++ends; };
    surface.newPage();
    surface.newPage();
    surface.endDoc();
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(ends, 1);
}

}  // namespace
