#pragma once

class QWidget;

namespace kivo::ui {

// Tab and Shift+Tab kept inside one widget: the focus moves from the focused control (or from
// the widget itself) to the next or previous one inside that takes Tab, round from the last to
// the first. Always true: nothing outside the widget is offered the key.
bool tabWithin(QWidget* ring, bool next);

}  // namespace kivo::ui
