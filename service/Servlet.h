#pragma once
// What a servlet handler gets and how handlers are found by name.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

#include "Database.h"
#include "Query.h"

namespace velomira::service {

struct ServiceConfig {
  std::filesystem::path dataDir;
  // Pictures missing from dataDir/img are served from assetDir/img.
  std::filesystem::path assetDir;
  // UTC seconds since the epoch; the system clock unless a test sets it.
  std::function<std::int64_t()> clock;
  // Where help requests are mailed, whatever the client names.
  std::string supportAddress = "support@velomira.example";
  // Usage logs and the outbox together keep at most this many bytes; the
  // oldest are dropped past it.
  std::int64_t storageCap = std::int64_t{1} << 30;
  // One line per request and per queued mail; nothing when null.
  std::ostream* log = nullptr;
};

// Serialises log lines from the worker threads.
class RequestLog {
public:
  explicit RequestLog(std::ostream* out) : out_(out) {}
  void line(const std::string& text);

private:
  std::ostream* out_;
  std::mutex mutex_;
};

struct ServletCall {
  const QueryParams& params;
  Connection& db;
  std::int64_t now;
  // Host and port the client reached this service at ("127.0.0.1:8470").
  std::string site;
  const ServiceConfig& config;
  RequestLog& log;
  // The address the request came from ("127.0.0.1").
  std::string client;

  // An absolute address of one of this service's pages.
  std::string link(std::string_view path) const { return "http://" + site + std::string(path); }
};

using ServletHandler = std::function<std::string(ServletCall&)>;

struct Servlet {
  ServletHandler handler;
  bool bare = false;  // data servlets answer without the 32-character header
};

class ServletTable {
public:
  void add(std::string name, ServletHandler handler, bool bare = false);
  // Names compare without regard to letter case.
  const Servlet* find(std::string_view name) const;

private:
  std::map<std::string, Servlet, std::less<>> servlets_;
};

void RegisterMemberServlets(ServletTable& table);
void RegisterProgramListServlet(ServletTable& table);
void RegisterChannelServlets(ServletTable& table);
void RegisterPresetServlets(ServletTable& table);
void RegisterPersonalServlets(ServletTable& table);
void RegisterDataServlets(ServletTable& table);

}  // namespace velomira::service
