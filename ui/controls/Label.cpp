#include "Label.h"

#include <QFontMetrics>

namespace kivo::ui {

Label::Label(QWidget* parent, TwipsRect rect, const LabelStyle& style, const QString& caption)
    : QLabel(parent), Control(this, rect), style_(style) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFont(style.font);
    setAlignment(style.align);
    setFocusPolicy(Qt::NoFocus);
    if (style.border) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    QPalette p = palette();
    p.setColor(QPalette::WindowText, bgr(style.fore));
    p.setColor(QPalette::Text, bgr(style.fore));
    setPalette(p);
    setBackColor(style.back);
    setTwips(rect);
    setCaption(caption);
}

void Label::setCaption(const QString& text) {
    setText(text);
    if (style_.autoSize) {
        fitToText();
    } else {
        fitFont();
    }
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (!style_.autoSize) fitFont();
}

// A stand-in font may run wider than the one the layout was made for: a fixed-size label's
// caption then steps down in size (to no less than two thirds) rather than lose its ends.
void Label::fitFont() {
    QFont f = style_.font;
    const int room = contentsRect().width() - 2;
    for (int step = 0; step < 8 && QFontMetrics(f).horizontalAdvance(text()) > room; ++step) {
        f.setPointSizeF(style_.font.pointSizeF() * (1.0 - 0.05 * (step + 1)));
    }
    setFont(f);
}

void Label::applyBackColor() {
    if (style_.opaque) {
        Control::applyBackColor();
    } else {
        setAutoFillBackground(false);
    }
}

// Grows or shrinks to the caption's size, keeping the top-left corner.
void Label::fitToText() {
    const QFontMetrics fm(font());
    const int frame = 2 * frameWidth();
    float w = static_cast<float>(fm.horizontalAdvance(text()) + frame + 2) * kTwipsPerPixel;
    const float h = static_cast<float>(fm.height() + frame) * kTwipsPerPixel;
    if (style_.maxWidth > 0 && w > style_.maxWidth) w = style_.maxWidth;
    setTwips({twips().left, twips().top, w, h});
}

}  // namespace kivo::ui
