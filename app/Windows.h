#pragma once
// One object per window for the whole process, each created on first use, and the flow
// between them: which window each button leads to, and nothing else leads anywhere.

#include <memory>

#include "Form1.h"
#include "Form2.h"
#include "Shell.h"
#include "flogo.h"
#include "frmback.h"
#include "frmend.h"

namespace kivo::app {

class Windows {
public:
    // Every window is given the program's own shell, or the caller's (tests answer the
    // message boxes through theirs).
    Windows();
    explicit Windows(ui::Shell& shell);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // Process start: the splash loads, its load shows the backdrop, then the splash shows.
    void start();

    ui::flogo& flogo();
    ui::frmback& frmback();
    ui::Form2& Form2();
    ui::Form1& Form1();
    ui::frmend& frmend();
    ui::Shell& shell() { return shell_; }

    // A die for new boards, for tests that choose the rolls; before the board's first use.
    void setDie(DieSource* die) { die_ = die; }

private:
    Windows(ui::Shell& shell, bool owned);

    std::unique_ptr<ui::Shell> ownShell_;  // first, so that it outlives the windows
    ui::Shell& shell_;
    DieSource* die_ = nullptr;
    std::unique_ptr<ui::flogo> flogo_;
    std::unique_ptr<ui::frmback> frmback_;
    std::unique_ptr<ui::Form2> form2_;
    std::unique_ptr<ui::Form1> form1_;
    std::unique_ptr<ui::frmend> frmend_;
};

}  // namespace kivo::app
