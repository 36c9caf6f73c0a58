#pragma once
// A picture box: its picture at the top-left at the picture's own size (at the window's
// scale), on its background colour, no border. Pictures can be copied from box to box; a box
// sized to its picture takes each new picture's size.

#include <QWidget>

#include "Control.h"
#include "Picture.h"

namespace kivo::ui {

class PictureBox : public QWidget, public Control {
public:
    PictureBox(QWidget* parent, TwipsRect rect, std::uint32_t back, Picture picture = {},
               bool sizedToPicture = false);

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Picture picture_;
    bool sizedToPicture_;
};

// An image: its picture stretched over the whole control, nothing behind it.
class Image : public QWidget, public Control {
public:
    Image(QWidget* parent, TwipsRect rect, Picture picture);
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void applyBackColor() override {}

private:
    Picture picture_;
};

}  // namespace kivo::ui
