#include "RequestGuard.h"

#include <algorithm>

#include "Framing.h"
#include "MemberLogins.h"
#include "ReplyCodes.h"

namespace velomira::service {

namespace {

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A usage log is named "yyyymmddhhnnss" + member ID + ".log".
std::string MemberOfUsageLog(const std::string& name) {
  constexpr std::size_t kStamp = 14;
  constexpr std::string_view kSuffix = ".log";
  if (name.size() <= kStamp + kSuffix.size() || !name.ends_with(kSuffix)) return {};
  return name.substr(kStamp, name.size() - kStamp - kSuffix.size());
}

// Whose open login from the caller's address a request needs: a member's,
// any member's (anyMember, for requests that name no member), or nobody's
// (nothing: the servlets anyone may use).
struct NeededLogin {
  std::string member;
  bool anyMember = false;
};

std::optional<NeededLogin> LoginOfRequest(std::string_view servlet, const QueryParams& params) {
  if (IsOneOf(servlet, {"userpreference", "channelmylist", "channeledit", "presetlist",
                        "new_presetlist", "presetedit", "mydbzerlist", "mydbzeredit"}) ||
      (servlet == "getprogramlist" && params.get("mode") == "my")) {
    return NeededLogin{params.get("usr_id")};
  }
  if (servlet == "getlog") return NeededLogin{MemberOfUsageLog(params.get("name"))};
  // The help mail carries the member's ID as its sender name; a tell-a-friend
  // mail names no member (its sender name is the member's own name, as typed).
  if (servlet == "help_me") return NeededLogin{params.get("from_name")};
  if (servlet == "tell_a_friend") return NeededLogin{{}, true};
  return std::nullopt;
}

bool HasOpenLogin(const NeededLogin& login, ServletCall& call) {
  return login.anyMember ? UseAnyLogin(call.db, call.client, call.now)
                         : UseLogin(call.db, login.member, call.client, call.now);
}

bool SendsMail(std::string_view servlet) {
  return IsOneOf(servlet, {"lostpassword", "tell_a_friend", "help_me"});
}

// CR and LF would start new mail headers; no control byte belongs in a name.
bool HoldsControlBytes(const QueryParams& params) {
  for (const char* key : {"from_name", "from", "to_name", "to", "email"}) {
    const std::string value = params.get(key);
    if (std::any_of(value.begin(), value.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7f; })) {
      return true;
    }
  }
  return false;
}

std::string LoginKey(const ServletCall& call) {
  return Lower(call.params.get("usr_id")) + '\n' + call.client;
}

constexpr std::size_t kMaxUsageLog = 1024 * 1024;
// Room for what a mail adds to the texts it was sent with.
constexpr std::int64_t kMailFrame = 300;

// About what a stored log or mail takes.
std::int64_t StoredBytes(const QueryParams& params) {
  std::int64_t bytes = 0;
  for (const char* key : {"name", "cnt", "cnt1", "cnt2", "from_name", "from", "to_name", "to"}) {
    bytes += static_cast<std::int64_t>(params.get(key).size());
  }
  return bytes;
}

bool Succeeded(std::string_view reply) { return reply.substr(0, 3) == "100"; }

}  // namespace

std::optional<std::string> RequestGuard::refusal(std::string_view servlet, ServletCall& call) {
  const std::string name = Lower(servlet);
  if (name == "userlogin" && failedLogins_.full(LoginKey(call), call.now)) {
    return Reply(code::kWrongPassword);
  }
  if (const auto login = LoginOfRequest(name, call.params)) {
    if (!HasOpenLogin(*login, call)) return Reply(code::kNoOpenLogin);
    if (name == "getlog" && call.params.get("cnt").size() > kMaxUsageLog) {
      return Reply(code::kQueryTooLong);
    }
    if (name == "getlog" && logsPerMember_.full(Lower(login->member), call.now)) {
      return Reply(code::kLimitReached);
    }
  }
  if (SendsMail(name)) {
    if (HoldsControlBytes(call.params)) return Reply(code::kInvalidAddress);
    const std::string member = Lower(call.params.get("usr_id"));
    if ((!member.empty() && mailsPerMember_.full(member, call.now)) ||
        mailsPerAddress_.full(call.client, call.now)) {
      return Reply(code::kLimitReached);
    }
  }
  return std::nullopt;
}

void RequestGuard::served(std::string_view servlet, ServletCall& call, std::string_view reply) {
  const std::string name = Lower(servlet);
  if (name == "userlogin" && reply.substr(0, 3) == "240") failedLogins_.add(LoginKey(call), call.now);
  if (!Succeeded(reply)) return;
  if (name == "userlogin" || name == "userregistration") {
    OpenLogin(call.db, call.params.get("usr_id"), call.client, call.now);
  } else if (name == "getlog") {
    logsPerMember_.add(Lower(MemberOfUsageLog(call.params.get("name"))), call.now);
    storage_.stored(call, StoredBytes(call.params));
  } else if (SendsMail(name)) {
    const std::string member = Lower(call.params.get("usr_id"));
    if (!member.empty()) mailsPerMember_.add(member, call.now);
    mailsPerAddress_.add(call.client, call.now);
    storage_.stored(call, StoredBytes(call.params) + kMailFrame);
  }
}

}  // namespace velomira::service
