#pragma once

class BoardReading;
class QWidget;
struct MoveReport;

// The client area as assistive technology reads it: the board, a table with one child
// per cell, and the message line. Qt builds it only when an assistive technology asks,
// so a player without one pays nothing; the announcements return at once then too.
namespace BoardAccessible {

// Lets Qt build client areas this way; call before any is asked for.
void Install();
// The client area reads the board from board, which lives as long as it does. Call
// before anything may ask for the client area.
void Attach(QWidget* client, const BoardReading& board);
// After a move (one taken back or made again too), as the game reports it: a refused
// one changed nothing; the ducks took their step after a chased one. Speaks the
// player's cell.
void AnnounceMove(QWidget* client, const MoveReport& move);
// After the game entered a state.
void AnnounceState(QWidget* client);

} // namespace BoardAccessible
