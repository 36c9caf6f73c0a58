#pragma once
// What the window benchmarks share: the board window built on its own, the way its window
// object builds it, with message boxes and the end of the process answered at once, and a
// die that rolls 1 to 5 in turn (never the same value twice, never a six).

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "DieSource.h"
#include "Form1.h"
#include "Form1Window.h"
#include "Look.h"
#include "Shell.h"
#include "Window.h"

namespace kivo::bench {

class CyclingDie final : public DieSource {
public:
    void reseed() override {}
    float next() override {
        v_ = v_ % 5 + 1;
        return (static_cast<float>(v_) - 0.5f) / 6.0f;
    }

private:
    int v_ = 0;
};

// Message boxes answered at once, and no real end of the process.
class QuietShell final : public ui::Shell {
public:
    void end() override {}

protected:
    void showMessageBox(const QString&, int, const QString&, const QString&) override {}
};

inline SetupChoice twoPlayers() {
    return SetupChoice{};
}

// The board window as its window object loads it, outside the program's window flow: the
// controls, the rules' view of them, the rules and the speech, on a quiet shell.
struct Board {
    explicit Board(DieSource& die)
        : form(
              shell, twoPlayers, [] {}, &die) {}
    // Built, set up for a new game and shown on the stage.
    ui::Form1Window* load() {
        form.Show();
        return form.screen();
    }
    void unload() {
        form.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    BoardRules& rules() { return *form.rules(); }
    BoardState& state() { return form.state(); }

    QuietShell shell;
    ui::Form1 form;
};

// The game's own look.
inline void prepareApplication() {
    ui::setUpLook();
}

inline void useOffscreenPlatform() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace kivo::bench
