#pragma once
// The modal message box: a prompt, a title, an icon chosen by style (16 stop, 48 exclamation,
// 64 information) and one OK button. It blocks every window of the program until dismissed.
// Tests put their own answerer in its place.

#include <QString>
#include <functional>

namespace kivo::ui {

using MessageBoxFn = std::function<void(const QString& prompt, int style, const QString& title)>;

void messageBox(const QString& prompt, int style, const QString& title);

// True from the moment a box opens until the handler that opened it goes on. Keys typed fast
// may still be on their way to a window after the box has closed; no button acts on them.
bool messageBoxOpen();

// Replaces the real box (an empty function restores it); returns the one it replaced.
MessageBoxFn setMessageBox(MessageBoxFn fn);

// The real box, for tests that want to answer it through the window system.
void realMessageBox(const QString& prompt, int style, const QString& title);

}  // namespace kivo::ui
