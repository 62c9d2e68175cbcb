#pragma once

class QWidget;
struct MoveReport;

// The client area as assistive technology reads it: the board, a table with one child
// per cell, and the message line. Qt builds it only when an assistive technology asks,
// so a player without one pays nothing; the announcements return at once then too.
namespace BoardAccessible {

// Lets Qt build the main window's client area this way; call before any is asked for.
void Install();
// After a move (one taken back or made again too) and after the game entered a state:
// tells what changed (a refused move changed nothing) and speaks the player's cell.
void AnnounceMove(QWidget* client, const MoveReport& move);
void AnnounceState(QWidget* client);

} // namespace BoardAccessible
