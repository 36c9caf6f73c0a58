#pragma once
// The die: the six faces f1 to f6, each a silver square with its pips, lying at one place. The
// rules show and hide them face by face; they are drawn, and known to a screen reader, as one
// control, so a spinning die is one picture changing rather than six coming and going.

#include <QWidget>
#include <bitset>

#include "Control.h"

namespace kivo::ui {

class DieFaces : public QWidget, public Control {
public:
    DieFaces(QWidget* parent, TwipsRect rect, std::uint32_t back);

    void setFaceVisible(int pips, bool on);
    bool faceVisible(int pips) const { return shown_[static_cast<std::size_t>(pips)]; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::bitset<7> shown_;  // by pips, 1 to 6
};

}  // namespace kivo::ui
