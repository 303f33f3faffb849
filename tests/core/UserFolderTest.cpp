// An installed copy (a program folder the member may not write) keeps everything it
// writes in the per-user folder and reads pictures and sounds there first.
#include <filesystem>

#include "CoreTestSupport.h"
#include "support/ScopedEnv.h"

namespace velomira {
namespace {

using testing::CoreTest;
using testing::ReadBytes;
using test::ScopedEnv;
using test::TempFolder;
using testing::WriteBytes;

namespace fs = std::filesystem;

bool NeverWritable(const std::string&) { return false; }

class UserFolderTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    WriteBytes(Program() + "velomira.Ini", "[SERVICE]\r\nROOT=http://installed.test\r\n[VERSION]\r\nVER=105\r\n");
    State().ProgramDir = Program();
  }
  void TearDown() override {
    SetWritableCheck(nullptr);
    CoreTest::TearDown();
  }

  // Runs the start's folder set-up as an installed copy would.
  void StartInstalled() {
    SetWritableCheck(NeverWritable);
    LoadSettingsPaths();
  }

  std::string Program() const { return program_.Path(); }
  std::string Own() const { return home_.Path() + "velomira/"; }

  TempFolder program_, home_;
  ScopedEnv dataHome_{"XDG_DATA_HOME", home_.Dir().c_str()};
};

TEST_F(UserFolderTest, AWritableProgramFolderKeepsEverything) {
  LoadSettingsPaths();
  EXPECT_EQ(State().WritableDir, Program());
  EXPECT_EQ(State().DataDir, Program() + "Data/");
  EXPECT_FALSE(ProgramFolderReadOnly());
  EXPECT_FALSE(fs::exists(Own()));
}

TEST_F(UserFolderTest, AReadOnlyProgramFolderWritesIntoAnOwnerOnlyPerUserFolder) {
  StartInstalled();
  const ClientState& s = State();
  EXPECT_TRUE(ProgramFolderReadOnly());
  EXPECT_EQ(s.ProgramDir, Program());
  EXPECT_EQ(s.WritableDir, Own());
  EXPECT_EQ(fs::status(Own()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_EQ(s.MainIniPath, Own() + "velomira.Ini");
  EXPECT_EQ(ServiceRoot(), "http://installed.test");
  for (const std::string* dir : {&s.ImageDir, &s.SkinDir, &s.ButtonDir, &s.BasicDir, &s.FormDir, &s.MediaDir,
                                 &s.BannerDir, &s.StationBannerDir, &s.WaveDir, &s.DataDir, &s.TempDir}) {
    EXPECT_EQ(dir->rfind(Own(), 0), 0u) << *dir;
    EXPECT_TRUE(fs::is_directory(*dir)) << *dir;
  }
  EXPECT_EQ(SettingsFolder() + "user.ini", Own() + "user.ini");
  // Nothing was made in the program folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(Program()), fs::directory_iterator()), 1);
}

TEST_F(UserFolderTest, TheMembersSettingsAreCopiedOnceAndFollowOnlyTheInstalledVersion) {
  StartInstalled();
  IniFile(State().MainIniPath).WriteString("SERVICE", "ROOT", "http://own.test");
  WriteBytes(Program() + "velomira.Ini", "[SERVICE]\r\nROOT=http://upgraded.test\r\n[VERSION]\r\nVER=106\r\n");
  ResetState();
  State().ProgramDir = Program();
  StartInstalled();
  EXPECT_EQ(ServiceRoot(), "http://own.test");  // an edited copy is never overwritten
  EXPECT_EQ(State().LocalVersion, 106);          // but the version is the installed program's
  EXPECT_EQ(ReadBytes(Program() + "velomira.Ini").find("own.test"), std::string::npos);
}

TEST_F(UserFolderTest, PicturesAndSoundsAreReadFromThePerUserFolderFirst) {
  WriteBytes(Program() + "Image/Default/Form/Main.gif", "installed main");
  WriteBytes(Program() + "Image/Default/Form/Back.gif", "installed back");
  WriteBytes(Program() + "Image/Default/bubble/a1.gif", "installed bubble");
  WriteBytes(Program() + "Wave/waveMain.wav", "installed sound");
  StartInstalled();
  WriteBytes(State().FormDir + "Main.gif", "skin package main");
  const ClientState& s = State();
  struct Case {
    std::string asked, found;
  };
  const Case cases[] = {
      {s.FormDir + "Main.gif", s.FormDir + "Main.gif"},  // the member's skin wins
      {s.FormDir + "back.GIF", Program() + "Image/Default/Form/Back.gif"},  // missing: the installed one
      {s.BubbleDir + "A1.gif", Program() + "Image/Default/bubble/a1.gif"},  // the folder only comes installed
      {s.WaveDir + "waveMain.wav", Program() + "Wave/waveMain.wav"},
      {s.FormDir + "absent.gif", s.FormDir + "absent.gif"},  // in neither: the per-user path
  };
  for (const Case& c : cases) EXPECT_EQ(FindReadable(c.asked), c.found) << c.asked;
}

TEST_F(UserFolderTest, AWritableProgramFolderReadsOnlyItself) {
  WriteBytes(Own() + "Image/Default/Form/Main.gif", "stray per-user picture");
  LoadSettingsPaths();
  EXPECT_EQ(FindReadable(State().FormDir + "Main.gif"), State().FormDir + "Main.gif");
}

}  // namespace
}  // namespace velomira
