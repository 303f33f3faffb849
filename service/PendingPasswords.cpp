#include "PendingPasswords.h"

namespace velomira::service {

namespace {

constexpr std::int64_t kOfferedFor = 24 * 60 * 60;

}  // namespace

void OfferNewPassword(Connection& db, const std::string& member, const std::string& hash,
                      std::int64_t now) {
  db.prepare(
        "INSERT OR REPLACE INTO pending_passwords (member_id, password_hash, expires_utc) "
        "VALUES (?, ?, ?)")
      .with(member, hash, now + kOfferedFor)
      .run();
}

bool AcceptPassword(Connection& db, const std::string& member, const std::string& currentHash,
                    const std::function<bool(const std::string& hash)>& matches,
                    std::int64_t now) {
  std::string offered;
  {
    auto pending = db.prepare(
        "SELECT password_hash FROM pending_passwords WHERE member_id = ? AND expires_utc > ?");
    pending.with(member, now);
    if (pending.next()) offered = pending.text(0);
  }
  const bool current = matches(currentHash);
  if (!current && (offered.empty() || !matches(offered))) return false;
  if (!current) {
    db.prepare("UPDATE members SET password_hash = ? WHERE id = ?").with(offered, member).run();
  }
  db.prepare("DELETE FROM pending_passwords WHERE member_id = ?").with(member).run();
  return true;
}

}  // namespace velomira::service
