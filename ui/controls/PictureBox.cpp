#include "PictureBox.h"

#include <QPainter>

namespace kivo::ui {

PictureBox::PictureBox(QWidget* parent, TwipsRect rect, std::uint32_t back, Picture picture,
                       bool sizedToPicture)
    : QWidget(parent),
      Control(this, rect),
      picture_(std::move(picture)),
      sizedToPicture_(sizedToPicture) {
    setFocusPolicy(Qt::NoFocus);
    setBackColor(back);
    setTwips(rect);
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    if (sizedToPicture_ && !picture.isNull()) {
        const QSize size = picture.size();
        setTwips({twips().left, twips().top, static_cast<float>(size.width()) * kTwipsPerPixel,
                  static_cast<float>(size.height()) * kTwipsPerPixel});
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    picture_.draw(p, QRectF(QPointF(0, 0), QSizeF(picture_.size()) * scale()), false);
}

Image::Image(QWidget* parent, TwipsRect rect, Picture picture)
    : QWidget(parent), Control(this, rect), picture_(std::move(picture)) {
    setFocusPolicy(Qt::NoFocus);
    setTwips(rect);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    picture_.draw(p, QRectF(rect()), true);
}

}  // namespace kivo::ui
