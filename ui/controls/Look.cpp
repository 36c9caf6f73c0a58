#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace kivo::ui {

void ignoreDesktopLook() {
    QApplication::setDesktopSettingsAware(false);
    // A desktop's Qt theme may load GTK into the game for its own look. GTK would then put the
    // game on the accessibility bus a second time, as an empty application of the same name
    // that a screen reader may pick instead of the game.
    qputenv("NO_AT_BRIDGE", "1");
}

// Fusion's light colours, written out: Qt's own palettes follow the desktop's dark or light
// scheme.
const QPalette& lightPalette() {
    static const QPalette palette = [] {
        QPalette p;
        const struct {
            QPalette::ColorRole role;
            QRgb normal, disabled;
        } colours[] = {
            {QPalette::WindowText, 0x000000, 0xBEBEBE},
            {QPalette::Button, 0xEFEFEF, 0xEFEFEF},
            {QPalette::Light, 0xFFFFFF, 0xFFFFFF},
            {QPalette::Midlight, 0xCACACA, 0xCACACA},
            {QPalette::Dark, 0x9F9F9F, 0xBEBEBE},
            {QPalette::Mid, 0xB8B8B8, 0xB8B8B8},
            {QPalette::Text, 0x000000, 0xBEBEBE},
            {QPalette::BrightText, 0xFFFFFF, 0xFFFFFF},
            {QPalette::ButtonText, 0x000000, 0xBEBEBE},
            {QPalette::Base, 0xFFFFFF, 0xEFEFEF},
            {QPalette::Window, 0xEFEFEF, 0xEFEFEF},
            {QPalette::Shadow, 0x767676, 0xB1B1B1},
            {QPalette::Highlight, 0x308CC6, 0x919191},
            {QPalette::HighlightedText, 0xFFFFFF, 0xFFFFFF},
            {QPalette::Link, 0x0000FF, 0x0000FF},
            {QPalette::LinkVisited, 0xFF00FF, 0xFF00FF},
            {QPalette::AlternateBase, 0xF7F7F7, 0xF7F7F7},
            {QPalette::ToolTipBase, 0xFFFFDC, 0xFFFFDC},
            {QPalette::ToolTipText, 0x000000, 0x000000},
        };
        for (const auto& c : colours) {
            p.setColor(QPalette::Active, c.role, QColor(c.normal));
            p.setColor(QPalette::Inactive, c.role, QColor(c.normal));
            p.setColor(QPalette::Disabled, c.role, QColor(c.disabled));
        }
        p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
        return p;
    }();
    return palette;
}

void setUpLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(lightPalette());
    // The font Qt gives a box where no desktop says otherwise; the cards name their own.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
}

}  // namespace kivo::ui
