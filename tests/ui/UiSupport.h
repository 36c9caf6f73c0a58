#pragma once
// What the window tests share besides the die and the shell: the way to the set-up, a turn
// played by the handlers, event spies, twips turned into pixels, clicks through the window
// system and pictures of widgets.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <vector>

#include "BoardRules.h"
#include "Form1Window.h"
#include "Look.h"
#include "ScriptedDie.h"
#include "TestShell.h"
#include "Windows.h"

namespace kivo::uitest {

// The die and the shell every suite shares.
using test::ScriptedDie;
using test::Shown;
using test::TestShell;

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

// A fresh program taken past the splash to the set-up, its rows of players confirmed.
inline void toSetUp(app::Windows& w) {
    w.start();
    w.flogo().leave();
    w.Form2().Command1_Click();
}

// A whole turn by the board's handlers, with the throws already given to the die: "Shuffle",
// the die until it stops, "Move", the walk until the turn has passed or the game is over.
// `after` runs after every handler, as a screen reader catches up between the timers' ticks.
inline void playByHandlers(app::Windows& w, const std::function<void()>& after = {}) {
    BoardRules& rules = *w.Form1().rules();
    ui::Form1Window* board = w.Form1().screen();
    const auto handle = [&](void (BoardRules::*handler)()) {
        (rules.*handler)();
        if (after) after();
    };
    handle(&BoardRules::cmdshuffle_Click);
    while (board->tdie->enabled()) handle(&BoardRules::tdie_Timer);
    handle(&BoardRules::cmdmove_Click);
    while (board->tmov->enabled() && !rules.ended()) handle(&BoardRules::tmov_Timer);
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
