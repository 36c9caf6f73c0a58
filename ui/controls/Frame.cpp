#include "Frame.h"

#include <QPainter>

namespace kivo::ui {

Frame::Frame(QWidget* parent, const layout::FrameLook& look)
    : QWidget(parent),
      Control(this, look.rect),
      caption_(QString::fromUtf8(look.caption)),
      border_(look.border) {
    if (look.font.family) setLayoutFont(look.font);
    // A captioned frame is a group named by its caption: "No of Players :" reads "No of Players".
    QString name = caption_;
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' '))) name.chop(1);
    setAccessibleName(name);
    setFocusPolicy(Qt::NoFocus);
    setBackColor(look.back);
    setTwips(look.rect);
}

void Frame::paintEvent(QPaintEvent*) {
    if (!border_ && caption_.isEmpty()) return;
    QPainter p(this);
    const QFontMetrics fm(font());
    const int mid = caption_.isEmpty() ? 0 : fm.height() / 2;
    const QRect box = rect().adjusted(0, mid, -1, -1);
    if (border_) {  // etched: a dark line with a light one beside it
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(box.adjusted(1, 1, 0, 0));
    }
    if (!caption_.isEmpty()) {
        const int w = fm.horizontalAdvance(caption_) + 4;
        const QRect textRect(6, 0, w, fm.height());
        p.fillRect(textRect, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

}  // namespace kivo::ui
