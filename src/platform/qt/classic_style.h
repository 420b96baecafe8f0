// The classic desktop look on top of Qt's Fusion style: disabled text in dark grey with a
// light emboss, and the dotted focus mark on whatever control has the focus.
#pragma once
#include <QColor>
#include <QProxyStyle>

namespace plat::qt {

// Disabled text and its emboss; the grey stands clear of every form background.
inline const QColor kDisabledText(96, 96, 96);
inline const QColor kDisabledEmboss(255, 255, 255);

class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();

    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes the classic look the application's style and palette; call once at start-up.
void installClassicStyle();

}  // namespace plat::qt
