#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "ZipBuilder.h"
#include "core/dFunc.h"

using velomira::ExtractAll;
using velomira::test::TempFolder;

namespace {

class ExtractAllTest : public testing::Test {
 protected:
  std::string Zip() const { return scratch.Path() + "package.zip"; }
  std::string Target() const { return scratch.Path() + "target/"; }
  bool Extract() const { return ExtractAll(Zip(), Target()); }
  TempFolder scratch;
};

TEST_F(ExtractAllTest, UnpacksFilesAndFoldersKeepingTheExecuteBit) {
  ZipBuilder(Zip())
      .File("News.gif", "gif")
      .Folder("inner/")
      .File("inner/deeper/Main.gif", "main")
      .File("VelomiraMain", "program", 0755)
      .File("./dot/file", "dot");
  ASSERT_TRUE(Extract());
  EXPECT_EQ(scratch.Read("target/News.gif"), "gif");
  // A second run replaces the files and leaves no staging names behind.
  ASSERT_TRUE(Extract());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Target()), {}), 4);
  EXPECT_EQ(scratch.Read("target/inner/deeper/Main.gif"), "main");
  EXPECT_EQ(scratch.Read("target/dot/file"), "dot");
  EXPECT_EQ(scratch.Read("target/VelomiraMain"), "program");
  EXPECT_EQ(scratch.Mode("target/VelomiraMain"), 0755u);
  EXPECT_EQ(scratch.Mode("target/News.gif"), 0644u);
}

TEST_F(ExtractAllTest, SkipsNamesThatLeaveTheFolder) {
  ZipBuilder(Zip())
      .File("../escaped", "x")
      .File("inner/../../escaped2", "x")
      .File("/tmp/velomira-absolute-entry", "x")
      .File("a\\b", "x")
      .File("c:d", "x")
      .File("kept.gif", "kept");
  ASSERT_TRUE(Extract());
  EXPECT_FALSE(scratch.Exists("escaped"));
  EXPECT_FALSE(scratch.Exists("escaped2"));
  EXPECT_FALSE(std::filesystem::exists("/tmp/velomira-absolute-entry"));
  EXPECT_FALSE(scratch.Exists("target/a\\b"));
  EXPECT_FALSE(scratch.Exists("target/c:d"));
  EXPECT_EQ(scratch.Read("target/kept.gif"), "kept");
  // Only the safe entry was written.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Target()), {}), 1);
}

TEST_F(ExtractAllTest, NeverWritesThroughLinks) {
  std::filesystem::create_directories(scratch.Path() + "outside");
  std::filesystem::create_directories(Target());
  // A link already in the target folder, to a folder and to a file outside it.
  std::filesystem::create_directory_symlink(scratch.Path() + "outside", Target() + "linked");
  scratch.Write("outside/victim", "untouched");
  std::filesystem::create_symlink(scratch.Path() + "outside/victim", Target() + "file-link");
  ZipBuilder(Zip())
      .Link("evil", scratch.Path() + "outside")  // a link entry...
      .File("evil/planted", "x")                  // ...and a file through it
      .File("linked/planted", "x")
      .File("file-link", "overwritten")
      .File("safe", "ok");
  ASSERT_TRUE(Extract());
  // The file lands in a real folder of that name inside the target.
  EXPECT_FALSE(std::filesystem::is_symlink(Target() + "evil"));
  EXPECT_EQ(scratch.Read("target/evil/planted"), "x");
  // The archive's file replaces the link itself.
  EXPECT_FALSE(std::filesystem::is_symlink(Target() + "file-link"));
  EXPECT_EQ(scratch.Read("target/file-link"), "overwritten");
  EXPECT_FALSE(scratch.Exists("outside/planted"));
  EXPECT_EQ(scratch.Read("outside/victim"), "untouched");
  EXPECT_EQ(scratch.Read("target/safe"), "ok");
}

TEST_F(ExtractAllTest, BrokenEntryLeavesNoFileUnderItsName) {
  ZipBuilder(Zip()).File("first.gif", "fine").StoredFile("VelomiraMain", "program-bytes", 0755);
  std::string raw = scratch.Read("package.zip");
  raw.replace(raw.find("program-bytes"), 13, "PROGRAM-BYTES");  // fails its checksum
  scratch.Write("package.zip", raw);
  EXPECT_FALSE(Extract());
  EXPECT_EQ(scratch.Read("target/first.gif"), "fine");
  EXPECT_FALSE(scratch.Exists("target/VelomiraMain"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Target()), {}), 1);
}

TEST_F(ExtractAllTest, StopsAndCleansUpWhenTheArchiveExpandsTooFar) {
  const velomira::ExtractLimits small{.MaxTotalBytes = 64 * 1024, .RatioCheckedAbove = 16 * 1024, .MaxRatio = 200};
  std::string varied;  // compresses poorly
  for (int i = 0; varied.size() < 30 * 1024; ++i) varied += std::to_string(i * 7919 % 104729) + ",";
  struct LimitCase {
    const char* name;
    std::string bulky;
  };
  const LimitCase cases[] = {
      {"ratio of one entry", std::string(20 * 1024, '\0')},
      {"total of the entries", varied + varied + varied},
  };
  for (const LimitCase& c : cases) {
    std::filesystem::remove_all(Target());
    ZipBuilder(Zip()).File("first.gif", "fine").Folder("inner/").File("inner/deep/bulky", c.bulky);
    EXPECT_FALSE(ExtractAll(Zip(), Target(), small)) << c.name;
    EXPECT_TRUE(std::filesystem::is_empty(Target())) << c.name;
  }
  // Small entries may compress as well as they like; well-behaved archives still unpack.
  ZipBuilder(Zip()).File("zeros", std::string(16 * 1024, '\0')).File("a", varied);
  EXPECT_TRUE(ExtractAll(Zip(), Target(), small));
  EXPECT_TRUE(scratch.Read("target/a") == varied);

  // The real limits: a 2 MB entry of zeros packs to a few kilobytes.
  std::filesystem::remove_all(Target());
  ZipBuilder(Zip()).File("bomb", std::string(2 * 1024 * 1024, '\0'));
  EXPECT_FALSE(Extract());
  EXPECT_TRUE(std::filesystem::is_empty(Target()));
}

TEST_F(ExtractAllTest, ReportsAnUnreadableArchive) {
  scratch.Write("package.zip", "this is no zip file");
  EXPECT_FALSE(Extract());
  EXPECT_FALSE(ExtractAll(scratch.Path() + "missing.zip", Target()));
}

}  // namespace
