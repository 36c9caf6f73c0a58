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

Shape::Shape(QWidget* parent, const layout::Border& border)
    : Shape(parent, border.rect, {.border = border.color, .borderPx = border.widthPx}) {}

void Shape::applyBackColor() {
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawShape(p, rect(), style_, backColor(), scale());
}

void drawShape(QPainter& p, const QRect& area, const ShapeStyle& style, std::uint32_t fill,
               double scale) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, style.circle);
    const qreal penWidth = style.borderPx * scale;
    const qreal inset = style.bordered ? penWidth / 2.0 : 0.0;
    const QRectF r = QRectF(area).adjusted(inset, inset, -inset, -inset);
    p.setBrush(style.filled ? QBrush(bgr(fill)) : Qt::NoBrush);
    if (style.bordered) {
        QPen pen(bgr(style.border), penWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    if (style.circle) {
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
    p.restore();
}

namespace {
// The widget spans the line's extent, with room for the pen.
TwipsRect lineExtent(const layout::Segment& s, int widthPx) {
    const float pad = static_cast<float>(widthPx) * kTwipsPerPixel;
    const float l = std::min(s.x1, s.x2) - pad;
    const float t = std::min(s.y1, s.y2) - pad;
    return {l, t, std::max(s.x1, s.x2) + pad - l, std::max(s.y1, s.y2) + pad - t};
}
}  // namespace

Line::Line(QWidget* parent, const layout::Segment& s, std::uint32_t color, int widthPx)
    : QWidget(parent), Control(this, lineExtent(s, widthPx)), widthPx_(widthPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const TwipsRect r = twips();
    from_ = {(s.x1 - r.left) / kTwipsPerPixel, (s.y1 - r.top) / kTwipsPerPixel};
    to_ = {(s.x2 - r.left) / kTwipsPerPixel, (s.y2 - r.top) / kTwipsPerPixel};
    setBackColor(color);
    setTwips(r);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale(), scale());
    p.setPen(QPen(bgr(backColor()), widthPx_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from_, to_);
}

}  // namespace kivo::ui
