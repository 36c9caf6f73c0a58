#pragma once
// A rectangle or circle: an optional opaque fill and a border of a given colour and width,
// drawn inside the shape's rectangle.
// A line: from (X1, Y1) to (X2, Y2) in twips, in a colour and width.

#include <QWidget>

class QPainter;

#include "Control.h"

namespace kivo::ui {

struct ShapeStyle {
    bool circle = false;
    bool filled = false;
    std::uint32_t fill = 0;
    bool bordered = true;
    std::uint32_t border = 0;
    int borderPx = 1;
};

// Draws a shape of that style filling the area, at a scale.
void drawShape(QPainter& p, const QRect& area, const ShapeStyle& style, std::uint32_t fill,
               double scale);

class Shape : public QWidget, public Control {
public:
    Shape(QWidget* parent, TwipsRect rect, const ShapeStyle& style);
    Shape(QWidget* parent, const layout::Border& border);

protected:
    void paintEvent(QPaintEvent*) override;
    void applyBackColor() override;  // the back colour is the fill

private:
    ShapeStyle style_;
};

class Line : public QWidget, public Control {
public:
    Line(QWidget* parent, const layout::Segment& s, std::uint32_t color, int widthPx);

protected:
    void paintEvent(QPaintEvent*) override;
    void applyBackColor() override { update(); }

private:
    QPointF from_, to_;  // in the widget's design pixels
    int widthPx_;
};

}  // namespace kivo::ui
