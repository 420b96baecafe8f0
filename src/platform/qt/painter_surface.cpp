#include "platform/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPen>

#include "platform/qt/fonts.h"

namespace plat::qt {

QColor toQColor(plat::Colour c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QPainterSurface::QPainterSurface(QPainter& painter, QPointF origin, QColor background)
    : painter_(painter), origin_(origin), background_(background) {
    int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    if (dpi <= 0) dpi = 96;
    scale_ = dpi / 1440.0;
    pixelScale_ = dpi / 96.0;
    doFont();
}

QPointF QPainterSurface::map(double x, double y) const {
    return origin_ + QPointF(x * posScaleX_ * scale_, y * posScaleY_ * scale_);
}

void QPainterSurface::doFont() {
    QFont f = toQFont(fontName(), fontSize(), fontBold());
    painter_.setFont(QFont(f, painter_.device()));
}

void QPainterSurface::doText(double x, double y, const std::string& text) {
    // The current position is the top left of the text; QPainter writes on the baseline.
    QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.setPen(toQColor(foreColor()));
    painter_.drawText(map(x, y) + QPointF(0, metrics.ascent()), QString::fromStdString(text));
}

void QPainterSurface::doLine(double x1, double y1, double x2, double y2, plat::Colour c) {
    QPen pen(toQColor(c));
    pen.setWidthF(std::max(1, drawWidth()) * pixelScale_);
    switch (drawStyle()) {
        case 1: pen.setStyle(Qt::DashLine); break;
        case 2: pen.setStyle(Qt::DotLine); break;
        default: pen.setStyle(Qt::SolidLine); break;
    }
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(map(x1, y1), map(x2, y2));
}

void QPainterSurface::doClear() {
    if (painter_.device())
        painter_.fillRect(QRectF(0, 0, painter_.device()->width(), painter_.device()->height()), background_);
}

void QPainterSurface::doNewPage() {
    if (onNewPage) {
        onNewPage();
    } else if (auto* paged = dynamic_cast<QPagedPaintDevice*>(painter_.device())) {
        paged->newPage();
    }
}

void QPainterSurface::doEndDoc() {
    if (onEndDoc) onEndDoc();
}

}  // namespace plat::qt
