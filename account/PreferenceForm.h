#pragma once
// The preferences panel without its widgets: the member record from the service into
// the pages, the check before sending, the record to send, and the client settings the
// panel stores once the service took the record (ticker speed, auto-start, remembered
// password).
#include <optional>
#include <string>

#include "core/ServletRequests.h"

namespace velomira {

// What the four pages hold: list items and texts as shown.
struct PreferencePages {
  std::size_t ZoneItem = 0;  // cb_zone, 0 "select"
  bool DaylightSaving = false;
  std::string Id, Password, Confirm;
  std::string FirstName, LastName, Email, Address, City, Post;
  std::string StateName;  // as shown and sent; a stored one the list lacks stays as it is
  int CountryItem = -1;   // -1: none selected
  int AgeItem = 0;        // 0 "Select", 1-5 the ranges
  char Gender = 'f';
  int Connection = 1;  // the service's code 1-6; Dial-up at start
  bool Newsletter = true, AutoStart = true;
};

// Fills pages from a UserPreference get reply (fields trimmed, numbered from 0 after
// the 32-character header). False, with pages untouched, when the time zone or the age
// is not a number (an empty or cut-off reply): nothing half-filled is shown.
bool FillFromMemberRecord(const std::string& reply, PreferencePages& pages);

// The first check that fails: its message, the page (1-4) to show, and whether the
// e-mail field is emptied.
struct PreferenceCheckFailure {
  std::string Message;
  int Page = 0;
  bool ClearEmail = false;
};
std::optional<PreferenceCheckFailure> CheckPreferences(const PreferencePages& pages);

// The record to send: a country not in its list goes as an empty value.
MemberProfile ProfileFromPages(const PreferencePages& pages);

// Sets TickerSpeed to speed (0 fast, 1 medium, 2 slow) and writes it with its two timer
// intervals to user.ini.
void StoreTickerSpeed(int speed);
// Writes or removes the autostart entry; false when that failed.
bool StoreAutoStart(bool on);

// The update reply: true for a success code with a readable time zone, which then
// becomes the member's (TimeZoneHours / TimeZoneMinutes).
bool ApplyPreferenceUpdateReply(const std::string& reply);

}  // namespace velomira
