#pragma once
// What the main window asks of the rest of the program. The start-up supplies the
// refresh thread; windows built later plug in their openers. An empty hook does nothing.
#include <functional>
#include <string>

#include "MainWindowHost.h"

class QWidget;

namespace velomira {

// The function pictures in tag order (1-6); the row menus open the preferences too.
enum class FunctionWindow { Preset = 1, Search, Preferences, Daily, Channel, Help };

struct MainWindowHooks {
  // Starts the background refresh once, at the end of the window's creation.
  std::function<void()> StartRefresh;
  // Asks the refresh to stop and waits until it has ended (exit while it still runs).
  std::function<void()> StopRefreshAndWait;

  // Opens the window of a function picture in the host's place; the list is already
  // held. The opened window gives the host back with ResumeList when it closes.
  std::function<void(MainWindowHost& host, FunctionWindow window)> OpenFunctionWindow;
  // The sub-category picker of category 1-9 beside its button; a choice goes to host.
  std::function<void(MainWindowHost& host, int category, QWidget* button)> OpenSubCategoryPicker;
  // The my-categories editor in the host's place; the list is already held.
  std::function<void(MainWindowHost& host)> OpenMyCategories;
  // The channel window on one of the member's channels (a my-channel menu entry).
  std::function<void(MainWindowHost& host, const std::string& channelId)> OpenChannel;
  // Tell a friend about a row's program: message, the item's whole line, and the
  // station address (empty when the row has none).
  std::function<void(const std::string& message, const std::string& itemText,
                     const std::string& stationAddress)>
      OpenTellAFriend;
  // Closes the pop-ups that belong to the main window (pickers, my-channels list) when
  // it is activated or hidden to the tray.
  std::function<void()> CloseSideWindows;
};

}  // namespace velomira
