#include "DieFaces.h"

#include <QPainter>

#include "Form1Layout.h"
#include "Shape.h"

namespace kivo::ui {

namespace L = kivo::layout::form1;

DieFaces::DieFaces(QWidget* parent, TwipsRect rect, std::uint32_t back)
    : QWidget(parent), Control(this, rect) {
    setFocusPolicy(Qt::NoFocus);
    setBackColor(back);
    setTwips(rect);
    hide();  // no face until the first throw
}

// The control is there while a face is; the faces come and go within it.
void DieFaces::setFaceVisible(int pips, bool on) {
    shown_[static_cast<std::size_t>(pips)] = on;
    setVisible(shown_.any());
    update();
}

void DieFaces::paintEvent(QPaintEvent*) {
    static const ShapeStyle silver{.filled = true, .fill = L::kDieSilver, .border = L::kDieBorder};
    static const ShapeStyle pip{.circle = true, .filled = true, .bordered = false};
    QPainter p(this);
    for (int face = 1; face <= 6; ++face) {
        if (!faceVisible(face)) continue;
        drawShape(p, toPixels(L::kDieSquare, scale()), silver, L::kDieSilver, scale());
        for (const L::Pip& at : L::pips(face)) {
            drawShape(p, toPixels({at.left, at.top, L::kPipSize, L::kPipSize}, scale()), pip,
                      L::kPipColor, scale());
        }
    }
}

}  // namespace kivo::ui
