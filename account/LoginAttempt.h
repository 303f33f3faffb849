#pragma once
// The service side of a login attempt, without any window: the request address, the
// reading of the reply and what each reply code means to the member.
#include <string>
#include <string_view>

namespace velomira {

// The facts a successful login reply carries.
struct LoginReply {
  int Code = 0;  // 0 when there was no usable reply
  int TimeZoneHours = 0;
  int TimeZoneMinutes = 0;
  std::string Email, Name, StartMode, MemberId;
};

// servlet.UserLogin with the ID and password URL-encoded: a password holding "&", "#"
// or "+" would otherwise break the query and could never log in. remember is "Y"/"N".
std::string LoginRequestUrl(std::string_view serviceRoot, std::string_view id,
                            std::string_view password, std::string_view remember);

// Reads the code and, for a success code, the time zone (characters 33-37) and the four
// fields from character 38 on. A success reply whose time zone is not made of numbers
// cannot be used, so it counts as no reply (code 0).
LoginReply ParseLoginReply(std::string_view reply);

enum class LoginVerdict { LoggedIn, InvalidPassword, InvalidId, TryLater, CannotConnect };

LoginVerdict VerdictFor(int code);
// The message shown for a verdict; empty for LoggedIn.
std::string VerdictMessage(LoginVerdict verdict);
// No reply, or a refusal: the dialog comes back and automatic login is switched off.
bool AttemptShowsDialogAgain(int code);

}  // namespace velomira
