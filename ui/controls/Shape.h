#pragma once
// A rectangle or circle: an optional opaque fill and a border of a given colour and width.
// A line: from (X1, Y1) to (X2, Y2) in twips, in a colour and width.

#include <QWidget>

#include "Control.h"

namespace kivo::ui {

struct ShapeStyle {
    bool circle = false;
    bool filled = false;
    std::uint32_t fill = 0;
    bool bordered = true;
    std::uint32_t border = 0;
    int borderPx = 1;
    bool insideExtent = true;  // the border is drawn inside the shape's rectangle
};

class Shape : public QWidget, public Control {
public:
    Shape(QWidget* parent, TwipsRect rect, const ShapeStyle& style);

protected:
    void paintEvent(QPaintEvent*) override;
    void applyBackColor() override;  // the back colour is the fill

private:
    ShapeStyle style_;
};

class Line : public QWidget, public Control {
public:
    Line(QWidget* parent, float x1, float y1, float x2, float y2, std::uint32_t color, int widthPx);

protected:
    void paintEvent(QPaintEvent*) override;
    void applyBackColor() override { update(); }

private:
    QPointF from_, to_;  // in the widget's pixels
    int widthPx_;
};

}  // namespace kivo::ui
