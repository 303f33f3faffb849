#pragma once
// The process-wide values shared by every window and the refresh thread.
// Lists and tables that the refresh thread replaces are Published<>: a reader takes a
// snapshot with Get() and never sees a half-filled list.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "Clock.h"
#include "Published.h"
#include "TickerSpeeds.h"

namespace velomira {

inline constexpr int CategoryCount = 9;
inline constexpr int BannerEntryCount = 10;  // nine categories and the own view "m"

using TextList = std::vector<std::string>;
using CategoryTextLists = std::array<TextList, CategoryCount>;

struct PresetRecord {
  std::string ProgramId;
  std::string Start;  // service date "yyyymmdd" followed by FormatTimeRange of the start
  std::string Title;
  std::string Address;
  std::string Station;  // the station's name, for the alarm's desktop notification
};
using PresetList = std::vector<PresetRecord>;

struct BannerRecord {
  std::string Picture;           // file name in BannerDir
  std::string Windows;           // window letters, "a" for all
  std::string CategoryMarks;     // any of "1".."9", "m"
  std::string SubCategoryMarks;  // "k:code" texts
  std::string Link;
};

struct StationBannerRecord {
  std::string Picture;  // file name in StationBannerDir
  std::string Second;
  std::string StationId;
};

struct CategoryBanners {
  TextList Category;                   // banner picture names of the whole category
  std::vector<TextList> SubCategories;  // one list per sub-category (empty for "m")
};
using CategoryBannerTable = std::array<CategoryBanners, BannerEntryCount>;

// Published together so that a reader never pairs new codes with old names or a new
// banner table with lists filed from the old one.
struct SubCategoryLists {
  CategoryTextLists Codes;
  CategoryTextLists Names;  // Names[c][i] names Codes[c][i]
};
struct BannerLists {
  std::vector<BannerRecord> Table;
  CategoryBannerTable ByCategory;  // picture names of Table filed by category marks
};

// What the member did during this run; sent once at exit. The UI thread counts while
// the refresh thread resizes the per-entry counters, so every access takes Lock.
struct UsageRecord {
  mutable std::mutex Lock;
  std::string UserId, LoginTime, LogoutTime;
  int LogoClicks = 0, HelpClicks = 0, DisplayToggles = 0, TrayHides = 0;
  int FriendOpens = 0, OwnViewOpens = 0, EditClicks = 0, PresetOpens = 0;
  int SearchOpens = 0, DailyOpens = 0, ChannelOpens = 0, RadioClicks = 0, EmergencyOpens = 0;
  std::array<int, CategoryCount> CategoryClicks{};  // indexed by service code - 1
  std::string ProgramClicks, StationClicks, StationBannerClicks;  // lines joined by CR LF
  std::array<std::string, 3> ListBannerClicks;  // trgt, sub-category, top-category
  std::string WindowBannerClicks;
  std::array<std::vector<int>, CategoryCount> SubCategoryClicks;  // CategoryTable order
  std::vector<int> EmergencyClicks;
};

struct ClientState {
  // Folders (each ends in "/") and the main settings file. ProgramDir holds the
  // executables; WritableDir is where every folder below is made (ProgramDir itself when
  // the member may write there).
  std::string ProgramDir, WritableDir, ImageDir, SkinDir, ButtonDir, BasicDir, FormDir, MediaDir, BubbleDir;
  std::string BannerDir, StationBannerDir, WaveDir, DataDir, TempDir, MainIniPath;

  std::string BrowserCommand;

  // The logged-in member.
  std::string MemberId, MemberEmail, MemberName, StartMode;
  std::atomic<int> TimeZoneHours{0};
  std::atomic<int> TimeZoneMinutes{0};
  TimeOfDay CurrentTime;

  std::atomic<int> LocalVersion{0};
  std::atomic<bool> UpdateAvailable{false};
  // A newer version an installed copy has not told the member of yet (0: none); the
  // refresh sets it, the main window tells and clears it.
  std::atomic<int> UnannouncedVersion{0};
  std::atomic<bool> RefreshDone{false};

  // Service tuning values.
  std::atomic<int> NewCheckSteps{10};
  std::atomic<int> BannerSteps{10};
  std::atomic<int> BannerSeconds{0};
  std::atomic<int> ReloadPasses{0};
  std::atomic<int> NewFetchChecks{0};

  // Main window display state (UI thread only).
  int TickerSpeed = kDefaultTickerSpeed;  // the main window takes the saved one
  bool SimpleDisplay = false;
  bool PanelSwapDone = true;

  // Lookup lists and tables replaced by the refresh thread.
  Published<SubCategoryLists> SubCategories;
  Published<CategoryTextLists> CategoryUrlLists;
  Published<TextList> EmergencyNames;
  Published<BannerLists> Banners;
  Published<std::vector<StationBannerRecord>> StationBannerTable;
  Published<PresetList> PresetTable;

  // Choice lists built once at main window creation.
  TextList AllCategoriesChoices;     // "All Categories" + the nine names
  TextList SelectCategoryChoices;    // "Select Category" + the nine names

  UsageRecord Usage;
};

ClientState& State();

// Puts every value back to its start value (tests, and a fresh login).
void ResetState();

}  // namespace velomira
