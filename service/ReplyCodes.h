#pragma once
// Status codes of the 32-character reply header. 100-199 is success; the
// client names 120/121, 211, 212 and 240-242; the rest are this service's own.
namespace velomira::service::code {

constexpr int kOk = 100;
constexpr int kIdTaken = 120;
constexpr int kIdFree = 121;
constexpr int kAlreadyPresent = 211;
constexpr int kNoOwnList = 212;
constexpr int kRegistrationIdTaken = 220;
constexpr int kInvalidMemberData = 221;
constexpr int kNoSuchMemberOrAddress = 230;
constexpr int kInvalidAddress = 231;
constexpr int kWrongPassword = 240;
constexpr int kUnknownId = 241;
constexpr int kLoginUnavailable = 242;
constexpr int kNoOpenLogin = 243;
constexpr int kNotFound = 250;
constexpr int kBadParameters = 300;
constexpr int kUnknownServlet = 301;
constexpr int kQueryTooLong = 302;
constexpr int kServiceError = 303;
constexpr int kLimitReached = 304;

}  // namespace velomira::service::code
