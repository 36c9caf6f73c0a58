#pragma once
// A message box as a card on the stage: the platform's box (the icon of its style, the prompt
// and one "OK" button) under a title strip with the box's title, drawn at the stage's scale
// and centred on it, in front of every other card. It lies on a layer over the card in front:
// nothing beneath the box takes a click, and a click anywhere beneath gives the keyboard back
// to the box.

#include <QMessageBox>
#include <QWidget>

namespace kivo::ui {

// What a box shows, and what a screen reader hears of it beyond its text.
struct BoxText {
    QString prompt;
    int style;  // 16 stop, 48 exclamation, 64 information
    QString title;
    QString about;
};

class MessageCard : public QMessageBox {
public:
    MessageCard(QWidget* layer, const BoxText& text, double scale);

    QAbstractButton* ok() const { return button(QMessageBox::Ok); }
    // The icon of the box's style, drawn at the stage's scale.
    Icon shownIcon() const { return icon_; }
    // Centred on the stage.
    void centre();

protected:
    void paintEvent(QPaintEvent* e) override;
    // Tab and Shift+Tab stay inside the box.
    bool focusNextPrevChild(bool next) override;

private:
    Icon icon_;
    int strip_;  // the title strip's height
};

// The layer a box lies on: transparent, covering the card in front, taking every click
// beneath the box.
class BoxLayer : public QWidget {
public:
    BoxLayer(QWidget* card, const BoxText& text, double scale);

    MessageCard& box() { return box_; }
    // Shows the box with the keyboard on "OK" and waits until it is dismissed.
    void exec();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    MessageCard box_;
};

}  // namespace kivo::ui
