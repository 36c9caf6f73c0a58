#pragma once
// What a screen reader is told of things that happen without the focus moving: a notification
// of its own, spoken as it shows and flashed on a braille display. It draws nothing.

#include <QWidget>

class QLabel;

namespace kivo::ui {

class Notice : public QWidget {
public:
    explicit Notice(QWidget* parent);

    // Told once the events in hand are handled: after a message box that opens meanwhile has
    // taken the focus, whose speech would cut this short.
    void tell(const QString& text);
    QString text() const;

private:
    QLabel* label_;  // a reader says and flashes the labels a notification holds
};

}  // namespace kivo::ui
