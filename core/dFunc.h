#pragma once
// The client core: settings and shared state, service requests, reply records, time
// texts, the usage log. Qt-free; texts are bytes in the client's code page
// (Windows-1252) held in std::string.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClientState.h"
#include "Clock.h"
#include "IniFile.h"

namespace velomira {

// ---- Installation layout and settings ---------------------------------------------

struct CategoryInfo {
  const char* DisplayName;
  const char* Word;  // names the lookup files and button pictures
  int ServiceCode;   // identifies the category in usage-log lines
  const char* Description;
};
// The nine categories in display order (position 1 is index 0).
extern const std::array<CategoryInfo, CategoryCount> CategoryTable;

inline constexpr std::uint16_t CredentialKey = 31573;

void LoadSettingsPaths();
// Where the client writes: the program folder when the member may write there, otherwise
// PerUserFolder(), made owner-only on first use with the program folder's velomira.Ini
// copied in once (later its [VERSION] VER follows the installed program).
std::string WritableFolder(const std::string& programDir);
// "$XDG_DATA_HOME/velomira/" (default "$HOME/.local/share/velomira/").
std::string PerUserFolder();
// Decides whether a folder may be written; tests stand in for the access check, which
// root always passes. Returns the check it replaces; nullptr restores the real one.
using FolderCheck = bool (*)(const std::string& folder);
FolderCheck SetWritableCheck(FolderCheck check);
// The folder of user.ini, proxy.ini and velomira.Ini: State().WritableDir, or the
// program folder before LoadSettingsPaths has run.
std::string SettingsFolder();
// True when LoadSettingsPaths found the program folder read-only (an installed copy).
bool ProgramFolderReadOnly();
// The file to read for path (any case): path itself when it exists; a file missing from
// the per-user folder is read from the same place in the program folder.
std::string FindReadable(const std::string& path);
void ReadCategoryDatFiles(bool create);
void ReadCategoryUrlFiles(bool create);
void BuildCategoryChoiceLists();
std::string ServiceRoot();  // velomira.Ini [SERVICE] ROOT
std::string WebRoot();      // velomira.Ini [SERVICE] WEB
std::string SupportMailbox();  // velomira.Ini [SERVICE] MAIL, "support@velomira.example" when unset
std::string VersionLabel(int version);  // "version-1.05"; empty when the label stays as designed

// Replaces path with content through a sibling temporary file and a rename; keeps the
// old file's mode; "user.ini" and "proxy.ini" (any case), and any file when ownerOnly
// is set, are always owner-only (0600).
bool ReplaceFileAtomically(const std::string& path, const std::string& content, bool ownerOnly = false);

// Lookup files: written with CR LF through a temporary sibling and a rename (a reader
// never sees half a file); read with CR LF or LF. A missing file reads as no lines.
bool WriteLookupFile(const std::string& path, const TextList& lines);
TextList ReadLookupFile(const std::string& path);

// File names compare case-insensitively: the exact path when it exists, otherwise the
// path whose components match case-insensitively, otherwise the path as given.
std::string ResolvePathCase(const std::string& path);
bool FileExistsAnyCase(const std::string& path);
// The name a new or rewritten file should get: the existing file whatever its case,
// otherwise the last name as given inside its folder resolved case-insensitively.
std::string ResolvePathForWrite(const std::string& path);

// ---- Service requests --------------------------------------------------------------

std::string HttpPostText(const std::string& url);
std::string HttpGetStream(const std::string& url);
bool HttpGetFile(const std::string& url, const std::string& path);
std::string UrlEncode(std::string_view text);

// ---- Reply records, text and time helpers ------------------------------------------

inline constexpr char RecordSeparator = '\x02';
inline constexpr char FieldSeparator = '\x01';
inline constexpr std::size_t ReplyHeaderLength = 32;

int ReplyCode(std::string_view reply);          // 0 for empty or non-digit codes
std::string_view ReplyBody(std::string_view reply);  // from character 33; empty when shorter
bool IsSuccessCode(int code);                   // 100-199
// Nothing came (the request failed) or the header holds an error code (a number
// outside 100-199). A reply without a number in its header is not judged here.
bool ReplyFailed(std::string_view reply);

void SplitText(std::string_view text, std::string_view delimiter, std::vector<std::string>& list);
std::string FieldAt(std::string_view text, std::string_view delimiter, int index);
// Field index of a split record; a missing field is empty.
const std::string& RecordField(const std::vector<std::string>& fields, std::size_t index);

void LoadPresetList();
// Fills a preset list from a PresetList reply; false (list untouched) when the body is empty.
bool ParsePresetReply(std::string_view reply, PresetList& presets);

extern const std::array<const char*, 12> HourPrefixes;
extern const std::array<const char*, 7> DayNames;   // Sunday first
extern const std::array<const char*, 12> MonthNames;

std::string FormatTimeRange(std::string_view startEnd);
std::string FormatShortTime(std::string_view time);
std::string FormatMonthDayTime(std::string_view time);
std::string FormatPresetTime(std::string_view startEnd, std::string_view kind);
std::string FormatPlayTime(std::string_view startField);  // "pltm" + "hhnnss"
int ProgramState(std::string_view startEnd);
void UpdateCurrentTime();
std::string UtcStamp();

std::string ScrambleText(std::string_view text, std::uint16_t key);
std::string UnscrambleText(std::string_view text, std::uint16_t key);
std::string DoubleAmpersands(std::string_view text);
int ToInt(double value);

// Code page conversion for the windows.
std::string ToUtf8(std::string_view codePageText);
std::string FromUtf8(std::string_view utf8Text);

// ---- Usage log -----------------------------------------------------------------------

enum class UsageLines { Program, Station, StationBanner, TargetBanner, SubCategoryBanner,
                        TopCategoryBanner, WindowBanner };
// Appends one line (without CR LF) to a text-lines field of the usage record.
void AddUsageLine(UsageLines field, const std::string& line);
// Counting helpers; each takes State().Usage.Lock.
void CountUsage(int UsageRecord::*counter);              // e.g. &UsageRecord::LogoClicks
void CountCategoryClick(int serviceCode);                // 1-9; others are ignored
void CountSubCategoryClick(int categoryIndex, std::size_t subCategory);  // CategoryTable order
void CountEmergencyClick(std::size_t entry);
// Sizes the per-sub-category and (when given) emergency counters after a refresh, all
// under one lock; counts kept.
void ResizeUsageCounters(const CategoryTextLists& subCategoryCodes, std::optional<std::size_t> emergencyEntries);
void StartUsageRecord();  // user ID and login time, at main window creation
void StopUsageRecord();   // logout time, in the exit procedure
std::string UsageLogName();   // logout time without its comma + MemberId + ".log"
std::string BuildUsageLogText();  // the lines joined by CR LF
// Sends the logs earlier runs could not deliver, then this run's; what the service did
// not take waits for the next exit.
void SendUsageLog();
// One servlet.GetLog request; true when the service answered with a success code.
bool PostUsageLog(const std::string& name, const std::string& text);

// Logs the service did not take wait in DataDir + "UnsentLogs/", one owner-only file
// each, at most UnsentUsageLogLimit of them (the oldest are dropped).
inline constexpr std::size_t UnsentUsageLogLimit = 30;
void KeepUnsentUsageLog(const std::string& name, const std::string& text);
// Sends the waiting logs oldest first, removing each the service took; stops at the
// first one it did not take. False when one was not taken.
bool SendUnsentUsageLogs();

// ---- Archives ------------------------------------------------------------------------

// How far an archive may expand: a package past these is refused as a ZIP bomb.
struct ExtractLimits {
  std::uint64_t MaxTotalBytes = 512ull * 1024 * 1024;  // all entries together, unpacked
  std::uint64_t RatioCheckedAbove = 1024 * 1024;       // entries up to this size may compress well
  std::uint64_t MaxRatio = 200;                        // unpacked : packed, per entry
};

// Unpacks every entry of a ZIP file into folder; entries that would land outside it
// (absolute names, "..", links) are skipped. False when the archive could not be read;
// when it expands past the limits it stops, removes what it wrote and returns false.
bool ExtractAll(const std::string& zipPath, const std::string& folder, const ExtractLimits& limits = {});

}  // namespace velomira
