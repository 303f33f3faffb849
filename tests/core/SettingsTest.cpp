#include <filesystem>

#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;
using testing::ReadBytes;
using test::TempFolder;
using testing::WriteBytes;

namespace fs = std::filesystem;

class SettingsTest : public CoreTest {
 protected:
  TempFolder folder_;
  const std::string& Root() const { return folder_.Path(); }
};

TEST_F(SettingsTest, BuildsAndCreatesTheFolderTree) {
  State().ProgramDir = Root();  // already ends in "/": no second one
  LoadSettingsPaths();
  const ClientState& s = State();
  EXPECT_EQ(s.ProgramDir, Root());
  EXPECT_EQ(s.MainIniPath, Root() + "velomira.Ini");
  EXPECT_EQ(s.ImageDir, Root() + "Image/");
  EXPECT_EQ(s.SkinDir, Root() + "Image/Default/");
  EXPECT_EQ(s.ButtonDir, Root() + "Image/Default/Button/");
  EXPECT_EQ(s.BasicDir, Root() + "Image/Default/Basic/");
  EXPECT_EQ(s.FormDir, Root() + "Image/Default/Form/");
  EXPECT_EQ(s.MediaDir, Root() + "Image/Default/Media/");
  EXPECT_EQ(s.BubbleDir, Root() + "Image/Default/bubble/");
  EXPECT_EQ(s.BannerDir, Root() + "Banner/");
  EXPECT_EQ(s.StationBannerDir, Root() + "Banner/sttn/");
  EXPECT_EQ(s.WaveDir, Root() + "Wave/");
  EXPECT_EQ(s.DataDir, Root() + "Data/");
  EXPECT_EQ(s.TempDir, Root() + "Temp/");
  for (const std::string* dir : {&s.ImageDir, &s.SkinDir, &s.ButtonDir, &s.BasicDir, &s.FormDir, &s.MediaDir,
                                 &s.BannerDir, &s.StationBannerDir, &s.WaveDir, &s.DataDir, &s.TempDir}) {
    EXPECT_TRUE(fs::is_directory(*dir)) << *dir;
  }
  EXPECT_FALSE(fs::exists(s.BubbleDir));  // comes with its skin package
  EXPECT_EQ(s.LocalVersion, 0);
}

TEST_F(SettingsTest, ProgramDirGetsItsTrailingSlash) {
  State().ProgramDir = Root().substr(0, Root().size() - 1);
  LoadSettingsPaths();
  EXPECT_EQ(State().ProgramDir, Root());
  EXPECT_EQ(State().DataDir, Root() + "Data/");
}

TEST_F(SettingsTest, SkinNameMovesOnlyTheSkinFolders) {
  WriteBytes(Root() + "velomira.Ini", "[skin]\r\nname=Blue\r\n[version]\r\nver=105\r\n");
  State().ProgramDir = Root();
  LoadSettingsPaths();
  EXPECT_EQ(State().SkinDir, Root() + "Image/Blue/");
  EXPECT_EQ(State().FormDir, Root() + "Image/Blue/Form/");
  EXPECT_EQ(State().BubbleDir, Root() + "Image/Blue/bubble/");
  EXPECT_EQ(State().BannerDir, Root() + "Banner/");
  EXPECT_EQ(State().TempDir, Root() + "Temp/");
  EXPECT_EQ(State().LocalVersion, 105);
}

TEST_F(SettingsTest, ExistingFoldersAreFoundWhateverTheirCase) {
  fs::create_directories(Root() + "image/default/bubble");
  fs::create_directories(Root() + "DATA");
  State().ProgramDir = Root();
  LoadSettingsPaths();
  EXPECT_EQ(State().SkinDir, Root() + "image/default/");
  EXPECT_EQ(State().ButtonDir, Root() + "image/default/Button/");
  EXPECT_EQ(State().BubbleDir, Root() + "image/default/bubble/");
  EXPECT_EQ(State().DataDir, Root() + "DATA/");
  EXPECT_FALSE(fs::exists(Root() + "Image"));
}

TEST_F(SettingsTest, MissingVersionKeepsTheCurrentValue) {
  State().LocalVersion = 104;
  State().ProgramDir = Root();
  LoadSettingsPaths();
  EXPECT_EQ(State().LocalVersion, 104);
}

TEST_F(SettingsTest, VersionLabels) {
  const std::pair<int, const char*> cases[] = {{105, "version-1.05"}, {123, "version-1.23"}, {7, "version-0.7"},
                                               {0, "version-0.0"},    {42, "version-0.42"},  {1000, ""}};
  for (const auto& [version, label] : cases) EXPECT_EQ(VersionLabel(version), label) << version;
}

TEST_F(SettingsTest, ServiceAddressesComeFromTheMainIni) {
  State().ProgramDir = Root();
  LoadSettingsPaths();
  EXPECT_EQ(ServiceRoot(), "http://127.0.0.1:8470");
  EXPECT_EQ(WebRoot(), "http://127.0.0.1:8470/web");
  WriteBytes(Root() + "velomira.Ini", "[Service]\r\nRoot = http://example.test:81/ \r\nweb=http://example.test/site\r\n");
  EXPECT_EQ(ServiceRoot(), "http://example.test:81");
  EXPECT_EQ(WebRoot(), "http://example.test/site");
}

TEST_F(SettingsTest, LookupFilesRoundTripWithCrLf) {
  const std::string path = Root() + "state.Dat";
  const TextList lines = {"01", "Alabama", "", "last"};
  ASSERT_TRUE(WriteLookupFile(path, lines));
  EXPECT_EQ(ReadBytes(path), "01\r\nAlabama\r\n\r\nlast\r\n");
  EXPECT_EQ(ReadLookupFile(Root() + "State.Dat"), lines);  // the readers' spelling

  WriteBytes(path, "a\nb\r\nc");  // LF, CR LF and no final line end
  EXPECT_EQ(ReadLookupFile(path), (TextList{"a", "b", "c"}));
  EXPECT_TRUE(ReadLookupFile(Root() + "absent.Dat").empty());
}

class CategoryFilesTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    State().ProgramDir = Root();
    LoadSettingsPaths();
  }
};

TEST_F(CategoryFilesTest, DatFilesFillCodesAndNamesInPairs) {
  WriteLookupFile(State().DataDir + "News.Dat", {"n1", "World", "n2", "Local"});
  WriteBytes(State().DataDir + "money.dat", "m1\nStocks\nm2");  // odd count: the last code has no name
  ReadCategoryDatFiles(true);
  const auto lists = State().SubCategories.Get();
  EXPECT_EQ(lists->Codes[0], (TextList{"n1", "n2"}));
  EXPECT_EQ(lists->Names[0], (TextList{"World", "Local"}));
  EXPECT_EQ(lists->Codes[1], (TextList{"m1", "m2"}));
  EXPECT_EQ(lists->Names[1], (TextList{"Stocks"}));
  EXPECT_TRUE(lists->Codes[8].empty());

  // Re-reading after the refresh rewrote the files replaces the lists as a whole;
  // an earlier snapshot stays as it was.
  fs::remove(State().DataDir + "money.dat");
  ReadCategoryDatFiles(false);
  EXPECT_TRUE(State().SubCategories.Get()->Codes[1].empty());
  EXPECT_EQ(lists->Codes[1].size(), 2u);
}

TEST_F(CategoryFilesTest, UrlFilesFillOneListPerCategory) {
  WriteLookupFile(State().DataDir + "ChatUrl.Dat", {"host/a", "host/b"});
  WriteLookupFile(State().DataDir + "EnterUrl.Dat", {"host/e"});
  ReadCategoryUrlFiles(true);
  const auto urls = State().CategoryUrlLists.Get();
  EXPECT_EQ((*urls)[8], (TextList{"host/a", "host/b"}));
  EXPECT_EQ((*urls)[4], (TextList{"host/e"}));
  EXPECT_TRUE((*urls)[0].empty());
}

TEST_F(CoreTest, CategoryTableAndChoiceLists) {
  const std::pair<const char*, int> words[] = {{"News", 1}, {"Money", 6}, {"Sports", 5}, {"Music", 2}, {"Enter", 3},
                                               {"Life", 4}, {"Tech", 7},  {"Sex", 8},    {"Chat", 9}};
  for (int i = 0; i < CategoryCount; ++i) {
    EXPECT_STREQ(CategoryTable[i].Word, words[i].first);
    EXPECT_EQ(CategoryTable[i].ServiceCode, words[i].second);
  }
  EXPECT_STREQ(CategoryTable[7].DisplayName, "Mars & Venus");
  EXPECT_STREQ(CategoryTable[3].Description,
               "Experience today's most popular tunes and yesterdau's classics at Velomira Music.Whatever musical "
               "genre you prefer, change are, Velomira has it.");

  BuildCategoryChoiceLists();
  ASSERT_EQ(State().AllCategoriesChoices.size(), 10u);
  EXPECT_EQ(State().AllCategoriesChoices[0], "All Categories");
  EXPECT_EQ(State().SelectCategoryChoices[0], "Select Category");
  EXPECT_EQ(State().SelectCategoryChoices[5], "Entertainment");
  EXPECT_EQ(State().AllCategoriesChoices[9], "Chat Event");
}

}  // namespace
}  // namespace velomira
