#pragma once
// What a screen reader calls each kind of window of the program: the stage is its one frame,
// a card a dialog (the ground beneath the cards a panel), a frame with a caption a named
// group, and a message box an alert.

namespace kivo::ui {

// Once per process; a second call changes nothing.
void installAccessibleRoles();

}  // namespace kivo::ui
