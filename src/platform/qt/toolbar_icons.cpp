#include "platform/qt/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace plat::qt {

namespace {

void page(QPainter& p, QRectF r) {
    // A sheet with a folded corner.
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void newSheet(QPainter& p) { page(p, QRectF(3.5, 1.5, 9, 13)); }

void openFolder(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xE0, 0xC0, 0x40));
    p.drawRect(QRectF(1.5, 4.5, 11, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 1));
    p.setBrush(QColor(0xFF, 0xE0, 0x70));
    QPolygonF front{{3.5, 7.5}, {14.5, 7.5}, {12.5, 13.5}, {1.5, 13.5}};
    p.drawPolygon(front);
}

void disk(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x20, 0x30, 0x90));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 10.5, 2, 3), Qt::black);
}

void preview(QPainter& p) {
    page(p, QRectF(1.5, 1.5, 9, 12));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    for (double y = 5.5; y < 12; y += 2) p.drawLine(QPointF(3, y), QPointF(8, y));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xC8, 0xE8, 0xFF, 200));
    p.drawEllipse(QPointF(9.5, 8.5), 3.5, 3.5);
    p.setPen(QPen(Qt::black, 2.5));
    p.drawLine(QPointF(12, 11), QPointF(14.5, 13.5));
}

void printer(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(11.5, 8, 2, 1), QColor(0x00, 0xA0, 0x00));
}

}  // namespace

QIcon toolbarIcon(int image) {
    if (image < 1 || image > 5) return {};
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
        case 1: newSheet(p); break;
        case 2: openFolder(p); break;
        case 3: disk(p); break;
        case 4: preview(p); break;
        case 5: printer(p); break;
        default: break;
    }
    p.end();
    return QIcon(pm);
}

}  // namespace plat::qt
