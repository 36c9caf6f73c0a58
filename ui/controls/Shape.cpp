#include "Shape.h"

#include <QPainter>
#include <algorithm>

namespace kivo::ui {

Shape::Shape(QWidget* parent, TwipsRect rect, const ShapeStyle& style)
    : QWidget(parent), Control(this, rect), style_(style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setBackColor(style.fill);
    setTwips(rect);
}

void Shape::applyBackColor() { update(); }

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, style_.circle);
    const qreal inset = style_.bordered ? style_.borderPx / 2.0 : 0.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setBrush(style_.filled ? QBrush(bgr(backColor())) : Qt::NoBrush);
    if (style_.bordered) {
        QPen pen(bgr(style_.border), style_.borderPx);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    if (style_.circle) {
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}

namespace {
// The widget spans the line's extent, with room for the pen.
TwipsRect lineExtent(float x1, float y1, float x2, float y2, int widthPx) {
    const float pad = static_cast<float>(widthPx) * kTwipsPerPixel;
    const float l = std::min(x1, x2) - pad;
    const float t = std::min(y1, y2) - pad;
    return {l, t, std::max(x1, x2) + pad - l, std::max(y1, y2) + pad - t};
}
}  // namespace

Line::Line(QWidget* parent, float x1, float y1, float x2, float y2, std::uint32_t color,
           int widthPx)
    : QWidget(parent), Control(this, lineExtent(x1, y1, x2, y2, widthPx)), widthPx_(widthPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const TwipsRect r = twips();
    from_ = {(x1 - r.left) / kTwipsPerPixel, (y1 - r.top) / kTwipsPerPixel};
    to_ = {(x2 - r.left) / kTwipsPerPixel, (y2 - r.top) / kTwipsPerPixel};
    setBackColor(color);
    setTwips(r);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(bgr(backColor()), widthPx_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from_, to_);
}

}  // namespace kivo::ui
