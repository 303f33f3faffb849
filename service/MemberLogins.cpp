#include "MemberLogins.h"

namespace velomira::service {

namespace {

constexpr std::int64_t kOpenFor = 24 * 60 * 60;
// The last request is written back at most this often, not on every request.
constexpr std::int64_t kTouchEvery = 5 * 60;

}  // namespace

void OpenLogin(Connection& db, const std::string& member, const std::string& address,
               std::int64_t now) {
  db.prepare("DELETE FROM member_logins WHERE last_seen_utc <= ?").with(now - kOpenFor).run();
  db.prepare(
        "INSERT INTO member_logins (member_id, address, last_seen_utc) VALUES (?, ?, ?) "
        "ON CONFLICT (member_id, address) DO UPDATE SET last_seen_utc = excluded.last_seen_utc")
      .with(member, address, now)
      .run();
}

namespace {

// Whether a login last seen at lastSeen is still open, writing the request
// back now and then.
bool KeepOpen(Connection& db, const std::string& member, const std::string& address,
              std::int64_t lastSeen, std::int64_t now) {
  if (lastSeen <= now - kOpenFor) return false;
  if (lastSeen <= now - kTouchEvery) {
    db.prepare("UPDATE member_logins SET last_seen_utc = ? WHERE member_id = ? AND address = ?")
        .with(now, member, address)
        .run();
  }
  return true;
}

}  // namespace

bool UseLogin(Connection& db, const std::string& member, const std::string& address,
              std::int64_t now) {
  if (member.empty()) return false;
  std::int64_t lastSeen = 0;
  {
    auto login = db.prepare(
        "SELECT last_seen_utc FROM member_logins WHERE member_id = ? AND address = ?");
    login.with(member, address);
    if (!login.next()) return false;
    lastSeen = login.integer(0);
  }
  return KeepOpen(db, member, address, lastSeen, now);
}

bool UseAnyLogin(Connection& db, const std::string& address, std::int64_t now) {
  std::string member;
  std::int64_t lastSeen = 0;
  {
    auto login = db.prepare(
        "SELECT member_id, last_seen_utc FROM member_logins WHERE address = ? "
        "ORDER BY last_seen_utc DESC LIMIT 1");
    login.with(address);
    if (!login.next()) return false;
    member = login.text(0);
    lastSeen = login.integer(1);
  }
  return KeepOpen(db, member, address, lastSeen, now);
}

}  // namespace velomira::service
