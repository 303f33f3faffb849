// CPU time and resident memory of the main window while its list scrolls at the fast
// speed (30 ms) with 200 items, against an idle main window in the same run.
// With "--show ROOT SECONDS" it instead shows the window with the built skin against a
// running service (after one refresh) for a look at it.
#include <httplib.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

#include "TDownLoad.h"
#include "core/dFunc.h"
#include "mainwin/TfrmMain.h"
#include "mainwin/Tfrmalarm.h"

using namespace velomira;

namespace {

constexpr int kItems = 200;
constexpr int kTicks = 300;  // of TimerMain at 30 ms: about nine seconds

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

std::string ProgramList(int count) {
  std::string body;
  for (int i = 0; i < count; ++i) {
    if (i > 0) body += '\x02';
    const std::string id = "P" + std::to_string(i);
    body += id + "\x01icon0" + std::to_string(i % 9 + 1) + "\x01v\x01" "202612101330\x01" "202612101430\x01" +
            "A program called " + id + "\x01www.example.test/" + id + "\x01Station FM\x01www.station.test\x01 \x01\x01" +
            "What the program " + id + " is about, in a line or two of text." + "\x01" "0\x01x\x01n\x01\x01" "0";
  }
  std::string header = "100";
  header.resize(32, ' ');
  return header + body;
}

void Prepare(const std::string& programDir, const std::string& root) {
  ClientState& state = State();
  state.ProgramDir = programDir;
  QDir().mkpath(QString::fromStdString(programDir + "Image"));
  QFile::link(QStringLiteral(VELOMIRA_APP_DIR "/Image/Default"), QString::fromStdString(programDir + "Image/Default"));
  LoadSettingsPaths();
  IniFile ini(state.MainIniPath);
  ini.WriteString("SERVICE", "ROOT", root);
  ini.WriteString("SERVICE", "WEB", root + "/web");
}

// Runs the event loop until `timer` has fired `ticks` times; returns the CPU share of
// one core over that time.
double CpuShare(QTimer* timer, int ticks) {
  int fired = 0;
  QEventLoop loop;
  auto connection = QObject::connect(timer, &QTimer::timeout, [&] {
    if (++fired >= ticks) loop.quit();
  });
  const double cpuStart = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  loop.exec();
  QObject::disconnect(connection);
  return (CpuSeconds() - cpuStart) / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

int Bench() {
  httplib::Server server;
  const std::string list = ProgramList(kItems);
  server.Post("/list/news", [&list](const httplib::Request&, httplib::Response& response) {
    response.set_content(list, "text/plain");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&server] { server.listen_after_bind(); });
  while (!server.is_running()) std::this_thread::yield();
  const std::string root = "http://127.0.0.1:" + std::to_string(port);

  QTemporaryDir dir;
  Prepare(dir.path().toStdString() + "/", root);
  WriteLookupFile(State().DataDir + "NewsUrl.Dat", {root.substr(7) + "/list/news"});

  TfrmMain window("bench");
  window.show();
  // Baseline: the same window idle for the same number of 30 ms ticks.
  QTimer idle;
  idle.start(30);
  const double idleShare = CpuShare(&idle, kTicks);
  idle.stop();

  window.imgNewsClick(1);
  State().TickerSpeed = 0;
  window.ApplySpeed(0);
  // The list and its reloads arrive in the background: the loop lets their replies in.
  while (window.Items.Count() < kItems) {
    window.TickerStep();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  const double scrollShare = CpuShare(window.TimerMain, kTicks);

  std::printf("main list scrolling, %d items, %d ticks of %d ms (offscreen):\n", window.Items.Count(), kTicks,
              window.TimerMain->interval());
  std::printf("  idle main window:     %6.2f %% of one core\n", idleShare * 100);
  std::printf("  scrolling main list:  %6.2f %% of one core (%.2f %% above idle)\n", scrollShare * 100,
              (scrollShare - idleShare) * 100);
  std::printf("  resident memory:      %6.1f MB\n", ResidentMegabytes());
  window.ShutdownClient();
  server.stop();
  serving.join();
  return 0;
}

int Show(const std::string& root, int seconds, int category) {
  QTemporaryDir dir;
  Prepare(dir.path().toStdString() + "/", root);
  State().MemberId = "demo";
  {
    TDownLoad refresh;
    refresh.Join();
  }
  TfrmMain window("demo");
  window.move(40, 40);
  window.show();
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  if (category > 0) {
    window.imgNewsClick(category);
    window.ApplySpeed(0);
  } else {
    // The alarm bubble and its box.
    QTimer::singleShot(500, [] { ShowPresetAlarm("The Evening Desk", "www.example.test", nullptr); });
  }
  QApplication::exec();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool show = argc >= 3 && std::string(argv[1]) == "--show";
  if (!show) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (show) return Show(argv[2], argc >= 4 ? std::stoi(argv[3]) : 20, argc >= 5 ? std::stoi(argv[4]) : 1);
  return Bench();
}
