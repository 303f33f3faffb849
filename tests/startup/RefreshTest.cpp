// The background refresh against a test service with canned replies.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <regex>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>
#include <sodium.h>
#include <sys/mount.h>

#include "TDownLoad.h"
#include "ZipBuilder.h"
#include "core/dFunc.h"
#include "support/CannedService.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

using namespace velomira;
using velomira::test::CannedService;
using velomira::test::TempFolder;

namespace {

std::string Fields(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) text += (text.empty() ? "" : "\x01") + field;
  return text;
}
std::string Records(std::initializer_list<std::string> records) {
  std::string text;
  for (const std::string& record : records) text += record + "\x02";
  return text;
}

const std::string Servlet = "/servlet/servlet.";
const std::string PackagePath = "/down/app/VelomiraMain.zip";
const std::string SignaturePath = PackagePath + ".sig";

// An Ed25519 key pair standing in for the service's update signing key.
struct SigningKeys {
  unsigned char Public[crypto_sign_PUBLICKEYBYTES];
  unsigned char Secret[crypto_sign_SECRETKEYBYTES];

  SigningKeys() {
    if (sodium_init() < 0) throw std::runtime_error("libsodium");
    crypto_sign_keypair(Public, Secret);
  }
  std::string PublicHex() const {
    char hex[2 * crypto_sign_PUBLICKEYBYTES + 1];
    return sodium_bin2hex(hex, sizeof hex, Public, sizeof Public);
  }
  std::string Sign(const std::string& bytes) const {
    std::string signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), Secret);
    return signature;
  }
};

// A 256 KiB tmpfs over a folder while it lives; needs the right to mount (root in CI).
class SmallDisk {
 public:
  explicit SmallDisk(const std::string& folder) : folder_(folder) {
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  std::uintmax_t FreeBytes() const { return std::filesystem::space(folder_).available; }

 private:
  std::string folder_;
  bool mounted_ = false;
};

// Raised on the service's thread, awaited on the test's.
class Signal {
 public:
  void Raise() {
    {
      std::lock_guard lock(mutex_);
      raised_ = true;
    }
    changed_.notify_all();
  }
  bool Wait() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return raised_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool raised_ = false;
};

class RefreshTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    WriteSettings();
    CannedReplies();
  }

  void WriteSettings() {
    folder.Write("velomira.Ini", "[SERVICE]\r\nROOT=" + service.Root() + "\r\n[VERSION]\r\nVER=105\r\n");
    State().ProgramDir = folder.Path();
    State().MemberId = "demo";
    LoadSettingsPaths();
    IniFile(State().MainIniPath).WriteString("UPDATE", "KEY", keys.PublicHex());
  }

  // Announces version 106 with this package and signature (none: no signature served).
  void OfferUpdate(const std::string& package, const std::optional<std::string>& signature) {
    service.Reply(Servlet + "a_var", Fields({"12", "7", "30", "106", "3", "4"}));
    service.Reply(PackagePath, package);
    if (signature)
      service.Reply(SignaturePath, *signature);
    else
      service.Forget(SignaturePath);
  }

  std::string ProgramPackage() const {
    ZipBuilder(folder.Path() + "package.zip").File("VelomiraMain", "new program", 0755).Close();
    return folder.Read("package.zip");
  }

  int RecordedVersion() const { return IniFile(State().MainIniPath).ReadInteger("VERSION", "VER", 0); }

  void CannedReplies() {
    service.Reply(Servlet + "a_SubCtgr",
                  Records({Fields({"1", "World", "2", "Local"}), Fields({"1", "Stocks"})}));
    service.Reply(Servlet + "a_SttnCtgr", Records({Fields({"c1", "Talk"}), Fields({"c2", "Jazz"})}));
    service.Reply(Servlet + "a_State", Records({Fields({"s1", "Ohio"})}));
    service.Reply(Servlet + "a_911", Records({Fields({"http://h/1", "Fire", "fire"}),
                                              Fields({"http://h/2", "Flood", "flood"})}));
    service.Reply(Servlet + "a_var", Fields({"12", "7", "30", "105", "3", "4"}));
    service.Reply(Servlet + "a_front_url", "http://n/1\r\nhttp://n/2\r\n\r\nhttp://m/1\r\n");
    service.Reply(Servlet + "a_icon", Fields({"icon01.gif", "icon02.gif", "../evil.gif",
                                              "a\\b.gif", "..", "", "icon03.gif"}));
    service.Reply(Servlet + "a_SttnBnnr", Records({Fields({"sttn01.gif", "x", "st1"}),
                                                   Fields({"sub/sttn02.gif", "x", "st2"})}));
    service.Reply(Servlet + "bannerList",
                  Records({Fields({"banner01.gif", "a", "1m", "1:2", "http://b/1"}),
                           Fields({"banner02.gif", "p", "2", "2:1 1:1", "http://b/2"}),
                           Fields({"..", "a", "1", "", ""})}));
    service.Reply(Servlet + "PresetList",
                  std::string(32, ' ').replace(0, 3, "100") +
                      Records({Fields({"p1", "", "", "200112311330", "", "Morning", "http://p/1"})}));
    for (const char* picture : {"icon/icon01.gif", "icon/icon02.gif", "icon/icon03.gif",
                                "banner/sttn/sttn01.gif", "banner/banner01.gif", "banner/banner02.gif"})
      service.Reply(std::string("/down/img/") + picture, std::string("GIF89a ") + picture);
  }

  void RunRefresh() {
    TDownLoad refresh;
    refresh.Join();
  }

  std::string Data(const std::string& name) const { return folder.Read("Data/" + name); }

  CannedService service;
  TempFolder folder;
  SigningKeys keys;
};

TEST_F(RefreshTest, WritesLookupFilesAndPublishesLists) {
  RunRefresh();
  const ClientState& state = State();
  EXPECT_EQ(Data("News.Dat"), "1\r\nWorld\r\n2\r\nLocal\r\n");
  EXPECT_EQ(Data("Money.Dat"), "1\r\nStocks\r\n");
  EXPECT_EQ(state.SubCategories.Get()->Names[0], (TextList{"World", "Local"}));
  EXPECT_EQ(Data("state_cate.Dat"), "c1\r\nTalk\r\nc2\r\nJazz\r\n");
  EXPECT_EQ(Data("state.Dat"), "s1\r\nOhio\r\n");
  EXPECT_EQ(Data("911.Dat"), "http://h/1\r\nFire\r\nfire\r\nhttp://h/2\r\nFlood\r\nflood\r\n");
  EXPECT_EQ(*state.EmergencyNames.Get(), (TextList{"fire", "flood"}));
  {
    std::lock_guard lock(state.Usage.Lock);
    EXPECT_EQ(state.Usage.EmergencyClicks.size(), 2u);
    EXPECT_EQ(state.Usage.SubCategoryClicks[0], (std::vector<int>{0, 0}));
    EXPECT_EQ(state.Usage.SubCategoryClicks[1], (std::vector<int>{0}));
  }
  EXPECT_EQ(state.NewCheckSteps, 12);
  EXPECT_EQ(state.BannerSteps, 7);
  EXPECT_EQ(state.BannerSeconds, 30);
  EXPECT_EQ(state.ReloadPasses, 3);
  EXPECT_EQ(state.NewFetchChecks, 4);
  EXPECT_EQ((*state.CategoryUrlLists.Get())[0], (TextList{"http://n/1", "http://n/2"}));
  EXPECT_EQ((*state.CategoryUrlLists.Get())[1], (TextList{"http://m/1"}));

  const auto stationBanners = state.StationBannerTable.Get();
  ASSERT_EQ(stationBanners->size(), 1u);
  EXPECT_EQ((*stationBanners)[0].StationId, "st1");

  const auto banners = state.Banners.Get();
  ASSERT_EQ(banners->Table.size(), 2u);
  EXPECT_EQ(banners->Table[1].Link, "http://b/2");
  const CategoryBannerTable& lists = banners->ByCategory;
  EXPECT_EQ(lists[0].Category, (TextList{"banner01.gif"}));
  EXPECT_EQ(lists[1].Category, (TextList{"banner02.gif"}));
  EXPECT_EQ(lists[9].Category, (TextList{"banner01.gif"}));
  EXPECT_EQ(lists[0].SubCategories, (std::vector<TextList>{{"banner02.gif"}, {"banner01.gif"}}));
  EXPECT_EQ(lists[1].SubCategories, (std::vector<TextList>{{"banner02.gif"}}));

  const auto presets = state.PresetTable.Get();
  ASSERT_EQ(presets->size(), 1u);
  EXPECT_EQ((*presets)[0].Title, "Morning");
  EXPECT_TRUE(state.RefreshDone);
}

TEST_F(RefreshTest, ClicksCountedBeforeTheRefreshAreKept) {
  CountSubCategoryClick(0, 1);
  CountSubCategoryClick(0, 1);
  CountSubCategoryClick(1, 0);
  CountSubCategoryClick(1, 3);  // past the one sub-category the refresh brings
  CountEmergencyClick(1);
  RunRefresh();
  ClientState& state = State();
  std::lock_guard lock(state.Usage.Lock);
  EXPECT_EQ(state.Usage.SubCategoryClicks[0], (std::vector<int>{0, 2}));
  EXPECT_EQ(state.Usage.SubCategoryClicks[1], (std::vector<int>{1}));
  EXPECT_EQ(state.Usage.EmergencyClicks, (std::vector<int>{0, 1}));
}

TEST_F(RefreshTest, FetchesOnlyMissingPicturesWithSafeNames) {
  folder.Write("Image/Default/Basic/icon02.gif", "already here");
  RunRefresh();
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon01.gif"), "GIF89a icon/icon01.gif");
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon02.gif"), "already here");
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon03.gif"), "GIF89a icon/icon03.gif");
  EXPECT_EQ(folder.Read("Banner/sttn/sttn01.gif"), "GIF89a banner/sttn/sttn01.gif");
  EXPECT_EQ(folder.Read("Banner/banner02.gif"), "GIF89a banner/banner02.gif");
  EXPECT_EQ(service.Count("/down/img/icon/icon02.gif"), 0);
  for (const std::string& path : service.Paths()) {
    EXPECT_EQ(path.find(".."), std::string::npos) << path;
    EXPECT_EQ(path.find("sub/"), std::string::npos) << path;
  }
  EXPECT_FALSE(folder.Exists("Image/Default/evil.gif"));

  // A second run finds every picture in place.
  const std::size_t before = service.Paths().size();
  RunRefresh();
  for (std::size_t i = before; i < service.Paths().size(); ++i)
    EXPECT_NE(service.Paths()[i].rfind("/down/img/", 0), 0u) << service.Paths()[i];
}

TEST_F(RefreshTest, SameVersionFetchesNoPackage) {
  RunRefresh();
  EXPECT_FALSE(State().UpdateAvailable);
  EXPECT_EQ(service.Count("/down/app/VelomiraMain.zip"), 0);
  EXPECT_EQ(IniFile(State().MainIniPath).ReadInteger("VERSION", "VER", 0), 105);
}

TEST_F(RefreshTest, NewerVersionUnpacksTheSignedProgramThenRecordsTheVersion) {
  const std::string package = ProgramPackage();
  OfferUpdate(package, keys.Sign(package));
  RunRefresh();
  EXPECT_TRUE(State().UpdateAvailable);
  EXPECT_EQ(State().LocalVersion, 106);
  EXPECT_EQ(folder.Read("Temp/VelomiraMain"), "new program");
  EXPECT_EQ(folder.Mode("Temp/VelomiraMain"), 0755u);
  EXPECT_EQ(RecordedVersion(), 106);
}

TEST_F(RefreshTest, BrokenOrFailedPackageLeavesTheVersionForARetry) {
  // Not a zip, an empty download, and a zip without the program; each properly signed.
  ZipBuilder(folder.Path() + "other.zip").File("readme.txt", "no program").Close();
  for (const std::string& package : {std::string("not a zip"), std::string(), folder.Read("other.zip")}) {
    OfferUpdate(package, keys.Sign(package));
    RunRefresh();
    EXPECT_FALSE(folder.Exists("Temp/VelomiraMain"));
    EXPECT_EQ(RecordedVersion(), 105);
  }
}

TEST_F(RefreshTest, PackageWithoutAValidSignatureIsDeletedUnopened) {
  const std::string package = ProgramPackage();
  std::string changed = package;
  changed[changed.size() / 2] ^= 0x01;
  const SigningKeys otherKeys;
  const std::string signature = keys.Sign(package);
  std::string signatureHex(2 * signature.size() + 1, '\0');
  sodium_bin2hex(signatureHex.data(), signatureHex.size(),
                 reinterpret_cast<const unsigned char*>(signature.data()), signature.size());
  signatureHex.pop_back();
  const struct {
    const char* what;
    std::string served;
    std::optional<std::string> signature;
  } cases[] = {
      {"one byte changed", changed, signature},
      {"no signature", package, std::nullopt},
      {"empty signature", package, std::string()},
      {"signature cut short", package, signature.substr(0, 63)},
      {"signed with another key", package, otherKeys.Sign(package)},
      {"signature in hex", package, signatureHex},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    service.ClearRequests();
    OfferUpdate(c.served, c.signature);
    RunRefresh();
    EXPECT_EQ(service.Count(PackagePath), 1);
    EXPECT_EQ(service.Count(SignaturePath), 1);
    EXPECT_FALSE(folder.Exists("Temp/VelomiraMain.zip"));
    EXPECT_FALSE(folder.Exists("Temp/VelomiraMain"));
    EXPECT_EQ(RecordedVersion(), 105);
  }
}

TEST_F(RefreshTest, NoOrMalformedKeyRefusesUpdates) {
  const std::string package = ProgramPackage();
  for (const std::string& key : {std::string(), keys.PublicHex().substr(1), keys.PublicHex() + "0",
                                "zz" + keys.PublicHex().substr(2)}) {
    SCOPED_TRACE(key);
    IniFile(State().MainIniPath).WriteString("UPDATE", "KEY", key);
    OfferUpdate(package, keys.Sign(package));
    RunRefresh();
    EXPECT_EQ(service.Count(PackagePath), 0);
    EXPECT_EQ(service.Count(SignaturePath), 0);
    EXPECT_FALSE(folder.Exists("Temp/VelomiraMain"));
    EXPECT_EQ(RecordedVersion(), 105);
  }
}

bool NeverWritable(const std::string&) { return false; }

// An installed copy: the package manager owns the program folder and its updates.
class InstalledRefreshTest : public RefreshTest {
 protected:
  void SetUp() override {
    SetWritableCheck(NeverWritable);
    RefreshTest::SetUp();
    service.Reply("/down/app/VelomiraMain.zip", "PK package");
  }
  void TearDown() override { SetWritableCheck(nullptr); }

  void ServiceVersion(int version) {
    service.Reply(Servlet + "a_var", Fields({"12", "7", "30", std::to_string(version), "3", "4"}));
  }

  TempFolder home;
  velomira::test::ScopedEnv dataHome{"XDG_DATA_HOME", home.Dir().c_str()};
};

TEST_F(InstalledRefreshTest, ANewerVersionIsAnnouncedOnceAndNeverDownloaded) {
  ASSERT_EQ(State().MainIniPath, home.Path() + "velomira/velomira.Ini");
  RunRefresh();  // the same version: nothing to tell
  EXPECT_EQ(State().UnannouncedVersion, 0);

  ServiceVersion(106);
  RunRefresh();
  EXPECT_EQ(State().UnannouncedVersion.exchange(0), 106);
  // Once the main window has told the member, the next start tells nothing.
  IniFile(State().MainIniPath).WriteInteger("UPDATE", "NOTIFIED", 106);
  RunRefresh();
  EXPECT_EQ(State().UnannouncedVersion, 0);

  ServiceVersion(107);
  RunRefresh();
  EXPECT_EQ(State().UnannouncedVersion, 107);

  EXPECT_EQ(service.Count("/down/app/VelomiraMain.zip"), 0);
  EXPECT_FALSE(home.Exists("velomira/Temp/VelomiraMain.zip"));
  EXPECT_EQ(IniFile(State().MainIniPath).ReadInteger("VERSION", "VER", 0), 105);
}

TEST_F(RefreshTest, TuningValuesStopAtTheFirstNonNumber) {
  service.Reply(Servlet + "a_var", Fields({"12", "x7", "30", "106"}));
  RunRefresh();
  EXPECT_EQ(State().NewCheckSteps, 12);
  EXPECT_EQ(State().BannerSteps, 10);
  EXPECT_EQ(State().BannerSeconds, 0);
  EXPECT_FALSE(State().UpdateAvailable);
}

TEST_F(RefreshTest, BlankBannerListKeepsTablesAndLists) {
  service.Reply(Servlet + "a_SubCtgr", "");  // keeps the banner lists of the earlier run
  RunRefresh();
  const auto bannersBefore = State().Banners.Get();
  service.Reply(Servlet + "bannerList", " ");
  RunRefresh();
  EXPECT_EQ(State().Banners.Get(), bannersBefore);
  EXPECT_EQ(State().Banners.Get()->Table.size(), 2u);
}

TEST_F(RefreshTest, TwoBlankLinesLeaveTheSecondCategoryEmpty) {
  folder.Write("Data/MoneyUrl.Dat", "http://old/\r\n");
  folder.Write("Data/ChatUrl.Dat", "http://chat/\r\n");
  service.Reply(Servlet + "a_front_url", "http://n/1\r\n\r\n  \r\nhttp://s/1\r\n");
  RunRefresh();
  EXPECT_EQ(Data("NewsUrl.Dat"), "http://n/1\r\n");
  EXPECT_EQ(Data("MoneyUrl.Dat"), "");
  EXPECT_EQ(Data("SportsUrl.Dat"), "http://s/1\r\n");
  EXPECT_EQ(Data("ChatUrl.Dat"), "http://chat/\r\n");  // sections ended before Chat
  EXPECT_TRUE((*State().CategoryUrlLists.Get())[1].empty());
}

TEST_F(RefreshTest, EmptyRepliesKeepTheOldFiles) {
  folder.Write("Data/state.Dat", "old\r\n");
  service.Reply(Servlet + "a_State", "");
  service.Reply(Servlet + "a_front_url", "");
  RunRefresh();
  EXPECT_EQ(Data("state.Dat"), "old\r\n");
  EXPECT_TRUE(State().RefreshDone);
}

TEST_F(RefreshTest, OddRepliesAreUsedAsFarAsTheyGo) {
  std::string tenRecords = Records({Fields({"1", "World", "5", "Odd"})});
  for (int i = 1; i < 10; ++i) tenRecords += Records({Fields({"1", "Category" + std::to_string(i)})});
  service.Reply(Servlet + "a_SubCtgr", tenRecords);
  service.Reply(Servlet + "a_var", Fields({"12", "7"}));
  service.Reply(Servlet + "a_SttnBnnr", "sttn01.gif");
  service.Reply(Servlet + "bannerList", Records({Fields({"banner01.gif", "a", "1", "1:5 1:1"}),
                                                 Fields({"banner02.gif"})}));
  RunRefresh();
  EXPECT_EQ(Data("Chat.Dat"), "1\r\nCategory8\r\n");  // the tenth record is ignored
  EXPECT_EQ(State().NewCheckSteps, 12);
  EXPECT_EQ(State().BannerSteps, 7);
  EXPECT_EQ(State().BannerSeconds, 0);
  const auto stationBanners = State().StationBannerTable.Get();
  ASSERT_EQ(stationBanners->size(), 1u);
  EXPECT_EQ((*stationBanners)[0].StationId, "");
  const auto banners = State().Banners.Get();
  EXPECT_EQ(banners->Table.size(), 2u);
  // Code 5 names no sub-category of the two News has; code 1 does.
  EXPECT_EQ(banners->ByCategory[0].SubCategories, (std::vector<TextList>{{"banner01.gif"}, {}}));
  EXPECT_TRUE(State().RefreshDone);
}

TEST_F(RefreshTest, StopBreaksOffADownloadUnderWayAndTheWindowsRequestsGoOn) {
  folder.Write("Data/News.Dat", "old\r\n");
  service.Trickle(Servlet + "a_SubCtgr");
  auto asked = std::make_shared<Signal>();
  service.BeforeReply(Servlet + "a_SubCtgr", [asked] { asked->Raise(); });
  TDownLoad refresh;
  ASSERT_TRUE(asked->Wait());

  const auto stopped = std::chrono::steady_clock::now();
  refresh.Stop();
  EXPECT_EQ(HttpGetStream(service.Root() + Servlet + "a_State"), Records({Fields({"s1", "Ohio"})}));
  auto joined = std::async(std::launch::async, [&] { refresh.Join(); });
  const bool quick = joined.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
  if (!quick) service.Stop();  // ends the endless reply, so a failure does not hang
  EXPECT_TRUE(quick);
  joined.wait();
  EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(2));

  EXPECT_EQ(Data("News.Dat"), "old\r\n");
  EXPECT_EQ(service.Paths(), (std::vector<std::string>{Servlet + "a_SubCtgr", Servlet + "a_State"}));
  EXPECT_FALSE(State().RefreshDone);
}

TEST_F(RefreshTest, StopDuringAPictureEndsItsLoopAndPublishesNoTable) {
  struct Case {
    std::string StopAt, NeverAsked;
  };
  const Case cases[] = {{"/down/img/icon/icon02.gif", "/down/img/icon/icon03.gif"},
                        {"/down/img/banner/sttn/sttn01.gif", "/down/img/banner/banner01.gif"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.StopAt);
    service.ClearRequests();
    // Shared with the service's thread, which may still be waking from the wait when
    // this round ends.
    auto asked = std::make_shared<Signal>(), stopped = std::make_shared<Signal>();
    service.BeforeReply(c.StopAt, [asked, stopped] {
      asked->Raise();
      stopped->Wait();
    });
    TDownLoad refresh;
    ASSERT_TRUE(asked->Wait());
    refresh.Stop();
    stopped->Raise();
    refresh.Join();
    service.BeforeReply(c.StopAt, nullptr);

    EXPECT_EQ(service.Paths().back(), c.StopAt);
    EXPECT_EQ(service.Count(c.NeverAsked), 0);
    EXPECT_TRUE(State().StationBannerTable.Get()->empty());
    EXPECT_FALSE(State().RefreshDone);
  }
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon01.gif"), "GIF89a icon/icon01.gif");
  // The picture whose download was broken off is there whole or not at all.
  if (folder.Exists("Image/Default/Basic/icon02.gif")) {
    EXPECT_EQ(folder.Read("Image/Default/Basic/icon02.gif"), "GIF89a icon/icon02.gif");
  }
}

TEST_F(RefreshTest, ReadersNeverPairTablesOfTwoDifferentRefreshes) {
  const std::string subCategories[] = {Records({Fields({"1", "World", "2", "Local"})}),
                                       Records({Fields({"1", "World"})})};
  const std::string bannerLists[] = {Records({Fields({"banner01.gif", "a", "1", "", ""})}),
                                     Records({Fields({"banner02.gif", "a", "1", "", ""})})};
  std::atomic<bool> done{false};
  std::atomic<int> reads{0}, torn{0};
  std::thread reader([&] {
    while (!done) {
      const auto lists = State().SubCategories.Get();
      const auto banners = State().Banners.Get();
      for (int i = 0; i < CategoryCount; ++i)
        if (lists->Codes[i].size() != lists->Names[i].size()) ++torn;
      for (const CategoryBanners& entry : banners->ByCategory)
        for (const std::string& picture : entry.Category)
          if (std::none_of(banners->Table.begin(), banners->Table.end(),
                           [&](const BannerRecord& banner) { return banner.Picture == picture; }))
            ++torn;
      ++reads;
    }
  });
  for (int run = 0; run < 6; ++run) {
    service.Reply(Servlet + "a_SubCtgr", subCategories[run % 2]);
    service.Reply(Servlet + "bannerList", bannerLists[run % 2]);
    RunRefresh();
  }
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(reads, 0);
}

TEST_F(RefreshTest, AFullDiskKeepsOldFilesAndLeavesNoPartOfANewOne) {
  SmallDisk disk(folder.Dir());
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  WriteSettings();
  folder.Write("Data/News.Dat", "1\r\nOld\r\n");
  folder.Write("Data/state.Dat", "old\r\n");
  const std::string tooLarge(100 * 1024, 'x');
  service.Reply(Servlet + "a_SubCtgr", Records({Fields({"1", tooLarge})}));
  service.Reply(Servlet + "a_State", Records({Fields({"s1", tooLarge})}));
  service.Reply("/down/img/icon/icon02.gif", tooLarge);
  service.Reply("/down/img/banner/banner02.gif", tooLarge);  // the last picture
  folder.Write("filler", std::string(disk.FreeBytes() - 48 * 1024, 'f'));

  RunRefresh();

  EXPECT_TRUE(State().RefreshDone);
  EXPECT_EQ(Data("News.Dat"), "1\r\nOld\r\n");
  EXPECT_EQ(Data("state.Dat"), "old\r\n");
  EXPECT_EQ(Data("state_cate.Dat"), "c1\r\nTalk\r\nc2\r\nJazz\r\n");  // small enough to fit
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon01.gif"), "GIF89a icon/icon01.gif");
  EXPECT_FALSE(folder.Exists("Image/Default/Basic/icon02.gif"));
  EXPECT_EQ(folder.Read("Image/Default/Basic/icon03.gif"), "GIF89a icon/icon03.gif");
  EXPECT_FALSE(folder.Exists("Banner/banner02.gif"));
  EXPECT_FALSE(folder.Exists("Temp/image.gif"));  // the last picture staged no part of itself
  // No temporary sibling ("name.ext.XXXXXX") was left behind.
  const std::regex temporary(R"(.*\.[^.]+\.[A-Za-z0-9]{6})");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
    EXPECT_FALSE(std::regex_match(entry.path().filename().string(), temporary)) << entry.path();
}

}  // namespace
