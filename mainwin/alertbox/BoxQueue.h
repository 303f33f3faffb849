#pragma once
// Keeps the message boxes one at a time.
class QDialog;

namespace velomira {

// Runs the event loop until no box shows any more. A box asked for from inside another
// box's modal loop (a timer, say) waits here before it is even created.
void WaitUntilNoBoxShows();
// Centres the box on the screen and runs it modally; returns its result.
int ExecBox(QDialog* box);

}  // namespace velomira
