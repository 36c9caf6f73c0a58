#pragma once
// A window of the program: one object for the whole process, whose screen window (with all
// its controls and timers) exists only while it is loaded.

#include <QWidget>
#include <functional>

#include "LayoutTypes.h"

class QAbstractButton;

namespace kivo::ui {

class Shell;
class WindowObject;

// The screen window: frameless, with its layout's title, size and background colour. It owns
// its controls. A close from the window manager unloads its window object.
class FormWindow : public QWidget {
public:
    FormWindow(WindowObject& owner, const layout::FormLook& look);

    Shell& shell() const;

    // The handler runs on every click, except while a message box is open.
    void onClick(QAbstractButton* button, std::function<void()> handler);

protected:
    // Chains the controls that take the focus in their layout's keyboard order.
    void orderTabs();
    void closeEvent(QCloseEvent* e) override;

private:
    WindowObject& owner_;
};

class WindowObject {
public:
    explicit WindowObject(Shell& shell) : shell_(shell) {}
    virtual ~WindowObject();
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    // Loads the window if it is unloaded (controls from the layout, then the load handler),
    // then shows it and makes it the active window.
    void Show();
    // Destroys the screen window and its controls at once; the object's own data stays.
    void Unload();
    bool loaded() const { return window_ != nullptr; }
    QWidget* window() const { return window_; }
    Shell& shell() const { return shell_; }

protected:
    virtual FormWindow* load() = 0;  // builds the window and runs its load handler
    virtual void place(QWidget& w);  // where it opens: by default centred on the screen
    virtual void unloading() {}      // before the controls go

    void coverScreen(QWidget& w);

private:
    friend class FormWindow;
    void closedByUser();

    Shell& shell_;
    FormWindow* window_ = nullptr;
};

// A window object whose screen window is of the kind Screen.
template <typename Screen>
class WindowOf : public WindowObject {
public:
    using WindowObject::WindowObject;
    Screen* screen() const { return static_cast<Screen*>(window()); }
};

}  // namespace kivo::ui
