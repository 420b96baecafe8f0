#include "platform/qt/classic_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>

namespace plat::qt {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ClassicStyle::polish(QPalette& palette) {
    QProxyStyle::polish(palette);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    palette.setColor(QPalette::Disabled, QPalette::Light, kDisabledEmboss);
}

void ClassicStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                                const QString& text, QPalette::ColorRole textRole) const {
    if (!enabled && textRole != QPalette::NoRole && !text.isEmpty()) {
        // Engraved: a light copy one pixel down and to the right, the grey text over it.
        painter->save();
        painter->setPen(pal.color(QPalette::Disabled, QPalette::Light));
        painter->drawText(rect.translated(1, 1), flags, text);
        painter->restore();
    }
    QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, text, textRole);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        // Always shown, whether the user or the program moved the focus: Enter presses
        // the focused button, so the user must see which one it is.
        painter->save();
        QPen pen(option->palette.color(QPalette::WindowText));
        pen.setStyle(Qt::DotLine);
        pen.setWidth(1);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion marks a focused button by its outline, and only after a key moved the focus;
    // the classic button carries the dotted mark inside its bevel.
    if (element == CE_PushButtonBevel && (option->state & State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = option->rect.adjusted(3, 3, -3, -3);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

void installClassicStyle() {
    auto* style = new ClassicStyle;
    QApplication::setStyle(style);
    QPalette palette = QApplication::palette();
    style->polish(palette);
    QApplication::setPalette(palette);
}

}  // namespace plat::qt
