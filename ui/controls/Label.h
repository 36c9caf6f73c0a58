#pragma once
// A label: plain text only (a name like "<b>x</b>" is shown as typed), opaque or transparent,
// optionally with a single-line border, optionally sized to its text.

#include <QLabel>

#include "Control.h"

namespace kivo::ui {

class Label : public QLabel, public Control {
public:
    // maxWidth: a label sized to its text grows no wider than this (0: no limit).
    Label(QWidget* parent, TwipsRect rect, const layout::LabelLook& look, const QString& caption,
          float maxWidth = 0);
    Label(QWidget* parent, const layout::Text& text);

    // As the program set it; a control character in it shows as its symbol (a newline as
    // U+240A, a tab as U+2409), so that one line shows all of it.
    QString caption() const { return caption_; }
    void setCaption(const QString& text);

protected:
    void applyBackColor() override;
    void applyScale() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void fitToText();
    void fitFont();
    QFont face() const;
    QString caption_;
    layout::LabelLook look_;
    float maxWidth_;
};

}  // namespace kivo::ui
