#pragma once
// What the main window asks of the rest of the program. The start-up supplies the
// refresh thread; windows built later plug in their openers. An empty hook does nothing.
#include <functional>
#include <string>

class QWidget;

namespace velomira {

struct MainWindowHooks {
  // Starts the background refresh once, at the end of the window's creation.
  std::function<void()> StartRefresh;
  // Asks the refresh to stop and waits until it has ended (exit while it still runs).
  std::function<void()> StopRefreshAndWait;

  // Function pictures 1-6 (preset, search, preferences, daily, channel, help); the row
  // menus open the preferences as 3. The opened window calls RestoreMainTimers on close.
  std::function<void(int functionTag)> OpenFunctionWindow;
  // The sub-category picker of category 1-9 beside its button.
  std::function<void(int category, QWidget* button)> OpenSubCategoryPicker;
  std::function<void()> OpenMyCategories;
  std::function<void(const std::string& channelId)> OpenChannel;
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
