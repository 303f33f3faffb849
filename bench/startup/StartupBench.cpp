// Start-up time of the real main program on the X server of $DISPLAY, seen from outside:
// process start to the login dialog shown, and the automatic login (its verification
// window shown) to the main window shown, against the seeded reference service. The
// baseline is an empty Qt Widgets window started the same way. Not a test: run it by
// hand under xvfb-run (no window manager), e.g.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/startup/startup_bench
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

#include "Child.h"
#include "WindowWatch.h"
#include "core/dFunc.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int Runs = 5;                  // measured runs per figure, after one warm-up
constexpr auto RunLimit = 10s;           // one window that does not come
constexpr auto WholeLimit = 50s;         // the whole benchmark
constexpr double TargetMs = 300;

const std::string AccountTitle = "Velomira";
constexpr int LoginDialogHeight = 184;   // frm_login
constexpr int VerificationHeight = 133;  // frm_auto
const std::string MainTitle = "Velomira Main Form";
const std::string EmptyTitle = "Velomira Bench Empty";

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A private folder for the app copy, the service's data and the client's lock; removed
// after every process in it has ended (it is declared before them).
struct Scratch {
  std::string Path;
  Scratch() {
    char name[] = "/tmp/velomira-startup-bench-XXXXXX";
    if (::mkdtemp(name)) Path = std::string(name) + "/";
  }
  ~Scratch() {
    std::error_code ignored;
    if (!Path.empty()) std::filesystem::remove_all(Path, ignored);
  }
};

struct Series {
  explicit Series(std::string name) : Name(std::move(name)) {}
  std::string Name;
  std::vector<double> Ms;
  bool Failed = false;
  double Median() const {
    std::vector<double> sorted = Ms;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
  }
  double Max() const { return *std::max_element(Ms.begin(), Ms.end()); }
};

class Bench {
 public:
  Bench(WindowWatch& watch, Clock::time_point end) : watch_(watch), end_(end) {}

  // One run: start the program, wait for its windows, record, end it. The first run of a
  // series warms the caches and is not counted.
  using Run = std::function<bool(const Child& child, Clock::time_point started)>;
  void Repeat(const std::vector<std::string>& program, const std::function<void()>& prepare,
              const Run& run) {
    for (int index = 0; index <= Runs; ++index) {
      prepare();
      watch_.Discard();
      const Clock::time_point started = Clock::now();
      Child child(program);
      counting_ = index > 0;
      if (!child.Started() || !run(child, started)) {
        failed_ = true;
        return;
      }
    }
  }

  std::optional<WindowShown> Wait(const Child& child, const std::string& title, int height) {
    const auto shown = watch_.WaitFor(child.Pid(), title, height, std::min(end_, Clock::now() + RunLimit));
    if (!shown) std::cerr << "no window \"" << title << "\" shown by pid " << child.Pid() << "\n";
    return shown;
  }

  void Record(Series& series, double ms) const {
    if (counting_) series.Ms.push_back(ms);
  }
  bool Failed() const { return failed_; }

 private:
  WindowWatch& watch_;
  Clock::time_point end_;
  bool counting_ = false;
  bool failed_ = false;
};

void Print(const Series& series, bool withTarget) {
  if (series.Ms.empty()) {
    std::printf("  %-40s  (not measured)\n", series.Name.c_str());
    return;
  }
  std::printf("  %-40s %8.1f %8.1f", series.Name.c_str(), series.Median(), series.Max());
  if (withTarget)
    std::printf("   < %.0f  %s", TargetMs, series.Max() < TargetMs ? "met" : "MISSED");
  std::printf("\n");
}

}  // namespace

int main() {
  const Clock::time_point end = Clock::now() + WholeLimit;
  WindowWatch watch;
  if (!watch.Ready()) {
    std::cerr << "needs an X server: run under xvfb-run -a\n";
    return 1;
  }
  Scratch scratch;
  if (scratch.Path.empty()) return 1;
  const std::string app = scratch.Path + "app/";
  std::filesystem::copy(VELOMIRA_APP_DIR, app, std::filesystem::copy_options::recursive);
  // The single-copy lock and any desktop entries stay inside the scratch folder.
  std::filesystem::create_directories(scratch.Path + "runtime");
  ::chmod((scratch.Path + "runtime").c_str(), 0700);
  ::setenv("XDG_RUNTIME_DIR", (scratch.Path + "runtime").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (scratch.Path + "config").c_str(), 1);

  const std::string serviceLog = scratch.Path + "service.log";
  Child service({VELOMIRA_SERVICE_PATH, "--port", "0", "--data", scratch.Path + "data", "--seed"},
                serviceLog);
  std::string address;
  while (Clock::now() < end && address.empty()) {
    const std::string output = ReadAll(serviceLog);
    const std::size_t at = output.find("listening on ");
    const std::size_t lineEnd = output.find('\n', at);
    if (at != std::string::npos && lineEnd != std::string::npos)
      address = output.substr(at + 13, lineEnd - at - 13);
    else
      std::this_thread::sleep_for(20ms);
  }
  if (address.empty()) {
    std::cerr << "the service did not start:\n" << ReadAll(serviceLog);
    return 1;
  }
  const std::string root = "http://" + address;
  WriteFile(app + "velomira.Ini", "[SERVICE]\r\nROOT=" + root + "\r\nWEB=" + root + "/web\r\n");

  const std::string userIni = app + "user.ini";
  const auto forgetMember = [&] { std::filesystem::remove(userIni); };
  const auto rememberMember = [&] {
    using velomira::ScrambleText;
    WriteFile(userIni, "[user]\r\nautosave=1\r\nusername=" + ScrambleText("demo", velomira::CredentialKey) +
                           "\r\npassword=" + ScrambleText("demo1234", velomira::CredentialKey) + "\r\n");
  };
  const std::vector<std::string> mainProgram{app + "VelomiraMain", "/Velomira"};

  Series empty{"empty Qt window (baseline)"};
  Series toLogin{"process start -> login dialog shown"};
  Series loginToMain{"auto-login start -> main window shown"};
  Series startToMain{"process start -> main window (auto-login)"};
  Bench bench(watch, end);

  bench.Repeat({EMPTY_WINDOW_PATH}, [] {}, [&](const Child& child, Clock::time_point started) {
    const auto shown = bench.Wait(child, EmptyTitle, 0);
    if (shown) bench.Record(empty, Ms(shown->At - started));
    return shown.has_value();
  });
  if (!bench.Failed())
    bench.Repeat(mainProgram, forgetMember, [&](const Child& child, Clock::time_point started) {
      const auto shown = bench.Wait(child, AccountTitle, LoginDialogHeight);
      if (shown) bench.Record(toLogin, Ms(shown->At - started));
      return shown.has_value();
    });
  if (!bench.Failed())
    bench.Repeat(mainProgram, rememberMember, [&](const Child& child, Clock::time_point started) {
      const auto login = bench.Wait(child, AccountTitle, VerificationHeight);
      const auto main = login ? bench.Wait(child, MainTitle, 0) : std::nullopt;
      if (!main) return false;
      bench.Record(loginToMain, Ms(main->At - login->At));
      bench.Record(startToMain, Ms(main->At - started));
      return true;
    });

  std::printf("Start-up on %s, %d runs each after one warm-up run, in ms (window mapped):\n",
              std::getenv("DISPLAY"), Runs);
  std::printf("  %-40s %8s %8s   target\n", "", "median", "max");
  Print(empty, false);
  Print(toLogin, true);
  Print(loginToMain, true);
  Print(startToMain, false);
  if (!empty.Ms.empty() && !toLogin.Ms.empty())
    std::printf("  login dialog vs baseline (medians): %.2fx\n", toLogin.Median() / empty.Median());
  return bench.Failed() ? 1 : 0;
}
