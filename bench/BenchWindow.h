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
#include "MessageBox.h"
#include "Process.h"
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

// The board window's owner, for building the window outside the program's window flow.
class Owner final : public ui::WindowObject {
protected:
    ui::FormWindow* load() override { return nullptr; }
};

inline SetupChoice twoPlayers() { return SetupChoice{}; }

// Offscreen unless told otherwise, Fusion as in the game, no real boxes, no real end.
inline void prepareApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::setMessageBox([](const QString&, int, const QString&) {});
    ui::setEnd([] {});
}

inline void useOffscreenPlatform() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

}  // namespace kivo::bench
