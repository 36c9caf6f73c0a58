#pragma once
// The splash: a title card over the backdrop. Any click on it or any key leaves it for the
// set-up window.

#include <functional>

#include "Window.h"
#include "flogoWindow.h"

namespace kivo::ui {

class flogo : public WindowOf<flogoWindow> {
public:
    // showFrmback: its load shows the backdrop first; showForm2: where it leads.
    flogo(Shell& shell, Go showFrmback, Go showForm2)
        : WindowOf(shell), showFrmback_(std::move(showFrmback)), showForm2_(std::move(showForm2)) {}

    // Every click on the window, its frame, labels or picture, and every key, comes here.
    void leave();

protected:
    FormWindow* load() override;

private:
    Go showFrmback_;
    Go showForm2_;
};

}  // namespace kivo::ui
