// The whole client against the reference service on the test display: the launcher
// starts the main program, the remembered member is logged in, the list scrolls, the
// exit picture ends the program and the service receives the usage log; a visitor
// signs up through the registration wizard and logs in with the new ID.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include <gtest/gtest.h>

#include "Processes.h"
#include "support/TempFolder.h"
#include "core/dFunc.h"

using namespace std::chrono_literals;
using velomira::test::TempFolder;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

struct WindowPlace {
  std::string Id;
  int Width = 0, Height = 0;
};

// A visible window of the process, width pixels wide (and height high, when given).
WindowPlace FindWindow(pid_t pid, int width, int height = 0) {
  std::istringstream ids(RunCapture({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}));
  for (std::string id; ids >> id;) {
    std::istringstream shell(RunCapture({"xdotool", "getwindowgeometry", "--shell", id}));
    WindowPlace place{id};
    for (std::string line; std::getline(shell, line);) {
      if (line.rfind("WIDTH=", 0) == 0) place.Width = std::atoi(line.c_str() + 6);
      if (line.rfind("HEIGHT=", 0) == 0) place.Height = std::atoi(line.c_str() + 7);
    }
    if (place.Width == width && (height == 0 || place.Height == height)) return place;
  }
  return {};
}

class Smoke : public testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr || RunCapture({"xdotool", "version"}).empty())
      GTEST_SKIP() << "needs an X display and xdotool";
    std::filesystem::copy(VELOMIRA_APP_DIR, folder.Path() + "app",
                          std::filesystem::copy_options::recursive);
    // A lock folder of its own, so a client running elsewhere does not stop this one.
    std::filesystem::create_directories(folder.Path() + "runtime");
    ::chmod((folder.Path() + "runtime").c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", (folder.Path() + "runtime").c_str(), 1);
    // The wizard writes the autostart entry; it stays in the test's folder.
    ::setenv("XDG_CONFIG_HOME", (folder.Path() + "config").c_str(), 1);

    service = Spawn({VELOMIRA_SERVICE_PATH, "--port", "0", "--data", folder.Path() + "data", "--seed"},
                    ServiceLog());
    ASSERT_TRUE(WaitUntil([&] { return ServiceOutput().find("listening on") != std::string::npos; }, 20s));
    const std::string output = ServiceOutput();
    const std::size_t at = output.find("listening on 127.0.0.1:") + 23;
    const std::string root = "http://127.0.0.1:" + std::to_string(std::atoi(output.c_str() + at));

    folder.Write("app/velomira.Ini", "[SERVICE]\r\nROOT=" + root + "\r\nWEB=" + root + "/web\r\n");
    using velomira::ScrambleText;
    folder.Write("app/user.ini", "[user]\r\nautosave=1\r\nusername=" +
                                     ScrambleText("demo", velomira::CredentialKey) + "\r\npassword=" +
                                     ScrambleText("demo1234", velomira::CredentialKey) + "\r\n");
  }

  void TearDown() override {
    if (pid_t client = FindProcess(MainProgram())) ::kill(client, SIGKILL);
    if (service > 0) {
      ::kill(service, SIGTERM);
      ::waitpid(service, nullptr, 0);
    }
  }

  std::string ServiceLog() const { return folder.Path() + "service.log"; }
  std::string ServiceOutput() const { return ReadAll(ServiceLog()); }
  std::string MainProgram() const { return folder.Path() + "app/VelomiraMain"; }
  std::string Capture(const WindowPlace& window, const std::string& name) const {
    const std::string path = folder.Path() + name;
    RunCapture({"import", "-window", window.Id, path});
    return ReadAll(path);
  }

  TempFolder folder;
  pid_t service = 0;
};

TEST_F(Smoke, LauncherToMainWindowToExitWithUsageLog) {
  const auto started = std::chrono::steady_clock::now();
  const pid_t launcher = Spawn({folder.Path() + "app/Velomira"});
  int status = -1;
  ::waitpid(launcher, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  pid_t client = 0;
  ASSERT_TRUE(WaitUntil([&] { return (client = FindProcess(MainProgram())) != 0; }, 10s));
  WindowPlace window;
  ASSERT_TRUE(WaitUntil([&] { return !(window = FindWindow(client, 290)).Id.empty(); }, 20s))
      << "no main window";
  EXPECT_EQ(window.Height, 360);
  // A figure for the record, not a limit: timing belongs to the benchmarks.
  const auto shownAfter = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::cout << "launcher start to main window shown (auto-login): " << shownAfter.count() << " ms\n";

  // The ticker moves the list a pixel per tick, so pictures taken one after the other
  // keep changing; the logo leaving or the clock turning would change them only once.
  std::string before = Capture(window, "frame.png");
  int changesInARow = 0;
  EXPECT_TRUE(WaitUntil(
      [&] {
        const std::string now = Capture(window, "frame.png");
        changesInARow = now != before ? changesInARow + 1 : 0;
        before = now;
        return changesInARow >= 3;
      },
      20s))
      << "the list does not move";

  // The exit picture at the title bar's right end.
  RunCapture({"xdotool", "mousemove", "--window", window.Id, "275", "9", "click", "1"});
  EXPECT_TRUE(WaitUntil([&] { return FindProcess(MainProgram()) == 0; }, 20s)) << "still running";
  EXPECT_TRUE(WaitUntil([&] { return ServiceOutput().find("usage log stored: ") != std::string::npos; }, 5s))
      << ServiceOutput();
}

// Clicks at x, y inside window.
void ClickAt(const WindowPlace& window, int x, int y) {
  RunCapture({"xdotool", "mousemove", "--window", window.Id, std::to_string(x), std::to_string(y), "click", "1"});
  std::this_thread::sleep_for(700ms);
}

void Keys(const std::vector<std::string>& keys) {
  std::vector<std::string> args{"xdotool", "key", "--delay", "60"};
  args.insert(args.end(), keys.begin(), keys.end());
  RunCapture(args);
  std::this_thread::sleep_for(700ms);
}

void Type(const std::string& text) {
  RunCapture({"xdotool", "type", "--delay", "30", text});
  std::this_thread::sleep_for(200ms);
}

TEST_F(Smoke, RegisterANewMemberAndLogInWithIt) {
  folder.Write("app/user.ini", "");  // a visitor: nobody to log in automatically
  const pid_t launcher = Spawn({folder.Path() + "app/Velomira"});
  ::waitpid(launcher, nullptr, 0);
  pid_t client = 0;
  ASSERT_TRUE(WaitUntil([&] { return (client = FindProcess(MainProgram())) != 0; }, 10s));
  WindowPlace login;
  ASSERT_TRUE(WaitUntil([&] { return !(login = FindWindow(client, 330, 184)).Id.empty(); }, 20s));
  std::this_thread::sleep_for(500ms);

  ClickAt(login, 250, 128);  // New account
  WindowPlace wizard;
  ASSERT_TRUE(WaitUntil([&] { return !(wizard = FindWindow(client, 330, 340)).Id.empty(); }, 10s));
  std::this_thread::sleep_for(500ms);
  ClickAt(wizard, 165, 320);  // network page: next
  ClickAt(wizard, 165, 77);  // the time zone list opens
  Keys({"Escape"});          // and closes again, keeping the focus
  std::vector<std::string> down(16, "Down");  // "(GMT -03:30) Newfoundland"
  down.push_back("Return");                   // Enter in the list is next
  Keys(down);
  ClickAt(wizard, 170, 100);  // the ID
  Type("newcomer7");
  Keys({"Return"});  // the ID check, then its message
  ASSERT_TRUE(WaitUntil([&] { return ServiceOutput().find("IdOverlapCheck 200 code 121") != std::string::npos; }, 10s))
      << ServiceOutput();
  std::this_thread::sleep_for(500ms);
  Keys({"Return"});  // OK on "You can use this ID."
  Type("Pass1234");
  Keys({"Return"});
  Type("Pass1234");
  Keys({"Return"});  // next
  Type("New");
  Keys({"Return", "Return"});  // first name, then past the last name
  Type("new@comer.example");
  ClickAt(wizard, 165, 320);  // next
  ClickAt(wizard, 165, 320);  // finish
  ASSERT_TRUE(WaitUntil([&] { return ServiceOutput().find("member registered: newcomer7") != std::string::npos; }, 10s))
      << ServiceOutput();
  EXPECT_TRUE(std::filesystem::exists(folder.Path() + "config/autostart/velomira.desktop"));

  // The login dialog is back with the new ID; the password is the one typed first.
  ASSERT_TRUE(WaitUntil([&] { return !FindWindow(client, 330, 184).Id.empty(); }, 10s));
  std::this_thread::sleep_for(500ms);
  ClickAt(login, 165, 74);
  Type("Pass1234");
  Keys({"Return"});
  ASSERT_TRUE(WaitUntil([&] { return !FindWindow(client, 290).Id.empty(); }, 20s)) << ServiceOutput();
  EXPECT_NE(ServiceOutput().find("UserLogin 200 code 100"), std::string::npos) << ServiceOutput();
}

}  // namespace
