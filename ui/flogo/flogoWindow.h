#pragma once
// The splash's screen window: a title card whose every click and key goes to its window
// object.

#include <functional>

#include "Frame.h"
#include "Label.h"
#include "PictureBox.h"
#include "Window.h"

namespace kivo::ui {

class flogoWindow : public FormWindow {
public:
    explicit flogoWindow(WindowObject& owner);

    // The handler of every click on the card, its frame, labels or picture, and of every key.
    void onClickOrKey(std::function<void()> handler) { leave_ = std::move(handler); }

    Frame* f1;
    Label* Label1;
    Label* Label5;
    Image* Image1;
    Label* Label2;
    Label* Label3;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::function<void()> leave_;
};

}  // namespace kivo::ui
