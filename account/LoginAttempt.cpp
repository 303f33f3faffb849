#include "account/LoginAttempt.h"

#include <charconv>

#include "core/dFunc.h"

namespace velomira {

namespace {

constexpr std::size_t TimeZoneHoursAt = 32;    // characters 33-35
constexpr std::size_t TimeZoneMinutesAt = 35;  // characters 36-37
constexpr std::size_t FieldsAt = 37;           // character 38 on

// A whole signed decimal number, leading blanks allowed; nothing else may follow.
bool ParseWholeNumber(std::string_view text, int& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string LoginRequestUrl(std::string_view serviceRoot, std::string_view id,
                            std::string_view password, std::string_view remember) {
  std::string url(serviceRoot);
  url += "/servlet/servlet.UserLogin?usr_id=";
  url += UrlEncode(id);
  url += "&pass=";
  url += UrlEncode(password);
  url += "&rem_pass=";
  url += remember;
  return url;
}

LoginReply ParseLoginReply(std::string_view reply) {
  LoginReply result;
  result.Code = ReplyCode(reply);
  if (!IsSuccessCode(result.Code)) return result;

  const auto hours = reply.substr(std::min(reply.size(), TimeZoneHoursAt), 3);
  const auto minutes = reply.substr(std::min(reply.size(), TimeZoneMinutesAt), 2);
  if (hours.size() < 3 || minutes.size() < 2 ||
      !ParseWholeNumber(hours, result.TimeZoneHours) ||
      !ParseWholeNumber(minutes, result.TimeZoneMinutes)) {
    return LoginReply{};
  }

  // One record of four fields; anything after a record separator is not part of it.
  auto record = TrimBlanks(reply.substr(std::min(reply.size(), FieldsAt)));
  record = record.substr(0, record.find(RecordSeparator));
  std::vector<std::string> fields;
  SplitText(record, std::string_view(&FieldSeparator, 1), fields);
  result.Email = RecordField(fields, 0);
  result.Name = RecordField(fields, 1);
  result.StartMode = RecordField(fields, 2);
  result.MemberId = RecordField(fields, 3);
  return result;
}

LoginVerdict VerdictFor(int code) {
  if (IsSuccessCode(code)) return LoginVerdict::LoggedIn;
  switch (code) {
    case 240: return LoginVerdict::InvalidPassword;
    case 241: return LoginVerdict::InvalidId;
    case 242: return LoginVerdict::TryLater;
    default: break;
  }
  if (code >= 300 && code <= 399) return LoginVerdict::TryLater;
  return LoginVerdict::CannotConnect;
}

std::string VerdictMessage(LoginVerdict verdict) {
  switch (verdict) {
    case LoginVerdict::LoggedIn: return {};
    case LoginVerdict::InvalidPassword: return "Invalid password entered.";
    case LoginVerdict::InvalidId: return "Invalid ID entered.";
    case LoginVerdict::TryLater: return "Please try again later.";
    case LoginVerdict::CannotConnect:
      return "Cannot connect to server.\rPlease make sure your network configuration, try again.";
  }
  return {};
}

bool AttemptShowsDialogAgain(int code) { return code == 0 || code > 199; }

}  // namespace velomira
