#pragma once
// A window of the program: one object for the whole process, whose screen window (with all
// its controls and timers) exists only while it is loaded.

#include <QPointer>
#include <cstdint>
#include <functional>
#include <QWidget>

namespace kivo::ui {

class WindowObject;

// The screen window: frameless, with its own background colour. A close from the window
// manager unloads its window object.
class FormWindow : public QWidget {
public:
    FormWindow(WindowObject& owner, std::uint32_t back);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    WindowObject& owner_;
};

class WindowObject {
public:
    virtual ~WindowObject();

    // Loads the window if it is unloaded (controls from the layout, then the load handler),
    // then shows it and makes it the active window.
    void Show();
    // Destroys the screen window and its controls at once; the object's own data stays.
    void Unload();
    bool loaded() const { return window_ != nullptr; }
    QWidget* window() const { return window_; }

    // Called when the window manager closed the window (after it was unloaded).
    static void setOnClosedByUser(std::function<void()> fn);

protected:
    virtual FormWindow* load() = 0;              // builds the window and runs its load handler
    virtual void place(QWidget& w);              // where it opens: by default centred on the screen
    virtual void unloading() {}                  // before the controls go

    void coverScreen(QWidget& w);

private:
    friend class FormWindow;
    void closedByUser();
    FormWindow* window_ = nullptr;
};

}  // namespace kivo::ui
