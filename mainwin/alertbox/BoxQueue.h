#pragma once
// Keeps the message boxes one at a time: a box that is about to show waits until no
// other box is showing.
class QDialog;

namespace velomira {

// Runs the event loop until no other box shows, then runs box modally; returns the
// box's result.
int ExecBoxAlone(QDialog* box);

}  // namespace velomira
