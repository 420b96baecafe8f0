// A drawing surface on any QPainter: the screen, a PDF file or the printer.
// Twips become device units through the device's resolution (1440 twips an inch).
#pragma once
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <functional>

#include "platform/surface.h"

namespace plat::qt {

QColor toQColor(plat::Colour c);

class QPainterSurface : public plat::Surface {
public:
    // origin: where twip (0, 0) lies, in device units. background fills a clear.
    explicit QPainterSurface(QPainter& painter, QPointF origin = {}, QColor background = Qt::white);

    double unitsPerTwip() const { return scale_; }
    // Stretches positions (not font sizes or line widths) for a picture with a user scale.
    void setPositionScale(double sx, double sy) {
        posScaleX_ = sx;
        posScaleY_ = sy;
    }
    // Runs on newPage() and endDoc(); a paged device (printer, PDF) turns the page by default.
    std::function<void()> onNewPage;
    std::function<void()> onEndDoc;

protected:
    void doText(double x, double y, const std::string& text) override;
    void doLine(double x1, double y1, double x2, double y2, plat::Colour c) override;
    void doClear() override;
    void doNewPage() override;
    void doEndDoc() override;
    void doFont() override;

private:
    QPointF map(double x, double y) const;
    QPainter& painter_;
    QPointF origin_;
    QColor background_;
    double scale_;
    double pixelScale_;  // device units per screen pixel, for line widths
    double posScaleX_ = 1, posScaleY_ = 1;
};

}  // namespace plat::qt
