#pragma once
// What the window benchmarks share: the board window built on its own, the way its window
// object builds it, with message boxes and the end of the process answered at once, and a
// die that rolls 1 to 5 in turn (never the same value twice, never a six).

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>
#include <memory>

#include "DieSource.h"
#include "Form1Window.h"
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

struct QuietShellHolder {
    QuietShell shell;
};

// The board window's owner, for building the window outside the program's window flow.
class Owner final : private QuietShellHolder, public ui::WindowObject {
public:
    Owner() : WindowObject(QuietShellHolder::shell) {}

protected:
    ui::FormWindow* load() override { return nullptr; }
};

inline SetupChoice twoPlayers() {
    return SetupChoice{};
}

// Fusion, as in the game.
inline void prepareApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

inline void useOffscreenPlatform() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace kivo::bench
