#include "MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QThreadPool>

#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "support/EventLoop.h"
#include "mainwin/MainListCycle.h"
#include "mainwin/Tfrmalarm.h"

namespace velomira::test {

ModalAnswerer::ModalAnswerer(int answer) : answer_(answer) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* alarm = qobject_cast<Tfrmalarm*>(modal)) {
      if (!alarm->Bursting()) {
        ++alarms_;
        alarm->FormClick();
      }
    } else if (auto* box = qobject_cast<QDialog*>(modal)) {
      if (box->objectName() == "frmAlertSearch") ++questions_;
      if (const auto* message = box->findChild<QLabel*>("HoverLabel1"); message && box->objectName() == "frm_alert")
        alerts_ << message->text();
      box->done(answer_);
    }
  });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void MainWindowTest::SetUp() {
  ResetState();
  ResetListCycleState();
  ASSERT_TRUE(dir_.isValid());
  ClientState& state = State();
  state.ProgramDir = dir_.path().toStdString() + "/";
  LoadSettingsPaths();
  IniFile ini(state.MainIniPath);
  ini.WriteString("SERVICE", "ROOT", service_.Root());
  ini.WriteString("SERVICE", "WEB", service_.Root() + "/web");
  service_.DefaultReply("");
  service_.Reply("/servlet/servlet.PresetList", Framed(""));
  SetClock(2026, 12, 10, 21, 31);
}

void MainWindowTest::TearDown() {
  if (window_) delete window_.data();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "frmalertalam") delete top;
  }
  Settle(0);
  SetClockForTests({}, {});
}

TfrmMain* MainWindowTest::Create(MainWindowHooks hooks) {
  window_ = new TfrmMain("member7", std::move(hooks));
  return window_;
}

void MainWindowTest::ServeCategory(int category, const std::string& reply) {
  const std::string path = "/list/" + std::to_string(category);
  service_.Reply(path, reply);
  const std::string word = CategoryTable[static_cast<std::size_t>(category - 1)].Word;
  WriteLookupFile(State().DataDir + word + "Url.Dat", {service_.Root().substr(7) + path});
}

void MainWindowTest::SetClock(int year, int month, int day, int hour, int minute) {
  const DateTime now{year, month, day, hour, minute, 0, 0};
  SetClockForTests([now] { return now; }, [now] { return now; });
}

void MainWindowTest::Settle(int ms) { RunEventLoop(ms); }

void MainWindowTest::FinishRequests() {
  do {
    WaitForRequests();
    RunEventLoop(0);
  } while (QThreadPool::globalInstance()->activeThreadCount() > 0);
}

void MainWindowTest::Choose(TfrmMain* window, int category) {
  window->imgNewsClick(category);
  FinishRequests();
}

void MainWindowTest::Tick(TfrmMain* window) {
  window->TimerTickerTimer();
  FinishRequests();
}

}  // namespace velomira::test
