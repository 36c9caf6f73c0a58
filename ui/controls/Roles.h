#pragma once
// What a screen reader calls each kind of window of the program: the stage is its one frame,
// a card a dialog (the ground beneath the cards a panel), a frame with a caption a named
// group, a message box an alert, and a named picture an image; drawings without a name are
// passed over.

namespace kivo::ui {

// Once per process; a second call changes nothing.
void installAccessibleRoles();

}  // namespace kivo::ui
