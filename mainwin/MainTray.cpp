// Tray icon, screen saver, reduced display and the end of the program.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QThread>

#include "TfrmMain.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "platform/qt/ScreenSaverWatch.h"
#include "platform/qt/Sounds.h"

namespace velomira {

namespace {

constexpr int kFullHeight = 360;
constexpr int kSimpleHeight = 266;
constexpr int kDisplayStep = 3;

void CountTrayHide() { CountUsage(&UsageRecord::TrayHides); }

}  // namespace

void TfrmMain::BuildTray() {
  PopTray = new QMenu(this);
  PopTray->setObjectName("PopTray");
  QAction* open = PopTray->addAction("open");
  open->setObjectName("open1");
  QFont defaultItem = open->font();
  defaultItem.setBold(true);
  open->setFont(defaultItem);
  QAction* close = PopTray->addAction("close");
  close->setObjectName("close1");
  connect(open, &QAction::triggered, this, &TfrmMain::open1Click);
  connect(close, &QAction::triggered, this, &TfrmMain::close1Click);

  RxTrayIcon1 = new QSystemTrayIcon(this);
  RxTrayIcon1->setObjectName("RxTrayIcon1");
  RxTrayIcon1->setToolTip("Velomira");
  QPixmap icon = LoadSkinPicture(State().ButtonDir, "logoimage1.gif");
  if (icon.isNull()) icon = QPixmap(16, 16), icon.fill(QColor(0x00, 0x14, 0x33));
  RxTrayIcon1->setIcon(QIcon(icon));
  RxTrayIcon1->setContextMenu(PopTray);
  connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) RxTrayIcon1Click();
    if (reason == QSystemTrayIcon::DoubleClick) open1Click();
  });
  if (trayAvailable_) RxTrayIcon1->show();
}

void TfrmMain::StartListTimers() {
  TimerMain->start();
  TimerTicker->start();
}

void TfrmMain::HideToTray() {
  ScrollPaused = true;
  InTray = true;
  if (trayAvailable_) {
    hide();
  } else {
    // Without a tray nothing could show a hidden window again.
    showMinimized();
  }
  CountTrayHide();
  TimerMain->stop();
  TimerTicker->stop();
}

void TfrmMain::RestoreFromTray() {
  InTray = false;  // first, so the state change of showNormal does not come back here
  showNormal();
  raise();
  activateWindow();
  // A window in the main panel's place holds the list until its Back button.
  if (guestPanel_) return;
  ScrollPaused = false;
  if (!ListEmpty) StartListTimers();
}

void TfrmMain::RxTrayIcon1Click() {
  if (InTray) {
    RestoreFromTray();
    return;
  }
  if (hooks_.CloseSideWindows) hooks_.CloseSideWindows();
  HideToTray();
}

void TfrmMain::open1Click() {
  if (InTray) RestoreFromTray();
}

void TfrmMain::close1Click() { ExitProgram(); }

void TfrmMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Coming to the front closes the main window's pop-ups (pickers, my-channels list).
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && hooks_.CloseSideWindows) {
    hooks_.CloseSideWindows();
  }
  // Without a tray the member brings a minimised window back from the taskbar.
  if (event->type() == QEvent::WindowStateChange && InTray && !trayAvailable_ &&
      !(windowState() & Qt::WindowMinimized)) {
    RestoreFromTray();
  }
}

void TfrmMain::ScreenSaverChanged(bool active) {
  if (InTray) return;
  if (active) {
    ScrollPaused = true;
    hide();
    if (ListEmpty) {
      TimerMain->stop();
      TimerTicker->stop();
    }
  } else {
    showNormal();
    if (guestPanel_) return;
    ScrollPaused = false;
    if (!ListEmpty) StartListTimers();
  }
}

void TfrmMain::ToggleSimpleDisplay() {
  ClientState& state = State();
  PlaySizeSound();
  CountUsage(&UsageRecord::DisplayToggles);
  state.SimpleDisplay = !state.SimpleDisplay;
  // A window in the main panel's place keeps its height (its Back button and paging
  // bar lie below the reduced one); the main panel takes the new size when it is back.
  if (!guestPanel_) FitDisplay(true);
  StopSounds();
}

void TfrmMain::FitDisplay(bool animated) {
  ClientState& state = State();
  auto step = [this, animated] {
    if (!animated) return;
    repaint();
    QThread::msleep(1);
  };
  if (state.SimpleDisplay && !guestPanel_) {
    for (auto* picture : CategoryPictures) picture->hide();
    for (auto* picture : FunctionPictures) picture->hide();
    while (height() > kSimpleHeight) {
      resize(width(), height() - kDisplayStep);
      step();
    }
    resize(width(), kSimpleHeight);
    PnlMain->resize(width(), kSimpleHeight);
    PnlMain->SetPicture(LoadSkinPicture(state.FormDir, "Simple.gif"));
    return;
  }
  QWidget* shown = guestPanel_ ? guestPanel_.data() : PnlMain;
  // The main panel, hidden behind a window, keeps its reduced look until it is back.
  if (!guestPanel_) PnlMain->SetPicture(LoadSkinPicture(state.FormDir, "Main.gif"));
  while (height() < kFullHeight) {
    resize(width(), height() + kDisplayStep);
    shown->resize(width(), height());
    step();
  }
  resize(width(), kFullHeight);
  shown->resize(width(), kFullHeight);
  if (guestPanel_) return;
  for (auto* picture : CategoryPictures) picture->show();
  for (auto* picture : FunctionPictures) picture->show();
}

void TfrmMain::RestoreTimers() {
  ScrollPaused = false;
  if (ListEmpty) return;
  ApplySpeed(State().TickerSpeed);
  StartListTimers();
}

void TfrmMain::ExitProgram() {
  // The window closes whatever fails on the way.
  try {
    hide();
    ClearListPanel();
    ShutdownClient();
  } catch (...) {
  }
  close();
}

void TfrmMain::ShutdownClient() {
  if (shutdownDone_) return;
  shutdownDone_ = true;
  ClientState& state = State();

  IniFile userIni(SettingsFolder() + "user.ini");
  int tickerType = 0;
  if (MenuItem("Fast1")->isChecked()) {
    tickerType = 0;
  } else if (MenuItem("medium1")->isChecked()) {
    tickerType = 1;
  } else if (MenuItem("Slow1")->isChecked()) {
    tickerType = 2;
  }
  userIni.WriteInteger("ticker_type", "ticker_type", tickerType);
  userIni.WriteInteger("main", "main", TimerMain->interval());
  userIni.WriteInteger("ticker", "ticker", TimerTicker->interval());

  QCoreApplication::processEvents();
  for (QTimer* timer : {TimerMain, TimerTicker, TimerList, TimerTime}) timer->stop();
  ScreenSaver->Stop();

  ListLines.clear();
  Items.Clear();

  StopUsageRecord();
  SendUsageLog();

  if (!state.RefreshDone && hooks_.StopRefreshAndWait) hooks_.StopRefreshAndWait();
}

}  // namespace velomira
