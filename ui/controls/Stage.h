#pragma once
// The stage: the program's one top-level window, frameless and full screen, painted in the
// backdrop's colour. Every window of the game is a card on it, drawn at one scale that fits
// the board's design to the stage; a card shown later lies above the cards shown before it.

#include <QWidget>

namespace kivo::ui {

class FormWindow;
class Shell;

class Stage : public QWidget {
public:
    explicit Stage(Shell& shell);

    // Design pixels to device-independent pixels: the board's design fits the stage.
    double scale() const;

    // Puts the card on the stage, in front of every card (or beneath them all, as the
    // ground), and gives it the keyboard. The stage comes up with its first card.
    void show(FormWindow& card);

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Alt+F4, or the window manager's close, ends the program as "Exit" does.
    void closeEvent(QCloseEvent* e) override;

private:
    Shell& shell_;
};

}  // namespace kivo::ui
