#pragma once
// SQLite access: a pool of connections (one per request at a time) on one
// database file in WAL mode, statements prepared once per connection and every
// value bound as a parameter.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velomira::service {

// A prepared statement in use; leaving it resets the statement, so that no
// read transaction outlives the code that reads.
class Statement {
public:
  explicit Statement(sqlite3_stmt* statement) : stmt_(statement) {}
  ~Statement();
  Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
  Statement& bind(int index, std::string_view value);
  Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
  Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
  Statement& bindNull(int index);
  template <class... Values>
  Statement& with(const Values&... values) {
    int index = 1;
    (bind(index++, values), ...);
    return *this;
  }

  bool next();  // steps; true while a row is available
  void run();   // steps to the end
  std::int64_t integer(int column) const;
  std::string text(int column) const;
  bool isNull(int column) const;

private:
  sqlite3_stmt* stmt_;
};

class Connection {
public:
  explicit Connection(const std::filesystem::path& file);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The statement for sql, reset and with no values bound.
  Statement prepare(const char* sql);
  void exec(const char* sql);
  std::int64_t lastInsertId() const;
  int changes() const;

private:
  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

// Commits on commit(); rolls back when left without it.
class Transaction {
public:
  explicit Transaction(Connection& connection);
  ~Transaction();
  void commit();

private:
  Connection& connection_;
  bool done_ = false;
};

class Database {
public:
  // Opens (creating when missing) the file and its tables.
  explicit Database(std::filesystem::path file);

  class Lease {
  public:
    Lease(Database& owner, std::unique_ptr<Connection> connection)
        : owner_(owner), connection_(std::move(connection)) {}
    ~Lease();
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Connection& operator*() { return *connection_; }
    Connection* operator->() { return connection_.get(); }

  private:
    Database& owner_;
    std::unique_ptr<Connection> connection_;
  };

  Lease acquire();

private:
  void release(std::unique_ptr<Connection> connection);

  std::filesystem::path file_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace velomira::service
