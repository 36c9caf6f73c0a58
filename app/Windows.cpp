#include "Windows.h"

#include "SharedPictures.h"
#include "Stage.h"

namespace kivo::app {

Windows::Windows() : Windows(*new ui::Shell, true) {}

Windows::Windows(ui::Shell& shell) : Windows(shell, false) {}

// The stage is the one window the desktop shows: it carries the board's icon.
Windows::Windows(ui::Shell& shell, bool owned)
    : ownShell_(owned ? &shell : nullptr), shell_(shell) {
    ui::shared::loadPictures();
    shell_.stage().setWindowIcon(
        shell_.pictures().icon(ui::shared::kBoardIcon, ui::shared::kBoardIconSmall));
}

Windows::~Windows() = default;

void Windows::start() {
    flogo().Show();
}

// Each window is made with the windows its handlers lead to.
ui::flogo& Windows::flogo() {
    if (!flogo_) {
        flogo_ = std::make_unique<ui::flogo>(
            shell_, [this] { frmback().Show(); }, [this] { Form2().Show(); });
    }
    return *flogo_;
}

ui::frmback& Windows::frmback() {
    if (!frmback_) frmback_ = std::make_unique<ui::frmback>(shell_);
    return *frmback_;
}

ui::Form2& Windows::Form2() {
    if (!form2_) form2_ = std::make_unique<ui::Form2>(shell_, [this] { Form1().Show(); });
    return *form2_;
}

ui::Form1& Windows::Form1() {
    if (!form1_) {
        form1_ = std::make_unique<ui::Form1>(
            shell_, [this] { return Form2().choice(); }, [this] { frmend().Show(); }, die_);
    }
    return *form1_;
}

ui::frmend& Windows::frmend() {
    if (!frmend_) frmend_ = std::make_unique<ui::frmend>(shell_, [this] { Form2().Show(); });
    return *frmend_;
}

}  // namespace kivo::app
