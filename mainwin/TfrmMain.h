#pragma once
// The client's home window: clock, scrolling program list with its ticker, category
// and function pictures, menus, tray icon. It runs the client's main loop through its
// four timers and ends the program through ShutdownClient.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MainListItems.h"
#include "MainWindowHooks.h"
#include "core/ServletRequests.h"

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace velomira {

class ScreenSaverWatch;
class THoverImage;
class THoverLabel;
class TImage;
class TMyImage;
class TPicturePanel;
class TTransparentButton;

class TfrmMain : public QWidget, public MainWindowHost {
  Q_OBJECT
 public:
  // memberId: the login's member ID. Runs the whole start (settings, pictures, lookup
  // lists, refresh start through hooks.StartRefresh, usage login time, first view by
  // StartMode) but does not show the window: the caller shows it. Closing the window
  // ends the program (ShutdownClient runs once on every path); the caller owns the
  // window and deletes it after it has closed.
  explicit TfrmMain(const std::string& memberId, MainWindowHooks hooks = {});
  ~TfrmMain() override;

  // ---- Controls (object names as below) ----
  TPicturePanel* PnlMain;
  QWidget* lblTitle;  // QLabel
  QWidget* lblTime;   // QLabel
  std::array<TTransparentButton*, 5> TitleBarPictures;  // imgDbzer, Image1 .. Image4 (tags 1-5)
  QWidget* Panel2;
  QWidget* PnlInfo;
  TImage* welcome;
  TImage* welcome2;
  TImage* myedit_img;
  QWidget* Label1;  // QLabel: measures row text widths
  std::array<THoverImage*, 10> CategoryPictures;  // imgNews .. imgChat, imgEdit (tags 1-10)
  std::array<TTransparentButton*, 10> CategoryButtons;  // btnNews .. btnChat, btnEdit
  TTransparentButton* TransparentButton4;
  std::array<THoverImage*, 6> FunctionPictures;  // imgPreset .. imgHelp (tags 1-6)
  std::array<TTransparentButton*, 3> StepButtons;  // TransparentButton1 .. 3
  QTimer* TimerMain;
  QTimer* TimerTicker;
  QTimer* TimerList;
  QTimer* TimerTime;
  QMenu* popMenu;
  QMenu* mainpop;
  QMenu* PopTray;
  QSystemTrayIcon* RxTrayIcon1;
  ScreenSaverWatch* ScreenSaver;

  // ---- Window state ----
  bool PickerOpen = false;
  std::int32_t LineIndex = 0;
  std::int32_t NextRenderIndex = 0;
  std::int32_t TopItemIndex = 0;
  std::vector<std::string> ListLines;
  std::int32_t RowTop = 6;
  bool InTray = false;
  bool ListEmpty = false;
  bool ScrollPaused = false;
  std::int32_t SelectedCategory = 0;
  std::int32_t PopupItemIndex = 0;
  std::int32_t CurrentCategory = 0;
  std::int32_t CurrentSubIndex = 0;
  std::string CurrentListUrl;
  std::uint8_t LoadCount = 0;  // counts up to 255 and stays there
  TVelomiraMainList Items;

  // ---- Navigation ----
  void imgNewsClick(int tag);
  void btnNewsClick(int tag);
  void imgPresetClick(int tag);
  void imgDbzerClick(int tag);
  void ApplyCategoryHighlight();
  void HoldList() override;  // ScrollPaused, TimerMain and TimerTicker stopped

  // ---- Host of the windows that take the main panel's place ----
  void SwapIn(QWidget* panel) override;
  void SwapBack(QWidget* panel) override;
  void ResumeList() override { RestoreTimers(); }
  void TitleBarAction(int tag) override;
  QWidget* HostWindow() override { return this; }
  void RefreshClock() override;
  void ShowSubCategory(int category, int subIndex, const std::string& title) override;
  void SubCategoryPickerClosed() override;
  void ShowMyList() override;

  // ---- Menus ----
  void popMenuPopup(THoverLabel* label);
  void mainpopPopup();
  void Help1Click(int tag);
  QAction* MenuItem(const char* name) const;
  void ApplySpeed(int speed);  // check marks and intervals of a speed preset

  // ---- List and ticker ----
  // Asks for a list the member chose in the background; the reply replaces the list
  // when it arrives (the list before goes, then shown() titles the new one), unless
  // another selection came first. A failed request says so and leaves the list shown
  // before as it was.
  void LoadMainList(int category, int subIndex, std::function<void()> shown);
  void TickerStep();
  void InsertNewPrograms(int category);
  void AddListItem(const std::string& text, bool isBanner);
  void TimerListTimer();
  void TimerMainTimer();
  void TimerTickerTimer() { TickerStep(); }
  void ClearListPanel();
  void RebuildFromItem();
  void TransparentButton3Click(int tag);
  void FormMouseWheelUp();
  void FormMouseWheelDown();
  void lblMouseEnter(THoverLabel* label);
  void lblMouseExit(THoverLabel* label);
  void lblClick(THoverLabel* label);
  THoverLabel* RowLabel(char letter, int index) const;

  // ---- Clock and presets ----
  void TimerTimeTimer();

  // ---- Tray, screen saver, display, end ----
  void RxTrayIcon1Click();
  void open1Click();
  void close1Click();
  void ScreenSaverChanged(bool active);
  void HideToTray();         // the title bar's "to tray"
  void ToggleSimpleDisplay();  // the title bar's reduced display
  // The window's height for what it shows: reduced only for the main panel.
  void FitDisplay(bool animated);
  void RestoreTimers();      // the guide windows give the main window back
  void ExitProgram();        // hide, ClearListPanel, ShutdownClient, close
  void ShutdownClient();

  bool AlwaysOnTop() const;
  void SetAlwaysOnTop(bool onTop);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildControls();
  void BuildCategoryPictures();
  void BuildFunctionPictures();
  void BuildTitleBar();
  void BuildStepButtons();
  void BuildMenus();
  void BuildTray();
  void ReadWindowSettings();
  void ShowStartView();
  void PlaceStartPictures(const char* logo, int logoWidth);
  void ShowStatePicture(TImage* picture);
  void StartFreshList();  // no items, rows or load count: the next load starts the list
  void RestoreFromTray();
  void StartListTimers();
  void RebuildChannelMenu(QAction* item);
  void FillChannelMenu(QAction* item, const ChannelEntries& entries);
  void OfferPreset(int itemIndex);
  void TellAFriend(int itemIndex);

  // The list's requests. A pass reload keeps the old rows scrolling until its reply.
  enum class ListLoad { Selection, NextPass, FreshPass };
  void RequestList(int category, int subIndex, ListLoad kind, std::function<void()> shown = {});
  void ApplyList(int category, int subIndex, const std::string& url, ListLoad kind, const std::string& reply);
  // The list shown stays; a selection's stopped timers run again as they ran before.
  void ListRequestFailed(ListLoad kind, bool scrolled, bool ticked);
  // Keeps the list bounded over a long run: items far above the top row go (the rows
  // left are renumbered), and the strip is moved back so its top is at 0 again.
  void ForgetScrolledItems();
  void RebaseStrip();
  std::string ListAddress(int category, int subIndex) const;
  void AddNewProgramsItem();

  // Row building.
  void BuildProgramRows(int index);
  void BuildBannerRow(int index);
  void RemoveScrolledRows();

  MainWindowHooks hooks_;
  QPointer<THoverLabel> popupLabel_;
  // The panel of the window that has taken the main panel's place, if any.
  QPointer<QWidget> guestPanel_;
  bool shutdownDone_ = false;
  bool trayAvailable_ = false;
  // Requests in flight. Every list request has a serial: a reply for an older list is
  // not shown, and the ticker waits only for the new programs of the current one.
  std::uint32_t listSerial_ = 0;
  bool listPending_ = false;
  std::uint32_t newProgramsFor_ = 0;  // 0: none pending
  // A pass that could not be had was told once; the ticker keeps asking quietly.
  bool passFailureTold_ = false;
  bool minuteCheckPending_ = false;
};

// The one main window while it exists.
extern TfrmMain* frmMain;

}  // namespace velomira
