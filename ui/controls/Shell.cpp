#include "Shell.h"

#include <cstdio>
#include <cstdlib>

#include "Roles.h"
#include "Stage.h"

namespace kivo::ui {

Shell::Shell() {
    installAccessibleRoles();
}

Shell::~Shell() = default;

void Shell::messageBox(const QString& prompt, int style, const QString& title,
                       const QString& about) {
    ++openBoxes_;
    struct Closed {
        int& n;
        ~Closed() { --n; }
    } closed{openBoxes_};
    showMessageBox(prompt, style, title, about);
}

void Shell::showMessageBox(const QString& prompt, int style, const QString& title,
                           const QString& about) {
    stage().runMessage({prompt, style, title, about});
}

void Shell::end() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void Shell::windowLost() {
    std::fputs("kivo: the game's window was destroyed\n", stderr);
    std::fflush(nullptr);
    std::_Exit(1);
}

Stage& Shell::stage() {
    if (!stage_) stage_ = std::make_unique<Stage>(*this);
    return *stage_;
}

}  // namespace kivo::ui
