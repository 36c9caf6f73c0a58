#pragma once
// What happens in a game, told by the rules at the moment it happens, in the order the players
// see it: before the message box that shows it, and before the focus moves for it. Players are
// told by slot (0 to 3) as they stand at that moment; squares run 1 to 100, 0 is the start.
// Every call has nothing to do by default, so a listener hears only what it cares about.

namespace kivo {

class BoardNews {
public:
    virtual ~BoardNews() = default;

    // A new game for so many players; slot 0 throws first.
    virtual void gameSetUp(int /*players*/) {}
    // A value rolled, and the turn's total with it (after a six, the six and the extra throw).
    virtual void thrown(int /*value*/, int /*total*/) {}
    // A walk has used its steps, or reached square 100.
    virtual void walkEnded(int /*slot*/, int /*from*/, int /*to*/) {}
    virtual void slid(int /*slot*/, int /*head*/, int /*tail*/) {}
    virtual void climbed(int /*slot*/, int /*foot*/, int /*top*/) {}
    // Another token stood on the square where a walk ended: back to the start it goes.
    virtual void sentBack(int /*slot*/, int /*square*/) {}
    // On square 100, in this place: 1 for the first to finish.
    virtual void finished(int /*slot*/, int /*place*/) {}
    virtual void turnPassed(int /*slot*/, int /*square*/) {}
    // All but one have finished; the one left stands in slot 0.
    virtual void gameOver() {}
};

}  // namespace kivo
