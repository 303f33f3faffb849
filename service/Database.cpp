#include "Database.h"

#include <sqlite3.h>

#include <stdexcept>

#include "Schema.h"

namespace velomira::service {

namespace {

[[noreturn]] void Fail(sqlite3* db, const char* what) {
  throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

}  // namespace

Statement::~Statement() {
  if (stmt_) sqlite3_reset(stmt_);
}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    if (stmt_) sqlite3_reset(stmt_);
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail(sqlite3_db_handle(stmt_), "bind");
  return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
  if (sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    Fail(sqlite3_db_handle(stmt_), "bind");
  }
  return *this;
}

Statement& Statement::bindNull(int index) {
  if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) Fail(sqlite3_db_handle(stmt_), "bind");
  return *this;
}

bool Statement::next() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  Fail(sqlite3_db_handle(stmt_), "step");
}

void Statement::run() {
  while (next()) {
  }
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::text(int column) const {
  const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  if (!data) return {};
  return std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

bool Statement::isNull(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

Connection::Connection(const std::filesystem::path& file) {
  if (sqlite3_open_v2(file.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw std::runtime_error("cannot open " + file.string() + ": " + message);
  }
  sqlite3_busy_timeout(db_, 5000);
  exec("PRAGMA journal_mode=WAL");
  exec("PRAGMA synchronous=NORMAL");
  exec("PRAGMA foreign_keys=ON");
}

Connection::~Connection() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  sqlite3_close(db_);
}

Statement Connection::prepare(const char* sql) {
  auto found = statements_.find(std::string_view(sql));
  if (found == statements_.end()) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
      Fail(db_, "prepare");
    }
    found = statements_.emplace(sql, stmt).first;
  }
  sqlite3_reset(found->second);
  sqlite3_clear_bindings(found->second);
  return Statement(found->second);
}

void Connection::exec(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(message);
  }
}

std::int64_t Connection::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

int Connection::changes() const { return sqlite3_changes(db_); }

Transaction::Transaction(Connection& connection) : connection_(connection) {
  connection_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
  if (!done_) {
    try {
      connection_.exec("ROLLBACK");
    } catch (...) {
    }
  }
}

void Transaction::commit() {
  connection_.exec("COMMIT");
  done_ = true;
}

Database::Database(std::filesystem::path file) : file_(std::move(file)) {
  auto connection = std::make_unique<Connection>(file_);
  CreateSchema(*connection);
  release(std::move(connection));
}

Database::Lease::~Lease() { owner_.release(std::move(connection_)); }

Database::Lease Database::acquire() {
  {
    std::lock_guard lock(mutex_);
    if (!idle_.empty()) {
      auto connection = std::move(idle_.back());
      idle_.pop_back();
      return Lease(*this, std::move(connection));
    }
  }
  return Lease(*this, std::make_unique<Connection>(file_));
}

void Database::release(std::unique_ptr<Connection> connection) {
  if (!connection) return;
  std::lock_guard lock(mutex_);
  idle_.push_back(std::move(connection));
}

}  // namespace velomira::service
