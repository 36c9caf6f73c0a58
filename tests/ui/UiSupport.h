#pragma once
// What the window tests share: a die that rolls what the test chooses, a shell that answers the
// message boxes and counts the end of the process, event spies, and twips turned into pixels.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "DieSource.h"
#include "Look.h"
#include "Shell.h"

namespace kivo::uitest {

// Yields the values the test pushed, in order: each v comes out as a draw u with
// floor(6u + 1) = v. A draw beyond them is a test fault: it is counted, and the die goes on
// with values that never repeat, so the game cannot hang on the no-repeat rule.
class ScriptedDie : public DieSource {
public:
    void push(std::initializer_list<int> values) { values_.insert(values_.end(), values); }
    void push(const std::vector<int>& values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    void reseed() override { ++reseeds; }
    float next() override {
        int v = 0;
        if (values_.empty()) {
            ++overruns;
            v = overruns % 6 + 1;
        } else {
            v = values_.front();
            values_.pop_front();
        }
        ++draws;
        return (static_cast<float>(v) - 0.5f) / 6.0f;
    }
    std::size_t left() const { return values_.size(); }

    int reseeds = 0;
    int draws = 0;
    int overruns = 0;

private:
    std::deque<int> values_;
};

// A message box as the players saw it.
struct Shown {
    QString prompt;
    int style;
    QString title;
    QString about;
};

// Answers every message box at once with OK and records it; the end of the process is counted
// instead of ending the test. onOpen runs while the box is open, before it is dismissed. With
// realBoxes the real box shows too, to be answered through the window system.
class TestShell : public ui::Shell {
public:
    void end() override { ++ends; }
    void reset() {
        shown.clear();
        ends = 0;
        onOpen = nullptr;
        realBoxes = false;
    }
    QStringList prompts() const {
        QStringList out;
        for (const Shown& s : shown) out << s.prompt;
        return out;
    }

    std::vector<Shown> shown;
    int ends = 0;
    std::function<void(const Shown&)> onOpen;
    bool realBoxes = false;

protected:
    void showMessageBox(const QString& prompt, int style, const QString& title,
                        const QString& about) override {
        shown.push_back({prompt, style, title, about});
        // What was posted to happen once the events in hand are handled happens while the box
        // is open, as in a box's own loop: a notice to a screen reader, say.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        if (onOpen) onOpen(shown.back());
        if (realBoxes) Shell::showMessageBox(prompt, style, title, about);
    }
};

// Calls back on every event an object receives, and lets it through.
class Spy : public QObject {
public:
    explicit Spy(std::function<void(QObject*, QEvent*)> fn) : fn_(std::move(fn)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        fn_(o, e);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> fn_;
};

// The platform look the program itself uses, and no quitting when a window closes.
inline void setUpApplication() {
    ui::setUpLook();
    QApplication::setQuitOnLastWindowClosed(false);
}

// Unloaded windows are freed by the event loop; free them now, so nothing outlives a test.
inline void flushDeletes() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// 15 twips make a pixel; an edge falls on the nearest pixel.
inline int px(double twips) {
    return qRound(twips / 15.0);
}
inline QRect pxRect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(left + width) - px(left), px(top + height) - px(top));
}

// 0x00BBGGRR as a colour.
inline QColor bgrColor(unsigned value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The window the window system delivers a widget's input to: the stage it lies on.
inline QWindow* handleOf(QWidget* w) {
    return w->window()->windowHandle();
}

// A click as the window system delivers it: to the top-level window at the control's place,
// so that a modal box in front blocks it as it blocks the players.
inline void clickThroughWindow(QWidget* w, QPoint at) {
    QTest::mouseClick(handleOf(w), Qt::LeftButton, Qt::NoModifier, w->mapTo(w->window(), at));
}

inline void clickThroughWindow(QWidget* control) {
    clickThroughWindow(control, control->rect().center());
}

// The children of one control kind. The kinds carry no meta-object of their own, so
// QObject::findChildren cannot tell them apart.
template <typename Kind>
std::vector<Kind*> childrenOfKind(QWidget* parent,
                                  Qt::FindChildOptions options = Qt::FindChildrenRecursively) {
    std::vector<Kind*> out;
    for (QWidget* w : parent->findChildren<QWidget*>(options)) {
        if (auto* k = dynamic_cast<Kind*>(w)) out.push_back(k);
    }
    return out;
}

// The widget painted on a transparent ground, hidden or not.
inline QImage paint(QWidget* w) {
    QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// Opens a window object's screen window and waits until the window system shows it.
template <typename Window>
bool openAndWait(Window& w) {
    w.Show();
    return w.window() && QTest::qWaitForWindowExposed(w.window());
}

}  // namespace kivo::uitest
