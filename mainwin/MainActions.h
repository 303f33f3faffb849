#pragma once
// What every window's title bar and the guide windows do to the main window.
namespace velomira {

// Title-bar pictures: 1 home page, 2 support page, 3 hide the main window to the tray,
// 4 reduced / full display, 5 end the program (the main window closes after it).
void MainButtonAction(int tag);

// A guide or personal window gives the main window back: the list moves again at the
// speed of TickerSpeed, unless no list is running.
void RestoreMainTimers();

}  // namespace velomira
