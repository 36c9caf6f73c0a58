#pragma once
// The shell every window test, the monkey and the valgrind session run the program in: it
// records each message box and counts the end of the process instead of ending the test.

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "Shell.h"

namespace kivo::test {

// A message box as the players saw it.
struct Shown {
    QString prompt;
    int style;
    QString title;
    QString about;
};

class TestShell : public ui::Shell {
public:
    // How a box is met. kAnswered: OK at once, the box never shows; what was posted to happen
    // once the events in hand are handled happens while it is "open", as in a box's own loop
    // (a notice to a screen reader, say), and onOpen runs. kAnsweredThenShown: all that, then
    // the real box shows as well, to be answered through the window system. kShown: the real
    // box alone, as the players meet it, with nothing run ahead of its own loop.
    enum class Boxes { kAnswered, kAnsweredThenShown, kShown };

    void end() override {
        ++ends;
        if (onEnd) onEnd();
    }
    void reset() {
        shown.clear();
        ends = 0;
        onOpen = nullptr;
        boxes = Boxes::kAnswered;
    }
    QStringList prompts() const {
        QStringList out;
        for (const Shown& s : shown) out << s.prompt;
        return out;
    }

    Boxes boxes = Boxes::kAnswered;
    std::vector<Shown> shown;
    int ends = 0;
    std::function<void(const Shown&)> onOpen;
    std::function<void()> onEnd;

protected:
    void showMessageBox(const QString& prompt, int style, const QString& title,
                        const QString& about) override {
        shown.push_back({prompt, style, title, about});
        if (boxes != Boxes::kShown) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            if (onOpen) onOpen(shown.back());
        }
        if (boxes != Boxes::kAnswered) Shell::showMessageBox(prompt, style, title, about);
    }
};

}  // namespace kivo::test
