// Runs the built launcher from a scratch installation with a stand-in main program.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using velomira::test::TempFolder;

namespace {

bool WaitForFile(const TempFolder& folder, const std::string& name) {
  for (int i = 0; i < 200 && !folder.Exists(name); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return folder.Exists(name);
}

int RunProgram(const std::string& program) {
  pid_t child = ::fork();
  if (child == 0) {
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A stand-in main program that records its arguments.
constexpr const char* RecordingProgram =
    "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/arguments.tmp\"\n"
    "mv \"$(dirname \"$0\")/arguments.tmp\" \"$(dirname \"$0\")/arguments\"\n";

TEST(LauncherProgram, SwapsTheUpdateThenStartsMainProgramWithItsArgument) {
  TempFolder folder;
  std::filesystem::copy_file(VELOMIRA_LAUNCHER_PATH, folder.Path() + "Velomira");
  folder.Write("VelomiraMain", "#!/bin/sh\nexit 1\n", 0755);
  folder.Write("Temp/VelomiraMain", RecordingProgram, 0755);
  folder.Write("Temp/VelomiraMain.zip", "zip");

  EXPECT_EQ(RunProgram(folder.Path() + "Velomira"), 0);
  ASSERT_TRUE(WaitForFile(folder, "arguments"));
  EXPECT_EQ(folder.Read("arguments"), "/Velomira|");
  EXPECT_FALSE(folder.Exists("Temp/VelomiraMain"));
  EXPECT_FALSE(folder.Exists("Temp/VelomiraMain.zip"));
}

TEST(LauncherProgram, EndsEvenWithoutMainProgram) {
  TempFolder folder;
  std::filesystem::copy_file(VELOMIRA_LAUNCHER_PATH, folder.Path() + "Velomira");
  EXPECT_EQ(RunProgram(folder.Path() + "Velomira"), 0);
}

}  // namespace
