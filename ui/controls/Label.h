#pragma once
// A label: plain text only (a name like "<b>x</b>" is shown as typed), opaque or transparent,
// optionally with a single-line border, optionally sized to its text.

#include <QLabel>

#include "Control.h"

namespace kivo::ui {

// The text with every control character as its symbol (a newline as U+240A, a NUL as U+2400),
// so that one line shows, and a screen reader says, all of it.
QString shownText(QString text);

class Label : public QLabel, public Control {
public:
    // maxWidth: a label sized to its text grows no wider than this (0: no limit).
    Label(QWidget* parent, TwipsRect rect, const layout::LabelLook& look, const QString& caption,
          float maxWidth = 0);
    Label(QWidget* parent, const layout::Text& text);

    // As the program set it; shown as shownText() gives it.
    QString caption() const { return caption_; }
    void setCaption(const QString& text);

    // Read by a screen reader as a picture by its name, not as text among a window's labels
    // (the board's squares, which show a number or a marker).
    bool readsAsPicture() const { return look_.picture; }

protected:
    void applyBackColor() override;
    void applyScale() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QString mayShow(const QString& text) const;
    void fitToText();
    void fitFont();
    QFont face() const;
    QString caption_;
    layout::LabelLook look_;
    float maxWidth_;
};

}  // namespace kivo::ui
