#include "account/PreferenceForm.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "account/LoginAttempt.h"
#include "account/ProfileLists.h"
#include "account/ProfileRules.h"
#include "account/RememberedLogin.h"
#include "core/AsciiText.h"
#include "core/TickerSpeeds.h"
#include "core/dFunc.h"
#include "platform/AutoStart.h"

namespace velomira {

namespace {

// The connection speed buttons' codes, the service's numbering.
constexpr int kConnectionCodes = 6;

std::optional<int> WholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "y" or "n" to a yes/no answer; anything else leaves answer as it was.
void ReadYesNo(const std::string& field, bool& answer) {
  if (field == "y") answer = true;
  if (field == "n") answer = false;
}

int AgeItemForCode(int code) {
  for (std::size_t i = 0; i < kAgeCodes.size(); ++i) {
    if (std::to_string(code) == kAgeCodes[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

const char* YesNo(bool answer) { return answer ? "y" : "n"; }

}  // namespace

bool FillFromMemberRecord(const std::string& reply, PreferencePages& pages) {
  std::vector<std::string> fields;
  SplitText(ReplyBody(reply), std::string_view(&FieldSeparator, 1), fields);
  for (std::string& field : fields) field = std::string(TrimBlanks(field));
  const auto field = [&fields](std::size_t index) { return RecordField(fields, index); };

  const std::optional<int> zone = WholeNumber(field(1));
  const std::optional<int> age = WholeNumber(field(12));
  if (!zone || !age) return false;

  PreferencePages filled = pages;
  filled.ZoneItem = ZoneItemForOffset(*zone);
  ReadYesNo(field(17), filled.DaylightSaving);
  filled.Password = filled.Confirm = field(2);
  filled.Id = field(3);
  filled.FirstName = field(4);
  filled.LastName = field(5);
  filled.Email = field(6);
  filled.Address = field(7);
  filled.City = field(8);
  filled.Post = field(10);
  filled.StateName = StateAsListed(field(9));
  filled.CountryItem = FindItemIgnoringCase(Countries(), field(11));
  filled.AgeItem = AgeItemForCode(*age);
  if (field(13) == "m" || field(13) == "f") filled.Gender = field(13).front();
  if (const auto speed = WholeNumber(field(14)); speed && *speed >= 1 && *speed <= kConnectionCodes) {
    filled.Connection = *speed;
  }
  ReadYesNo(field(15), filled.Newsletter);
  ReadYesNo(field(16), filled.AutoStart);
  pages = std::move(filled);
  return true;
}

std::optional<PreferenceCheckFailure> CheckPreferences(const PreferencePages& pages) {
  if (pages.ZoneItem == 0) return PreferenceCheckFailure{"Please elect a time zone.", 1};
  if (pages.Password.empty()) return PreferenceCheckFailure{"Please enter your password.", 2};
  if (pages.Confirm.empty()) return PreferenceCheckFailure{"Please re-type your password to confirm.", 2};
  if (!PasswordsMatch(pages.Password, pages.Confirm)) {
    return PreferenceCheckFailure{"The two passwords do not match.", 2};
  }
  if (pages.FirstName.empty()) return PreferenceCheckFailure{"Please enter your first name.", 3};
  switch (CheckMail(pages.Email)) {
    case MailVerdict::Missing: return PreferenceCheckFailure{"Please enter your e-mail address.", 3, true};
    case MailVerdict::Malformed:
      return PreferenceCheckFailure{"The e-mail address is not in the correct format. Please try again.", 3, true};
    case MailVerdict::Accepted: break;
  }
  if (pages.CountryItem <= 0) return PreferenceCheckFailure{"Please select a country.", 3};
  if (pages.AgeItem == 0) return PreferenceCheckFailure{"Please select a age.", 3};
  return std::nullopt;
}

MemberProfile ProfileFromPages(const PreferencePages& pages) {
  const auto& zones = TimeZoneItems();
  MemberProfile profile;
  profile.Gmt = pages.ZoneItem >= 1 && pages.ZoneItem < zones.size() ? zones[pages.ZoneItem].Code : "99999";
  profile.Id = pages.Id;
  profile.Password = pages.Password;
  profile.FirstName = pages.FirstName;
  profile.LastName = pages.LastName;
  profile.Email = pages.Email;
  profile.Address = pages.Address;
  profile.City = pages.City;
  profile.StateName = pages.StateName;
  profile.Post = pages.Post;
  profile.Country = ItemText(Countries(), pages.CountryItem);
  profile.Age = AgeCode(pages.AgeItem);
  profile.Gender = std::string(1, pages.Gender);
  profile.Connection = std::to_string(pages.Connection);
  profile.Newsletter = YesNo(pages.Newsletter);
  profile.AutoStart = YesNo(pages.AutoStart);
  profile.DaylightSaving = YesNo(pages.DaylightSaving);
  return profile;
}

void StoreTickerSpeed(int speed) {
  State().TickerSpeed = speed;
  IniFile ini(UserIniPath());
  ini.WriteInteger("ticker_type", "ticker_type", speed);
  ini.WriteInteger("main", "main", kScrollIntervals.at(static_cast<std::size_t>(speed)));
  ini.WriteInteger("ticker", "ticker", kTickerIntervals.at(static_cast<std::size_t>(speed)));
}

bool StoreAutoStart(bool on) { return on ? WriteAutoStartEntry() : RemoveAutoStartEntry(); }

bool ApplyPreferenceUpdateReply(const std::string& reply) {
  const LoginReply parsed = ParseLoginReply(reply);
  if (!IsSuccessCode(parsed.Code)) return false;
  ClientState& state = State();
  state.TimeZoneHours = parsed.TimeZoneHours;
  state.TimeZoneMinutes = parsed.TimeZoneMinutes;
  return true;
}

}  // namespace velomira
