#include "Replace.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using velomira::launcher::CopyExclusive;
using velomira::launcher::ReplaceMainProgram;
using velomira::test::TempFolder;

namespace {

// The files as the client leaves them on disk.
constexpr const char* Installed = "VelomiraMain";
constexpr const char* Backup = "Velomiramain.Bak";
constexpr const char* Staged = "Temp/VelomiraMain";
constexpr const char* Package = "Temp/VelomiraMain.zip";

class ReplaceTest : public testing::Test {
 protected:
  void StageUpdate() {
    folder.Write(Installed, "old program", 0755);
    folder.Write(Staged, "new program", 0755);
    folder.Write(Package, "zip");
  }
  TempFolder folder;
};

TEST_F(ReplaceTest, WithoutStagedProgramNothingChanges) {
  folder.Write(Installed, "old program", 0755);
  folder.Write(Package, "zip");
  ReplaceMainProgram(folder.Path());
  EXPECT_EQ(folder.Read(Installed), "old program");
  EXPECT_FALSE(folder.Exists(Backup));
  EXPECT_TRUE(folder.Exists(Package));
}

TEST_F(ReplaceTest, SuccessfulSwapLeavesNoStagedFilesAndKeepsExecuteBit) {
  StageUpdate();
  ReplaceMainProgram(folder.Path());
  EXPECT_EQ(folder.Read(Installed), "new program");
  EXPECT_EQ(folder.Mode(Installed), 0755u);
  EXPECT_FALSE(folder.Exists(Backup));
  EXPECT_FALSE(folder.Exists(Staged));
  EXPECT_FALSE(folder.Exists(Package));
}

TEST_F(ReplaceTest, LeftoverBackupDoesNotStopTheSwap) {
  StageUpdate();
  folder.Write(Backup, "older backup", 0755);
  ReplaceMainProgram(folder.Path());
  EXPECT_EQ(folder.Read(Installed), "new program");
  EXPECT_FALSE(folder.Exists(Backup));
  EXPECT_FALSE(folder.Exists(Staged));
}

TEST_F(ReplaceTest, NamesMatchInAnyLetterCase) {
  folder.Write("velomiramain", "old program", 0755);
  folder.Write("TEMP/VELOMIRAMAIN", "new program", 0755);
  folder.Write("TEMP/velomiramain.ZIP", "zip");
  ReplaceMainProgram(folder.Path());
  EXPECT_EQ(folder.Read("velomiramain"), "new program");
  EXPECT_FALSE(folder.Exists("VelomiraMain"));
  EXPECT_FALSE(folder.Exists("TEMP/VELOMIRAMAIN"));
  EXPECT_FALSE(folder.Exists("TEMP/velomiramain.ZIP"));
}

TEST_F(ReplaceTest, MissingInstalledProgramIsCreatedUnderItsOwnName) {
  folder.Write(Staged, "new program", 0755);
  ReplaceMainProgram(folder.Path());
  EXPECT_EQ(folder.Read(Installed), "new program");
}

// The copy seam fails the chosen step, as a full disk or a locked file would.
velomira::launcher::CopyFunction FailingCopyFrom(const std::string& failingSource) {
  return [failingSource](const std::string& from, const std::string& to) {
    if (from == failingSource) return false;
    return CopyExclusive(from, to);
  };
}

TEST_F(ReplaceTest, FailedCopyRollsBackAndKeepsTheUpdateForNextStart) {
  StageUpdate();
  ReplaceMainProgram(folder.Path(), FailingCopyFrom(folder.Path() + Staged));
  EXPECT_EQ(folder.Read(Installed), "old program");
  EXPECT_EQ(folder.Mode(Installed), 0755u);
  EXPECT_FALSE(folder.Exists(Backup));
  EXPECT_TRUE(folder.Exists(Staged));
  EXPECT_TRUE(folder.Exists(Package));
}

TEST_F(ReplaceTest, InstalledProgramSurvivesWhenNoBackupCouldBeMade) {
  StageUpdate();
  ReplaceMainProgram(folder.Path(), FailingCopyFrom(folder.Path() + Installed));
  EXPECT_EQ(folder.Read(Installed), "old program");
  EXPECT_TRUE(folder.Exists(Staged));
}

TEST_F(ReplaceTest, BackupStaysWhenTheRollBackFails) {
  StageUpdate();
  auto copy = [calls = 0](const std::string& from, const std::string& to) mutable {
    return ++calls == 1 && CopyExclusive(from, to);  // only the backup succeeds
  };
  ReplaceMainProgram(folder.Path(), copy);
  EXPECT_FALSE(folder.Exists(Installed));
  EXPECT_EQ(folder.Read(Backup), "old program");
}

TEST(CopyExclusive, FailsOnExistingTargetAndKeepsPermissions) {
  TempFolder folder;
  folder.Write("source", "data", 0750);
  folder.Write("taken", "keep");
  EXPECT_FALSE(CopyExclusive(folder.Path() + "source", folder.Path() + "taken"));
  EXPECT_EQ(folder.Read("taken"), "keep");
  ASSERT_TRUE(CopyExclusive(folder.Path() + "source", folder.Path() + "copy"));
  EXPECT_EQ(folder.Read("copy"), "data");
  EXPECT_EQ(folder.Mode("copy"), 0750u);
  EXPECT_FALSE(CopyExclusive(folder.Path() + "missing", folder.Path() + "other"));
  EXPECT_FALSE(folder.Exists("other"));
}

}  // namespace
