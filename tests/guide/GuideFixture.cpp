#include "GuideFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "controls/CodePageText.h"
#include "core/dFunc.h"
#include "support/EventLoop.h"
#include "core/qt/RunRequest.h"

namespace velomira::test {

FakeHost::FakeHost() {
  Frame.setAttribute(Qt::WA_DontShowOnScreen);
  Frame.resize(290, 360);
}

FakeHost::~FakeHost() = default;

void FakeHost::SwapIn(QWidget* panel) {
  panel->setParent(&Frame);
  panel->setGeometry(Frame.rect());
  panel->show();
  Shown = panel;
}

void FakeHost::SwapBack(QWidget* panel) {
  panel->hide();
  if (Shown == panel) Shown = nullptr;
}

BoxAnswerer::BoxAnswerer(int answer) : answer_(answer) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    std::string text;
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) text += (text.empty() ? "" : "\n") + FromQString(label->text());
    }
    messages_.push_back(text);
    box->done(answer_);
  });
  timer_.start();
}

BoxAnswerer::~BoxAnswerer() { timer_.stop(); }

std::string Record(std::initializer_list<std::pair<int, std::string>> fields, int count) {
  std::vector<std::string> values(static_cast<std::size_t>(count));
  for (const auto& [index, value] : fields) values.at(static_cast<std::size_t>(index)) = value;
  std::string record;
  for (std::size_t i = 0; i < values.size(); ++i) record += (i ? "\x01" : "") + values[i];
  return record;
}

std::string Reply(const std::vector<std::string>& records, const std::string& code) {
  std::string reply = code + std::string(32 - code.size(), ' ');
  for (std::size_t i = 0; i < records.size(); ++i) reply += (i ? "\x02" : "") + records[i];
  return reply;
}

void GuideTest::SetUp() {
  ResetState();
  ASSERT_TRUE(dir_.isValid());
  ClientState& state = State();
  state.ProgramDir = dir_.path().toStdString() + "/";
  LoadSettingsPaths();
  for (const std::string* folder : {&state.BasicDir, &state.MediaDir, &state.ButtonDir, &state.FormDir,
                                    &state.BannerDir, &state.StationBannerDir, &state.DataDir}) {
    QDir().mkpath(QString::fromStdString(*folder));
  }
  IniFile ini(state.MainIniPath);
  ini.WriteString("SERVICE", "ROOT", service_.Root());
  ini.WriteString("SERVICE", "WEB", service_.Root() + "/web");
  state.MemberId = "member7";
  service_.DefaultReply("");
  service_.Reply("/servlet/servlet.PresetList", Reply({}));
  SetClock(2026, 12, 10, 21, 31);
}

void GuideTest::TearDown() {
  WaitForRequests();
  Settle(0);
  // Deleting one window may delete others it owns, so each is checked as it comes.
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* top : QApplication::topLevelWidgets()) windows.emplace_back(top);
  for (const QPointer<QWidget>& top : windows) {
    if (top && top != &host_.Frame && top->parent() == nullptr && qobject_cast<GuideWindow*>(top.data()))
      delete top.data();
  }
  Settle(0);
  SetClockForTests({}, {});
}

void GuideTest::SetClock(int year, int month, int day, int hour, int minute) {
  const DateTime now{year, month, day, hour, minute, 0, 0};
  SetClockForTests([now] { return now; }, [now] { return now; });
}

void GuideTest::DrawPicture(const std::string& folder, const std::string& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  image.save(QString::fromStdString(folder + name), "PNG");
}

void GuideTest::WaitIdle(GuideWindow* window) {
  const QPointer<GuideWindow> guard(window);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 10000) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!guard || !guard->Busy()) break;
  }
  Settle(0);
}

void GuideTest::Settle(int ms) { RunEventLoop(ms); }

}  // namespace velomira::test
