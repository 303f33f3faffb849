// Finding the browser and opening a page: the address arrives as exactly one argument,
// whatever it holds, and nothing is left behind to reap.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "Browser.h"
#include "Process.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

TEST(DetectBrowserTest, BrowserVariableElseXdgOpen) {
  const struct {
    const char* browser;
    const char* command;
  } cases[] = {
      {nullptr, "xdg-open"},
      {"", "xdg-open"},
      {"firefox", "firefox"},
      {"/opt/browser/bin/browse", "/opt/browser/bin/browse"},
      {"chromium:firefox:lynx", "chromium"},
      {":firefox", "firefox"},
      {":", "xdg-open"},
  };
  for (const auto& c : cases) {
    ScopedEnv env("BROWSER", c.browser);
    State().BrowserCommand = "stale";
    DetectBrowser();
    EXPECT_EQ(State().BrowserCommand, c.command) << (c.browser ? c.browser : "(unset)");
  }
}

// A browser stand-in that writes its arguments, each ended by a NUL byte, to a file
// beside itself once it has them all.
class FakeBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script_ = folder_.Dir() + "/browser";
    std::ofstream(script_) << "#!/bin/sh\n"
                              "out=\"$(dirname \"$0\")/arguments\"\n"
                              "printf '%s\\0' \"$@\" > \"$out.tmp\"\n"
                              "mv \"$out.tmp\" \"$out\"\n";
    ASSERT_EQ(chmod(script_.c_str(), 0755), 0);
  }

  // The recorded arguments; waits up to five seconds for the script to run.
  std::vector<std::string> RecordedArguments() const {
    const std::string path = folder_.Dir() + "/arguments";
    for (int i = 0; i < 250 && !std::filesystem::exists(path); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> arguments;
    std::string argument;
    while (std::getline(file, argument, '\0')) arguments.push_back(argument);
    return arguments;
  }

  TempFolder folder_;
  std::string script_;
};

TEST_F(FakeBrowserTest, AddressIsOneArgumentAndNeverSeenByAShell) {
  const std::string marker = folder_.Dir() + "/shell-ran";
  const std::string address = "http://127.0.0.1/help/support.htm?a=b c&d=\"e\"&f='g';touch " + marker +
                              ";$(touch " + marker + ")`touch " + marker + "`|x>y*";
  ScopedEnv env("BROWSER", script_.c_str());
  DetectBrowser();

  OpenWebPage(address);

  EXPECT_EQ(RecordedArguments(), std::vector<std::string>{address});
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(FakeBrowserTest, OpenWebPageReturnsAtOnceAndLeavesNoChildToReap) {
  // A browser that stays open (and lets go of the test's output).
  std::ofstream(script_, std::ios::app) << "echo $$ > \"$out.pid\"\nexec sleep 30 >/dev/null 2>&1\n";
  State().BrowserCommand = script_;
  const auto started = std::chrono::steady_clock::now();

  OpenWebPage("http://127.0.0.1/");

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_EQ(RecordedArguments(), std::vector<std::string>{"http://127.0.0.1/"});
  // The started program is not our child: no zombie and nothing to wait for.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  pid_t browser = 0;
  std::ifstream(folder_.Dir() + "/arguments.pid") >> browser;
  if (browser > 0) kill(browser, SIGKILL);
}

TEST_F(FakeBrowserTest, StartDetachedFindsProgramsInPathAndReportsMissingOnes) {
  const std::string searchPath = folder_.Dir() + ":" + getenv("PATH");
  ScopedEnv path("PATH", searchPath.c_str());
  EXPECT_TRUE(StartDetached("browser", {"one", "two words", ""}));
  EXPECT_EQ(RecordedArguments(), (std::vector<std::string>{"one", "two words", ""}));

  EXPECT_FALSE(StartDetached("no-such-program", {}));
  EXPECT_FALSE(StartDetached(folder_.Dir() + "/no-such-program", {}));
  EXPECT_FALSE(StartDetached("", {}));
  std::ofstream(folder_.Dir() + "/not-executable") << "#!/bin/sh\n";
  EXPECT_FALSE(StartDetached("not-executable", {}));
  EXPECT_FALSE(StartDetached(folder_.Dir(), {}));  // a folder
}

TEST_F(FakeBrowserTest, ProgramThatCannotBeExecutedIsReported) {
  const std::string broken = folder_.Dir() + "/broken";
  std::ofstream(broken) << "#!/no/such/interpreter\n";
  ASSERT_EQ(chmod(broken.c_str(), 0755), 0);
  EXPECT_FALSE(StartDetached(broken, {}));
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

}  // namespace
}  // namespace velomira::test
