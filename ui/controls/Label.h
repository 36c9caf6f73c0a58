#pragma once
// A label: plain text only (a name like "<b>x</b>" is shown as typed), opaque or transparent,
// optionally with a single-line border, optionally sized to its text.

#include <QLabel>

#include "Control.h"

namespace kivo::ui {

struct LabelStyle {
    std::uint32_t fore = 0x80000008;
    std::uint32_t back = 0x00FFFFFF;
    bool opaque = true;
    QFont font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool autoSize = false;
    bool border = false;
    float maxWidth = 0;  // sized to its text, but never wider than this (0: no limit)
};

class Label : public QLabel, public Control {
public:
    Label(QWidget* parent, TwipsRect rect, const LabelStyle& style, const QString& caption);

    QString caption() const { return text(); }
    void setCaption(const QString& text);

protected:
    void applyBackColor() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void fitToText();
    void fitFont();
    LabelStyle style_;
};

}  // namespace kivo::ui
