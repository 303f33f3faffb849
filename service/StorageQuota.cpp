#include "StorageQuota.h"

#include <filesystem>
#include <string>

namespace velomira::service {

namespace {

constexpr const char* kLogSize = "length(CAST(name AS BLOB)) + length(CAST(content AS BLOB))";
constexpr const char* kMailSize =
    "length(CAST(from_name || from_address || to_name || to_address || body AS BLOB))";

std::int64_t Used(Connection& db) {
  static const std::string sql = std::string("SELECT (SELECT coalesce(sum(") + kLogSize +
                                "), 0) FROM usage_logs) + (SELECT coalesce(sum(" + kMailSize +
                                "), 0) FROM outbox)";
  auto used = db.prepare(sql.c_str());
  return used.next() ? used.integer(0) : 0;
}

struct Oldest {
  std::int64_t id = 0;
  std::int64_t time = 0;
  std::int64_t bytes = 0;
  std::string kind;
};

std::optional<Oldest> OldestLog(Connection& db) {
  static const std::string sql = std::string("SELECT id, received_utc, ") + kLogSize +
                                " FROM usage_logs ORDER BY received_utc, id LIMIT 1";
  auto row = db.prepare(sql.c_str());
  if (!row.next()) return std::nullopt;
  return Oldest{row.integer(0), row.integer(1), row.integer(2), {}};
}

std::optional<Oldest> OldestMail(Connection& db) {
  static const std::string sql = std::string("SELECT id, created_utc, ") + kMailSize +
                                ", kind FROM outbox ORDER BY created_utc, id LIMIT 1";
  auto row = db.prepare(sql.c_str());
  if (!row.next()) return std::nullopt;
  return Oldest{row.integer(0), row.integer(1), row.integer(2), row.text(3)};
}

}  // namespace

void StorageQuota::stored(ServletCall& call, std::int64_t bytes) {
  std::lock_guard lock(mutex_);
  if (!used_) {
    used_ = Used(call.db);
  } else {
    *used_ += bytes;
  }
  if (*used_ <= call.config.storageCap) return;
  int dropped = 0;
  while (*used_ > call.config.storageCap) {
    const std::int64_t freed = dropOldest(call);
    if (freed < 0) break;
    *used_ -= freed;
    ++dropped;
  }
  call.log.line("warning: usage logs and outbox over " + std::to_string(call.config.storageCap) +
                " bytes; dropped the " + std::to_string(dropped) + " oldest");
}

// The bytes freed, or -1 when nothing is left to drop.
std::int64_t StorageQuota::dropOldest(ServletCall& call) {
  const auto log = OldestLog(call.db);
  const auto mail = OldestMail(call.db);
  if (!log && !mail) return -1;
  if (log && (!mail || log->time <= mail->time)) {
    call.db.prepare("DELETE FROM usage_logs WHERE id = ?").with(log->id).run();
    return log->bytes;
  }
  call.db.prepare("DELETE FROM outbox WHERE id = ?").with(mail->id).run();
  if (!call.config.dataDir.empty()) {
    std::error_code ignored;
    std::filesystem::remove(
        call.config.dataDir / "outbox" / (std::to_string(mail->id) + "-" + mail->kind + ".txt"),
        ignored);
  }
  return mail->bytes;
}

}  // namespace velomira::service
