#include <filesystem>

#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;
using test::TempFolder;
using testing::WriteBytes;

TEST_F(CoreTest, ResolvesEveryComponentCaseInsensitively) {
  TempFolder folder;
  const std::string root = folder.Path();
  WriteBytes(root + "Image/Default/Button/News.gif", "GIF");
  WriteBytes(root + "Data/News.Dat", "x");
  WriteBytes(root + "Data/news.dat", "exact");

  EXPECT_EQ(ResolvePathCase(root + "image/default/button/NEWS.GIF"), root + "Image/Default/Button/News.gif");
  EXPECT_EQ(ResolvePathCase(root + "IMAGE/DEFAULT/"), root + "Image/Default/");
  // The exact name wins over another spelling.
  EXPECT_EQ(ResolvePathCase(root + "Data/news.dat"), root + "Data/news.dat");
  // Nothing matches: the path as given.
  EXPECT_EQ(ResolvePathCase(root + "image/missing/x.gif"), root + "image/missing/x.gif");
  EXPECT_EQ(ResolvePathCase(""), "");

  EXPECT_TRUE(FileExistsAnyCase(root + "IMAGE/default/button/news.GIF"));
  EXPECT_FALSE(FileExistsAnyCase(root + "image/default"));  // a folder is not a file
  EXPECT_FALSE(FileExistsAnyCase(root + "image/default/button/other.gif"));

  EXPECT_EQ(ResolvePathForWrite(root + "data/NEW.dat"), root + "Data/NEW.dat");
  EXPECT_EQ(ResolvePathForWrite(root + "DATA/NEWS.DAT"), root + "Data/News.Dat");
}

}  // namespace
}  // namespace velomira
