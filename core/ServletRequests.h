#pragma once
// One function per servlet the windows call: each builds its query with the keys in the
// service's order, encodes the values that may hold anything, sends it with
// HttpPostText and returns the reply as it came (empty on any failure). No window
// builds a query string of its own.
#include <string>
#include <utility>
#include <vector>

namespace velomira {

// Page numbers: 0 leaves "&cur_page=" out (the first request of a list).

// GetProgramList mode=channel: record 0 describes the station, programs follow.
std::string RequestChannelPrograms(const std::string& channelId, int page = 0);
// GetProgramList mode=daily: cate1 is the service's category number, day 1 Sunday to
// 7 Saturday, gmt the member's offset in whole hours (signed).
std::string RequestDailyPrograms(int cate1, int day, int gmt, int page = 0);
// GetProgramList mode=search: keyword as typed (sent URL-encoded), timeCode "all",
// "rn" or the hours to the end of the window.
std::string RequestSearchPrograms(int cate1, const std::string& keyword, const std::string& timeCode,
                                  int page = 0);
// ChannelSearchList: category and location codes from the lookup files ("all" for any).
std::string RequestChannelSearch(const std::string& categoryCode, const std::string& keyword,
                                 const std::string& locationCode, int page = 0);
// ChannelMyList for State().MemberId.
std::string RequestMyChannels();
// ChannelEdit for State().MemberId: add (true) or delete (false) the station.
std::string RequestChannelEdit(bool add, const std::string& channelId);

// A ChannelMyList reply as (channel ID, channel name) pairs, in reply order; records
// with missing fields give empty texts.
using ChannelEntries = std::vector<std::pair<std::string, std::string>>;
ChannelEntries ParseMyChannels(const std::string& reply);

}  // namespace velomira

namespace velomira {

// ---- Presets -------------------------------------------------------------------------

// PresetTop5: the five programs members preset most.
std::string RequestPresetTop5();
// New_PresetList for State().MemberId: every preset, rung or not, as program records.
std::string RequestNewPresetList();
// PresetEdit mode=add for State().MemberId.
std::string RequestPresetAdd(const std::string& programId, const std::string& scheduleKind,
                             const std::string& regularNumber);
// PresetEdit mode=del for State().MemberId: keys is "program,-:" or "program,series:"
// per preset, run together (sent URL-encoded).
std::string RequestPresetDelete(const std::string& keys);

// One program of a PresetTop5 reply.
struct TopPreset {
  std::string ProgramId, Title, Start, End, Address, ScheduleKind, RegularNumber;
  // All seven fields, start and end of 12 digits each: only then can the program be
  // opened or preset; anything else counts as ended.
  bool Complete = false;
};
std::vector<TopPreset> ParsePresetTop5(const std::string& reply);

}  // namespace velomira

namespace velomira {

// ---- Member profile ------------------------------------------------------------------

// The member record as the registration and the preferences send it; every value as
// the member chose it, coded answers already coded ("y"/"n", "m"/"f", "13", "-0500").
struct MemberProfile {
  std::string Gmt, Id, Password, FirstName, LastName, Email, Address, City, StateName, Post,
      Country, Age, Gender, Connection, Newsletter, AutoStart, DaylightSaving;
};
// "zip_code=&gmt=...&smmr=..." in the service's key order, every value URL-encoded
// except "letter", "login_auto" and "smmr", which are "y" or "n" as they are.
std::string MemberProfileQuery(const MemberProfile& profile);

// UserPreference mode=get for State().MemberId: the member record.
std::string RequestPreferenceGet();
// UserPreference mode=update with the whole record.
std::string RequestPreferenceUpdate(const MemberProfile& profile);

// ---- Personal features -----------------------------------------------------------------

// MydbzerList for State().MemberId: records of category code and sub-category code.
std::string RequestMyCategories();
// MydbzerEdit for State().MemberId: add (true) or delete (false) the "code:sub," pairs
// of cates ("code:*" names a whole category).
std::string RequestMyCategoriesEdit(bool add, const std::string& cates);

struct FriendMail {
  std::string FromName, FromAddress, Program, Message, ToName, ToAddress;
};
// Tell_A_Friend: every value sent URL-encoded.
std::string RequestTellAFriend(const FriendMail& mail);
// Help_me: the member's question from fromAddress to the support mailbox.
std::string RequestHelpMail(const std::string& fromAddress, const std::string& question,
                            const std::string& supportMailbox);

// ---- Registration --------------------------------------------------------------------

// IdOverlapCheck: "121..." when the ID is free, "120..." when taken (sent URL-encoded).
std::string RequestIdOverlapCheck(const std::string& id);

// UserRegistration: the new member's record, sent as MemberProfileQuery.
std::string RequestUserRegistration(const MemberProfile& member);

}  // namespace velomira
