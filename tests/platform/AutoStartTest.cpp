// The autostart entry under a temporary configuration folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "AutoStart.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class AutoStartTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetState(); }
  TempFolder config_;
  ScopedEnv env_{"XDG_CONFIG_HOME", config_.Dir().c_str()};
};

TEST_F(AutoStartTest, WriteQueryRemove) {
  State().ProgramDir = "/opt/velomira/";
  const std::string entry = config_.Dir() + "/autostart/velomira.desktop";
  EXPECT_EQ(AutoStartEntryPath(), entry);
  EXPECT_FALSE(AutoStartEntryExists());

  ASSERT_TRUE(WriteAutoStartEntry());  // creates the autostart folder too
  EXPECT_TRUE(AutoStartEntryExists());
  const std::string text = ReadWholeFile(entry);
  EXPECT_THAT(text, ::testing::StartsWith("[Desktop Entry]\n"));
  EXPECT_THAT(text, ::testing::HasSubstr("\nType=Application\n"));
  EXPECT_THAT(text, ::testing::HasSubstr("\nExec=\"/opt/velomira/Velomira\"\n"));

  ASSERT_TRUE(WriteAutoStartEntry());  // writing again replaces, never appends
  EXPECT_EQ(ReadWholeFile(entry), text);

  EXPECT_TRUE(RemoveAutoStartEntry());
  EXPECT_FALSE(AutoStartEntryExists());
  EXPECT_TRUE(RemoveAutoStartEntry());  // nothing to remove is no failure
}

TEST_F(AutoStartTest, AnInstalledCopyStartsThroughThePackagesCommand) {
  State().ProgramDir = "/usr/lib/velomira/";
  State().WritableDir = "/home/member/.local/share/velomira/";  // the program folder was read-only
  ASSERT_TRUE(WriteAutoStartEntry());
  EXPECT_THAT(ReadWholeFile(AutoStartEntryPath()), ::testing::HasSubstr("\nExec=\"/usr/bin/velomira\"\n"));
  State().WritableDir = State().ProgramDir;
  EXPECT_EQ(AutoStartCommand(), "/usr/lib/velomira/Velomira");
}

TEST_F(AutoStartTest, UnwritableFolderIsReported) {
  std::ofstream(config_.Dir() + "/autostart") << "a file where the folder belongs";
  EXPECT_FALSE(WriteAutoStartEntry());
  EXPECT_FALSE(AutoStartEntryExists());
}

TEST(AutoStartPathTest, RelativeOrMissingConfigHomeFallsBackToHomeConfig) {
  ScopedEnv home("HOME", "/home/member");
  for (const char* config : {static_cast<const char*>(nullptr), "", "relative/config"}) {
    ScopedEnv env("XDG_CONFIG_HOME", config);
    EXPECT_EQ(AutoStartEntryPath(), "/home/member/.config/autostart/velomira.desktop");
  }
}

TEST(AutoStartQuoteTest, ExecArgumentsAreQuotedAndEscaped) {
  const struct {
    std::string path, exec;
  } cases[] = {
      {"/opt/velomira/Velomira", R"("/opt/velomira/Velomira")"},
      {"/home/a b/Velomira", R"("/home/a b/Velomira")"},
      {"/x/\"q\"/V", R"("/x/\\"q\\"/V")"},   // \" in Exec, its backslash doubled in the file
      {"/x/$HOME/V", R"("/x/\\$HOME/V")"},
      {"/x/`id`/V", R"("/x/\\`id\\`/V")"},
      {"/x/back\\slash/V", R"("/x/back\\\\slash/V")"},
      {"/x/100%/V", R"("/x/100%%/V")"},
      {"/x/;&|<>*?'/V", R"("/x/;&|<>*?'/V")"},
      {"/x/new\nline/V", R"("/x/new\nline/V")"},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteDesktopExecArgument(c.path), c.exec) << c.path;
}

}  // namespace
}  // namespace velomira::test
