#pragma once
// The stage: the program's one top-level window, frameless and full screen, painted in the
// backdrop's colour. Every window of the game is a card on it, drawn at one scale that fits
// the board's design to the stage; a card shown later lies above the cards shown before it,
// and a message box lies above them all.

#include <QWidget>
#include <vector>

#include "MessageBox.h"
#include "Notice.h"

class QScreen;

namespace kivo::ui {

class FormWindow;
class Shell;

class Stage : public QWidget {
public:
    explicit Stage(Shell& shell);
    ~Stage() override;

    // Design pixels to device-independent pixels: the board's design fits the stage.
    double scale() const;

    // Puts the card on the stage, in front of every card (or beneath them all, as the
    // ground), and gives it the keyboard. The stage comes up with its first card.
    void show(FormWindow& card);

    // Shows a message box in front of every card, with the keyboard, and returns when it has
    // been dismissed. Meanwhile nothing beneath it takes a key or a click.
    void runMessage(const BoxText& text);
    // The box in front, while one is open.
    MessageCard* openBox() const;

    // The one notification of the program, for what happens without the focus moving.
    Notice& notice() { return *notice_; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // Alt+F4, or the window manager's close, ends the program as "Exit" does.
    void closeEvent(QCloseEvent* e) override;

private:
    void followScreen(QScreen* screen);
    QWidget* frontCard() const;

    Shell& shell_;
    std::vector<BoxLayer*> boxes_;  // the open boxes, the front one last
    QMetaObject::Connection screenWatch_;
    class WindowWatch;
    WindowWatch* windowWatch_ = nullptr;
    Notice* notice_;
};

}  // namespace kivo::ui
