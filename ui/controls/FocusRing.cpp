#include "FocusRing.h"

#include <QApplication>
#include <QWidget>

namespace kivo::ui {

bool tabWithin(QWidget* ring, bool next) {
    QWidget* start = QApplication::focusWidget();
    if (!start || !ring->isAncestorOf(start)) start = ring;
    QWidget* w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (ring->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(ring) &&
            w->isEnabled()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return true;
}

}  // namespace kivo::ui
