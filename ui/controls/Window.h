#pragma once
// A window of the program: one object for the whole process, whose screen window (with all
// its controls and timers) exists only while it is loaded. Screen windows are cards on the
// program's stage.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "LayoutTypes.h"

class QAbstractButton;

namespace kivo::ui {

class Shell;
class WindowObject;

// A place in a card for the keyboard to wait on; it takes no tab, draws nothing and is passed
// over by a screen reader.
class FocusPark : public QWidget {
public:
    explicit FocusPark(QWidget* card) : QWidget(card) {
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
    }
};

// Where a handler leads: the next window's Show.
using Go = std::function<void()>;

// Where a card lies on the stage: centred, or covering it as the ground beneath every card.
enum class Placement { Centred, Ground };

// The screen window: a card of its layout's size at the stage's scale, in its layout's
// background colour. It owns its controls.
class FormWindow : public QWidget {
public:
    FormWindow(WindowObject& owner, const layout::FormLook& look,
               Placement placement = Placement::Centred);

    Shell& shell() const;
    Placement placement() const { return placement_; }
    double scale() const { return scale_; }
    // What takes the keyboard when the card comes up: the first control in the keyboard
    // order, or the card itself.
    QWidget* firstFocus() { return firstStop_ ? firstStop_ : this; }

    // Takes the stage's scale and its place on the stage; every control follows.
    void fit();

    // Keeps the keyboard in the card, but on nothing a screen reader reads out or a key
    // presses: where the focus waits while the button that had it is disabled.
    void parkFocus();
    QWidget* focusPark() const { return park_; }

    // The handler runs on every click, except while a message box is open.
    void onClick(QAbstractButton* button, std::function<void()> handler);

protected:
    // Chains the controls that take the focus in their layout's keyboard order.
    void orderTabs();
    // Tab and Shift+Tab go round the card's own controls, never into a card beneath.
    bool focusNextPrevChild(bool next) override;

private:
    WindowObject& owner_;
    layout::FormLook look_;
    Placement placement_;
    double scale_;
    QWidget* firstStop_ = nullptr;
    QWidget* park_;
};

class WindowObject {
public:
    explicit WindowObject(Shell& shell) : shell_(shell) {}
    virtual ~WindowObject();
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    // Loads the window if it is unloaded (controls from the layout, then the load handler),
    // then shows it in front of the others with the keyboard.
    void Show();
    // Destroys the screen window and its controls at once; the object's own data stays.
    void Unload();
    bool loaded() const { return window_ != nullptr; }
    QWidget* window() const { return window_; }
    Shell& shell() const { return shell_; }

protected:
    virtual FormWindow* load() = 0;  // builds the window and runs its load handler
    virtual void unloading() {}      // before the controls go

private:
    Shell& shell_;
    QPointer<FormWindow> window_;
};

// A window object whose screen window is of the kind Screen.
template <typename Screen>
class WindowOf : public WindowObject {
public:
    using WindowObject::WindowObject;
    Screen* screen() const { return static_cast<Screen*>(window()); }
};

}  // namespace kivo::ui
