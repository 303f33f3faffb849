#pragma once
// What a window that takes the main window's place may ask of it. TfrmMain implements
// it; the guide and personal windows see the main window only through this.
#include <string>

class QWidget;

namespace velomira {

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  // Shows panel in the main window in place of the main panel (with the swap
  // animation); SwapBack gives the main panel its place again. The panel stays
  // parented inside the main window until its owner takes it back.
  virtual void SwapIn(QWidget* panel) = 0;
  virtual void SwapBack(QWidget* panel) = 0;
  // Stops the list's scrolling and ticker; ResumeList runs them again at the member's
  // speed (nothing when no list is shown).
  virtual void HoldList() = 0;
  virtual void ResumeList() = 0;
  // The title bar's pictures 1-5: home page, support page, to the tray, reduced
  // display, exit (the main window closes).
  virtual void TitleBarAction(int tag) = 0;
  // The main window itself: where pop-ups are placed and what a drag moves.
  virtual QWidget* HostWindow() = 0;
  // The member's time zone has changed: the clock shows the new time at once.
  virtual void RefreshClock() {}

  // A sub-category picker's choice: the list of sub-category subIndex (1 = the first)
  // of category 1-9 replaces the list, titled with the sub-category's name, and the
  // category's picture shows selected. A host without a program list ignores it.
  virtual void ShowSubCategory(int /*category*/, int /*subIndex*/, const std::string& /*title*/) {}
  // The sub-category picker has closed: the category pictures show the selection again.
  virtual void SubCategoryPickerClosed() {}
  // The member's own list, as the My-list picture shows it (the my-categories editor
  // gives the main window back this way). A host without a program list ignores it.
  virtual void ShowMyList() {}
};

}  // namespace velomira
