#pragma once
// What every window gets from the program around it: the stage it is shown on, modal message
// boxes, the end of the process, and the pictures. The program makes one and hands it to each
// window; tests make their own and answer the boxes through it.

#include <QString>
#include <memory>

#include "Fonts.h"
#include "Picture.h"

namespace kivo::ui {

class Stage;

class Shell {
public:
    Shell();
    virtual ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // A modal box with a prompt, a title, an icon by style (16 stop, 48 exclamation,
    // 64 information) and one OK button; returns when it has been dismissed. A screen reader
    // hears the prompt followed by whom it concerns, when `about` says so.
    void messageBox(const QString& prompt, int style, const QString& title,
                    const QString& about = {});

    // True from the moment a box opens until the handler that opened it goes on. Keys typed
    // fast may still be on their way to a window after the box has closed; no button acts on
    // them.
    bool messageBoxOpen() const { return openBoxes_ > 0; }

    // Ends the process at once with exit status 0: no further handler runs and every window
    // vanishes.
    virtual void end();
    // The stage's window was destroyed from outside: the process ends with status 1, as it
    // does when the display is lost.
    virtual void windowLost();

    // The program's one top-level window, made on first use.
    Stage& stage();

    Pictures& pictures() { return pictures_; }
    Fonts& fonts() { return fonts_; }

protected:
    // Shows the box and waits: the real one blocks every window of the program.
    virtual void showMessageBox(const QString& prompt, int style, const QString& title,
                                const QString& about);

private:
    int openBoxes_ = 0;
    Pictures pictures_;
    Fonts fonts_;
    std::unique_ptr<Stage> stage_;  // last, so that its cards go before the pictures
};

}  // namespace kivo::ui
