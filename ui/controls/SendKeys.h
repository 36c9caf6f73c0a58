#pragma once
// Keystrokes queued for whichever control has the focus when they are processed, after the
// handler that sent them has returned. Notation: "{Home}", "{End}", "+" for Shift on the next
// key, plain characters for themselves: "{Home}+{End}".

#include <QString>

namespace kivo::ui {

void sendKeys(const QString& keys);

}  // namespace kivo::ui
