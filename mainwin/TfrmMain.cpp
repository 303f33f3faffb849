#include "TfrmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QSystemTrayIcon>

#include "MainColors.h"
#include "controls/TImage.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "controls/Tag.h"
#include "AlarmDue.h"
#include "core/TickerSpeeds.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/TitleBar.h"
#include "core/qt/WindowDrag.h"
#include "platform/Browser.h"
#include "platform/qt/ScreenSaverWatch.h"

namespace velomira {

TfrmMain* frmMain = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

TImage* MakeStatePicture(QWidget* parent, const char* name, const char* file) {
  auto* picture = new TImage(parent);
  picture->setObjectName(name);
  picture->setGeometry(40, 56, 182, 82);
  picture->SetAutoSize(true);
  picture->SetPicture(LoadSkinPicture(State().ButtonDir, file));
  picture->hide();
  return picture;
}

}  // namespace

TfrmMain::TfrmMain(const std::string& memberId, MainWindowHooks hooks)
    : QWidget(nullptr), hooks_(std::move(hooks)) {
  frmMain = this;
  ClientState& state = State();
  state.MemberId = memberId;
  // The login has set the program folder already; a window made without one still
  // finds its settings beside the program.
  if (state.ProgramDir.empty()) {
    state.ProgramDir = QCoreApplication::applicationDirPath().toStdString() + "/";
  }
  setObjectName("frmMain");
  setWindowTitle("Velomira Main Form");
  // No taskbar button while the tray can bring the window back; without a tray the
  // taskbar button is the only way back from a minimised window.
  trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
  Qt::WindowFlags flags = Qt::FramelessWindowHint;
  if (trayAvailable_) flags |= Qt::Tool;
  setWindowFlags(flags);
  setFixedWidth(290);
  resize(290, 360);
  setFont(MainFont());

  BuildControls();
  BuildMenus();
  ReadWindowSettings();
  CurrentListUrl.clear();
  LoadCount = 0;
  state.PanelSwapDone = true;

  BuildCategoryChoiceLists();
  ReadCategoryDatFiles(true);
  ReadCategoryUrlFiles(true);

  PnlMain->SetPicture(LoadSkinPicture(state.FormDir, "Main.gif"));
  PnlInfo->setGeometry(0, 0, 278, 500);
  ListLines.clear();

  RefreshClock();

  if (hooks_.StartRefresh) hooks_.StartRefresh();
  StartUsageRecord();
  DetectBrowser();

  ListEmpty = false;
  Items.Clear();
  BuildTray();
  ScreenSaver = new ScreenSaverWatch(this);
  ScreenSaver->setObjectName("ScreenSaver");
  connect(ScreenSaver, &ScreenSaverWatch::Changed, this, &TfrmMain::ScreenSaverChanged);

  ShowStartView();
}

TfrmMain::~TfrmMain() {
  if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::BuildControls() {
  PnlMain = new TPicturePanel(this);
  PnlMain->setObjectName("PnlMain");
  PnlMain->setGeometry(0, 0, 290, 360);
  QPalette white = PnlMain->palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  EnableWindowDrag(PnlMain);

  auto* title = MakeLabel(PnlMain, "lblTitle", "Velomira", QRect(116, 4, 121, 13));
  QFont bold = font();
  bold.setBold(true);
  title->setFont(bold);
  title->setStyleSheet("color: white;");
  lblTitle = title;
  EnableWindowDrag(lblTitle);

  auto* clock = MakeLabel(PnlMain, "lblTime", QString(), QRect(71, 4, 44, 13));
  QFont small("Serif");
  small.setPixelSize(9);
  small.setStretch(QFont::Condensed);
  clock->setFont(small);
  clock->setStyleSheet(QString("color: %1;").arg(ToolkitColor(65322).name()));
  lblTime = clock;
  EnableWindowDrag(lblTime);

  BuildTitleBar();

  Panel2 = new QWidget(PnlMain);
  Panel2->setObjectName("Panel2");
  Panel2->setGeometry(6, 20, 278, 230);
  QPalette listColour = Panel2->palette();
  listColour.setColor(QPalette::Window, ToolkitColor(3347456));
  Panel2->setPalette(listColour);
  Panel2->setAutoFillBackground(true);
  Panel2->setContextMenuPolicy(Qt::CustomContextMenu);

  PnlInfo = new QWidget(Panel2);
  PnlInfo->setObjectName("PnlInfo");
  PnlInfo->setGeometry(0, 0, 278, 0);
  PnlInfo->setPalette(listColour);
  PnlInfo->setAutoFillBackground(true);
  PnlInfo->setContextMenuPolicy(Qt::CustomContextMenu);

  welcome = MakeStatePicture(Panel2, "welcome", "logoimage1.gif");
  welcome2 = MakeStatePicture(Panel2, "welcome2", "pro01.gif");
  myedit_img = MakeStatePicture(Panel2, "myedit_img", "edit01.gif");

  // Design-time leftovers kept hidden; Label1 measures row texts in the rows' font.
  for (const char* name : {"lbl", "HoverLabel4"}) {
    auto* sample = new QLabel(PnlMain);
    sample->setObjectName(name);
    sample->hide();
  }
  Label1 = MakeLabel(PnlMain, "Label1", QString(), QRect(0, 0, 0, 0));
  Label1->setFont(RowFont(false));
  Label1->hide();
  for (const char* name : {"Label2", "Label3", "Label4"}) MakeLabel(PnlMain, name, {}, {})->hide();

  BuildCategoryPictures();
  BuildFunctionPictures();
  BuildStepButtons();

  for (auto* timer : {&TimerMain, &TimerTicker, &TimerList, &TimerTime}) *timer = new QTimer(this);
  TimerMain->setObjectName("TimerMain");
  TimerMain->setInterval(50);
  TimerTicker->setObjectName("TimerTicker");
  TimerTicker->setInterval(4000);
  TimerList->setObjectName("TimerList");
  TimerList->setInterval(1000);
  TimerTime->setObjectName("TimerTime");
  TimerTime->setInterval(60000);
  connect(TimerMain, &QTimer::timeout, this, &TfrmMain::TimerMainTimer);
  connect(TimerTicker, &QTimer::timeout, this, &TfrmMain::TimerTickerTimer);
  connect(TimerList, &QTimer::timeout, this, &TfrmMain::TimerListTimer);
  connect(TimerTime, &QTimer::timeout, this, &TfrmMain::TimerTimeTimer);
  TimerTime->start();
}

void TfrmMain::BuildTitleBar() {
  TitleBarPictures = BuildTitleBarPictures(PnlMain, [this](int tag) { imgDbzerClick(tag); });
}

void TfrmMain::ReadWindowSettings() {
  const ClientState& state = State();
  IniFile mainIni(state.MainIniPath);
  move(mainIni.ReadInteger("LEFT", "left", 300), mainIni.ReadInteger("TOP", "top", 300));
  SetAlwaysOnTop(mainIni.ReadBool("alwaytop", "alwaytop", true));

  IniFile userIni(SettingsFolder() + "user.ini");
  // The saved speed is TickerSpeed from the start, so that returning from a guide window
  // and the preferences panel go by the speed that runs rather than by fast.
  const int saved = userIni.ReadInteger("ticker_type", "ticker_type", kDefaultTickerSpeed);
  State().TickerSpeed = IsTickerSpeed(saved) ? saved : kDefaultTickerSpeed;
  ApplySpeed(State().TickerSpeed);
  // Intervals saved at exit win over the speed's own.
  TimerMain->setInterval(userIni.ReadInteger("main", "main", TimerMain->interval()));
  TimerTicker->setInterval(userIni.ReadInteger("ticker", "ticker", TimerTicker->interval()));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Whatever closes the window (the window manager included) ends the program, so the
  // exit procedure runs once on every path.
  if (!shutdownDone_) {
    try {
      ShutdownClient();
    } catch (...) {
    }
  }
  IniFile mainIni(State().MainIniPath);
  mainIni.WriteInteger("LEFT", "left", x());
  mainIni.WriteInteger("TOP", "top", y());
  mainIni.WriteBool("alwaytop", "alwaytop", AlwaysOnTop());
  if (RxTrayIcon1) RxTrayIcon1->hide();
  event->accept();
}

}  // namespace velomira
